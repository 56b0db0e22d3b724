#include "core/diff_where.h"

namespace duplexa {

void DiffSpots::Join(const DiffSpots& other) {
    if (other.first_ >= 0) {
        SawFirst(other.first_);
        SawLast(other.last_);
    }
    cells_ |= other.cells_;
}

DiffWhere DiffSpots::Where() const {
    if (first_ < 0) {
        return {};
    }
    return {first_ + 1, last_ + 1, cells_};
}

}  // namespace duplexa
