#include "core/block_comparer.h"

#include <algorithm>
#include <span>
#include <system_error>

#include "core/diff_count.h"

namespace duplexa {

BlockComparer::BlockComparer(const FileTable& files, std::array<int, 2> fileNos, std::int64_t size,
                             std::array<BlockBuffer*, 2> buffers, unsigned processors)
    : files_(files),
      fileNos_(fileNos),
      size_(size),
      blocks_((size + kBlockSize - 1) / kBlockSize),
      buffers_(buffers),
      spots_(size),
      helperSpots_(size) {
    const auto slice = static_cast<std::size_t>(std::min<std::int64_t>(kSlice, size_));
    for (BlockBuffer* buffer : buffers_) {
        buffer->assign(slice, 0);
    }
    if (processors < 2 || blocks_ < 2) {
        return;
    }
    for (BlockBuffer& buffer : helperBuffers_) {
        buffer.assign(slice, 0);
    }
    try {
        helper_ = std::thread([this] { Help(); });
    } catch (const std::system_error&) {
        helperBuffers_ = {};  // no thread to be had (a limit of the system): one does it all
    }
}

BlockComparer::~BlockComparer() {
    if (!helper_.joinable()) {
        return;
    }
    {
        std::lock_guard lock(mutex_);
        ending_ = true;
    }
    changed_.notify_all();
    helper_.join();
}

BlockComparer::Outcome BlockComparer::CompareNext() {
    std::unique_lock lock(mutex_);
    std::optional<Outcome>& slot = done_[static_cast<std::size_t>(next_ % kAhead)];
    while (!slot) {
        if (MayTakeOn()) {
            // The block asked for, or, while the helper has that one, a later one.
            TakeOn(lock, {buffers_, &spots_});
        } else {
            changed_.wait(lock);  // the helper's block is the one asked for
        }
    }
    const Outcome outcome = *slot;
    slot.reset();
    ++next_;
    lock.unlock();
    changed_.notify_all();  // room for one more block ahead
    return outcome;
}

void BlockComparer::TakeOn(std::unique_lock<std::mutex>& lock, Hands hands) {
    const std::int64_t block = claimed_++;
    lock.unlock();
    const Outcome outcome = CompareBlock(block, hands);
    lock.lock();
    done_[static_cast<std::size_t>(block % kAhead)] = outcome;
}

void BlockComparer::Help() {
    std::unique_lock lock(mutex_);
    while (true) {
        changed_.wait(lock, [this] { return ending_ || claimed_ == blocks_ || MayTakeOn(); });
        if (ending_ || claimed_ == blocks_) {
            return;
        }
        TakeOn(lock, {{&helperBuffers_[0], &helperBuffers_[1]}, &helperSpots_});
        lock.unlock();
        changed_.notify_all();  // the run may be waiting for this block
        lock.lock();
    }
}

// Each thread marks its own spots, joined at the end: no lock in the counting loop.
DiffWhere BlockComparer::Where() {
    std::lock_guard lock(mutex_);  // the helper's last block was handed over under it
    spots_.Join(helperSpots_);
    return spots_.Where();
}

BlockComparer::Outcome BlockComparer::CompareBlock(std::int64_t block, Hands hands) const {
    const std::array<BlockBuffer*, 2>& buffers = hands.buffers;
    const std::int64_t start = block * kBlockSize;
    const std::int64_t end = std::min(start + kBlockSize, size_);
    Outcome outcome;
    for (std::int64_t at = start; at < end; at += static_cast<std::int64_t>(kSlice)) {
        const auto count =
            static_cast<std::size_t>(std::min(static_cast<std::int64_t>(kSlice), end - at));
        // A short read means the file changed since it was measured: no verdict on partial data.
        for (std::size_t box = 0; box < 2; ++box) {
            if (!files_.Read(fileNos_[box], at + 1, std::span(buffers[box]->data(), count))) {
                return {0, static_cast<int>(box)};
            }
        }
        outcome.differences +=
            CountDifferences(buffers[0]->data(), buffers[1]->data(), count, at, *hands.spots);
    }
    return outcome;
}

}  // namespace duplexa
