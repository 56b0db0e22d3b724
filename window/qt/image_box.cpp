#include "window/qt/image_box.h"

#include <QPainter>

namespace duplexa {

ImageBox::ImageBox(QWidget* parent, const QPixmap& picture)
    : ClickableWidget(parent), picture_(picture) {}

void ImageBox::paintEvent(QPaintEvent*) {
    if (!picture_.isNull()) {
        QPainter(this).drawPixmap(0, 0, picture_);
    }
}

}  // namespace duplexa
