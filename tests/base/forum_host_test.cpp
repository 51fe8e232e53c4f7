#include <gtest/gtest.h>

#include <cstdlib>

#include "base/forum_host.h"

namespace pindora {
namespace {

TEST(ForumHost, DefaultIsTheDemoForumAndTheEnvironmentOverrides) {
    unsetenv("PINDORA_FORUM_HOST");
    EXPECT_EQ(forumHost(), "127.0.0.1:8380");
    setenv("PINDORA_FORUM_HOST", "", 1);
    EXPECT_EQ(forumHost(), "127.0.0.1:8380");
    setenv("PINDORA_FORUM_HOST", "127.0.0.1:9001", 1);
    EXPECT_EQ(forumHost(), "127.0.0.1:9001");
    unsetenv("PINDORA_FORUM_HOST");
}

}  // namespace
}  // namespace pindora
