#include "window/qt/caption_throttle.h"

#include "window/qt/label.h"

namespace duplexa {

CaptionThrottle::CaptionThrottle(Label& label) : label_(label) {
    flushTimer_.setSingleShot(true);
    flushTimer_.setInterval(kIntervalMs);
    connect(&flushTimer_, &QTimer::timeout, this, &CaptionThrottle::Flush);
}

void CaptionThrottle::Show(std::string_view caption, bool throttled) {
    if (!throttled || !sinceShown_.isValid() || sinceShown_.elapsed() >= kIntervalMs) {
        Apply(caption);
        return;
    }
    if (held_) {
        held_->assign(caption);  // keeps its storage: no allocation per block
    } else {
        held_.emplace(caption);
    }
    if (!flushTimer_.isActive()) {
        flushTimer_.start(kIntervalMs - static_cast<int>(sinceShown_.elapsed()));
    }
}

void CaptionThrottle::Flush() {
    if (held_) {
        const std::string caption = std::move(*held_);  // Apply drops what is held
        Apply(caption);
    }
}

void CaptionThrottle::Apply(std::string_view caption) {
    held_.reset();
    flushTimer_.stop();
    const QString text = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    label_.SetCaption(text);
    sinceShown_.start();
    emit shown(text);
}

}  // namespace duplexa
