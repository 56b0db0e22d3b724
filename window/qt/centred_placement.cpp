#include "window/qt/centred_placement.h"

#include <QMargins>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace duplexa {
namespace {

constexpr int kFrameLookInterval = 20;  // milliseconds
constexpr int kFrameLooks = 50;         // a window manager frames a window well within a second

// Asked of the native window each time: the widget's own copy of the frame is refreshed only
// by some later events.
QMargins Frame(const QWidget& window) {
    const QWindow* native = window.windowHandle();
    return native != nullptr ? native->frameMargins() : QMargins();
}

void Centre(QWidget& window, const QMargins& frame) {
    QWindow* native = window.windowHandle();
    const QScreen* screen = window.screen();
    if (native != nullptr && screen != nullptr) {
        native->setFramePosition(
            CentredFramePosition(screen->availableGeometry(), window.size().grownBy(frame)));
    }
}

}  // namespace

QPoint CentredFramePosition(const QRect& available, const QSize& outer) {
    return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, outer, available).topLeft();
}

void ShowCentred(QWidget& window) {
    window.winId();  // some systems (Windows) know the frame once the native window exists
    const QMargins guessed = Frame(window);
    Centre(window, guessed);
    window.show();
    const QPoint placed = window.geometry().topLeft();

    auto* look = new QTimer(&window);
    look->setInterval(kFrameLookInterval);
    QObject::connect(look, &QTimer::timeout, &window,
                     [&window, look, guessed, placed, left = kFrameLooks]() mutable {
                         const QMargins frame = Frame(window);
                         const bool known = !frame.isNull();
                         if (known && frame != guessed && window.geometry().topLeft() == placed) {
                             Centre(window, frame);
                         }
                         if (known || --left == 0) {
                             look->deleteLater();
                         }
                     });
    look->start();
}

}  // namespace duplexa
