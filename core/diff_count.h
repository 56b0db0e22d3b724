#pragma once

#include <cstddef>
#include <cstdint>

#include "core/diff_where.h"

namespace duplexa {

// How many positions hold different bytes; every position counts, there is no early exit.
// offset is where the bytes lie in the files; spots learns where they differ.
std::size_t CountDifferences(const std::uint8_t* first, const std::uint8_t* second,
                             std::size_t size, std::int64_t offset, DiffSpots& spots);

}  // namespace duplexa
