#pragma once
// How numbers appear in the texts the user reads.

#include <cstdint>
#include <string>

namespace duplexa {

// A plain decimal: leading minus for negatives, no separators, no padding.
std::string IntegerText(std::int64_t value);

// The format "0": the nearest whole number, halves rounded away from zero.
std::string WholeNumberText(double value);

}  // namespace duplexa
