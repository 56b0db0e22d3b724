#include "core/block_comparer.h"

#include <algorithm>
#include <system_error>

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
                             ReadMethod method, std::array<BlockBuffer*, 2> buffers,
                             unsigned processors)
    : files_(files), fileNos_(fileNos), size_(size), buffers_(buffers), chooser_(method) {
    // Sized here, before any window is timed: fresh buffer pages are slow to bring in under
    // some hypervisors, a one-off cost that would otherwise make the first read window look
    // dearer than mapping and tip the choice for a long stretch of the run.
    const auto slice =
        static_cast<std::size_t>(std::min(static_cast<std::int64_t>(kReadSlice), size_));
    for (BlockBuffer* buffer : buffers_) {
        buffer->assign(slice, 0);
    }
    if (processors < 2 || size_ < static_cast<std::int64_t>(kSplitFrom)) {
        return;
    }
    try {
        helper_.emplace();
    } catch (const std::system_error&) {
        return;  // no thread to be had (a limit of the system reached): one thread does it all
    }
    for (BlockBuffer& buffer : helperBuffers_) {
        buffer.assign(slice, 0);
    }
}

void BlockComparer::Prepare(std::int64_t position, std::size_t length) {
    if (helper_) {
        helper_->Wait();  // it may still be counting in the window about to be unmapped
    }
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
    const std::size_t first = helper_ && length >= kSplitFrom ? split_.FirstPart(length) : length;
    if (first < length) {
        helperJob_.span = {position + static_cast<std::int64_t>(first), length - first};
        helper_->Start([this] {
            helperJob_.outcome =
                CompareSpan(helperJob_.span, {&helperBuffers_[0], &helperBuffers_[1]});
            helperJob_.finished = Clock::now();
        });
    }
    windowTime_ += Clock::now() - started;
    prepared_ = Prepared{{position, length}, first};
}

BlockComparer::Outcome BlockComparer::Compare(std::int64_t position, std::size_t length) {
    if (!prepared_ || prepared_->block.position != position || prepared_->block.length != length) {
        Prepare(position, length);
    }
    const std::size_t first = prepared_->first;
    prepared_.reset();
    const auto started = Clock::now();
    Outcome outcome = CompareSpan({position, first}, buffers_);
    if (first < length) {
        const auto firstDone = Clock::now();
        helper_->Wait();
        split_.Record(length, first, std::chrono::duration<double>(firstDone - started).count(),
                      std::chrono::duration<double>(helperJob_.finished - firstDone).count());
        if (outcome.failedBox < 0) {  // else the first half's failure is the one to report
            const Outcome& second = helperJob_.outcome;
            outcome = second.failedBox < 0 ? Outcome{outcome.differences + second.differences, -1}
                                           : second;
        }
    }
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

BlockComparer::Outcome BlockComparer::CompareSpan(Span span,
                                                  std::array<BlockBuffer*, 2> buffers) const {
    if (windowMapped_) {
        return CompareMapped(static_cast<std::size_t>(span.position - 1 - windowStart_),
                             span.length);
    }
    return CompareRead(span, buffers);
}

BlockComparer::Outcome BlockComparer::CompareMapped(std::size_t offset, std::size_t length) const {
    MappedCount count{windows_[0]->data() + offset, windows_[1]->data() + offset, length, 0};
    // A file cut short under its mapping: the page past its new end cannot be read in. The
    // signal comes to the thread that touched the page, so each thread catches its own.
    if (const void* failed = RunOnMappedPages(CountMapped, &count)) {
        return {0, windows_[1]->Holds(failed) ? 1 : 0};
    }
    return {count.differences, -1};
}

std::size_t BlockComparer::SliceFor(std::size_t length) {
    constexpr std::size_t kPage = SplitBalancer::kPage;
    const std::size_t slices = std::max<std::size_t>((length + kReadSlice - 1) / kReadSlice, 1);
    const std::size_t even = (length + slices - 1) / slices;
    return std::min((even + kPage - 1) / kPage * kPage, kReadSlice);
}

BlockComparer::Outcome BlockComparer::CompareRead(Span span,
                                                  std::array<BlockBuffer*, 2> buffers) const {
    Outcome outcome;
    const std::size_t slice = SliceFor(span.length);
    for (std::size_t at = 0; at < span.length; at += slice) {
        const std::size_t count = std::min(slice, span.length - at);
        const std::int64_t slicePosition = span.position + static_cast<std::int64_t>(at);
        // A short read means the file changed since it was measured: no verdict on partial data.
        for (std::size_t box = 0; box < 2; ++box) {
            if (!files_.Read(fileNos_[box], slicePosition,
                             std::span(buffers[box]->data(), count))) {
                return {0, static_cast<int>(box)};
            }
        }
        outcome.differences += CountDifferences(buffers[0]->data(), buffers[1]->data(), count);
    }
    return outcome;
}

}  // namespace duplexa
