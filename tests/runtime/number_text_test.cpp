#include "runtime/number_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace duplexa {
namespace {

TEST(WholeNumberText, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(WholeNumberText(0.5), "1");
    EXPECT_EQ(WholeNumberText(1.5), "2");
    EXPECT_EQ(WholeNumberText(2.5), "3");  // not banker's rounding
    EXPECT_EQ(WholeNumberText(99.5), "100");
    EXPECT_EQ(WholeNumberText(99.49), "99");
    EXPECT_EQ(WholeNumberText(-0.5), "-1");
    EXPECT_EQ(WholeNumberText(-0.4), "0");
    EXPECT_EQ(WholeNumberText(0.0), "0");
    EXPECT_EQ(WholeNumberText(100.0), "100");
    EXPECT_EQ(WholeNumberText(-1e-300), "0") << "no -0";
    EXPECT_EQ(WholeNumberText(999999999999999.4), "999999999999999");
    EXPECT_EQ(WholeNumberText(1e20), "100000000000000000000");
}

TEST(IntegerText, IsPlainDecimal) {
    EXPECT_EQ(IntegerText(0), "0");
    EXPECT_EQ(IntegerText(3000), "3000");
    EXPECT_EQ(IntegerText(-1), "-1");
    EXPECT_EQ(IntegerText(std::numeric_limits<std::int32_t>::max()), "2147483647");
}

}  // namespace
}  // namespace duplexa
