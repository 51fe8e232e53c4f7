#pragma once
// The feed tests' main window (six picture boxes tagged 1 to 6 and the six category buttons) and
// helpers to run loads the way the window does: each on a worker thread of its own.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/types.h"
#include "platform/form/form.h"
#include "tools/demo-forum/demo_forum.h"

namespace pindora {

class FeedTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The category buttons in one radio group, or each in a group of its own (so that several
    // can be checked at once).
    static void createWindow(bool oneRadioGroup = true);
    static void pointAt(const std::string& hostAndPort);
    static void checkCategory(int button);
    static void startLoad();
    // Starts one load and waits for it (and any other running load) to end.
    static void runLoad();
    static Bytes box(int number);
    static std::vector<Bytes> boxes();
    // Waits until the window thread has shown the boxes' pictures; true when box N's widget
    // shows a picture for each N in `numbers` and nothing for the others listed in `empty`.
    static bool widgetsShow(const std::vector<int>& numbers, const std::vector<int>& empty);
};

// The fixture with a demo forum of its own on a free port, which the loader is pointed at.
class DemoForumFeedTest : public FeedTest {
protected:
    void SetUp() override {
        FeedTest::SetUp();
        ASSERT_GT(forum.start(), 0);
        pointAt(forum.hostAndPort());
    }
    demo::DemoForum forum;
};

}  // namespace pindora
