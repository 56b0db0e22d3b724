#pragma once
// Puts captions on a label no more often than a person can follow. While throttled, a caption
// that comes too soon after the last one shown is held, and shown by a timer or by Flush();
// the latest caption always lands. Captions come as UTF-8 and are made into a QString only
// when shown: during a run most are held and replaced without ever being shown.

#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace duplexa {

class Label;

class CaptionThrottle final : public QObject {
    Q_OBJECT

  public:
    static constexpr int kIntervalMs = 33;  // about 30 captions a second

    explicit CaptionThrottle(Label& label);
    // With a clock of its own, in milliseconds, so that tests need not race the real one.
    CaptionThrottle(Label& label, std::function<std::int64_t()> milliseconds);

    // Unthrottled captions are shown at once; throttled ones at most every kIntervalMs.
    void Show(std::string_view caption, bool throttled);
    // Shows the held caption, if any, now.
    void Flush();

  signals:
    // The caption is on the label now.
    void shown(const QString& caption);

  private:
    void Apply(std::string_view caption);

    Label& label_;
    std::function<std::int64_t()> milliseconds_;
    std::optional<std::int64_t> shownAt_;
    QTimer flushTimer_;
    std::optional<std::string> held_;
};

}  // namespace duplexa
