#pragma once
// A borderless frame: a container that paints its back colour and nothing else. Mouse events
// over it stay with it, as with any control that has no handler for them.

#include <QWidget>

#include "core/colours.h"

namespace duplexa {

class FrameWidget final : public QWidget {
    Q_OBJECT

  public:
    FrameWidget(QWidget* parent, OleColour backColour);

    OleColour backColour() const { return backColour_; }
    void SetBackColour(OleColour colour);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    OleColour backColour_;
};

}  // namespace duplexa
