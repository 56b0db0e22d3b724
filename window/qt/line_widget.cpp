#include "window/qt/line_widget.h"

#include <QPainter>
#include <QRect>

#include "window/qt/ole_colour.h"

namespace duplexa {

LineWidget::LineWidget(QWidget* parent, QPoint from, QPoint to, int width, OleColour colour)
    : QWidget(parent), from_(from), to_(to), width_(width), colour_(colour) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Room for half the pen on every side of the end points.
    const int pad = width_ / 2 + (width_ > 1 ? 1 : 0);
    const QRect box = QRect(from_, to_).normalized().adjusted(-pad, -pad, pad, pad);
    setGeometry(box);
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Thick lines are drawn smooth; a one-pixel line stays on its pixel row.
    painter.setRenderHint(QPainter::Antialiasing, width_ > 1);
    painter.setPen(QPen(ToQColor(colour_), width_, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from_ - pos(), to_ - pos());
}

}  // namespace duplexa
