#include <gtest/gtest.h>

#include "app/forum_links.h"

namespace pindora {
namespace {

TEST(ForumLinks, RelativeLinksResolveAgainstTheHostAndOnlyWebAddressesPass) {
    struct Case {
        const char* link;
        const char* expected;
    };
    const Case cases[] = {
        {"forum.php?mod=viewthread&tid=7", "http://h:81/forum.php?mod=viewthread&tid=7"},
        {"/forum.php?mod=forumdisplay&fid=63", "http://h:81/forum.php?mod=forumdisplay&fid=63"},
        {"/", "http://h:81/"},
        {"plugin.php?id=waterfall:waterfall", "http://h:81/plugin.php?id=waterfall:waterfall"},
        {" thread-7-1-1.html ", "http://h:81/thread-7-1-1.html"},
        {"http://other.example/t?tid=1", "http://other.example/t?tid=1"},
        {"HTTPS://other.example/", "HTTPS://other.example/"},
        {"//cdn.example/x", "http://cdn.example/x"},
        {"file:///etc/passwd", ""},
        {"javascript:alert(1)", ""},
        {"mailto:a@b.example", ""},
        {"smb://server/share", ""},
        {"", ""},
        {"   ", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(resolveForumLink(c.link, "h:81"), c.expected) << c.link;
}

}  // namespace
}  // namespace pindora
