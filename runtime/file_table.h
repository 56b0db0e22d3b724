#pragma once
// Numbered open files, 1 to 255, the way the comparison and the drop check address them.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "runtime/native_file.h"

namespace duplexa {

class FileTable {
  public:
    static constexpr int kFirstNumber = 1;
    static constexpr int kLastNumber = 255;

    FileTable() = default;
    FileTable(const FileTable&) = delete;
    FileTable& operator=(const FileTable&) = delete;
    ~FileTable();  // closes whatever is still open

    // The lowest number that is not open, or 0 when all are in use (which no open accepts).
    int FreeFile() const;

    // Opens path read-only under fileNo; false when the number is invalid or taken, or the
    // path is not a regular file that can be read.
    bool Open(int fileNo, const std::string& path);

    // The length in bytes; empty when it cannot be read or does not fit a signed 32-bit number.
    std::optional<std::int32_t> Length(int fileNo) const;

    // Fills the whole buffer from the 1-based position; false on an error or a short read.
    bool Read(int fileNo, std::int64_t position, std::span<std::uint8_t> buffer) const;

    // True when the file still ends exactly at length bytes: its last byte is there and a read
    // past it returns nothing. Catches files that grew or shrank since they were measured, and
    // pseudo-files that report a length of 0 but hold data.
    bool EndsAt(int fileNo, std::int64_t length) const;

    // True when the file is still as it was when it was opened: neither written, cut nor
    // touched since (see native::FileStamp). Catches changes that keep the length.
    bool Unchanged(int fileNo) const;

    void HintSequential(int fileNo) const;

    // Closing a number that is not open does nothing.
    void Close(int fileNo);

  private:
    struct OpenFile {
        native::FileHandle handle;
        native::FileStamp stamp;  // as it was opened
    };

    std::optional<native::FileHandle> Get(int fileNo) const;
    const OpenFile* Find(int fileNo) const;  // null when the number is not open

    std::array<std::optional<OpenFile>, kLastNumber + 1> open_{};
};

// The program's one table of open files.
FileTable& Files();

}  // namespace duplexa
