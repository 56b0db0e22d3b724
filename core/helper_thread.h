#pragma once
// A second thread that runs one job at a time, handed over by the thread that owns it, so a
// piece of work can go on beside the owner's own. Jobs come in quick succession and take tens
// of microseconds, about what waking a sleeping thread costs under some hypervisors; so both
// sides watch for a short while before they sleep, and only then leave the processor to others.
// Watching pays only while waits are short: after one that outlasted the watch (a disk being
// waited for) a side sleeps at once, and watches again after a short one. A wait is timed to
// the other side's move, not to the wake-up, which under some hypervisors alone takes longer
// than the watch and would otherwise keep both sides sleeping for good.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace duplexa {

class HelperThread {
  public:
    HelperThread();
    HelperThread(const HelperThread&) = delete;
    HelperThread& operator=(const HelperThread&) = delete;
    // Waits for the job in hand, then ends the thread.
    ~HelperThread();

    // Hands job over, after the one before it has finished.
    void Start(std::function<void()> job);
    // Returns once the job handed over last has finished (at once when there is none).
    void Wait();

  private:
    void Serve();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::function<void()> job_;      // set by Start, run while busy_
    std::atomic<bool> busy_{false};  // a job is handed over and not finished
    bool ending_ = false;
    std::chrono::steady_clock::time_point handedOver_;  // when the last job was handed over
    std::chrono::steady_clock::time_point finished_;    // when the last job finished
    bool ownerWatches_ = true;  // the owner's side of the habit; the helper keeps its own
    std::thread thread_;        // last: starts once the members it uses exist
};

}  // namespace duplexa
