#include "runtime/file_table.h"

#include <limits>

namespace duplexa {
namespace {

bool InRange(int fileNo) {
    return fileNo >= FileTable::kFirstNumber && fileNo <= FileTable::kLastNumber;
}

}  // namespace

FileTable::~FileTable() {
    for (int fileNo = kFirstNumber; fileNo <= kLastNumber; ++fileNo) {
        Close(fileNo);
    }
}

int FileTable::FreeFile() const {
    for (int fileNo = kFirstNumber; fileNo <= kLastNumber; ++fileNo) {
        if (!open_[static_cast<std::size_t>(fileNo)]) {
            return fileNo;
        }
    }
    return 0;
}

bool FileTable::Open(int fileNo, const std::string& path) {
    if (!InRange(fileNo) || open_[static_cast<std::size_t>(fileNo)]) {
        return false;
    }
    const auto handle = native::OpenForReading(path);
    if (!handle) {
        return false;
    }
    const auto stamp = native::StampOf(*handle);
    if (!stamp) {
        native::Close(*handle);
        return false;
    }
    open_[static_cast<std::size_t>(fileNo)] = OpenFile{*handle, *stamp};
    return true;
}

std::optional<std::int32_t> FileTable::Length(int fileNo) const {
    const auto handle = Get(fileNo);
    if (!handle) {
        return std::nullopt;
    }
    const auto size = native::SizeOf(*handle);
    if (!size || *size < 0 || *size > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*size);
}

bool FileTable::Read(int fileNo, std::int64_t position, std::span<std::uint8_t> buffer) const {
    const auto handle = Get(fileNo);
    if (!handle || position < 1) {
        return false;
    }
    const std::int64_t got = native::ReadAt(*handle, position - 1, buffer.data(), buffer.size());
    return got == static_cast<std::int64_t>(buffer.size());
}

bool FileTable::EndsAt(int fileNo, std::int64_t length) const {
    const auto handle = Get(fileNo);
    if (!handle || length < 0) {
        return false;
    }
    // Two bytes from the last one: exactly one comes back when the end is where it should be.
    // Asked of the file, not of the cache: after a short read a file system that claims more
    // than it holds (FUSE) may leave the cached page filled out with zeros, which a read from
    // the cache takes as data.
    std::uint8_t probe[2];
    const std::int64_t from = length > 0 ? length - 1 : 0;
    native::ForgetCached(*handle, from);
    const std::int64_t expected = length > 0 ? 1 : 0;
    return native::ReadAt(*handle, from, probe, sizeof probe) == expected;
}

bool FileTable::Unchanged(int fileNo) const {
    const OpenFile* file = Find(fileNo);
    return file != nullptr && native::StampOf(file->handle) == file->stamp;
}

void FileTable::HintSequential(int fileNo) const {
    if (const auto handle = Get(fileNo)) {
        native::AdviseSequential(*handle);
    }
}

void FileTable::Close(int fileNo) {
    if (!InRange(fileNo)) {
        return;
    }
    auto& slot = open_[static_cast<std::size_t>(fileNo)];
    if (slot) {
        native::Close(slot->handle);
        slot.reset();
    }
}

std::optional<native::FileHandle> FileTable::Get(int fileNo) const {
    const OpenFile* file = Find(fileNo);
    return file != nullptr ? std::optional(file->handle) : std::nullopt;
}

const FileTable::OpenFile* FileTable::Find(int fileNo) const {
    if (!InRange(fileNo) || !open_[static_cast<std::size_t>(fileNo)]) {
        return nullptr;
    }
    return &*open_[static_cast<std::size_t>(fileNo)];
}

FileTable& Files() {
    static FileTable table;
    return table;
}

}  // namespace duplexa
