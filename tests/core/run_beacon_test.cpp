// What the desktop hears of whole runs of the real comparison, on a clock the
// test moves on at every event-loop turn: progress paced and rising, sleep held
// from start to end, and at the end the progress hidden, sleep let go and,
// behind another window, attention asked for.

#include "core/run_beacon.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/comparison_run.h"
#include "core/language.h"
#include "support/recording_desktop.h"
#include "support/recording_view.h"
#include "support/scripted_pump.h"
#include "support/temp_dir.h"

namespace duplexa {
namespace {

TEST(RunBeaconTest, EveryRunShowsPacedProgressHoldsSleepAndLetsGoAtItsEnd) {
    const std::string en = "hold Comparing files";
    const std::string hu = "hold F\xC3\xA1jlok \xC3\xB6sszehasonl\xC3\xADt\xC3\xA1sa";
    const struct {
        std::int64_t turnMs;  // how long each block and its event-loop turn take
        bool stopAtTurn2;
        bool active;
        std::int32_t language;
        std::vector<std::string> expected;
    } cases[] = {
        // Shown at 0 ms, then after blocks 4 and 7: never sooner than 250 ms
        // after the last.
        {100, false, true, 1, {"show 0", en, "show 0.5", "show 0.875", "hide", "release"}},
        {0, false, true, 0, {"show 0", hu, "hide", "release"}},  // from the page cache
        {300, true, false, 1, {"show 0", en, "show 0.25", "hide", "release", "attention"}},
    };
    const std::int32_t savedLanguage = currentLanguage;
    const test::TempDir dir;
    const auto bytes = test::PatternBytes(8 * ComparisonRun::kBlockSize);
    for (const auto& c : cases) {
        currentLanguage = c.language;
        WindowState state;
        state.filePaths = {dir.Write("a.bin", bytes), dir.Write("b.bin", bytes)};
        test::RecordingView view;
        test::ScriptedPump pump;
        FileTable files;
        test::RecordingDesktop desktop;
        desktop.active = c.active;
        std::int64_t now = 5000;
        ComparisonRun run(state, view, pump, files);
        run.ShowOnDesktop(desktop, [&now] { return now; });
        pump.everyTurn = [&](int) { now += c.turnMs; };
        if (c.stopAtTurn2) {
            pump.At(2, [&] { run.comCompare_Click(); });
        }
        run.comCompare_Click();
        EXPECT_EQ(desktop.log, c.expected) << c.turnMs << " ms a block";
    }
    currentLanguage = savedLanguage;
}

}  // namespace
}  // namespace duplexa
