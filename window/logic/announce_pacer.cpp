#include "window/logic/announce_pacer.h"

namespace duplexa {

bool AnnouncePacer::Landed(const std::string& caption, bool running, std::int64_t nowMs) {
    if (!running) {
        progressHeard_ = false;  // the next run starts its progress afresh
        return Settled(caption);
    }
    if (caption.empty() || caption == lastHeard_ ||
        (progressHeard_ && nowMs - lastProgressMs_ < kProgressIntervalMs)) {
        return false;
    }
    progressHeard_ = true;
    lastProgressMs_ = nowMs;
    lastHeard_ = caption;
    return true;
}

bool AnnouncePacer::Settled(const std::string& caption) {
    progressHeard_ = false;
    if (caption == lastHeard_) {
        return false;
    }
    // A blank line says nothing, but lets the same verdict be heard again after it.
    lastHeard_ = caption;
    return !caption.empty();
}

}  // namespace duplexa
