#pragma once
// Puts captions on a label no more often than a person can follow. While throttled, a caption
// that comes too soon after the last one shown is held, and shown by a timer or by Flush();
// the latest caption always lands.

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

namespace duplexa {

class Label;

class CaptionThrottle final : public QObject {
    Q_OBJECT

  public:
    static constexpr int kIntervalMs = 33;  // about 30 captions a second

    explicit CaptionThrottle(Label& label);

    // Unthrottled captions are shown at once; throttled ones at most every kIntervalMs.
    void Show(const QString& caption, bool throttled);
    // Shows the held caption, if any, now.
    void Flush();
    bool holding() const { return held_.has_value(); }

  signals:
    // The caption is on the label now.
    void shown(const QString& caption);

  private:
    void Apply(const QString& caption);

    Label& label_;
    QElapsedTimer sinceShown_;
    QTimer flushTimer_;
    std::optional<QString> held_;
};

}  // namespace duplexa
