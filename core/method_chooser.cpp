#include "core/method_chooser.h"

#include <algorithm>

namespace duplexa {

bool MethodChooser::UseMapping() {
    const int window = window_++;
    if (refused_ || method_ == ReadMethod::Reading) {
        return false;
    }
    if (method_ == ReadMethod::Mapping) {
        return true;
    }
    const auto reading = Cost(false);
    const auto mapping = Cost(true);
    if (!mapping || !reading) {
        return !mapping;  // each is tried once before any choice
    }
    const bool mappingQuicker = *mapping <= *reading;
    if (mappingWasQuicker_ && *mappingWasQuicker_ != mappingQuicker) {
        wait_ = kRetryEvery;
        nextRetry_ = window + wait_;
    }
    mappingWasQuicker_ = mappingQuicker;
    if (window < nextRetry_) {
        return mappingQuicker;
    }
    wait_ = std::min(2 * wait_, kLongestWait);
    nextRetry_ = window + wait_;
    return !mappingQuicker;
}

void MethodChooser::Record(bool mapped, std::size_t bytes, double seconds) {
    if (bytes == 0) {
        return;
    }
    auto& last = lastCosts_[mapped ? 1 : 0];
    last[1] = last[0];
    last[0] = seconds / static_cast<double>(bytes);
}

std::optional<double> MethodChooser::Cost(bool mapped) const {
    // The lower of the last two: other work on the machine only ever adds time, so one window
    // upset by a busy moment does not decide.
    const auto& last = lastCosts_[mapped ? 1 : 0];
    if (!last[1]) {
        return last[0];
    }
    return std::min(*last[0], *last[1]);
}

}  // namespace duplexa
