#pragma once
// Where two files of one length differ: the first and the last differing byte, 1-based as cmp
// counts them, and a coarse map of the length cut into kMapCells equal cells, each set when any
// byte in it differs.

#include <algorithm>
#include <bitset>
#include <cstddef>
#include <cstdint>

namespace duplexa {

// Enough that a cell is at most one device pixel of the longest strip the window draws the
// map in (the stacked boxes, 457 pixels, at 200 %).
inline constexpr std::size_t kMapCells = 1024;
using DiffCells = std::bitset<kMapCells>;

struct DiffWhere {
    std::int64_t first = 0;
    std::int64_t last = 0;
    DiffCells cells;
    friend bool operator==(const DiffWhere&, const DiffWhere&) = default;
};

// What one thread learns of where the files differ, from stretches in any order. Cell c holds
// the 0-based offsets o with o * kMapCells / size == c.
class DiffSpots {
  public:
    explicit DiffSpots(std::int64_t size) : size_(size) {}

    std::size_t CellOf(std::int64_t offset) const {
        return static_cast<std::size_t>(offset * static_cast<std::int64_t>(kMapCells) / size_);
    }
    // The first offset of the cell after the one offset lies in.
    std::int64_t NextCellStart(std::int64_t offset) const {
        const auto next = static_cast<std::int64_t>(CellOf(offset)) + 1;
        constexpr auto kCells = static_cast<std::int64_t>(kMapCells);
        return (next * size_ + kCells - 1) / kCells;
    }

    void Mark(std::size_t cell) { cells_.set(cell); }
    // True while a difference at offset would be the first yet.
    bool WouldBeFirst(std::int64_t offset) const { return first_ < 0 || offset < first_; }
    void SawFirst(std::int64_t offset) {
        if (WouldBeFirst(offset)) {
            first_ = offset;
        }
    }
    void SawLast(std::int64_t offset) { last_ = std::max(last_, offset); }

    // Adds what another thread found.
    void Join(const DiffSpots& other);
    // Nothing (all zero) when no byte differs.
    DiffWhere Where() const;

  private:
    std::int64_t size_;
    std::int64_t first_ = -1;  // 0-based offsets, -1 until found
    std::int64_t last_ = -1;
    DiffCells cells_;
};

}  // namespace duplexa
