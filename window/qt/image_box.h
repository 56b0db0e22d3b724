#pragma once
// A picture at its natural size in the top-left corner of the control; nothing else is drawn.
// A missing picture leaves the control empty.

#include <QPixmap>

#include "window/qt/clickable_widget.h"

namespace duplexa {

class ImageBox final : public ClickableWidget {
    Q_OBJECT

  public:
    ImageBox(QWidget* parent, const QPixmap& picture);

    const QPixmap& picture() const { return picture_; }
    // A flag whose language is in force is underlined in the scheme's highlight colour.
    bool marked() const { return marked_; }
    void SetMarked(bool marked);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap picture_;
    bool marked_ = false;
};

}  // namespace duplexa
