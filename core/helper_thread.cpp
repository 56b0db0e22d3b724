#include "core/helper_thread.h"

#include <chrono>
#include <utility>

namespace duplexa {
namespace {

using Clock = std::chrono::steady_clock;

// Longer than a wake-up costs, shorter than a block takes to compare.
constexpr auto kWatch = std::chrono::microseconds(50);

// True once done() holds, false if it did not within kWatch.
template <typename Done>
bool Watch(Done done) {
    const auto until = Clock::now() + kWatch;
    while (!done()) {
        if (Clock::now() >= until) {
            return false;
        }
#if defined(__x86_64__) || defined(__i386__)
        __builtin_ia32_pause();  // lets the processor's other thread work meanwhile
#endif
    }
    return true;
}

}  // namespace

HelperThread::HelperThread() : thread_([this] { Serve(); }) {}

HelperThread::~HelperThread() {
    Wait();
    {
        std::lock_guard lock(mutex_);
        ending_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void HelperThread::Start(std::function<void()> job) {
    Wait();
    {
        std::lock_guard lock(mutex_);
        job_ = std::move(job);
        handedOver_ = Clock::now();
        busy_.store(true, std::memory_order_release);
    }
    changed_.notify_all();
}

void HelperThread::Wait() {
    const auto started = Clock::now();
    if (ownerWatches_ && Watch([this] { return !busy_.load(std::memory_order_acquire); })) {
        return;
    }
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !busy_.load(std::memory_order_acquire); });
    // Timed to the job's end, not to this thread's waking: a slow wake-up says nothing of
    // whether watching would have caught it.
    ownerWatches_ = finished_ - started <= kWatch;
}

void HelperThread::Serve() {
    bool watches = true;
    while (true) {
        const auto started = Clock::now();
        const bool caught =
            watches && Watch([this] { return busy_.load(std::memory_order_acquire); });
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return busy_.load() || ending_; });
            if (!busy_.load()) {
                return;
            }
            if (!caught) {
                watches = handedOver_ - started <= kWatch;
            }
        }
        job_();  // Start leaves job_ alone until busy_ is cleared
        {
            std::lock_guard lock(mutex_);
            finished_ = Clock::now();
            job_ = nullptr;
            busy_.store(false, std::memory_order_release);
        }
        changed_.notify_all();
    }
}

}  // namespace duplexa
