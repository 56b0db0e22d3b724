#include "core/diff_count.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "support/temp_dir.h"

namespace duplexa {
namespace {

std::size_t Count(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b,
                  std::size_t length) {
    DiffSpots spots(static_cast<std::int64_t>(length));
    return CountDifferences(a.data(), b.data(), length, 0, spots);
}

std::size_t Naive(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        count += a[i] != b[i] ? 1 : 0;
    }
    return count;
}

TEST(CountDifferences, MatchesAByteByByteCountAtAwkwardLengths) {
    // Lengths around the inner run (255) and stretch (4096) boundaries.
    for (const std::size_t length : {0u, 1u, 254u, 255u, 256u, 4095u, 4096u, 4097u, 70001u}) {
        const auto a = test::PatternBytes(length, 3);
        auto b = a;
        for (std::size_t i = 0; i < length; i += 3) {
            b[i] = static_cast<std::uint8_t>(b[i] ^ (i % 7 + 1));
        }
        EXPECT_EQ(Count(a, b, length), Naive(a, b)) << length;
    }
}

TEST(CountDifferences, CountsEveryPositionWhenAllDifferWithoutOverflowingSmallCounters) {
    const std::vector<std::uint8_t> zeros(1 << 20, 0);
    const std::vector<std::uint8_t> ones(1 << 20, 0xFF);
    EXPECT_EQ(Count(zeros, ones, zeros.size()), zeros.size());
}

TEST(CountDifferences, FindsASingleDifferenceAtTheEdgesOfAStretch) {
    const auto a = test::PatternBytes(3 * 4096, 9);
    for (const std::size_t at : {0u, 4095u, 4096u, 3u * 4096u - 1u}) {
        auto b = a;
        b[at] ^= 0x80;
        EXPECT_EQ(Count(a, b, a.size()), 1u) << at;
    }
}

}  // namespace
}  // namespace duplexa
