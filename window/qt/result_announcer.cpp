#include "window/qt/result_announcer.h"

#include <QAccessible>

#include "window/qt/label.h"

namespace duplexa {

Notice::Notice(QWidget& line) : QWidget(&line) {
    setObjectName(QStringLiteral("notice"));
    setGeometry(0, 0, 0, 0);
    hide();
}

// Coming into view is what a reader hears.
void Notice::Say(const QString& text) {
    hide();
    setAccessibleName(text);
    show();
}

ResultAnnouncer::ResultAnnouncer(Label& line) : line_(line), notice_(line) {
    clock_.start();
}

void ResultAnnouncer::Landed(const QString& caption, bool running) {
    if (!pacer_.Landed(caption.toStdString(), running, clock_.elapsed())) {
        return;
    }
    if (running) {
        notice_.Say(caption);
        return;
    }
    QAccessibleEvent changed(&line_, QAccessible::NameChanged);  // its name is its caption
    QAccessible::updateAccessibility(&changed);
}

void ResultAnnouncer::Settled() {
    notice_.hide();
    Landed(line_.caption(), false);
}

}  // namespace duplexa
