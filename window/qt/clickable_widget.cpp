#include "window/qt/clickable_widget.h"

#include <QMouseEvent>

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

}  // namespace duplexa
