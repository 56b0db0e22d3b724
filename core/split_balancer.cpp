#include "core/split_balancer.h"

#include <algorithm>

namespace duplexa {
namespace {

// Half the imbalance is corrected per block: quick to settle, but a single long event turn
// (the window being dragged) cannot throw the cut to its limit at once.
constexpr double kGain = 0.5;

}  // namespace

std::size_t SplitBalancer::FirstPart(std::size_t length) const {
    const double quarter = static_cast<double>(length) / 4;
    const double wanted =
        std::clamp(static_cast<double>(length) / 2 + shift_, quarter, 3 * quarter);
    return std::max(static_cast<std::size_t>(wanted) / kPage * kPage, kPage);
}

void SplitBalancer::Record(std::size_t length, std::size_t firstLength, double firstSeconds,
                           double helperLateBy) {
    if (firstLength == 0 || firstSeconds <= 0) {
        return;
    }
    const double secondsPerByte = firstSeconds / static_cast<double>(firstLength);
    // Moving one byte over changes the gap between the two by two bytes' time.
    const double step = helperLateBy / secondsPerByte / 2 * kGain;
    const double limit = static_cast<double>(length) / 4;  // no further than a cut can go
    shift_ = std::clamp(shift_ + step, -limit, limit);
}

}  // namespace duplexa
