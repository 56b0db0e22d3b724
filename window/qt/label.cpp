#include "window/qt/label.h"

#include <QPainter>

#include "window/qt/frm_main_controls.h"
#include "window/qt/ole_colour.h"

namespace duplexa {

Label::Label(QWidget* parent)
    : ClickableWidget(parent), backColour_(kSysButtonFace), foreColour_(kSysButtonText) {}

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
    const std::optional<Control> id = ControlIdOf(*this);
    const ColourScheme scheme = CurrentScheme();
    const TextColours colours =
        id ? TextColoursOf(*id, foreColour_, backColour_, scheme)
           : TextColours{Resolve(backColour_, scheme),
                         ReadableText(foreColour_, Resolve(backColour_, scheme), scheme)};
    if (!transparent_) {
        painter.fillRect(rect(), ToQColor(colours.back));
    }
    painter.setPen(ToQColor(colours.text));
    const Qt::Alignment horizontal = rightAligned_ ? Qt::AlignRight : Qt::AlignLeft;
    painter.drawText(rect(), static_cast<int>(horizontal | Qt::AlignTop | Qt::TextSingleLine),
                     caption_);
    PaintFocus(painter);
}

}  // namespace duplexa
