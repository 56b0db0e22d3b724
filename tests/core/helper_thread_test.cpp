#include "core/helper_thread.h"

#include <gtest/gtest.h>

#include <chrono>

namespace duplexa {
namespace {

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

TEST(HelperThreadTest, EveryJobHandedOverRunsOnceAndIsSeenAfterWait) {
    // Quick jobs are caught while watching, slow ones after sleeping, and a job after a slow one
    // is waited for without watching; all must hand over.
    HelperThread helper;
    int done = 0;
    for (int job = 1; job <= 3000; ++job) {
        const bool slow = job % 500 < 2;
        helper.Start([&done, slow] {
            if (slow) {
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
            ++done;
        });
        if (job % 3 != 0) {  // every third is left to the next Start to wait for
            helper.Wait();
            ASSERT_EQ(done, job);
        }
    }
    helper.Wait();
    EXPECT_EQ(done, 3000);
}

}  // namespace
}  // namespace duplexa
