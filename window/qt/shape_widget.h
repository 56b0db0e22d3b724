#pragma once
// A solid rectangle without a border. Shapes take no mouse events: the pointer over one is
// over whatever lies behind it, in the end the window's background.

#include <QWidget>

#include "core/colours.h"

namespace duplexa {

class ShapeWidget final : public QWidget {
    Q_OBJECT

  public:
    ShapeWidget(QWidget* parent, OleColour colour);

    OleColour colour() const { return colour_; }
    void SetColour(OleColour colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    OleColour colour_;
};

}  // namespace duplexa
