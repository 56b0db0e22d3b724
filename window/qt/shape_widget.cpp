#include "window/qt/shape_widget.h"

#include <QPainter>

#include "window/qt/ole_colour.h"

namespace duplexa {

ShapeWidget::ShapeWidget(QWidget* parent, OleColour colour) : QWidget(parent), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::SetColour(OleColour colour) {
    colour_ = colour;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(colour_));
}

}  // namespace duplexa
