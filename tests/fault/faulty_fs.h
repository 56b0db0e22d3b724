#pragma once
// A file system of made-up files that go wrong on purpose: reads that fail, sizes that lie or
// change, slow reads. A child process serves it through FUSE, so runs meet the faults through
// the system's real file calls, with its page cache and mappings.

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

namespace duplexa::test {

// Byte i of every file here and of its twins on a real disk.
std::uint8_t ContentByte(std::int64_t offset);

struct FaultyFile {
    std::string name{};
    std::int64_t length = 0;              // bytes of content
    std::int64_t reported = -1;           // the size the file system gives; -1: length
    std::int64_t failAt = -1;             // a read that covers this offset fails with EIO
    std::int64_t changesAfter = -1;       // once this many bytes were read since the open,
    std::int64_t reportedLater = -1;      // the size given is this
    std::vector<std::int64_t> flipped{};  // offsets whose byte is not ContentByte's
    bool direct = false;                  // reads bypass the page cache
    int delayMicroseconds = 0;            // each read waits this long
};

class FaultyFileSystem {
  public:
    // Mounts files on the folder mountPoint in a child process; Mounted() says whether it
    // worked, and Why() why not.
    FaultyFileSystem(const std::string& mountPoint, std::vector<FaultyFile> files);
    FaultyFileSystem(const FaultyFileSystem&) = delete;
    FaultyFileSystem& operator=(const FaultyFileSystem&) = delete;
    ~FaultyFileSystem();  // unmounts

    bool Mounted() const { return child_ > 0; }
    const std::string& Why() const { return why_; }

  private:
    pid_t child_ = -1;
    std::string why_;
};

}  // namespace duplexa::test
