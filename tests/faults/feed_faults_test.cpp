// The feed against a broken forum: a fault in the list page or in one thumbnail ends the load
// with the failure's usual result, keeps every box and link the load already produced, never
// stalls the window thread, and a picture that is no picture (or a decompression bomb) leaves
// its box empty without a large allocation.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <chrono>

#include "base/text.h"
#include "feed/avatar_loader.h"
#include "feed/feed_state.h"
#include "platform/inet/inet.h"
#include "tests/faults/peak_memory.h"
#include "tests/feed/feed_fixture.h"
#include "tools/demo-forum/demo_forum.h"

namespace pindora {
namespace {

using namespace std::chrono_literals;
using demo::Fault;

class FeedFaults : public FeedTest {
protected:
    void SetUp() override {
        FeedTest::SetUp();
        saved = inet::limits();
        inet::Limits quick = saved;
        quick.stallTimeout = 1s;
        quick.maxBodyBytes = 4 * 1024 * 1024;
        inet::setLimits(quick);
        ASSERT_GT(forum.start(), 0);
        pointAt(forum.hostAndPort());
    }
    void TearDown() override {
        FeedTest::TearDown();
        inet::setLimits(saved);
    }

    std::vector<Text> expectedLinks() const {
        std::vector<Text> links;
        for (const auto& item : forum.items(132, 1)) links.push_back(replaceText(item.threadLink, "&amp;", "&"));
        return links;
    }

    // Runs one load on its worker while the window thread keeps working as it would for a
    // person: events, and the reads a click on a box makes. Returns the longest the window
    // thread was held by any of them, in ms.
    static qint64 loadWhileUsingTheWindow() {
        startLoad();
        qint64 longest = 0;
        QElapsedTimer clock, step;
        clock.start();
        while (liveThreads() && clock.elapsed() < 20000) {
            step.start();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            (void)feedState().avatarLinks();
            (void)feedState().linkAt(1);
            (void)box(1);
            longest = std::max(longest, step.elapsed());
        }
        waitForThreads();
        return longest;
    }

    static bool liveThreads() { return feedState().liveLoads() > 0; }

    inet::Limits saved;
    demo::DemoForum forum;
};

struct FaultCase {
    const char* name;
    Fault fault;
};

const FaultCase kTransportFaults[] = {{"reset in the body", Fault::ResetMidBody},
                                      {"truncated body", Fault::TruncatedBody},
                                      {"malformed status line", Fault::MalformedStatus},
                                      {"stalled server", Fault::Stall},
                                      {"body over the limit", Fault::HugeBody}};

// A broken list page is a failed page request: all six boxes keep the busy picture, no links.
TEST_F(FeedFaults, ABrokenListPageLeavesTheBoxesBusyAndNoLinks) {
    for (const auto& c : kTransportFaults) {
        SCOPED_TRACE(c.name);
        forum.clearFaults();
        forum.addFault("/plugin.php", c.fault);
        EXPECT_LT(loadWhileUsingTheWindow(), 500);
        EXPECT_TRUE(feedState().pageHtml().empty());
        EXPECT_TRUE(feedState().avatarLinks().empty());
        for (const Bytes& picture : boxes()) EXPECT_EQ(picture, busyImage());
    }
}

TEST_F(FeedFaults, AForumThatRefusesConnectionsLeavesTheBoxesBusyAndNoLinks) {
    forum.stop();
    EXPECT_LT(loadWhileUsingTheWindow(), 500);
    EXPECT_TRUE(feedState().pageHtml().empty());
    EXPECT_TRUE(feedState().avatarLinks().empty());
    for (const Bytes& picture : boxes()) EXPECT_EQ(picture, busyImage());
}

// A broken third thumbnail empties box 3 only: the other boxes get their pictures, and all six
// links stay paired with their boxes.
TEST_F(FeedFaults, ABrokenThumbnailEmptiesOnlyItsBox) {
    const auto items = forum.items(132, 1);
    for (const auto& c : kTransportFaults) {
        SCOPED_TRACE(c.name);
        forum.clearFaults();
        forum.addFault("/" + items[2].thumbnailSrc, c.fault);
        EXPECT_LT(loadWhileUsingTheWindow(), 500);
        for (int n = 1; n <= 6; ++n) {
            const Bytes expected = n == 3 ? Bytes{} : [&] {
                const std::string bytes = *forum.thumbnailBytes(items[n - 1].thumbnailSrc);
                return Bytes(bytes.begin(), bytes.end());
            }();
            EXPECT_EQ(box(n), expected) << "box " << n;
        }
        EXPECT_EQ(feedState().avatarLinks(), expectedLinks());
        EXPECT_TRUE(widgetsShow({1, 2, 4, 5, 6}, {3}));
    }
}

// Text posing as a thumbnail and pictures declaring 30000 x 30000 pixels: the box holds the
// bytes as received but shows nothing, and showing them allocates no picture of that size.
TEST_F(FeedFaults, APictureThatCannotBeShownLeavesItsBoxEmpty) {
    const auto items = forum.items(132, 1);
    runLoad();  // the first loads set up threads and their memory pools
    runLoad();
    for (Fault fault : {Fault::NotImage, Fault::PngBomb, Fault::GifBomb}) {
        SCOPED_TRACE(static_cast<int>(fault));
        forum.clearFaults();
        forum.addFault("/" + items[2].thumbnailSrc, fault);
        resetPeakResident();
        const auto before = residentBytes();
        const auto virtualBefore = peakVirtualBytes();
        runLoad();
        const std::string body = demo::DemoForum::faultBody(fault);
        EXPECT_EQ(box(3), Bytes(body.begin(), body.end()));
        EXPECT_TRUE(widgetsShow({1, 2, 4, 5, 6}, {3}));
        if (kResidentMemoryIsTheProgramsOwn) {
          EXPECT_LT(peakResidentBytes() - before, 64 * 1024 * 1024);
        }
        // Untouched pages of a huge picture would not be resident: the address space shows
        // whether one was allocated at all.
        EXPECT_LT(peakVirtualBytes() - virtualBefore, 1024 * 1024 * 1024);
        EXPECT_EQ(feedState().avatarLinks(), expectedLinks());
    }
}

}  // namespace
}  // namespace pindora
