// The demo forum: what it serves, checked over real HTTP.
#include <gtest/gtest.h>

#include <QImage>
#include <regex>
#include <set>

#include "net/web_request.h"
#include "tests/demo-forum/demo_forum_suite.h"

namespace pindora {
namespace {

using demo::DemoForum;
using demo::DemoItem;

class DemoForumTest : public DemoForumSuite {
protected:
    static std::string get(const std::string& path) { return toText(webRequestBytes(forum->baseUrl() + path)); }
};

// The loader's pattern with its grave accents turned into quotes.
const std::regex& loaderPattern() {
    static const std::regex pattern(
        "<a href=\"(.*?)\" class=\"image\" title=\".*?\" target=\"_blank\" style=\"[\\S\\s]*?<img src=\"(.*?)\" border",
        std::regex::ECMAScript | std::regex::icase);
    return pattern;
}

std::vector<std::pair<std::string, std::string>> matches(const std::string& page) {
    std::vector<std::pair<std::string, std::string>> out;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), loaderPattern()); it != std::sregex_iterator(); ++it)
        out.emplace_back((*it)[1].str(), (*it)[2].str());
    return out;
}

TEST_F(DemoForumTest, EveryPageOfEveryCategoryHasSixMatchingItems) {
    ASSERT_EQ(DemoForum::typeIds(), (std::vector<int>{131, 132, 133, 134, 135, 136}));
    std::set<int> pageCounts;
    for (int typeId : DemoForum::typeIds()) {
        int pages = DemoForum::pageCount(typeId);
        EXPECT_GE(pages, 5);
        EXPECT_LE(pages, 8);
        pageCounts.insert(pages);
        for (int page = 1; page <= pages; ++page) {
            std::string html = get(DemoForum::listPath(typeId, page));
            auto found = matches(html);
            auto items = forum->items(typeId, page);
            ASSERT_EQ(found.size(), 6u) << typeId << " page " << page;
            ASSERT_EQ(items.size(), 6u);
            for (std::size_t i = 0; i < 6; ++i) {
                EXPECT_EQ(found[i].first, items[i].threadLink);
                EXPECT_EQ(found[i].second, items[i].thumbnailSrc);
                EXPECT_EQ(found[i].first.rfind("forum.php?mod=viewthread&amp;tid=", 0), 0u);
                EXPECT_EQ(found[i].second.rfind("data/attachment/", 0), 0u);
                EXPECT_NE(html.find("title=\"" + items[i].titleUtf8 + "\""), std::string::npos);
            }
            EXPECT_LT(html.find("charset=utf-8"), 500u);
        }
        EXPECT_TRUE(matches(get(DemoForum::listPath(typeId, pages + 1))).empty());
        EXPECT_TRUE(forum->items(typeId, pages + 1).empty());
    }
    EXPECT_GT(pageCounts.size(), 1u) << "categories differ in length";
}

TEST_F(DemoForumTest, ThumbnailsAreDistinctPicturesInThreeFormats) {
    std::set<std::string> formats;
    std::set<unsigned> colours;
    std::set<std::string> bodies;
    int count = 0;
    for (int typeId : DemoForum::typeIds())
        for (int page = 1; page <= DemoForum::pageCount(typeId); ++page)
            for (const DemoItem& item : forum->items(typeId, page)) {
                ++count;
                formats.insert(item.format);
                colours.insert(item.colour);
                auto bytes = forum->thumbnailBytes(item.thumbnailSrc);
                ASSERT_TRUE(bytes);
                bodies.insert(*bytes);
                if (page > 2) continue;  // fetch over HTTP for the first pages only
                EXPECT_EQ(get("/" + item.thumbnailSrc), *bytes);
                QImage image;
                ASSERT_TRUE(image.loadFromData(reinterpret_cast<const uchar*>(bytes->data()),
                                               static_cast<int>(bytes->size())))
                    << item.thumbnailSrc;
                EXPECT_EQ(image.size(), QSize(200, 200));
                QRgb centre = image.pixel(100, 100);
                auto near = [](int a, int b) { return std::abs(a - b) <= 6; };
                EXPECT_TRUE(near(qRed(centre), static_cast<int>(item.colour >> 16)) &&
                            near(qGreen(centre), static_cast<int>((item.colour >> 8) & 255)) &&
                            near(qBlue(centre), static_cast<int>(item.colour & 255)))
                    << item.thumbnailSrc;
                std::string magic = bytes->substr(0, 4);
                std::string expected = item.format == "gif" ? "GIF8" : item.format == "png" ? "\x89PNG" : "\xFF\xD8";
                EXPECT_EQ(magic.substr(0, expected.size()), expected) << item.thumbnailSrc;
            }
    EXPECT_EQ(formats, (std::set<std::string>{"gif", "jpeg", "png"}));
    EXPECT_EQ(static_cast<int>(colours.size()), count);
    EXPECT_EQ(static_cast<int>(bodies.size()), count);
}

