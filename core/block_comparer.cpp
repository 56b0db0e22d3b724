#include "core/block_comparer.h"

#include <algorithm>

#include "core/diff_count.h"

namespace duplexa {
namespace {

struct MappedCount {
    const std::uint8_t* first;
    const std::uint8_t* second;
    std::size_t length;
    std::size_t differences;
};

// Owns nothing, so it may be abandoned when a page cannot be read in.
void CountMapped(void* context) {
    auto& count = *static_cast<MappedCount*>(context);
    count.differences = CountDifferences(count.first, count.second, count.length);
}

}  // namespace

BlockComparer::BlockComparer(const FileTable& files, std::array<int, 2> fileNos, std::int64_t size,
                             ReadMethod method, std::array<BlockBuffer*, 2> buffers)
    : files_(files), fileNos_(fileNos), size_(size), buffers_(buffers), chooser_(method) {
    // Sized here, before any window is timed: fresh buffer pages are slow to bring in under
    // some hypervisors, a one-off cost that would otherwise make the first read window look
    // dearer than mapping and tip the choice for a long stretch of the run.
    const auto slice =
        static_cast<std::size_t>(std::min(static_cast<std::int64_t>(kReadSlice), size_));
    for (BlockBuffer* buffer : buffers_) {
        buffer->assign(slice, 0);
    }
}

BlockComparer::Outcome BlockComparer::Compare(std::int64_t position, std::size_t length) {
    auto started = Clock::now();
    const std::int64_t offset = position - 1;
    const std::int64_t start = offset - offset % kWindow;
    if (start != windowStart_) {
        windows_ = {};  // unmapping is part of what the last window cost
        windowTime_ += Clock::now() - started;
        chooser_.Record(windowMapped_, windowBytes_,
                        std::chrono::duration<double>(windowTime_).count());
        started = Clock::now();
        MoveToWindow(start);
    }
    const Outcome outcome = windowMapped_
                                ? CompareMapped(static_cast<std::size_t>(offset - start), length)
                                : CompareRead(position, length);
    windowTime_ += Clock::now() - started;
    windowBytes_ += length;
    return outcome;
}

void BlockComparer::MoveToWindow(std::int64_t start) {
    windowStart_ = start;
    windowBytes_ = 0;
    windowTime_ = {};
    windowMapped_ = false;
    if (!chooser_.UseMapping()) {
        return;
    }
    const auto size = static_cast<std::size_t>(std::min(kWindow, size_ - start));
    for (std::size_t box = 0; box < 2; ++box) {
        windows_[box] = files_.Map(fileNos_[box], start + 1, size);
        if (!windows_[box]) {
            windows_ = {};
            chooser_.MappingRefused();
            return;
        }
    }
    windowMapped_ = true;
}

BlockComparer::Outcome BlockComparer::CompareMapped(std::size_t offset, std::size_t length) const {
    MappedCount count{windows_[0]->data() + offset, windows_[1]->data() + offset, length, 0};
    // A file cut short under its mapping: the page past its new end cannot be read in.
    if (const void* failed = RunOnMappedPages(CountMapped, &count)) {
        return {0, windows_[1]->Holds(failed) ? 1 : 0};
    }
    return {count.differences, -1};
}

BlockComparer::Outcome BlockComparer::CompareRead(std::int64_t position, std::size_t length) {
    const BlockBuffer& first = *buffers_[0];
    const BlockBuffer& second = *buffers_[1];
    Outcome outcome;
    for (std::size_t at = 0; at < length; at += kReadSlice) {
        const std::size_t count = std::min(kReadSlice, length - at);
        const std::int64_t slicePosition = position + static_cast<std::int64_t>(at);
        // A short read means the file changed since it was measured: no verdict on partial data.
        for (std::size_t box = 0; box < 2; ++box) {
            if (!files_.Read(fileNos_[box], slicePosition,
                             std::span(buffers_[box]->data(), count))) {
                return {0, static_cast<int>(box)};
            }
        }
        outcome.differences += CountDifferences(first.data(), second.data(), count);
    }
    return outcome;
}

}  // namespace duplexa
