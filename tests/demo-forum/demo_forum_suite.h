#pragma once
// A test suite that shares one demo forum of its own, on a free port, for all its tests.

#include <gtest/gtest.h>

#include <memory>

#include "tools/demo-forum/demo_forum.h"

namespace pindora {

class DemoForumSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        forum = std::make_unique<demo::DemoForum>();
        ASSERT_GT(forum->start(), 0);
    }
    static void TearDownTestSuite() { forum.reset(); }

    static inline std::unique_ptr<demo::DemoForum> forum;
};

}  // namespace pindora
