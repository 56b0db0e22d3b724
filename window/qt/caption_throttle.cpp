#include "window/qt/caption_throttle.h"

#include "window/qt/label.h"

namespace duplexa {

CaptionThrottle::CaptionThrottle(Label& label) : label_(label) {
    flushTimer_.setSingleShot(true);
    flushTimer_.setInterval(kIntervalMs);
    connect(&flushTimer_, &QTimer::timeout, this, &CaptionThrottle::Flush);
}

void CaptionThrottle::Show(const QString& caption, bool throttled) {
    if (!throttled || !sinceShown_.isValid() || sinceShown_.elapsed() >= kIntervalMs) {
        Apply(caption);
        return;
    }
    held_ = caption;
    if (!flushTimer_.isActive()) {
        flushTimer_.start(kIntervalMs - static_cast<int>(sinceShown_.elapsed()));
    }
}

void CaptionThrottle::Flush() {
    if (held_) {
        const QString caption = std::move(*held_);  // Apply drops what is held
        Apply(caption);
    }
}

void CaptionThrottle::Apply(const QString& caption) {
    held_.reset();
    flushTimer_.stop();
    label_.SetCaption(caption);
    sinceShown_.start();
    emit shown(caption);
}

}  // namespace duplexa
