#include "window/qt/label.h"

#include <QMouseEvent>
#include <QPainter>

#include "window/qt/ole_colour.h"

namespace duplexa {

Label::Label(QWidget* parent)
    : QWidget(parent), backColour_(kSysButtonFace), foreColour_(kSysButtonText) {
    setMouseTracking(true);  // mouse moves without a pressed button, for the hover spots
}

void Label::SetCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void Label::SetRightAligned(bool right) {
    rightAligned_ = right;
    update();
}

void Label::SetBackColour(OleColour colour) {
    backColour_ = colour;
    update();
}

void Label::SetBackTransparent(bool transparent) {
    transparent_ = transparent;
    update();
}

void Label::SetForeColour(OleColour colour) {
    foreColour_ = colour;
    update();
}

void Label::SetUnderline(bool underline) {
    QFont underlined = font();
    underlined.setUnderline(underline);
    setFont(underlined);
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!transparent_) {
        painter.fillRect(rect(), ToQColor(backColour_));
    }
    painter.setPen(ToQColor(foreColour_));
    const Qt::Alignment horizontal = rightAligned_ ? Qt::AlignRight : Qt::AlignLeft;
    painter.drawText(rect(), static_cast<int>(horizontal | Qt::AlignTop | Qt::TextSingleLine),
                     caption_);
}

void Label::mousePressEvent(QMouseEvent* event) {
    event->accept();  // so that the release comes here and can make a click
}

void Label::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    event->accept();
}

}  // namespace duplexa
