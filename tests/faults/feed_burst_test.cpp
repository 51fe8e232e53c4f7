// 200 category and page clicks in a burst, each starting a load the way the window's handlers
// do (check a category button, set the page, start a load): no more than two loads are alive
// at any moment, and the boxes and links end up those of the last click.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <atomic>
#include <thread>

#include "base/text.h"
#include "feed/avatar_loader.h"
#include "feed/categories.h"
#include "feed/feed_state.h"
#include "tests/feed/feed_fixture.h"
#include "tools/demo-forum/demo_forum.h"
#include "tests/support/waiting.h"

namespace pindora {
namespace {

using FeedBurst = DemoForumFeedTest;

TEST_F(FeedBurst, TwoHundredClicksKeepAtMostTwoLoadsAndEndWithTheLastClick) {
    std::atomic<bool> watching{true};
    std::atomic<int> most{0};
    std::thread watcher([&] {
        while (watching.load()) {
            const int live = feedState().liveLoads();
            if (live > most.load()) most.store(live);
        }
    });

    int lastButton = 0, lastPage = 0;
    for (int click = 0; click < 200; ++click) {
        lastButton = 1 + (click * 5) % 6;
        lastPage = 1 + click % 4;
        checkCategory(lastButton);
        feedState().setCurrentPage(lastPage);
        startLoad();
        if (click % 10 == 0) QCoreApplication::processEvents();
    }
    // Wait for the last load while the window thread keeps handling events.
    ASSERT_TRUE(processEventsUntil([] { return feedState().liveLoads() == 0; }));
    waitForThreads();
    watching.store(false);
    watcher.join();

    EXPECT_LE(most.load(), 2);
    EXPECT_EQ(feedState().feedUrl(),
              categoryListAddress(kFeedCategories[lastButton - 1], forum.hostAndPort(), lastPage));
    const int typeOfButton[] = {132, 133, 131, 134, 135, 136};
    const int typeId = typeOfButton[lastButton - 1];

    const auto items = forum.items(typeId, lastPage);
    ASSERT_EQ(items.size(), 6u);
    std::vector<Text> links;
    for (int n = 1; n <= 6; ++n) {
        const std::string bytes = *forum.thumbnailBytes(items[n - 1].thumbnailSrc);
        EXPECT_EQ(box(n), Bytes(bytes.begin(), bytes.end())) << "box " << n;
        links.push_back(replaceText(items[n - 1].threadLink, "&amp;", "&"));
    }
    EXPECT_EQ(feedState().avatarLinks(), links);
    EXPECT_TRUE(widgetsShow({1, 2, 3, 4, 5, 6}, {}));
}

}  // namespace
}  // namespace pindora
