#include "window/qt/clickable_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace duplexa {

ClickableWidget::ClickableWidget(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);  // mouse moves without a pressed button, for the hover spots
}

void ClickableWidget::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();  // so that the release comes here and can make a click
}

// The second press of a double-click makes no click of its own: the first one already did.
void ClickableWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    pressed_ = false;
    event->accept();
}

void ClickableWidget::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    event->accept();
}

void ClickableWidget::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) {
        emit clicked();
    }
}

void ClickableWidget::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const int key = event->key();
    if (plain && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        event->accept();
        emit keyPressed();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ClickableWidget::PaintFocus(QPainter& painter) {
    if (hasFocus()) {
        PaintFocusMark(painter, rect());
    }
}

// Black and white dots in turn, as the classic focus rectangle: one of the two reads on any
// back, the light green and red boxes and every scheme included. Opaque one-pixel fills only:
// Qt blends smoothed and see-through shapes on helper threads, and where none can be started
// (a process out of address space) the painter waits for them for ever.
void PaintFocusMark(QPainter& painter, const QRect& rect) {
    int dots = 0;
    const auto dot = [&](int x, int y) {
        painter.fillRect(x, y, 1, 1, dots++ % 2 == 0 ? Qt::black : Qt::white);
    };
    for (int x = rect.left(); x < rect.right(); ++x) {
        dot(x, rect.top());
    }
    for (int y = rect.top(); y < rect.bottom(); ++y) {
        dot(rect.right(), y);
    }
    for (int x = rect.right(); x > rect.left(); --x) {
        dot(x, rect.bottom());
    }
    for (int y = rect.bottom(); y > rect.top(); --y) {
        dot(rect.left(), y);
    }
}

}  // namespace duplexa
