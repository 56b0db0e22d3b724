#pragma once

#include <cstddef>
#include <cstdint>

namespace duplexa {

// How many positions hold different bytes; every position counts, there is no early exit.
std::size_t CountDifferences(const std::uint8_t* first, const std::uint8_t* second,
                             std::size_t size);

}  // namespace duplexa
