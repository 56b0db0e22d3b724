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
    sayNext_.setSingleShot(true);
    sayNext_.setInterval(0);
    QObject::connect(&sayNext_, &QTimer::timeout, &notice_, [this] { notice_.Say(toSay_); });
}

void ResultAnnouncer::Landed(const QString& caption, bool running) {
    if (!pacer_.Landed(caption.toStdString(), running, clock_.elapsed())) {
        return;
    }
    if (running) {
        toSay_ = caption;
        sayNext_.start();
        return;
    }
    QAccessibleEvent changed(&line_, QAccessible::NameChanged);  // its name is its caption
    QAccessible::updateAccessibility(&changed);
}

// A reader does not read a label's description when it takes the focus: the detail is said.
void ResultAnnouncer::Settled(const QString& detail) {
    const QString& verdict = line_.caption();
    const bool unsaid = sayNext_.isActive() && toSay_ == verdict;
    sayNext_.stop();
    notice_.hide();
    if (!pacer_.Settled(verdict.toStdString()) && !unsaid) {
        return;
    }
    QAccessibleEvent changed(&line_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    if (!line_.hasFocus()) {
        notice_.Say(detail.isEmpty() ? verdict : verdict + u' ' + detail);
    } else if (!detail.isEmpty()) {
        notice_.Say(detail);  // after the verdict, which the reader hears where the focus is
    }
}

}  // namespace duplexa
