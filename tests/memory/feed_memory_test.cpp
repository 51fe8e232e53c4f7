// A long feed session against the demo forum: page loads in a row, cycling through the six
// categories and their pages as clicks would. Resident memory after the last load must stay
// within 10% of what it was after load 50, when the caches have filled. The number of loads
// comes from PINDORA_MEMORY_LOADS (500 by default; a handful for the valgrind run).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "feed/feed_state.h"
#include "tests/faults/peak_memory.h"
#include "tests/feed/feed_fixture.h"
#include "tools/demo-forum/demo_forum.h"

namespace pindora {
namespace {

int loadCount() {
    const char* text = std::getenv("PINDORA_MEMORY_LOADS");
    return text != nullptr && std::atoi(text) > 0 ? std::atoi(text) : 500;
}

class FeedMemory : public DemoForumFeedTest {};

TEST_F(FeedMemory, ResidentMemoryStaysFlatOverManyLoads) {
    const int loads = loadCount();
    const int settled = std::min(50, loads);
    std::int64_t afterSettled = 0;
    for (int load = 1; load <= loads; ++load) {
        checkCategory(1 + load % 6);
        feedState().setCurrentPage(1 + load % 5);
        runLoad();
        QCoreApplication::processEvents();  // the window thread shows the pictures
        forum.clearRequests();              // the forum's request log is the test's, not ours
        ASSERT_EQ(feedState().avatarLinks().size(), 6u) << "load " << load;
        if (load == settled) afterSettled = residentBytes();
        if (load % 50 == 0 || load == loads) {
            std::printf("load %4d: resident %7.1f MiB\n", load, residentBytes() / 1048576.0);
            std::fflush(stdout);
        }
    }
    const std::int64_t afterLast = residentBytes();
    std::printf("resident after load %d: %.1f MiB, after load %d: %.1f MiB, change %+.1f%%\n", settled,
                afterSettled / 1048576.0, loads, afterLast / 1048576.0,
                100.0 * static_cast<double>(afterLast - afterSettled) / static_cast<double>(afterSettled));
    if (loads >= 100) {
        EXPECT_LE(afterLast, afterSettled + afterSettled / 10);
    }
}

}  // namespace
}  // namespace pindora
