#pragma once
// A straight line of a given colour and width between two points of its container. The widget
// covers only the line's bounding box, paints nothing else and takes no mouse events.

#include <QPoint>
#include <QWidget>

#include "core/colours.h"

namespace duplexa {

class LineWidget final : public QWidget {
    Q_OBJECT

  public:
    LineWidget(QWidget* parent, QPoint from, QPoint to, int width, OleColour colour);

    QPoint from() const { return from_; }
    QPoint to() const { return to_; }
    int lineWidth() const { return width_; }
    OleColour colour() const { return colour_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPoint from_;
    QPoint to_;
    int width_;
    OleColour colour_;
};

}  // namespace duplexa
