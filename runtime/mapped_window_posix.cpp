#include <signal.h>
#include <sys/mman.h>

#include <csetjmp>
#include <mutex>

#include "runtime/mapped_window.h"

namespace duplexa {
namespace {

// Set while work on mapped pages runs on this thread.
thread_local sigjmp_buf* tArmed = nullptr;
thread_local const void* tFailedAddress = nullptr;
struct sigaction gPrevious {};

void OnBusError(int, siginfo_t* info, void*) {
    if (tArmed != nullptr) {
        tFailedAddress = info->si_addr;
        siglongjmp(*tArmed, 1);
    }
    // Not a page of ours: give the signal back to whoever had it; the faulting access repeats
    // on return and meets that handler (or the default, which ends the program).
    ::sigaction(SIGBUS, &gPrevious, nullptr);
}

void InstallHandler() {
    struct sigaction action {};
    action.sa_sigaction = OnBusError;
    action.sa_flags = SA_SIGINFO | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGBUS, &action, &gPrevious);
}

}  // namespace

std::optional<MappedWindow> MappedWindow::Map(native::FileHandle file, std::int64_t offset,
                                              std::size_t size) {
    if (size == 0 || offset < 0 || offset % kAlignment != 0) {
        return std::nullopt;
    }
    void* base = ::mmap(nullptr, size, PROT_READ, MAP_SHARED, static_cast<int>(file.value),
                        static_cast<off_t>(offset));
    if (base == MAP_FAILED) {
        return std::nullopt;
    }
#ifdef MADV_HUGEPAGE
    // Pages not cached yet are then read in as whole 2 MiB pieces, which this and later runs
    // map with one entry each instead of 512; under some hypervisors each entry a mapped page
    // needs costs microseconds. Where the system has no such pieces the advice is refused.
    ::madvise(base, size, MADV_HUGEPAGE);
#endif
#ifdef MADV_POPULATE_READ
    // Entering the pages in one call is cheaper than a fault every few pages. Where the call
    // is unknown (EINVAL before Linux 5.14) or a page is gone (the file was cut short), it
    // fails and the pages fault in, or raise SIGBUS, as they are compared.
    ::madvise(base, size, MADV_POPULATE_READ);
#endif
    return MappedWindow(static_cast<const std::uint8_t*>(base), size);
}

void MappedWindow::Unmap(const std::uint8_t* data, std::size_t size) {
    ::munmap(const_cast<std::uint8_t*>(data), size);
}

const void* RunOnMappedPages(void (*work)(void*), void* context) {
    static std::once_flag installed;
    std::call_once(installed, InstallHandler);
    sigjmp_buf here;
    if (sigsetjmp(here, 1) != 0) {
        tArmed = nullptr;
        return tFailedAddress;
    }
    tArmed = &here;
    work(context);
    tArmed = nullptr;
    return nullptr;
}

}  // namespace duplexa
