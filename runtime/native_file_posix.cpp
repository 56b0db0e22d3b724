#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "runtime/native_file.h"

namespace duplexa::native {

std::optional<FileHandle> OpenForReading(const std::string& path) {
    // Look before opening: opening some devices has side effects, and a FIFO would block.
    struct stat info {};
    // The system's calls end a name at a NUL: with one inside, another file would open.
    if (path.empty() || path.find('\0') != std::string::npos || ::stat(path.c_str(), &info) != 0 ||
        !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    // O_NONBLOCK guards the race where the path is swapped for a FIFO after the stat.
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        return std::nullopt;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) {
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    }
    return FileHandle{fd};
}

std::optional<std::int64_t> SizeOf(FileHandle file) {
    struct stat info {};
    if (::fstat(static_cast<int>(file.value), &info) != 0) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(info.st_size);
}

std::optional<FileStamp> StampOf(FileHandle file) {
    struct stat info {};
    if (::fstat(static_cast<int>(file.value), &info) != 0) {
        return std::nullopt;
    }
    const auto nanoseconds = [](const timespec& at) {
        return static_cast<std::int64_t>(at.tv_sec) * 1000000000 + at.tv_nsec;
    };
    return FileStamp{static_cast<std::uint64_t>(info.st_dev),
                     static_cast<std::uint64_t>(info.st_ino),
                     static_cast<std::int64_t>(info.st_size),
                     nanoseconds(info.st_mtim),
                     nanoseconds(info.st_ctim),
                     static_cast<std::uint64_t>(info.st_nlink)};
}

std::int64_t ReadAt(FileHandle file, std::int64_t offset, std::uint8_t* buffer, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::pread(static_cast<int>(file.value), buffer + done, size - done,
                                    static_cast<off_t>(offset) + static_cast<off_t>(done));
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return -1;
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return static_cast<std::int64_t>(done);
}

void ForgetCached(FileHandle file, std::int64_t offset) {
#ifdef POSIX_FADV_DONTNEED
    // Only whole pages are dropped, so the stretch starts at its page.
    const auto page = static_cast<std::int64_t>(::sysconf(_SC_PAGESIZE));
    ::posix_fadvise(static_cast<int>(file.value), static_cast<off_t>(offset - offset % page), 0,
                    POSIX_FADV_DONTNEED);
#else
    (void)file;
    (void)offset;
#endif
}

void AdviseSequential(FileHandle file) {
#ifdef POSIX_FADV_SEQUENTIAL
    ::posix_fadvise(static_cast<int>(file.value), 0, 0, POSIX_FADV_SEQUENTIAL);
#else
    (void)file;
#endif
}

void Close(FileHandle file) {
    ::close(static_cast<int>(file.value));
}

}  // namespace duplexa::native
