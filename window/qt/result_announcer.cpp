#include "window/qt/result_announcer.h"

#include <QAccessible>

#include "window/qt/label.h"

namespace duplexa {

ResultAnnouncer::ResultAnnouncer(Label& line) : line_(line) {
    clock_.start();
}

void ResultAnnouncer::Landed(const QString& caption, bool running) {
    if (pacer_.Landed(caption.toStdString(), running, clock_.elapsed())) {
        Announce();
    }
}

void ResultAnnouncer::Settled() {
    if (pacer_.Settled(line_.caption().toStdString())) {
        Announce();
    }
}

// The line's name is its caption: a reader hears the new name.
void ResultAnnouncer::Announce() {
    QAccessibleEvent changed(&line_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

}  // namespace duplexa
