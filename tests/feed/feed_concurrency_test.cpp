#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "assets/assets.h"
#include "base/text.h"
#include "feed/avatar_loader.h"
#include "feed/feed_state.h"
#include "tests/feed/feed_fixture.h"
#include "tools/demo-forum/demo_forum.h"
#include "tests/support/waiting.h"

namespace pindora {
namespace {

using namespace std::chrono_literals;

std::vector<Text> linksOf(const std::vector<demo::DemoItem>& items) {
    std::vector<Text> links;
    for (const auto& item : items) links.push_back(replaceText(item.threadLink, "&amp;", "&"));
    return links;
}

bool isPrefixOf(const std::vector<Text>& part, const std::vector<Text>& whole) {
    return part.size() <= whole.size() && std::equal(part.begin(), part.end(), whole.begin());
}

bool requested(const demo::DemoForum& forum, const std::string& src) {
    for (const auto& request : forum.requests()) {
        if (containsText(request.target, src)) return true;
    }
    return false;
}

class OverlappingLoads : public DemoForumFeedTest, public testing::WithParamInterface<bool> {};

// The later of two overlapping loads wins, whether it starts while the earlier one fetches its
// page (false) or its thumbnails (true); a click reading the links meanwhile always sees the
// links of one load, never a mix.
TEST_P(OverlappingLoads, EndWithTheLaterLoadsPicturesAndLinks) {
    const bool duringThumbnails = GetParam();
    const auto first = forum.items(132, 1), second = forum.items(132, 2);
    const auto firstLinks = linksOf(first), secondLinks = linksOf(second);

    std::atomic<bool> reading{true};
    std::atomic<int> mixed{0};
    std::thread click([&] {
        while (reading.load()) {
            const auto links = feedState().avatarLinks();
            if (!isPrefixOf(links, firstLinks) && !isPrefixOf(links, secondLinks)) mixed.fetch_add(1);
            const auto link = feedState().linkAt(1);
            if (link && *link != firstLinks[0] && *link != secondLinks[0]) mixed.fetch_add(1);
        }
    });

    forum.setLatency(150ms);
    startLoad();
    if (duringThumbnails) {
        ASSERT_TRUE(sleepUntil([] { return feedState().linkAt(1).has_value(); }));
    } else {
        ASSERT_TRUE(sleepUntil([] { return containsText(feedState().feedUrl(), "loads=1&"); }));
    }
    feedState().setCurrentPage(2);
    startLoad();
    waitForThreads();
    reading.store(false);
    click.join();

    EXPECT_EQ(mixed.load(), 0);
    EXPECT_EQ(feedState().avatarLinks(), secondLinks);
    for (int n = 1; n <= 6; ++n) {
        const std::string served = *forum.thumbnailBytes(second[n - 1].thumbnailSrc);
        EXPECT_EQ(box(n), Bytes(served.begin(), served.end())) << "box " << n;
    }
    EXPECT_TRUE(containsText(feedState().pageHtml(), second[0].thumbnailSrc));
    // The earlier load stopped at once: superseded during its page, it fetched no thumbnail
    // (during its thumbnails, all six were in flight together).
    if (!duringThumbnails) {
        for (const auto& item : first) EXPECT_FALSE(requested(forum, item.thumbnailSrc)) << item.thumbnailSrc;
    }
}

INSTANTIATE_TEST_SUITE_P(Feed, OverlappingLoads, testing::Values(false, true),
                         [](const auto& info) { return info.param ? "DuringThumbnails" : "DuringPage"; });

TEST_F(FeedTest, StoppingAbortsRunningLoadsAndWaitsForThem) {
    demo::DemoForum forum(demo::DemoForumOptions{.latency = 1500ms});
    ASSERT_GT(forum.start(), 0);
    pointAt(forum.hostAndPort());
    startLoad();
    startLoad();
    ASSERT_TRUE(sleepUntil([] { return !feedState().feedUrl().empty(); }));
    ASSERT_TRUE(sleepUntil([&] { return !forum.requests().empty(); }));  // a page request under way

    const auto began = std::chrono::steady_clock::now();
    stopAvatarLoads();
    // Aborted, not waited out: the server would answer only after 1.5 seconds.
    EXPECT_LT(std::chrono::steady_clock::now() - began, 1000ms);
    waitForThreads();
    EXPECT_TRUE(feedState().pageHtml().empty());
    EXPECT_TRUE(feedState().avatarLinks().empty());
    const auto busy = assetBytes("busy.gif");
    EXPECT_EQ(box(1), Bytes(busy.begin(), busy.end()));

    // Loads started afterwards run normally.
    forum.setLatency(0ms);
    runLoad();
    EXPECT_EQ(feedState().avatarLinks().size(), 6u);
}

TEST_F(FeedTest, ALoadStartedJustBeforeTheStopNeverWritesAfterIt) {
    // The stop comes while the load's thread is still starting: the load must not begin later.
    demo::DemoForum forum(demo::DemoForumOptions{.latency = 200ms});
    ASSERT_GT(forum.start(), 0);
    pointAt(forum.hostAndPort());
    for (int round = 0; round < 5; ++round) {
        startLoad();
        stopAvatarLoads();
        waitForThreads();
        EXPECT_TRUE(feedState().pageHtml().empty()) << "round " << round;
        EXPECT_TRUE(feedState().avatarLinks().empty()) << "round " << round;
    }
}

}  // namespace
}  // namespace pindora
