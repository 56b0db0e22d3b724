#include "window/qt/image_box.h"

#include <QPainter>

namespace duplexa {
namespace {

constexpr int kMarkHeight = 2;  // of the flag's 20 rows

}  // namespace

ImageBox::ImageBox(QWidget* parent, const QPixmap& picture)
    : ClickableWidget(parent), picture_(picture) {}

void ImageBox::SetMarked(bool marked) {
    marked_ = marked;
    update();
}

void ImageBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!picture_.isNull()) {
        painter.drawPixmap(0, 0, picture_);
    }
    if (marked_) {
        painter.fillRect(QRect(0, height() - kMarkHeight, width(), kMarkHeight),
                         palette().color(QPalette::Highlight));
    }
    PaintFocus(painter);
}

}  // namespace duplexa
