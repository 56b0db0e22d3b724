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
                             std::size_t size, std::int64_t offset, DiffSpots& spots) {
    // Equal stretches are the common case; memcmp skips them at memory speed. A stretch ends
    // where a cell of the map does, so a differing one marks exactly its cell.
    constexpr std::size_t kStretch = 4096;
    std::size_t total = 0;
    std::size_t lastAt = 0;  // the last differing stretch
    std::size_t lastLength = 0;
    std::size_t at = 0;
    while (at < size) {
        const std::int64_t cellStart = offset + static_cast<std::int64_t>(at);
        const auto cellEnd = static_cast<std::size_t>(std::min<std::int64_t>(
            spots.NextCellStart(cellStart) - offset, static_cast<std::int64_t>(size)));
        bool marked = false;
        while (at < cellEnd) {
            const std::size_t length = std::min(kStretch, cellEnd - at);
            if (std::memcmp(first + at, second + at, length) != 0) {
                total += CountRun(first + at, second + at, length);
                if (!marked) {
                    spots.Mark(spots.CellOf(cellStart));
                    marked = true;
                }
                if (spots.WouldBeFirst(offset + static_cast<std::int64_t>(at))) {
                    std::size_t i = at;
                    while (first[i] == second[i]) {
                        ++i;
                    }
                    spots.SawFirst(offset + static_cast<std::int64_t>(i));
                }
                lastAt = at;
                lastLength = length;
            }
            at += length;
        }
    }
    // Only the last differing stretch can hold the last difference.
    if (lastLength > 0) {
        std::size_t i = lastAt + lastLength - 1;
        while (first[i] == second[i]) {
            --i;
        }
        spots.SawLast(offset + static_cast<std::int64_t>(i));
    }
    return total;
}

}  // namespace duplexa
