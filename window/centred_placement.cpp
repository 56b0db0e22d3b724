#include "window/centred_placement.h"

#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>

namespace duplexa {
namespace {

constexpr int kFrameLookInterval = 20;  // milliseconds
constexpr int kFrameLooks = 50;         // a window manager frames a window well within a second

bool Framed(const QWidget& window) {
    return window.frameGeometry().size() != window.size();
}

// Places window centred with what is known of its frame; returns where the client area went.
QPoint Centre(QWidget& window) {
    if (const QScreen* screen = window.screen()) {
        // move() places the outer corner of a window once its frame is known.
        window.move(
            CentredFramePosition(screen->availableGeometry(), window.frameGeometry().size()));
    }
    return window.geometry().topLeft();
}

}  // namespace

QPoint CentredFramePosition(const QRect& available, const QSize& outer) {
    return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, outer, available).topLeft();
}

void ShowCentred(QWidget& window) {
    window.winId();  // some systems (Windows) know the frame once the native window exists
    const QPoint placed = Centre(window);
    window.show();
    if (Framed(window)) {
        return;
    }
    auto* look = new QTimer(&window);
    look->setInterval(kFrameLookInterval);
    QObject::connect(look, &QTimer::timeout, &window,
                     [&window, look, placed, left = kFrameLooks]() mutable {
                         const bool framed = Framed(window);
                         if (framed && window.geometry().topLeft() == placed) {
                             Centre(window);
                         }
                         if (framed || --left == 0) {
                             look->deleteLater();
                         }
                     });
    look->start();
}

}  // namespace duplexa
