#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

#include "runtime/fresh_pages.h"

namespace duplexa::native {

bool BringInPages(void* start, std::size_t bytes) {
#ifdef MADV_POPULATE_WRITE
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto begin = reinterpret_cast<std::uintptr_t>(start);
    const std::uintptr_t from = (begin + page - 1) / page * page;
    const std::uintptr_t to = (begin + bytes) / page * page;
    if (to <= from) {
        return false;
    }
    // Kernels before 5.14 do not know the advice and say EINVAL: nothing is lost.
    return ::madvise(reinterpret_cast<void*>(from), to - from, MADV_POPULATE_WRITE) == 0;
#else
    (void)start;
    (void)bytes;
    return false;
#endif
}

}  // namespace duplexa::native
