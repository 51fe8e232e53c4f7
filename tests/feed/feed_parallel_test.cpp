// The loader's thumbnails fetched at once and its connections kept from one load to the next.
#include <QImage>
#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <thread>

#include "assets/assets.h"
#include "base/text.h"
#include "feed/avatar_loader.h"
#include "feed/feed_state.h"
#include "tests/feed/feed_fixture.h"
#include "tests/feed/page_server.h"
#include "tools/demo-forum/demo_forum.h"
#include "tests/support/waiting.h"

namespace pindora {
namespace {

using namespace std::chrono_literals;

Bytes asBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes busy() {
    const auto bytes = assetBytes("busy.gif");
    return Bytes(bytes.begin(), bytes.end());
}

std::set<int> connectionsOf(const std::vector<demo::LoggedRequest>& requests) {
    std::set<int> numbers;
    for (const auto& request : requests) numbers.insert(request.connection);
    return numbers;
}

// A list page of six items whose thumbnails live under `folder`, each thumbnail served in a
// colour of its own; returns the thumbnails in box order.
std::vector<std::string> serveSixItems(PageServer& server, const std::string& folder) {
    std::string page;
    std::vector<std::string> thumbnails;
    for (int n = 1; n <= 6; ++n) {
        const std::string src = folder + "/" + std::to_string(n) + ".png";
        page += anchor(folder + "-tid=" + std::to_string(n), src);
        thumbnails.push_back(pngOfColour(qRgb(40 * n, 0, folder.size() * 20)));
        server.serve("/" + src, thumbnails.back(), "image/png");
    }
    server.serve("/plugin.php", page, "text/html");
    return thumbnails;
}

std::vector<Text> linksOf(const std::string& folder) {
    std::vector<Text> links;
    for (int n = 1; n <= 6; ++n) links.push_back(folder + "-tid=" + std::to_string(n));
    return links;
}

int countStartingWith(const std::vector<std::string>& targets, const std::string& prefix) {
    return static_cast<int>(std::count_if(targets.begin(), targets.end(),
                                          [&](const std::string& t) { return t.rfind(prefix, 0) == 0; }));
}

TEST_F(FeedTest, TheSixThumbnailsAreRequestedTogether) {
    // The server answers no thumbnail before all six requests are in: one after another, the
    // first would wait for the others until the limit and get a 503.
    PageServer server;
    const auto thumbnails = serveSixItems(server, "data");
    server.holdUntil("/data/", 6, 10s);
    pointAt(server.start());
    runLoad();
    for (int n = 1; n <= 6; ++n) EXPECT_EQ(box(n), asBytes(thumbnails[n - 1])) << "box " << n;
    EXPECT_EQ(feedState().avatarLinks(), linksOf("data"));
    EXPECT_EQ(server.heldAnswered(), 6);
}

TEST_F(FeedTest, EachBoxIsFilledAsItsThumbnailArrivesAndLinksFollowBoxOrder) {
    // Thumbnails 1 to 5 wait for a seventh request that never comes; 6 arrives at once.
    PageServer server;
    std::string page;
    for (int n = 1; n <= 6; ++n) {
        const std::string folder = n < 6 ? "slow" : "fast";
        page += anchor("tid=" + std::to_string(n), folder + "/" + std::to_string(n) + ".png");
        server.serve("/" + folder + "/" + std::to_string(n) + ".png", pngOfColour(qRgb(0, 40 * n, 0)), "image/png");
    }
    server.serve("/plugin.php", page, "text/html");
    server.holdUntil("/slow/", 7, 10s);
    pointAt(server.start());
    startLoad();
    const Bytes sixth = asBytes(pngOfColour(qRgb(0, 240, 0)));
    ASSERT_TRUE(sleepUntil([&] { return box(6) == sixth; }));
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(box(n), busy()) << "box " << n;
    // Link 6 waits for links 1 to 5, so that link N stays box N's.
    EXPECT_TRUE(feedState().avatarLinks().empty());
    EXPECT_FALSE(feedState().linkAt(6).has_value());
    stopAvatarLoads();
    EXPECT_EQ(server.heldAnswered(), 0);
}

TEST_F(FeedTest, ALaterLoadAbortsTheThumbnailsInFlight) {
    // The first load's six thumbnails are never answered: the first load ends only because the
    // second aborts its transfers.
    PageServer server;
    serveSixItems(server, "slow");
    server.holdUntil("/slow/", 7, 10s);
    pointAt(server.start());
    startLoad();
    ASSERT_TRUE(sleepUntil([&] { return countStartingWith(server.requestTargets(), "/slow/") == 6; }));

    const auto thumbnails = serveSixItems(server, "fast");
    startLoad();
    waitForThreads();
    EXPECT_EQ(server.heldAnswered(), 0) << "the first load waited for its answers";
    for (int n = 1; n <= 6; ++n) EXPECT_EQ(box(n), asBytes(thumbnails[n - 1])) << "box " << n;
    EXPECT_EQ(feedState().avatarLinks(), linksOf("fast"));
}

TEST_F(FeedTest, StoppingAbortsTheThumbnailsInFlight) {
    PageServer server;
    serveSixItems(server, "slow");
    server.holdUntil("/slow/", 7, 10s);
    pointAt(server.start());
    startLoad();
    ASSERT_TRUE(sleepUntil([&] { return countStartingWith(server.requestTargets(), "/slow/") == 6; }));
    stopAvatarLoads();
    waitForThreads();
    EXPECT_EQ(server.heldAnswered(), 0) << "the stop waited for the answers";
    EXPECT_EQ(boxes(), std::vector<Bytes>(6, busy()));
    EXPECT_TRUE(feedState().avatarLinks().empty());
}

TEST_F(FeedTest, ConnectionsAreKeptFromOneLoadToTheNext) {
    // Each answer takes 300 ms, so each load's six thumbnails are in flight together.
    demo::DemoForum forum(demo::DemoForumOptions{.latency = 300ms});
    ASSERT_GT(forum.start(), 0);
    pointAt(forum.hostAndPort());
    runLoad();
    const auto first = forum.requests();
    ASSERT_EQ(first.size(), 7u);
    forum.clearRequests();
    feedState().setCurrentPage(2);
    runLoad();
    const auto second = forum.requests();
    ASSERT_EQ(second.size(), 7u);
    EXPECT_EQ(feedState().avatarLinks().size(), 6u);

    // Every request of the second load came over a connection the first load opened; its six
    // thumbnails over six different ones.
    const auto opened = connectionsOf(first);
    for (const auto& request : second)
        EXPECT_TRUE(opened.count(request.connection)) << request.target << " on a new connection";
    EXPECT_EQ(connectionsOf({second.begin() + 1, second.end()}).size(), 6u);
}

}  // namespace
}  // namespace pindora
