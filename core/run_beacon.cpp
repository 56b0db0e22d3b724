#include "core/run_beacon.h"

#include <algorithm>
#include <chrono>

#include "core/language.h"
#include "core/text_catalogue.h"

namespace duplexa {

std::int64_t SteadyMilliseconds() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
}

void RunBeacon::Started() {
    desktop_.ShowProgress(0);
    shownAt_ = clock_();
    desktop_.HoldSleep(PickText(TXT_COMPARING_FILES.hu, TXT_COMPARING_FILES.en));
}

void RunBeacon::BlockDone(std::int64_t done, std::int64_t total) {
    const std::int64_t now = clock_();
    if (now - shownAt_ < kPaceMilliseconds) {
        return;
    }
    shownAt_ = now;
    desktop_.ShowProgress(static_cast<double>(std::min(done, total)) / static_cast<double>(total));
}

void RunBeacon::Ended() {
    desktop_.HideProgress();
    desktop_.ReleaseSleep();
    if (!desktop_.WindowActive()) {
        desktop_.AskAttention();
    }
}

}  // namespace duplexa
