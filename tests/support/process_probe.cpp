#include "support/process_probe.h"

#include <cstdint>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// tlhelp32.h needs windows.h before it.
#include <tlhelp32.h>
#else
#include <filesystem>
#include <iterator>
#endif

namespace duplexa::test {

#ifdef _WIN32

// Handles are small multiples of 4, handed out lowest first; Wine keeps no count of them
// (GetProcessHandleCount gives 0), so each one that could be is asked about. Only files count:
// the system makes events and threads of its own along the way.
std::size_t OpenDescriptors() {
    std::size_t count = 0;
    for (std::uintptr_t value = 4; value < 16384; value += 4) {
        const auto handle = reinterpret_cast<HANDLE>(value);
        DWORD flags = 0;
        count += GetHandleInformation(handle, &flags) && GetFileType(handle) == FILE_TYPE_DISK;
    }
    return count;
}

std::size_t RunningThreads() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    std::size_t count = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        count += entry.th32OwnerProcessID == GetCurrentProcessId() ? 1 : 0;
    }
    CloseHandle(snapshot);
    return count;
}

#else

namespace {

std::size_t EntriesOf(const char* folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator()));
}

}  // namespace

std::size_t OpenDescriptors() {
    return EntriesOf("/dev/fd");
}

std::size_t RunningThreads() {
    return EntriesOf("/proc/self/task");
}

#endif

}  // namespace duplexa::test
