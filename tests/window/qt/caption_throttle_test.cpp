#include "window/qt/caption_throttle.h"

#include <gtest/gtest.h>

#include <QTest>

#include "window/qt/label.h"

namespace duplexa {
namespace {

TEST(CaptionThrottleTest, UnthrottledCaptionsAreShownAtOnce) {
    Label label;
    CaptionThrottle throttle(label);
    throttle.Show("one", false);
    throttle.Show("two", false);
    EXPECT_EQ(label.caption(), QStringLiteral("two"));
    EXPECT_FALSE(throttle.holding());
}

TEST(CaptionThrottleTest, QuickCaptionsAreHeldAndTheLatestLands) {
    Label label;
    CaptionThrottle throttle(label);
    throttle.Show("Working...", true);  // the first one shows at once
    EXPECT_EQ(label.caption(), QStringLiteral("Working..."));

    throttle.Show("1%", true);
    throttle.Show("2%", true);
    EXPECT_TRUE(throttle.holding());
    EXPECT_EQ(label.caption(), QStringLiteral("Working..."));
    throttle.Flush();
    EXPECT_EQ(label.caption(), QStringLiteral("2%"));
    EXPECT_FALSE(throttle.holding());

    // Without a flush the event loop shows a held caption shortly after.
    throttle.Show("3%", true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return label.caption() == QStringLiteral("3%"); }, 2000));
}

}  // namespace
}  // namespace duplexa
