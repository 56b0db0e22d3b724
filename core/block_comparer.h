#pragma once
// Counts the differing bytes of the same block of two open files: in place through a mapped
// window of each file where the system allows and that is quicker (see MethodChooser), else by
// reading small slices into two buffers that are reused, so the data stays in the processor's
// cache between the copy and the count.

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/block_buffer.h"
#include "core/method_chooser.h"
#include "runtime/file_table.h"
#include "runtime/mapped_window.h"

namespace duplexa {

class BlockComparer {
  public:
    // A window of each file is mapped at a time: big enough for the system to map its cached
    // pages whole, small enough to keep the memory a run holds low on any size of file.
    static constexpr std::int64_t kWindow = MappedWindow::kAlignment;
    static constexpr std::size_t kReadSlice = 256 * 1024;

    struct Outcome {
        std::size_t differences = 0;
        int failedBox = -1;  // 0 or 1 when that file could not be read
    };

    // fileNos are the open files of box 0 and 1, both size bytes long; the buffers are those
    // the reading uses.
    BlockComparer(const FileTable& files, std::array<int, 2> fileNos, std::int64_t size,
                  ReadMethod method, std::array<BlockBuffer*, 2> buffers);

    // The block of length bytes from the 1-based position; a block never crosses a window.
    Outcome Compare(std::int64_t position, std::size_t length);

  private:
    using Clock = std::chrono::steady_clock;

    void MoveToWindow(std::int64_t start);
    Outcome CompareMapped(std::size_t offset, std::size_t length) const;
    Outcome CompareRead(std::int64_t position, std::size_t length);

    const FileTable& files_;
    std::array<int, 2> fileNos_;
    std::int64_t size_;
    std::array<BlockBuffer*, 2> buffers_;
    MethodChooser chooser_;

    std::int64_t windowStart_ = -1;  // 0-based offset of the current window
    std::array<std::optional<MappedWindow>, 2> windows_;
    bool windowMapped_ = false;
    std::size_t windowBytes_ = 0;
    Clock::duration windowTime_{};
};

}  // namespace duplexa
