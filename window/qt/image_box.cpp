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
    event->accept();  // so that the release comes here and can make a click
}

void ImageBox::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    event->accept();
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    event->accept();
}

}  // namespace duplexa
