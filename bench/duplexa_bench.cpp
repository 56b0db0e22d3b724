// Runs the real comparison on two files and prints the English result line, the seconds it
// took and the processor seconds it used. The window's part is played by a view that drops
// everything but the result line; with --window the real window plays it (duplexa-window-bench
// beside this program, started in its place, so that a headless run does not pay for loading the
// window's libraries).
// --one-thread compares every block on one thread, without the helper.

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <thread>

#include "core/comparison_run.h"
#include "core/language.h"
#include "core/run_view.h"
#include "core/window_state.h"
#include "runtime/event_pump.h"
#include "runtime/file_table.h"

namespace {

class DiscardingView final : public duplexa::RunView {
  public:
    void SetResultCaption(const std::string& text) override { last = text; }
    void SetShapeBackColour(duplexa::Shape, duplexa::OleColour) override {}
    void SetShapeVisible(duplexa::Shape, bool) override {}
    void SetStrikeLineVisible(bool) override {}
    void SetCompareEnabled(bool) override {}
    void SetDifferenceMap(const duplexa::DiffCells*) override {}
    void SetResultDetail(const std::string& text) override { detail = text; }
    void SetDropMode(int, duplexa::DropMode) override {}
    void SetBoxForeColour(int, duplexa::OleColour) override {}
    void SetCompareCaption(const std::string&) override {}
    void SetCloseEnabled(bool) override {}

    std::string last;
    std::string detail;  // where the files differ, after a run that found they do
};

class IdlePump final : public duplexa::EventPump {
  public:
    void RunPendingEvents() override {}
};

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--window") {
        std::error_code error;
        auto self = std::filesystem::read_symlink("/proc/self/exe", error);
        const std::string window =
            ((error ? std::filesystem::path(argv[0]) : self).parent_path() / "duplexa-window-bench")
                .string();
        ::execl(window.c_str(), window.c_str(), argv[2], argv[3], static_cast<char*>(nullptr));
        std::fprintf(stderr, "cannot start %s: the window is not built\n", window.c_str());
        return 1;
    }
    unsigned processors = std::thread::hardware_concurrency();
    if (argc == 4 && std::string(argv[1]) == "--one-thread") {
        processors = 1;
    } else if (argc != 3) {
        std::fprintf(stderr, "usage: %s [--window | --one-thread] FILE1 FILE2\n", argv[0]);
        return 2;
    }
    duplexa::currentLanguage = 1;
    duplexa::WindowState state;
    state.filePaths = {argv[argc - 2], argv[argc - 1]};
    DiscardingView view;
    IdlePump pump;
    duplexa::ComparisonRun run(state, view, pump, duplexa::Files(), processors);

    const std::clock_t cpuStart = std::clock();
    const auto start = std::chrono::steady_clock::now();
    run.comCompare_Click();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    std::printf("%s\n%.3f\n%.3f\n", state.resultEn.c_str(), elapsed.count(), cpu);
    if (!view.detail.empty()) {
        std::printf("%s\n", view.detail.c_str());
    }
    return 0;
}
