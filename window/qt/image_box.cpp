#include "window/qt/image_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace duplexa {

ImageBox::ImageBox(QWidget* parent, const QPixmap& picture) : QWidget(parent), picture_(picture) {
    setMouseTracking(true);  // mouse moves without a pressed button, for the hover spots
}

void ImageBox::paintEvent(QPaintEvent*) {
    if (!picture_.isNull()) {
        QPainter(this).drawPixmap(0, 0, picture_);
    }
}

void ImageBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();  // so that the release comes here and can make a click
}

// The second press of a double-click makes no click of its own: the first one already did.
void ImageBox::mouseDoubleClickEvent(QMouseEvent* event) {
    pressed_ = false;
    event->accept();
}

void ImageBox::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    event->accept();
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) {
        emit clicked();
    }
}

}  // namespace duplexa
