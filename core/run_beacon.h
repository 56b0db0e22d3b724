#pragma once
// What a run shows outside the window, decided once for every front end: its progress on the
// task bar button or the dock icon, shown at the start, brought up to date at most 4 times a
// second and hidden at the end; sleep held off from the start to the end; and, when the window
// is not the active one as the run ends, one call for the user's attention.

#include <cstdint>
#include <functional>
#include <utility>

#include "runtime/desktop.h"

namespace duplexa {

// Milliseconds of a clock that never goes back.
std::int64_t SteadyMilliseconds();

class RunBeacon {
  public:
    using Clock = std::function<std::int64_t()>;
    // A run from the page cache ends a block every few microseconds: the desktop hears of
    // progress no more often than this.
    static constexpr std::int64_t kPaceMilliseconds = 250;

    explicit RunBeacon(Desktop& desktop, Clock clock = SteadyMilliseconds)
        : desktop_(desktop), clock_(std::move(clock)) {}

    void Started();
    // done of total bytes compared; after every block.
    void BlockDone(std::int64_t done, std::int64_t total);
    // Whatever the end: a verdict, a Stop, a failure, a close of the window.
    void Ended();

  private:
    Desktop& desktop_;
    Clock clock_;
    std::int64_t shownAt_ = 0;
};

}  // namespace duplexa
