#pragma once
// The comparison of two files, started and stopped by the Compare button. It runs on the
// window's thread and hands the event loop one turn after every block.

#include <cstdint>
#include <optional>
#include <thread>

#include "core/block_comparer.h"
#include "core/run_beacon.h"
#include "core/run_view.h"
#include "core/window_state.h"
#include "runtime/event_pump.h"
#include "runtime/file_table.h"

namespace duplexa {

class ComparisonRun {
  public:
    static constexpr std::int64_t kBlockSize = BlockComparer::kBlockSize;

    // With fewer than 2 processors each block is compared on the window's thread alone.
    ComparisonRun(WindowState& state, RunView& view, EventPump& pump, FileTable& files,
                  unsigned processors = std::thread::hardware_concurrency())
        : state_(state), view_(view), pump_(pump), files_(files), processors_(processors) {}

    // Starts a run, or asks the run in progress to stop after its current block. A run that
    // cannot get the memory it needs says so and ends like any other.
    void comCompare_Click();

    // From the next run on, the desktop shows how each run goes (RunBeacon).
    void ShowOnDesktop(Desktop& desktop, RunBeacon::Clock clock = SteadyMilliseconds) {
        beacon_.emplace(desktop, std::move(clock));
    }

    // The length of an open file as a signed 32-bit number; false (and -1) when unreadable.
    bool GetFileLength(int fileNo, std::int32_t& size) const;

  private:
    void RunComparison();
    void OpenAndCompare();
    // False when it ended in a read failure or a cancellation, which it has shown. Otherwise
    // where tells where the files differ.
    bool CompareBlocks(DiffWhere& where);
    // A file that grew, shrank or misreported its length since it was measured, or was written
    // or touched since it was opened, gets no verdict: its box turns red and the run says the
    // file cannot be read.
    bool FilesHeldStill(std::int64_t size);
    void ShowReadFailure(int box);
    void ShowVerdict(const DiffWhere& where);
    void ReleaseBuffers();
    void FinalSteps();

    WindowState& state_;
    RunView& view_;
    EventPump& pump_;
    FileTable& files_;
    unsigned processors_;
    std::optional<RunBeacon> beacon_;
};

}  // namespace duplexa
