#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <limits>

#include "runtime/long_path_windows.h"
#include "runtime/native_file.h"
#include "runtime/wide_text_windows.h"

namespace duplexa::native {
namespace {

HANDLE AsHandle(FileHandle file) {
    return reinterpret_cast<HANDLE>(file.value);
}

}  // namespace

std::optional<FileHandle> OpenForReading(const std::string& path) {
    const std::wstring wide = Widen(path);
    // The system's calls end a name at a NUL: with one inside, another file would open.
    if (wide.empty() || wide.find(L'\0') != std::wstring::npos) {
        return std::nullopt;
    }
    // Without FILE_FLAG_BACKUP_SEMANTICS a folder fails to open, as it should. Whatever another
    // program may do to the file meanwhile is allowed, deleting or renaming it too (a download
    // in progress, a log being rotated hold it open so): the stamp tells of it afterwards.
    HANDLE handle =
        CreateFileW(ExtendedLengthPath(wide).c_str(), GENERIC_READ,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        CloseHandle(handle);
        return std::nullopt;
    }
    return FileHandle{reinterpret_cast<std::intptr_t>(handle)};
}

std::optional<std::int64_t> SizeOf(FileHandle file) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(AsHandle(file), &size)) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(size.QuadPart);
}

std::optional<FileStamp> StampOf(FileHandle file) {
    BY_HANDLE_FILE_INFORMATION info{};
    FILE_BASIC_INFO times{};
    FILE_STANDARD_INFO names{};
    if (!GetFileInformationByHandle(AsHandle(file), &info) ||
        !GetFileInformationByHandleEx(AsHandle(file), FileBasicInfo, &times, sizeof times) ||
        !GetFileInformationByHandleEx(AsHandle(file), FileStandardInfo, &names, sizeof names)) {
        return std::nullopt;
    }
    const auto join = [](DWORD high, DWORD low) {
        return static_cast<std::uint64_t>(high) << 32 | low;
    };
    // A deleted file stays until its last handle closes; until then its deletion is pending.
    return FileStamp{info.dwVolumeSerialNumber,
                     join(info.nFileIndexHigh, info.nFileIndexLow),
                     static_cast<std::int64_t>(join(info.nFileSizeHigh, info.nFileSizeLow)),
                     times.LastWriteTime.QuadPart,
                     times.ChangeTime.QuadPart,
                     names.DeletePending ? 0 : names.NumberOfLinks};
}

std::int64_t ReadAt(FileHandle file, std::int64_t offset, std::uint8_t* buffer, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const std::size_t left = size - done;
        const DWORD want = left > std::numeric_limits<DWORD>::max() / 2
                               ? std::numeric_limits<DWORD>::max() / 2
                               : static_cast<DWORD>(left);
        const std::uint64_t at = static_cast<std::uint64_t>(offset) + done;
        OVERLAPPED where{};
        where.Offset = static_cast<DWORD>(at & 0xFFFFFFFFu);
        where.OffsetHigh = static_cast<DWORD>(at >> 32);
        DWORD got = 0;
        if (!ReadFile(AsHandle(file), buffer + done, want, &got, &where)) {
            if (GetLastError() == ERROR_HANDLE_EOF) {
                break;
            }
            return -1;
        }
        if (got == 0) {
            break;
        }
        done += got;
    }
    return static_cast<std::int64_t>(done);
}

void ForgetCached(FileHandle, std::int64_t) {
    // Windows has no call that drops one file's cached pages; its file systems do not pad a
    // short read with zeros.
}

void AdviseSequential(FileHandle) {
    // FILE_FLAG_SEQUENTIAL_SCAN at open time already says so.
}

void Close(FileHandle file) {
    CloseHandle(AsHandle(file));
}

}  // namespace duplexa::native
