#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>

#include "assets/assets.h"
#include "base/text.h"
#include "tools/demo-forum/demo_forum.h"
#include "feed/avatar_loader.h"
#include "feed/categories.h"
#include "feed/feed_state.h"
#include "tests/feed/feed_fixture.h"
#include "tests/feed/page_server.h"

namespace pindora {
namespace {

Bytes asBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes busy() {
    const auto bytes = assetBytes("busy.gif");
    return Bytes(bytes.begin(), bytes.end());
}

std::vector<Text> expectedLinks(const std::vector<demo::DemoItem>& items) {
    std::vector<Text> links;
    for (const auto& item : items) links.push_back(replaceText(item.threadLink, "&amp;", "&"));
    return links;
}

TEST_F(DemoForumFeedTest, RequestsTheExactListAddressOfEachCategory) {
    struct Case { int button; int typeId; const char* suffix; };
    const Case cases[] = {
        {1, 132, "1369312298453"}, {2, 133, "1369349186213"}, {3, 131, "1369349338909"},
        {4, 134, "1369349433537"}, {5, 135, "1369349520559"}, {6, 136, "1369414917707"},
    };
    for (const Case& c : cases) {
        checkCategory(c.button);
        forum.clearRequests();
        runLoad();
        const std::string target = "/plugin.php?id=waterfall:threads&fid=83&typeid=" + std::to_string(c.typeId) +
                                   "&filter=1&orderby=1&page=&loads=1&_=" + c.suffix;
        EXPECT_EQ(feedState().feedUrl(), "http://" + forum.hostAndPort() + target) << "button " << c.button;
        const auto requests = forum.requests();
        ASSERT_FALSE(requests.empty());
        EXPECT_EQ(requests.front().target, target);
        EXPECT_EQ(feedState().avatarLinks(), expectedLinks(forum.items(c.typeId, 1))) << "button " << c.button;
    }
}

TEST_F(DemoForumFeedTest, PageTwelveAndAPagePastTheEnd) {
    checkCategory(3);
    feedState().setCurrentPage(12);
    runLoad();
    EXPECT_EQ(forum.requests().front().target,
              "/plugin.php?id=waterfall:threads&fid=83&typeid=131&filter=1&orderby=1&page=&loads=12&_=1369349338909");
    // The category has fewer pages: no items, the boxes keep the busy picture.
    EXPECT_TRUE(feedState().avatarLinks().empty());
    EXPECT_EQ(boxes(), std::vector<Bytes>(6, busy()));
}

TEST_F(DemoForumFeedTest, SixItemsFillTheSixBoxesAndLinks) {
    ASSERT_FALSE(busy().empty());
    runLoad();
    const auto items = forum.items(132, 1);
    ASSERT_EQ(items.size(), 6u);
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(box(n), asBytes(*forum.thumbnailBytes(items[n - 1].thumbnailSrc))) << "box " << n;
        EXPECT_EQ(feedState().linkAt(n), replaceText(items[n - 1].threadLink, "&amp;", "&"));
    }
    EXPECT_FALSE(feedState().linkAt(7).has_value());
    EXPECT_FALSE(feedState().linkAt(0).has_value());
    EXPECT_TRUE(containsText(feedState().pageHtml(), items[0].thumbnailSrc));
    // The thumbnails reach the widgets through the window thread.
    EXPECT_TRUE(widgetsShow({1, 2, 3, 4, 5, 6}, {}));
}

TEST_F(DemoForumFeedTest, ASecondLoadReplacesTheLinksAndPictures) {
    runLoad();
    feedState().setCurrentPage(2);
    runLoad();
    const auto items = forum.items(132, 2);
    EXPECT_EQ(feedState().avatarLinks(), expectedLinks(items));
    EXPECT_EQ(box(1), asBytes(*forum.thumbnailBytes(items[0].thumbnailSrc)));
}

TEST_F(DemoForumFeedTest, NoButtonCheckedRequestsThePreviousAddressAgain) {
    runLoad();
    const Text previous = feedState().feedUrl();
    setChecked(findControl(categoryButtonName(1)), false);
    feedState().setCurrentPage(2);
    forum.clearRequests();
    runLoad();
    EXPECT_EQ(feedState().feedUrl(), previous);
    EXPECT_EQ(forum.requests().front().target, demo::DemoForum::listPath(132, 1));
}

TEST_F(FeedTest, TheButtonsAreReadInTheirFixedOrder) {
    // Read order 6, 4, 5, 1, 2, 3: of two checked buttons the one read later wins.
    struct Case { int first, second, winner; };
    const Case cases[] = {{3, 6, 3}, {1, 5, 1}, {4, 5, 5}, {6, 4, 4}, {2, 1, 2}};
    const int typeIdOfButton[] = {0, 132, 133, 131, 134, 135, 136};
    pointAt("127.0.0.1:9");
    for (const Case& c : cases) {
        createWindow(false);
        setChecked(findControl(categoryButtonName(1)), false);
        checkCategory(c.first);
        checkCategory(c.second);
        runLoad();
        EXPECT_TRUE(containsText(feedState().feedUrl(), "typeid=" + std::to_string(typeIdOfButton[c.winner])))
            << c.first << " and " << c.second;
    }
}

TEST_F(DemoForumFeedTest, FourItemsLeaveBoxesFiveAndSixBusy) {
    demo::DemoForum four(demo::DemoForumOptions{.itemsPerPage = 4});
    ASSERT_GT(four.start(), 0);
    pointAt(four.hostAndPort());
    runLoad();
    const auto items = four.items(132, 1);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(feedState().avatarLinks(), expectedLinks(items));
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(box(n), asBytes(*four.thumbnailBytes(items[n - 1].thumbnailSrc)));
    EXPECT_EQ(box(5), busy());
    EXPECT_EQ(box(6), busy());
}

TEST_F(FeedTest, AFailedPageLeavesAllBoxesBusyAndNoLinks) {
    {
        PageServer gone;  // a port that was just freed: the connection is refused
        const std::string host = gone.start();
        pointAt(host);
    }
    runLoad();
    EXPECT_EQ(boxes(), std::vector<Bytes>(6, busy()));
    EXPECT_TRUE(feedState().avatarLinks().empty());
    EXPECT_TRUE(feedState().pageHtml().empty());
    EXPECT_TRUE(widgetsShow({1, 2, 3, 4, 5, 6}, {}));
}

TEST_F(FeedTest, PageMarkupCasesAndThumbnailAddresses) {
    PageServer server;
    const std::string red = pngOfColour(qRgb(255, 0, 0)), blue = pngOfColour(qRgb(0, 0, 255));
    const std::string upperCase =
        "<A HREF=\"forum.php?mod=viewthread&amp;tid=3\" CLASS=\"IMAGE\" TITLE=\"T\" TARGET=\"_BLANK\" "
        "STYLE=\"X\"><IMG SRC=\"data/c.png\" BORDER=\"0\"></A>";
    server.serve("/plugin.php",
                 anchor("forum.php?mod=viewthread&amp;tid=7&amp;page=1", "data/a.png") +
                     anchor("forum.php?mod=viewthread&AMP;tid=8", "data/broken.png") + upperCase +
                     anchor("tid=4", "/data/b.png") + anchor("tid=5", "data/missing.png"),
                 "text/html");
    server.serve("/data/a.png", red, "image/png");
    server.serve("/data/c.png", blue, "image/png");
    server.serve("//data/b.png", red, "image/png");
    server.serveBroken("/data/broken.png");
    const std::string host = server.start();
    pointAt(host);
    runLoad();

    EXPECT_EQ(feedState().avatarLinks(),
              (std::vector<Text>{"forum.php?mod=viewthread&tid=7&page=1", "forum.php?mod=viewthread&AMP;tid=8",
                                 "forum.php?mod=viewthread&tid=3", "tid=4", "tid=5"}));
    EXPECT_EQ(box(1), asBytes(red));
    EXPECT_TRUE(box(2).empty()) << "a failed thumbnail leaves its box empty, its link kept";
    EXPECT_EQ(box(3), asBytes(blue)) << "upper-case markup matches";
    EXPECT_EQ(box(4), asBytes(red)) << "a leading slash is sent as a double slash";
    EXPECT_TRUE(box(5).empty()) << "an empty answer gives an empty box";
    EXPECT_EQ(box(6), busy());
    const auto targets = server.requestTargets();
    EXPECT_NE(std::find(targets.begin(), targets.end(), "//data/b.png"), targets.end());
    EXPECT_NE(std::find(targets.begin(), targets.end(), "/data/a.png"), targets.end());
    EXPECT_TRUE(widgetsShow({1, 3, 4, 6}, {2, 5}));
}

TEST_F(FeedTest, OnlyTheFirstSixMatchesAreUsed) {
    PageServer server;
    const std::string green = pngOfColour(qRgb(0, 255, 0));
    std::string page;
    for (int n = 1; n <= 8; ++n) page += anchor("tid=" + std::to_string(n), "data/" + std::to_string(n) + ".png");
    server.serve("/plugin.php", page, "text/html");
    for (int n = 1; n <= 8; ++n) server.serve("/data/" + std::to_string(n) + ".png", green, "image/png");
    pointAt(server.start());
    runLoad();
    EXPECT_EQ(feedState().avatarLinks(), (std::vector<Text>{"tid=1", "tid=2", "tid=3", "tid=4", "tid=5", "tid=6"}));
    const auto targets = server.requestTargets();
    EXPECT_EQ(std::count(targets.begin(), targets.end(), "/data/7.png"), 0);
}

}  // namespace
}  // namespace pindora
