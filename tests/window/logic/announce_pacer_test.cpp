#include "window/logic/announce_pacer.h"

#include <gtest/gtest.h>

namespace duplexa {
namespace {

constexpr std::int64_t kGap = AnnouncePacer::kProgressIntervalMs;

TEST(AnnouncePacer, ProgressIsHeardAtMostOncePerInterval) {
    AnnouncePacer pacer;
    EXPECT_TRUE(pacer.Landed("Working...", true, 1000));
    EXPECT_FALSE(pacer.Landed("Working... 10%", true, 1000 + kGap - 1));
    EXPECT_TRUE(pacer.Landed("Working... 20%", true, 1000 + kGap));
    EXPECT_FALSE(pacer.Landed("Working... 20%", true, 1000 + 3 * kGap)) << "nothing new";
}

TEST(AnnouncePacer, EachVerdictIsHeardOnce) {
    AnnouncePacer pacer;
    EXPECT_TRUE(pacer.Landed("Working...", true, 0));
    EXPECT_FALSE(pacer.Landed("Identical", true, 10)) << "held back like progress";
    EXPECT_TRUE(pacer.Settled("Identical"));
    EXPECT_FALSE(pacer.Settled("Identical"));
    EXPECT_FALSE(pacer.Landed("Identical", false, 20));

    // A drop blanks the line quietly; the same verdict after it is news again.
    EXPECT_FALSE(pacer.Landed("", false, 30));
    EXPECT_TRUE(pacer.Landed("Working...", true, 40)) << "a new run starts its progress afresh";
    EXPECT_TRUE(pacer.Settled("Identical"));
}

}  // namespace
}  // namespace duplexa
