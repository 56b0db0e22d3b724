// Runs the real comparison on two files and prints the English result line and the seconds
// it took. The window's part is played by a view that drops everything but the result line;
// with --window the real window plays it (see window_bench.h).

#include <chrono>
#include <cstdio>
#include <string>

#include "core/comparison_run.h"
#include "core/language.h"
#include "core/run_view.h"
#include "core/window_state.h"
#include "runtime/event_pump.h"
#include "runtime/file_table.h"
#ifdef DUPLEXA_BENCH_WINDOW
#include "bench/window_bench.h"
#endif

namespace {

class DiscardingView final : public duplexa::RunView {
  public:
    void SetResultCaption(const std::string& text) override { last = text; }
    void SetShapeBackColour(duplexa::Shape, duplexa::OleColour) override {}
    void SetShapeVisible(duplexa::Shape, bool) override {}
    void SetStrikeLineVisible(bool) override {}
    void SetCompareEnabled(bool) override {}
    void SetDropMode(int, duplexa::DropMode) override {}
    void SetBoxForeColour(int, duplexa::OleColour) override {}
    void SetCompareCaption(const std::string&) override {}
    void SetCloseEnabled(bool) override {}

    std::string last;
};

class IdlePump final : public duplexa::EventPump {
  public:
    void RunPendingEvents() override {}
};

}  // namespace

int main(int argc, char** argv) {
#ifdef DUPLEXA_BENCH_WINDOW
    if (argc == 4 && std::string(argv[1]) == "--window") {
        return RunInWindow(argc, argv, argv[2], argv[3]);
    }
#endif
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s [--window] FILE1 FILE2\n", argv[0]);
        return 2;
    }
    duplexa::currentLanguage = 1;
    duplexa::WindowState state;
    state.filePaths = {argv[1], argv[2]};
    DiscardingView view;
    IdlePump pump;
    duplexa::ComparisonRun run(state, view, pump, duplexa::Files());

    const auto start = std::chrono::steady_clock::now();
    run.comCompare_Click();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

    std::printf("%s\n%.3f\n", state.resultEn.c_str(), elapsed.count());
    return 0;
}
