#include "window/qt/auto_size_label.h"

#include <QEvent>
#include <QFontMetrics>

namespace duplexa {

void AutoSizeLabel::SetCaption(const QString& caption) {
    Label::SetCaption(caption);
    FitCaption();
}

void AutoSizeLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        FitCaption();
    }
    Label::changeEvent(event);
}

void AutoSizeLabel::FitCaption() {
    const QFontMetrics metrics(font());
    resize(metrics.horizontalAdvance(caption()), metrics.height());
}

}  // namespace duplexa
