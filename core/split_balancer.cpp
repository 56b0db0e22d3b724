#include "core/split_balancer.h"

#include <algorithm>

namespace duplexa {

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
    const double wanted = static_cast<double>(firstLength) - static_cast<double>(length) / 2 +
                          helperLateBy / secondsPerByte / 2;
    const double limit = static_cast<double>(length) / 4;  // no further than a cut can go
    wanted_[recorded_++ % kRemembered] = std::clamp(wanted, -limit, limit);

    std::array<double, kRemembered> recent = wanted_;
    const std::size_t count = std::min(recorded_, kRemembered);
    const auto middle = recent.begin() + static_cast<std::ptrdiff_t>(count / 2);
    std::nth_element(recent.begin(), middle, recent.begin() + static_cast<std::ptrdiff_t>(count));
    shift_ = *middle;
}

}  // namespace duplexa
