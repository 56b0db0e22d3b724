#include "window/qt/caption_throttle.h"

#include <chrono>

#include "window/qt/label.h"

namespace duplexa {

CaptionThrottle::CaptionThrottle(Label& label)
    : CaptionThrottle(label, [] {
          return std::chrono::duration_cast<std::chrono::milliseconds>(
                     std::chrono::steady_clock::now().time_since_epoch())
              .count();
      }) {}

CaptionThrottle::CaptionThrottle(Label& label, std::function<std::int64_t()> milliseconds)
    : label_(label), milliseconds_(std::move(milliseconds)) {
    flushTimer_.setSingleShot(true);
    flushTimer_.setInterval(kIntervalMs);
    connect(&flushTimer_, &QTimer::timeout, this, &CaptionThrottle::Flush);
}

void CaptionThrottle::Show(std::string_view caption, bool throttled) {
    const std::int64_t since = shownAt_ ? milliseconds_() - *shownAt_ : kIntervalMs;
    if (!throttled || since >= kIntervalMs) {
        Apply(caption);
        return;
    }
    if (held_) {
        held_->assign(caption);  // keeps its storage: no allocation per block
    } else {
        held_.emplace(caption);
    }
    if (!flushTimer_.isActive()) {
        flushTimer_.start(kIntervalMs - static_cast<int>(since));
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
    shownAt_ = milliseconds_();
    emit shown(text);
}

}  // namespace duplexa
