#include "window/qt/clickable_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

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
        PaintFocusMark(*this, painter, rect());
    }
}

void PaintFocusMark(QWidget& widget, QPainter& painter, const QRect& rect) {
    QStyleOptionFocusRect focus;
    focus.initFrom(&widget);
    focus.state |= QStyle::State_KeyboardFocusChange;
    focus.rect = rect;
    widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, &widget);
}

}  // namespace duplexa
