#pragma once
// Counts the differing bytes of two open files of one size, block after block, the way cmp
// does: a slice of each file is read into a buffer of its own and the two are counted in one
// loop, while the bytes are still in the processor's cache. One thread cannot copy bytes out of
// the system's cache as fast as two, so where a second processor is free a helper thread
// compares whole blocks too: whichever thread is free takes on the next block, up to kAhead
// blocks past the one the run waits for. Neither side spins: a side with nothing to do sleeps
// until the other has something for it.

#include <array>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>

#include "core/block_buffer.h"
#include "core/diff_where.h"
#include "runtime/file_table.h"

namespace duplexa {

class BlockComparer {
  public:
    static constexpr std::int64_t kBlockSize = 0x100000;
    // Two quarter blocks stay in the processor's cache between the copy and the count; two
    // whole blocks do not, and cost about a tenth more processor time here.
    static constexpr std::size_t kSlice = 256 * 1024;
    // Far enough for the helper to go on through the run's event turns, near enough that a
    // Stop leaves little read in vain.
    static constexpr std::int64_t kAhead = 8;

    struct Outcome {
        std::size_t differences = 0;
        int failedBox = -1;  // 0 or 1 when that file could not be read
    };

    // fileNos are the open files of box 0 and 1, both size bytes long; the buffers are those
    // the calling thread reads into. A helper starts only where processors is at least 2 and
    // the files hold more than one block.
    BlockComparer(const FileTable& files, std::array<int, 2> fileNos, std::int64_t size,
                  std::array<BlockBuffer*, 2> buffers, unsigned processors);
    BlockComparer(const BlockComparer&) = delete;
    BlockComparer& operator=(const BlockComparer&) = delete;
    // Ends the helper once the block in its hands is done.
    ~BlockComparer();

    // The outcome of the next block, from the first on; the last may be shorter. Asked for no
    // more often than the files have blocks. Counts exactly what one thread would.
    Outcome CompareNext();

    // Where the files differ; asked once every block has been taken.
    DiffWhere Where();

  private:
    // The buffers and spots of the thread that compares it.
    struct Hands {
        std::array<BlockBuffer*, 2> buffers;
        DiffSpots* spots;
    };

    Outcome CompareBlock(std::int64_t block, Hands hands) const;
    bool MayTakeOn() const { return claimed_ < blocks_ && claimed_ < next_ + kAhead; }
    // Takes on the next block and compares it with the lock let go meanwhile.
    void TakeOn(std::unique_lock<std::mutex>& lock, Hands hands);
    void Help();

    const FileTable& files_;
    std::array<int, 2> fileNos_;
    std::int64_t size_;
    std::int64_t blocks_;
    std::array<BlockBuffer*, 2> buffers_;
    std::array<BlockBuffer, 2> helperBuffers_;
    DiffSpots spots_;
    DiffSpots helperSpots_;

    std::mutex mutex_;
    std::condition_variable changed_;
    std::int64_t claimed_ = 0;                           // blocks either thread has taken on
    std::int64_t next_ = 0;                              // the block the run asks for next
    std::array<std::optional<Outcome>, kAhead> done_{};  // by block number, modulo kAhead
    bool ending_ = false;
    std::thread helper_;  // last: starts once everything it uses exists
};

}  // namespace duplexa
