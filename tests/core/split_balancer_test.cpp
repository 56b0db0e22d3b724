#include "core/split_balancer.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace duplexa {
namespace {

constexpr std::size_t kBlock = 1048576;
constexpr double kSecondsPerByte = 1e-10;  // both threads alike

// Runs blocks the way the comparer does, the run's thread starting gapSeconds after the helper;
// returns the cut of the last.
std::size_t RunBlocks(SplitBalancer& balancer, double gapSeconds, int blocks,
                      std::size_t length = kBlock) {
    std::size_t first = 0;
    for (int block = 0; block < blocks; ++block) {
        first = balancer.FirstPart(length);
        const double firstDone = gapSeconds + static_cast<double>(first) * kSecondsPerByte;
        const double helperDone = static_cast<double>(length - first) * kSecondsPerByte;
        balancer.Record(length, first, static_cast<double>(first) * kSecondsPerByte,
                        helperDone - firstDone);
    }
    return first;
}

std::size_t Settle(double gapSeconds) {
    SplitBalancer balancer;
    return RunBlocks(balancer, gapSeconds, 40);
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

TEST(SplitBalancerTest, OneOddBlockLeavesTheCutWhereItWas) {
    struct Odd {
        const char* what;
        double firstSeconds;
        double helperLateBy;
    };
    const double even = kBlock / 2 * kSecondsPerByte;
    for (const Odd& odd : {Odd{"the window dragged for 200 ms", even, -0.2},
                           Odd{"the helper held up 300 us", even, 300e-6},
                           Odd{"the run's part slowed fivefold", 5 * even, -4 * even}}) {
        SCOPED_TRACE(odd.what);
        SplitBalancer balancer;
        RunBlocks(balancer, 0, 10);
        balancer.Record(kBlock, kBlock / 2, odd.firstSeconds, odd.helperLateBy);
        EXPECT_NEAR(static_cast<double>(balancer.FirstPart(kBlock)), kBlock / 2.0,
                    2.0 * SplitBalancer::kPage);
    }
}

TEST(SplitBalancerTest, ALastingChangeIsFollowedWithinThreeBlocks) {
    SplitBalancer balancer;
    RunBlocks(balancer, 0, 10);
    RunBlocks(balancer, 10e-6, 3);  // the event turn grew by 10 us
    EXPECT_NEAR(static_cast<double>(balancer.FirstPart(kBlock)), (kBlock - 100000) / 2.0,
                2.0 * SplitBalancer::kPage);
}

}  // namespace
}  // namespace duplexa
