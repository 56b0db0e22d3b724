#include "runtime/mapped_window.h"

namespace duplexa {

// A mapped view whose page cannot be read in raises EXCEPTION_IN_PAGE_ERROR, which only
// structured exception handling recovers from, and this compiler has none that is safe to
// leave a handler through. So Windows offers no mapping: every comparison reads with ReadFile,
// exactly as when a POSIX system refuses one.
std::optional<MappedWindow> MappedWindow::Map(native::FileHandle, std::int64_t, std::size_t) {
    return std::nullopt;
}

void MappedWindow::Unmap(const std::uint8_t*, std::size_t) {}

const void* RunOnMappedPages(void (*work)(void*), void* context) {
    work(context);
    return nullptr;
}

}  // namespace duplexa