TEST_F(DemoForumTest, ForumPages) {
    for (const char* path : {"/", "/plugin.php?id=waterfall:waterfall", "/forum.php?mod=forumdisplay&fid=63",
                             "/forum.php?mod=forumdisplay&fid=83"}) {
        RequestArgs a{.url = forum->baseUrl() + path};
        a.rawHeaders.emplace();
        std::string body = toText(webRequestBytes(a));
        EXPECT_EQ(a.rawHeaders->rfind("HTTP/1.1 200", 0), 0u) << path;
        EXPECT_NE(body.find("头像"), std::string::npos) << path;
    }
    DemoItem item = forum->items(134, 3).at(2);
    std::string link = item.threadLink;
    for (auto at = link.find("&amp;"); at != std::string::npos; at = link.find("&amp;")) link.replace(at, 5, "&");
    std::string thread = get("/" + link);
    EXPECT_NE(thread.find(item.titleUtf8), std::string::npos);
    EXPECT_EQ(forum->itemByTid(item.tid)->thumbnailSrc, item.thumbnailSrc);
}

TEST_F(DemoForumTest, LogKeepsRequestsInOrder) {
    forum->clearRequests();
    RequestArgs a{.url = forum->baseUrl() + "/test/echo?x=1"};
    a.headers = "X-Second: 2\r\nX-First: 1";
    a.method = 1;
    a.postText = "body";
    webRequestText(a);
    auto all = forum->requests();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].requestLine, "POST /test/echo?x=1 HTTP/1.1");
    EXPECT_EQ(all[0].method, "POST");
    EXPECT_EQ(all[0].target, "/test/echo?x=1");
    EXPECT_EQ(all[0].body, "body");
    auto second = std::find(all[0].headerLines.begin(), all[0].headerLines.end(), "X-Second: 2");
    ASSERT_NE(second, all[0].headerLines.end());
    EXPECT_EQ(*(second + 1), "X-First: 1");
}

TEST_F(DemoForumTest, LatencyOption) {
    forum->setLatency(std::chrono::milliseconds(300));
    auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(get("/test/echo"), "ok");
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(300));
    forum->setLatency(std::chrono::milliseconds(0));
}

TEST(DemoForumLifecycle, StopRightAfterStart) {
    for (int i = 0; i < 20; ++i) {
        DemoForum quick;
        ASSERT_GT(quick.start(), 0);
        quick.stop();
    }
    DemoForum restarted;
    ASSERT_GT(restarted.start(), 0);
    EXPECT_EQ(toText(webRequestBytes(restarted.baseUrl() + "/test/echo")), "ok");
}

TEST_F(DemoForumTest, ItemsPerPageOption) {
    demo::DemoForumOptions options;
    options.itemsPerPage = 4;
    DemoForum small(options);
    ASSERT_GT(small.start(), 0);
    std::string html = toText(webRequestBytes(small.baseUrl() + DemoForum::listPath(131, 1)));
    EXPECT_EQ(matches(html).size(), 4u);
    small.stop();
}

}  // namespace
}  // namespace pindora
