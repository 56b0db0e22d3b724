#include "core/method_chooser.h"

namespace duplexa {

bool MethodChooser::UseMapping() {
    const int window = window_++;
    if (refused_ || method_ == ReadMethod::Reading) {
        return false;
    }
    if (method_ == ReadMethod::Mapping) {
        return true;
    }
    const auto& reading = secondsPerByte_[0];
    const auto& mapping = secondsPerByte_[1];
    if (!mapping || !reading) {
        return !mapping;  // each is tried once before any choice
    }
    const bool mappingQuicker = *mapping <= *reading;
    return window % kRetryEvery == 0 ? !mappingQuicker : mappingQuicker;
}

void MethodChooser::Record(bool mapped, std::size_t bytes, double seconds) {
    if (bytes == 0) {
        return;
    }
    // Half the weight on the newest figure: one window upset by a busy moment does not decide.
    const double cost = seconds / static_cast<double>(bytes);
    auto& kept = secondsPerByte_[mapped ? 1 : 0];
    kept = kept ? (*kept + cost) / 2 : cost;
}

}  // namespace duplexa
