#include "core/diff_count.h"

#include <algorithm>
#include <cstring>

namespace duplexa {
namespace {

// Byte-wide counters overflow after 255 steps, so the vector loop works in runs of that length.
std::size_t CountRun(const std::uint8_t* first, const std::uint8_t* second, std::size_t size) {
    std::size_t total = 0;
    while (size > 0) {
        const std::size_t run = std::min<std::size_t>(size, 255);
        std::uint8_t count = 0;
        for (std::size_t i = 0; i < run; ++i) {
            count = static_cast<std::uint8_t>(count + (first[i] != second[i]));
        }
        total += count;
        first += run;
        second += run;
        size -= run;
    }
    return total;
}

}  // namespace

std::size_t CountDifferences(const std::uint8_t* first, const std::uint8_t* second,
                             std::size_t size) {
    // Equal stretches are the common case; memcmp skips them at memory speed.
    constexpr std::size_t kStretch = 4096;
    std::size_t total = 0;
    for (std::size_t at = 0; at < size; at += kStretch) {
        const std::size_t length = std::min(kStretch, size - at);
        if (std::memcmp(first + at, second + at, length) != 0) {
            total += CountRun(first + at, second + at, length);
        }
    }
    return total;
}

}  // namespace duplexa
