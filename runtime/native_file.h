#pragma once
// The operating system's file calls, reduced to what a read-only byte comparison needs.
// One implementation per platform, chosen at compile time.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace duplexa::native {

// An open file; value is a descriptor on POSIX and a HANDLE on Windows.
struct FileHandle {
    std::intptr_t value = -1;
};

// Opens an existing regular file for reading only. Folders, FIFOs, devices and sockets are
// refused without blocking, and so is a path with a NUL inside. The path is UTF-8.
std::optional<FileHandle> OpenForReading(const std::string& path);

std::optional<std::int64_t> SizeOf(FileHandle file);

// Which file an open file is, when it last changed and how many names it has: device and inode,
// size, modification and change time and links on POSIX; volume serial, file index, size, last
// write and change time and links on Windows, where a pending deletion counts as none. A file
// written, cut, touched, renamed or deleted since has another stamp.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t index = 0;
    std::int64_t size = 0;
    std::int64_t modified = 0;  // in the system's own units
    std::int64_t changed = 0;   // also by a rename
    std::uint64_t links = 0;
    bool operator==(const FileStamp&) const = default;
};

std::optional<FileStamp> StampOf(FileHandle file);

// Reads up to size bytes at a 0-based offset, retrying partial reads; returns the number of
// bytes read (less than size only at end of file), or -1 on an error.
std::int64_t ReadAt(FileHandle file, std::int64_t offset, std::uint8_t* buffer, std::size_t size);

// Asks the system to forget its cached copy of the file from the page holding offset to the end,
// so the next read there asks the file itself.
void ForgetCached(FileHandle file, std::int64_t offset);

// Tells the system the file will be read front to back, so it reads ahead generously.
void AdviseSequential(FileHandle file);

void Close(FileHandle file);

}  // namespace duplexa::native
