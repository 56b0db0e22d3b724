#include "core/helper_thread.h"

#include <utility>

namespace duplexa {

HelperThread::HelperThread() : thread_([this] { Serve(); }) {}

HelperThread::~HelperThread() {
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !job_; });
        ending_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void HelperThread::Start(std::function<void()> job) {
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !job_; });
        job_ = std::move(job);
    }
    changed_.notify_all();
}

void HelperThread::Wait() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !job_; });
}

void HelperThread::Serve() {
    std::unique_lock lock(mutex_);
    while (true) {
        changed_.wait(lock, [this] { return job_ || ending_; });
        if (!job_) {
            return;
        }
        lock.unlock();
        job_();
        lock.lock();
        job_ = nullptr;
        changed_.notify_all();
    }
}

}  // namespace duplexa
