// The request routine against a broken forum: every fault ends the request with the empty value,
// within a bounded time and memory, and the next request on a sound path works again.
#include <gtest/gtest.h>

#include <chrono>

#include "net/web_request.h"
#include "platform/inet/inet.h"
#include "tests/faults/peak_memory.h"
#include "tools/demo-forum/demo_forum.h"

namespace pindora {
namespace {

using namespace std::chrono_literals;
using demo::Fault;

class TransportFaults : public testing::Test {
protected:
    void SetUp() override {
        saved = inet::limits();
        inet::Limits quick = saved;
        quick.stallTimeout = 1s;
        inet::setLimits(quick);
        ASSERT_GT(forum.start(), 0);
    }
    void TearDown() override { inet::setLimits(saved); }

    std::string url(const std::string& path) const { return forum.baseUrl() + path; }

    inet::Limits saved;
    demo::DemoForum forum;
};

struct FaultCase {
    const char* name;
    Fault fault;
};

// Broken replies: each request gives the empty text and the empty bytes at once (the stall
// after the 1 s set for the test), and a sound request right after still gets its answer.
TEST_F(TransportFaults, BrokenRepliesEndWithTheEmptyValue) {
    const FaultCase cases[] = {{"reset in the body", Fault::ResetMidBody},
                               {"truncated body", Fault::TruncatedBody},
                               {"malformed status line", Fault::MalformedStatus},
                               {"stalled server", Fault::Stall}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        forum.clearFaults();
        forum.addFault("/test/broken", c.fault);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_TRUE(webRequestBytes(url("/test/broken")).empty());
        EXPECT_TRUE(webRequestText(url("/test/broken?text")).empty());
        EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
        EXPECT_EQ(webRequestText(url("/test/echo")), "ok");
    }
}

TEST_F(TransportFaults, ARefusedConnectionEndsAtOnceWithTheEmptyValue) {
    const std::string address = url("/test/echo");
    forum.stop();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(webRequestText(address).empty());
    EXPECT_TRUE(webRequestBytes(address).empty());
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
}

// The stall limit counts time without progress: a slow but steady answer is not cut.
TEST_F(TransportFaults, ASlowAnswerThatProgressesIsNotAStall) {
    EXPECT_EQ(webRequestText(url("/test/echo?latency=600")), "ok");
}

// A streamed body with no length: the request stops at the body limit with the empty value,
// holding little more than the limit, instead of taking all the server sends (256 MiB).
TEST_F(TransportFaults, ABodyOverTheLimitEndsWithTheEmptyValue) {
    inet::Limits small = inet::limits();
    small.maxBodyBytes = 4 * 1024 * 1024;
    inet::setLimits(small);
    forum.addFault("/test/huge", Fault::HugeBody);
    resetPeakResident();
    const auto before = residentBytes();
    EXPECT_TRUE(webRequestBytes(url("/test/huge")).empty());
    if (kResidentMemoryIsTheProgramsOwn) {
      EXPECT_LT(peakResidentBytes() - before, 64 * 1024 * 1024);
    }
    EXPECT_EQ(webRequestText(url("/test/echo")), "ok");
}

// The same with the default limit of 32 MiB.
TEST_F(TransportFaults, TheDefaultBodyLimitIs32MiB) {
    inet::Limits defaults = saved;
    defaults.stallTimeout = 5s;
    inet::setLimits(defaults);
    EXPECT_EQ(inet::Limits{}.maxBodyBytes, 32 * 1024 * 1024);
    forum.addFault("/test/huge", Fault::HugeBody);
    resetPeakResident();
    const auto before = residentBytes();
    EXPECT_TRUE(webRequestBytes(url("/test/huge")).empty());
    if (kResidentMemoryIsTheProgramsOwn) {
      EXPECT_LT(peakResidentBytes() - before, 160 * 1024 * 1024);
    }
}

// Pictures that are no pictures travel unchanged: the request routine does not look at them.
TEST_F(TransportFaults, PictureFaultsAreDeliveredAsTheyAre) {
    for (Fault fault : {Fault::NotImage, Fault::PngBomb, Fault::GifBomb}) {
        forum.clearFaults();
        forum.addFault("/test/picture", fault);
        const std::string expected = demo::DemoForum::faultBody(fault);
        ASSERT_FALSE(expected.empty());
        EXPECT_LT(expected.size(), 1024u);  // small on the wire, 3.6 GB once decoded
        const Bytes got = webRequestBytes(url("/test/picture"));
        EXPECT_EQ(std::string(got.begin(), got.end()), expected);
    }
}

}  // namespace
}  // namespace pindora
