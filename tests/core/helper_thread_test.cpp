#include "core/helper_thread.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace duplexa {
namespace {

TEST(HelperThreadTest, RunsEachJobWholeAndInTurnBeforeWaitReturns) {
    // Plain, unguarded data: the handover itself must order the helper's writes and ours.
    std::vector<int> done;
    HelperThread helper;
    for (int job = 0; job < 200; ++job) {
        helper.Start([&done, job] { done.push_back(job); });
        if (job % 3 == 0) {
            helper.Wait();
            EXPECT_EQ(done.back(), job);
        }
    }
    helper.Wait();
    ASSERT_EQ(done.size(), 200u);
    for (int job = 0; job < 200; ++job) {
        EXPECT_EQ(done[static_cast<std::size_t>(job)], job);
    }
}

TEST(HelperThreadTest, EndingWaitsForTheJobInHand) {
    bool finished = false;
    {
        HelperThread helper;
        helper.Start([&finished] {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            finished = true;
        });
    }
    EXPECT_TRUE(finished);
    HelperThread idle;  // and ends at once with nothing handed over
}

}  // namespace
}  // namespace duplexa
