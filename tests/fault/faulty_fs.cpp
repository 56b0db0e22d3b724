#define FUSE_USE_VERSION 31
#include "faulty_fs.h"

#include <fuse.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <thread>

namespace duplexa::test {
namespace {

// The child's own copy; nothing else runs in it.
std::vector<FaultyFile> gFiles;
std::vector<std::int64_t> gServed;  // bytes read since each file's last open

int Find(const char* path) {
    for (std::size_t i = 0; i < gFiles.size(); ++i) {
        if (path[0] == '/' && gFiles[i].name == path + 1) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::int64_t ReportedSize(std::size_t file) {
    const FaultyFile& f = gFiles[file];
    if (f.changesAfter >= 0 && gServed[file] >= f.changesAfter) {
        return f.reportedLater;
    }
    return f.reported >= 0 ? f.reported : f.length;
}

void* Init(fuse_conn_info*, fuse_config* config) {
    // Every size asked for is asked of us, so a change shows at once.
    config->attr_timeout = 0;
    config->entry_timeout = 0;
    config->negative_timeout = 0;
    return nullptr;
}

int GetAttr(const char* path, struct stat* info, fuse_file_info*) {
    std::memset(info, 0, sizeof *info);
    if (std::strcmp(path, "/") == 0) {
        info->st_mode = S_IFDIR | 0755;
        info->st_nlink = 2;
        return 0;
    }
    const int file = Find(path);
    if (file < 0) {
        return -ENOENT;
    }
    info->st_mode = S_IFREG | 0444;
    info->st_nlink = 1;
    info->st_size = ReportedSize(static_cast<std::size_t>(file));
    return 0;
}

int Open(const char* path, fuse_file_info* info) {
    const int file = Find(path);
    if (file < 0) {
        return -ENOENT;
    }
    gServed[static_cast<std::size_t>(file)] = 0;
    info->direct_io = gFiles[static_cast<std::size_t>(file)].direct ? 1 : 0;
    info->keep_cache = 0;  // each run reads anew
    return 0;
}

int Read(const char* path, char* buffer, std::size_t size, off_t offset, fuse_file_info*) {
    const int found = Find(path);
    if (found < 0) {
        return -ENOENT;
    }
    const auto file = static_cast<std::size_t>(found);
    const FaultyFile& f = gFiles[file];
    if (f.delayMicroseconds > 0) {
        std::this_thread::sleep_for(std::chrono::microseconds(f.delayMicroseconds));
    }
    const auto end = offset + static_cast<std::int64_t>(size);
    if (f.failAt >= offset && f.failAt < end) {
        return -EIO;
    }
    const std::int64_t served = std::max<std::int64_t>(0, std::min(end, f.length) - offset);
    for (std::int64_t i = 0; i < served; ++i) {
        buffer[i] = static_cast<char>(ContentByte(offset + i));
    }
    for (const std::int64_t flip : f.flipped) {
        if (flip >= offset && flip < offset + served) {
            buffer[flip - offset] = static_cast<char>(~ContentByte(flip));
        }
    }
    gServed[file] += served;
    return static_cast<int>(served);
}

[[noreturn]] void Serve(const std::string& mountPoint, int ready) {
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);  // never outlives the tests
    fuse_operations operations{};
    operations.init = Init;
    operations.getattr = GetAttr;
    operations.open = Open;
    operations.read = Read;
    char name[] = "duplexa-faulty-fs";
    char* argv[] = {name, nullptr};
    fuse_args args = FUSE_ARGS_INIT(1, argv);
    fuse* fs = fuse_new(&args, &operations, sizeof operations, nullptr);
    const bool mounted = fs != nullptr && fuse_mount(fs, mountPoint.c_str()) == 0;
    const char answer = mounted ? '1' : '0';
    // If the parent is gone there is no one to tell, and serving is pointless.
    const bool told = ::write(ready, &answer, 1) == 1;
    ::close(ready);
    if (mounted && told && fuse_set_signal_handlers(fuse_get_session(fs)) == 0) {
        fuse_loop(fs);
        fuse_remove_signal_handlers(fuse_get_session(fs));
    }
    if (mounted) {
        fuse_unmount(fs);
    }
    if (fs != nullptr) {
        fuse_destroy(fs);
    }
    ::_exit(0);
}

bool OnPath(const char* program) {
    const char* path = std::getenv("PATH");
    std::string dirs = path != nullptr ? path : "/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= dirs.size()) {
        const std::size_t end = std::min(dirs.find(':', start), dirs.size());
        if (::access((dirs.substr(start, end - start) + "/" + program).c_str(), X_OK) == 0) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

}  // namespace

std::uint8_t ContentByte(std::int64_t offset) {
    return static_cast<std::uint8_t>((offset * 131 + (offset >> 12)) & 0xFF);
}

FaultyFileSystem::FaultyFileSystem(const std::string& mountPoint, std::vector<FaultyFile> files) {
    if (!std::filesystem::exists("/dev/fuse")) {
        why_ = "no /dev/fuse here";
        return;
    }
    if (!OnPath("fusermount3")) {
        why_ = "fusermount3 is not installed (Debian package fuse3)";
        return;
    }
    int pipe[2];
    if (::pipe(pipe) != 0) {
        why_ = "no pipe";
        return;
    }
    gFiles = std::move(files);
    gServed.assign(gFiles.size(), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        Serve(mountPoint, pipe[1]);
    }
    ::close(pipe[1]);
    char answer = '0';
    const bool told = child > 0 && ::read(pipe[0], &answer, 1) == 1;
    ::close(pipe[0]);
    if (told && answer == '1') {
        child_ = child;
        return;
    }
    why_ = "cannot mount a FUSE file system here";
    if (child > 0) {
        ::waitpid(child, nullptr, 0);
    }
}

FaultyFileSystem::~FaultyFileSystem() {
    if (child_ > 0) {
        ::kill(child_, SIGTERM);
        ::waitpid(child_, nullptr, 0);
    }
}

}  // namespace duplexa::test
