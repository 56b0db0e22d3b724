#pragma once
// Runs the application's event loop the way the program does, starting with one scripted step,
// and gives up with status 3 after 30 s so a window that never ends the program cannot hang
// the suite.

#include <QApplication>
#include <QTimer>
#include <functional>

namespace duplexa::test {

enum class LastWindowClosed { KeepsRunning, Quits };

inline int RunProgramLoop(const std::function<void()>& firstStep, LastWindowClosed rule) {
    QTimer first;
    first.setSingleShot(true);
    QObject::connect(&first, &QTimer::timeout, firstStep);
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QApplication::exit(3); });

    QApplication::setQuitOnLastWindowClosed(rule == LastWindowClosed::Quits);
    first.start(0);
    giveUp.start(30000);
    const int status = QApplication::exec();
    QApplication::setQuitOnLastWindowClosed(false);
    return status;
}

}  // namespace duplexa::test
