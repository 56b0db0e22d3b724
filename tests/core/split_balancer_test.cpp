#include "core/split_balancer.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace duplexa {
namespace {

constexpr std::size_t kBlock = 1048576;
constexpr double kSecondsPerByte = 1e-10;  // both threads alike

// Runs blocks the way the comparer does, the run's thread starting gapSeconds after the helper;
// returns the cut the balancer settles on.
std::size_t Settle(double gapSeconds, std::size_t length = kBlock) {
    SplitBalancer balancer;
    std::size_t first = 0;
    for (int block = 0; block < 40; ++block) {
        first = balancer.FirstPart(length);
        const double firstDone = gapSeconds + static_cast<double>(first) * kSecondsPerByte;
        const double helperDone = static_cast<double>(length - first) * kSecondsPerByte;
        balancer.Record(length, first, static_cast<double>(first) * kSecondsPerByte,
                        helperDone - firstDone);
    }
    return first;
}

TEST(SplitBalancerTest, TheRunsThreadTakesLessByWhatTheHelperDidBeforeItStarted) {
    struct Case {
        double gapSeconds;
        std::size_t expected;
    };
    // A gap worth g bytes leaves the run's thread (length - g) / 2, within two pages, but never
    // less than a quarter.
    for (const Case& c : {Case{0, kBlock / 2}, Case{10e-6, (kBlock - 100000) / 2},
                          Case{-10e-6, (kBlock + 100000) / 2}, Case{1.0, kBlock / 4}}) {
        SCOPED_TRACE(c.gapSeconds);
        const std::size_t first = Settle(c.gapSeconds);
        EXPECT_EQ(first % SplitBalancer::kPage, 0u);
        EXPECT_NEAR(static_cast<double>(first), static_cast<double>(c.expected),
                    2.0 * SplitBalancer::kPage);
    }
}

TEST(SplitBalancerTest, OneLongTurnIsForgottenWithinAFewBlocks) {
    SplitBalancer balancer;
    balancer.Record(kBlock, kBlock / 2, 50e-6, -0.2);  // the window was dragged for 200 ms
    EXPECT_GE(balancer.FirstPart(kBlock), kBlock / 4);
    for (int block = 0; block < 8; ++block) {
        const std::size_t first = balancer.FirstPart(kBlock);
        const double late = static_cast<double>(kBlock - 2 * first) * kSecondsPerByte;
        balancer.Record(kBlock, first, static_cast<double>(first) * kSecondsPerByte, late);
    }
    EXPECT_NEAR(static_cast<double>(balancer.FirstPart(kBlock)), kBlock / 2.0,
                2.0 * SplitBalancer::kPage);
}

}  // namespace
}  // namespace duplexa
