// The registry's stand-in outside Windows: keys are folders and values small files under the
// user's configuration folder (see posix_store_path.h). A value is replaced by writing a
// temporary file beside it and renaming it over the old one, so a reader, a crash or a second
// copy of the program never sees half a value.

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "runtime/native_file.h"
#include "settings/posix_store_path.h"
#include "settings/registry_codes.h"
#include "settings/registry_layer.h"

namespace duplexa::registry {
namespace {

namespace store = posix_store;

class Descriptor {
  public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    void reset(int fd) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = fd;
    }

  private:
    int fd_;
};

// Removes a temporary file on every way out, unless it was renamed into place.
class TemporaryFile {
  public:
    TemporaryFile(int folder, const char* name) : folder_(folder), name_(name) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (name_ != nullptr) {
            ::unlinkat(folder_, name_, 0);
        }
    }
    void Keep() { name_ = nullptr; }

  private:
    int folder_;
    const char* name_;
};

Code FromErrno(int error, Code otherwise) {
    switch (error) {
        case ENOENT:
            return codes::kFileNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
            return codes::kAccessDenied;
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return codes::kDiskFull;
        default:
            return otherwise;
    }
}

int OpenFolderAt(int parent, const char* name) {
    int fd;
    do {
        fd = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// Creates every missing folder of an absolute path; 0 or an errno value.
int MakeFolderPath(const std::string& path) {
    std::size_t end = 0;
    do {
        end = path.find('/', end + 1);
        const std::string prefix = path.substr(0, end);
        if (::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) {
            return errno;
        }
    } while (end != std::string::npos);
    return 0;
}

// Makes a folder's new or renamed entries survive a crash. Some file systems cannot sync a
// folder and say so with EINVAL; nothing more can be done there.
bool SyncFolder(int folder) {
    return ::fsync(folder) == 0 || errno == EINVAL;
}

// Opens the folder of a key, creating missing folders on the way when asked to.
Code OpenKeyFolder(Hive hive, const std::string& keyPath, bool create, Key& key) {
    if (hive != kCurrentUser) {
        return codes::kInvalidHandle;
    }
    const auto folders = store::KeyFolders(keyPath);
    if (!folders) {
        return codes::kBadKey;
    }
    const auto root = store::ConfigRoot(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    if (!root) {
        return codes::kPathNotFound;
    }
    const Code failed = create ? codes::kCantWrite : codes::kCantRead;

    Descriptor folder(OpenFolderAt(AT_FDCWD, root->c_str()));
    if (!folder.valid() && create && errno == ENOENT) {
        if (const int error = MakeFolderPath(*root); error != 0) {
            return FromErrno(error, failed);
        }
        folder.reset(OpenFolderAt(AT_FDCWD, root->c_str()));
    }
    if (!folder.valid()) {
        return FromErrno(errno, failed);
    }
    for (const auto& name : *folders) {
        int madeError = 0;
        if (create) {
            if (::mkdirat(folder.get(), name.c_str(), 0700) == 0) {
                if (!SyncFolder(folder.get())) {
                    return FromErrno(errno, failed);
                }
            } else {
                madeError = errno;
            }
        }
        const int next = OpenFolderAt(folder.get(), name.c_str());
        if (next < 0) {
            // Say why the folder could not be made rather than that it is missing.
            const int error = madeError != 0 && madeError != EEXIST ? madeError : errno;
            return FromErrno(error, failed);
        }
        folder.reset(next);
    }
    key = Key(folder.release());
    return codes::kSuccess;
}

// A name no value can have (values never start with a dot) and no other writer picks.
bool CreateTemporary(int folder, char (&name)[64], Descriptor& file) {
    static std::atomic<unsigned> serial{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        timespec now{};
        ::clock_gettime(CLOCK_REALTIME, &now);
        std::snprintf(name, sizeof name, "%c%ld-%u-%lx.tmp", store::kHiddenPrefix,
                      static_cast<long>(::getpid()), serial++,
                      static_cast<unsigned long>(now.tv_nsec));
        int fd;
        do {
            fd = ::openat(folder, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        } while (fd < 0 && errno == EINTR);
        if (fd >= 0) {
            file.reset(fd);
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

bool WriteAll(int fd, const std::uint8_t* data, std::uint32_t size) {
    std::uint32_t done = 0;
    while (done < size) {
        const ssize_t wrote = ::write(fd, data + done, size - done);
        if (wrote < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::uint32_t>(wrote);
    }
    return true;
}

}  // namespace

Code OpenForQuery(Hive hive, const std::string& keyPath, Key& key) noexcept {
    try {
        return OpenKeyFolder(hive, keyPath, false, key);
    } catch (...) {
        return codes::kCantRead;
    }
}

Code CreateForSetting(Hive hive, const std::string& keyPath, Key& key) noexcept {
    try {
        return OpenKeyFolder(hive, keyPath, true, key);
    } catch (...) {
        return codes::kCantWrite;
    }
}

Code QueryValue(const Key& key, const std::string& valueName, std::uint8_t* data,
                std::uint32_t& size) noexcept {
    if (!key.IsOpen()) {
        return codes::kInvalidHandle;
    }
    if (!store::IsStoreName(valueName)) {
        return codes::kInvalidParameter;
    }
    const int folder = static_cast<int>(key.native());
    // Look before opening: a FIFO would block and opening some devices has side effects.
    struct stat info {};
    if (::fstatat(folder, valueName.c_str(), &info, 0) != 0) {
        return FromErrno(errno, codes::kCantRead);
    }
    if (!S_ISREG(info.st_mode)) {
        return codes::kInvalidData;
    }
    int fd;
    do {
        fd = ::openat(folder, valueName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    const Descriptor file(fd);
    if (!file.valid()) {
        return FromErrno(errno, codes::kCantRead);
    }
    if (::fstat(file.get(), &info) != 0) {
        return codes::kCantRead;
    }
    if (!S_ISREG(info.st_mode)) {
        return codes::kInvalidData;
    }
    if (info.st_size > static_cast<off_t>(size)) {
        return codes::kMoreData;
    }
    const std::int64_t got = native::ReadAt(native::FileHandle{file.get()}, 0, data, size);
    if (got < 0) {
        return FromErrno(errno, codes::kCantRead);
    }
    // Another program may have lengthened the file since it was measured.
    std::uint8_t extra = 0;
    if (::pread(file.get(), &extra, 1, static_cast<off_t>(got)) > 0) {
        return codes::kMoreData;
    }
    size = static_cast<std::uint32_t>(got);
    return codes::kSuccess;
}

Code SetValue(const Key& key, const std::string& valueName, const std::uint8_t* data,
              std::uint32_t size) noexcept {
    if (!key.IsOpen()) {
        return codes::kInvalidHandle;
    }
    if (!store::IsStoreName(valueName)) {
        return codes::kInvalidParameter;
    }
    const int folder = static_cast<int>(key.native());
    char temporaryName[64];
    Descriptor file;
    if (!CreateTemporary(folder, temporaryName, file)) {
        return FromErrno(errno, codes::kCantWrite);
    }
    TemporaryFile temporary(folder, temporaryName);
    if (!WriteAll(file.get(), data, size) || ::fsync(file.get()) != 0) {
        return FromErrno(errno, codes::kCantWrite);
    }
    if (::close(file.release()) != 0 && errno != EINTR) {
        return FromErrno(errno, codes::kCantWrite);
    }
    if (::renameat(folder, temporaryName, folder, valueName.c_str()) != 0) {
        return FromErrno(errno, codes::kCantWrite);
    }
    temporary.Keep();
    if (!SyncFolder(folder)) {
        return FromErrno(errno, codes::kCantWrite);
    }
    return codes::kSuccess;
}

Code Close(Key& key) noexcept {
    if (!key.open_) {
        return codes::kInvalidHandle;
    }
    key.open_ = false;
    if (::close(static_cast<int>(key.native_)) != 0 && errno != EINTR) {
        return FromErrno(errno, codes::kInvalidHandle);
    }
    return codes::kSuccess;
}

}  // namespace duplexa::registry
