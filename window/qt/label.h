#pragma once
// A caption painted in its own font and colours, the way the window's labels look: text at the
// top, left- or right-aligned, on an opaque or a transparent background. The text is always
// plain, never markup.

#include <QString>

#include "core/colours.h"
#include "window/qt/clickable_widget.h"

namespace duplexa {

class Label : public ClickableWidget {
    Q_OBJECT

  public:
    explicit Label(QWidget* parent = nullptr);

    const QString& caption() const { return caption_; }
    virtual void SetCaption(const QString& caption);

    void SetRightAligned(bool right);
    void SetBackColour(OleColour colour);
    OleColour backColour() const { return backColour_; }
    // A transparent label paints only its text; whatever lies behind shows through.
    void SetBackTransparent(bool transparent);
    void SetForeColour(OleColour colour);
    OleColour foreColour() const { return foreColour_; }
    void SetUnderline(bool underline);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString caption_;
    bool rightAligned_ = false;
    bool transparent_ = false;
    OleColour backColour_;
    OleColour foreColour_;
};

}  // namespace duplexa
