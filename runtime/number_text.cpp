#include "runtime/number_text.h"

#include <cmath>
#include <cstdio>

namespace duplexa {

std::string IntegerText(std::int64_t value) {
    return std::to_string(value);
}

std::string WholeNumberText(double value) {
    if (!std::isfinite(value)) {
        return "0";
    }
    double rounded = std::round(value);  // std::round takes halves away from zero
    if (rounded == 0.0) {
        rounded = 0.0;  // no "-0"
    }
    // Whole numbers this small print exactly as integers, without the slower float formatting.
    if (std::fabs(rounded) < 1e15) {
        return std::to_string(static_cast<long long>(rounded));
    }
    char text[400];
    std::snprintf(text, sizeof text, "%.0f", rounded);
    return text;
}

}  // namespace duplexa
