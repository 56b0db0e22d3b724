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
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();  // so that the release comes here and can make a click
}

// The second press of a double-click makes no click of its own: the first one already did.
void Label::mouseDoubleClickEvent(QMouseEvent* event) {
    pressed_ = false;
    event->accept();
}

void Label::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) {
        emit clicked();
    }
}

}  // namespace duplexa
