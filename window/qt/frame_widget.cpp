#include "window/qt/frame_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "window/qt/ole_colour.h"

namespace duplexa {

FrameWidget::FrameWidget(QWidget* parent, OleColour backColour)
    : QWidget(parent), backColour_(backColour) {
    setMouseTracking(true);
}

void FrameWidget::SetBackColour(OleColour colour) {
    backColour_ = colour;
    update();
}

void FrameWidget::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), ToQColor(backColour_));
}

void FrameWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void FrameWidget::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

}  // namespace duplexa
