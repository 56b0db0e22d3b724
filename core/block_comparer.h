#pragma once
// Counts the differing bytes of the same block of two open files: in place through a mapped
// window of each file where the system allows and that is quicker (see MethodChooser), else by
// reading small slices into two buffers that are reused, so the data stays in the processor's
// cache between the copy and the count. Where a second processor is free, a helper thread
// counts the second part of each block while the calling thread counts the first, each about
// half (see SplitBalancer): one thread alone cannot copy the bytes out as fast as the system
// can serve them.

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <thread>

#include "core/block_buffer.h"
#include "core/helper_thread.h"
#include "core/method_chooser.h"
#include "core/split_balancer.h"
#include "runtime/file_table.h"
#include "runtime/mapped_window.h"

namespace duplexa {

class BlockComparer {
  public:
    // A window of each file is mapped at a time: big enough for the system to map its cached
    // pages whole, small enough to keep the memory a run holds low on any size of file.
    static constexpr std::int64_t kWindow = MappedWindow::kAlignment;
    // Each read costs about two microseconds beyond its copy, so a part of a block is read in
    // as few slices as the buffers allow, of even length: a cut a little past the middle would
    // otherwise leave a small third slice on one side.
    static constexpr std::size_t kReadSlice = 320 * 1024;
    // Shorter blocks are not split: handing half over costs more than it saves.
    static constexpr std::size_t kSplitFrom = 256 * 1024;

    struct Outcome {
        std::size_t differences = 0;
        int failedBox = -1;  // 0 or 1 when that file could not be read
    };

    // fileNos are the open files of box 0 and 1, both size bytes long; the buffers are those
    // the calling thread reads into. Blocks are split only when processors is at least 2.
    BlockComparer(const FileTable& files, std::array<int, 2> fileNos, std::int64_t size,
                  ReadMethod method, std::array<BlockBuffer*, 2> buffers,
                  unsigned processors = std::thread::hardware_concurrency());
    BlockComparer(const BlockComparer&) = delete;
    BlockComparer& operator=(const BlockComparer&) = delete;

    // Gets the block of length bytes from the 1-based position going: maps its window if need
    // be and hands its second part to the helper, which works on it while the caller does
    // something else. Reading ahead changes nothing; the next Compare of that block picks the
    // work up.
    void Prepare(std::int64_t position, std::size_t length);

    // The block of length bytes from the 1-based position; a block never crosses a window.
    // Counts exactly what one thread counting the whole block would; when both parts fail,
    // the first part's failure is the one reported.
    Outcome Compare(std::int64_t position, std::size_t length);

    bool SplitsBlocks() const { return helper_.has_value(); }

  private:
    using Clock = std::chrono::steady_clock;

    struct Span {
        std::int64_t position = 0;  // 1-based
        std::size_t length = 0;
    };
    struct HelperJob {
        Span span;
        Outcome outcome;
        Clock::time_point finished;
    };

    void MoveToWindow(std::int64_t start);
    // Runs on either thread: nothing it reads changes while the helper works.
    Outcome CompareSpan(Span span, std::array<BlockBuffer*, 2> buffers) const;
    Outcome CompareMapped(std::size_t offset, std::size_t length) const;
    Outcome CompareRead(Span span, std::array<BlockBuffer*, 2> buffers) const;
    // The length of each slice, the last one perhaps shorter, that reads length bytes.
    static std::size_t SliceFor(std::size_t length);

    const FileTable& files_;
    std::array<int, 2> fileNos_;
    std::int64_t size_;
    std::array<BlockBuffer*, 2> buffers_;
    MethodChooser chooser_;

    std::int64_t windowStart_ = -1;  // 0-based offset of the current window
    std::array<std::optional<MappedWindow>, 2> windows_;
    bool windowMapped_ = false;
    // The calling thread's time on the current window: what the window holds the run up by.
    std::size_t windowBytes_ = 0;
    Clock::duration windowTime_{};

    struct Prepared {
        Span block;
        std::size_t first;  // the part the calling thread takes; the helper has the rest
    };
    std::optional<Prepared> prepared_;
    SplitBalancer split_;
    std::array<BlockBuffer, 2> helperBuffers_;
    HelperJob helperJob_;
    // Last, so it ends before anything it reads goes.
    std::optional<HelperThread> helper_;
};

}  // namespace duplexa
