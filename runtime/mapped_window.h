#pragma once
// Read-only views of a stretch of an open file, so bytes can be compared where the system
// keeps them instead of being copied out first. One implementation per platform.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>

#include "runtime/native_file.h"

namespace duplexa {

class MappedWindow {
  public:
    // Offsets must be multiples of this, which suits every platform's mapping granularity.
    static constexpr std::int64_t kAlignment = 0x200000;

    // Maps size bytes from offset; empty when the system refuses (pseudo-files, some network
    // or FUSE file systems, no address space left), so the caller reads instead.
    static std::optional<MappedWindow> Map(native::FileHandle file, std::int64_t offset,
                                           std::size_t size);

    MappedWindow(MappedWindow&& other) noexcept
        : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}
    MappedWindow& operator=(MappedWindow&& other) noexcept {
        std::swap(data_, other.data_);
        std::swap(size_, other.size_);
        return *this;
    }
    MappedWindow(const MappedWindow&) = delete;
    MappedWindow& operator=(const MappedWindow&) = delete;
    ~MappedWindow() {
        if (data_ != nullptr) {
            Unmap(data_, size_);
        }
    }

    const std::uint8_t* data() const { return data_; }
    std::size_t size() const { return size_; }
    bool Holds(const void* address) const {
        const auto* byte = static_cast<const std::uint8_t*>(address);
        return data_ != nullptr && byte >= data_ && byte < data_ + size_;
    }

  private:
    MappedWindow(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    static void Unmap(const std::uint8_t* data, std::size_t size);

    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

// Runs work, which reads mapped pages. A page that cannot be brought in (the file was cut short
// under the mapping, or its device failed) abandons the work at once: the address that failed is
// returned, nullptr when the work finished. Work that may be abandoned must own nothing that
// needs cleaning up, since no destructor of it runs.
const void* RunOnMappedPages(void (*work)(void*), void* context);

}  // namespace duplexa
