#include "window/qt/caption_throttle.h"

#include <gtest/gtest.h>

#include <QTest>

#include "window/qt/label.h"

namespace duplexa {
namespace {

TEST(CaptionThrottleTest, QuickCaptionsAreHeldAndTheLatestLands) {
    Label label;
    std::int64_t now = 5000;
    CaptionThrottle throttle(label, [&] { return now; });
    const struct {
        std::int64_t at;  // milliseconds after the first caption
        const char* caption;
        bool throttled;
        const char* shown;
    } steps[] = {
        {0, "Working...", true, "Working..."},  // the first one shows at once
        {10, "1%", true, "Working..."},
        {32, "2%", true, "Working..."},  // held: too soon after the last one shown
        {33, "3%", true, "3%"},          // a whole interval on: shown, and the held one gone
        {40, "Done", false, "Done"},     // unthrottled: at once
        {41, "4%", true, "Done"},
    };
    for (const auto& step : steps) {
        now = 5000 + step.at;
        throttle.Show(step.caption, step.throttled);
        EXPECT_EQ(label.caption(), QString::fromLatin1(step.shown)) << step.at;
    }
    throttle.Flush();
    EXPECT_EQ(label.caption(), QStringLiteral("4%"));
    throttle.Flush();
    EXPECT_EQ(label.caption(), QStringLiteral("4%")) << "nothing held";

    // Without a flush the event loop shows a held caption shortly after.
    now += 5;
    throttle.Show("5%", true);
    EXPECT_EQ(label.caption(), QStringLiteral("4%"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return label.caption() == QStringLiteral("5%"); }, 2000));
}

}  // namespace
}  // namespace duplexa
