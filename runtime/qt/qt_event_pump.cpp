#include "runtime/qt/qt_event_pump.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace duplexa {

void QtEventPump::RunPendingEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace duplexa
