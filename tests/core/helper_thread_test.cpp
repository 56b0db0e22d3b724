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

}  // namespace
}  // namespace duplexa
