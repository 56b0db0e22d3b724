#pragma once
// A painted control that reports pointer moves and turns a left press and its release into a
// click, the way the window's labels and pictures behave.

#include <QWidget>

class QPainter;

namespace duplexa {

class ClickableWidget : public QWidget {
    Q_OBJECT

  public:
    explicit ClickableWidget(QWidget* parent);

  signals:
    void clicked();
    void mouseMoved();
    // Enter or Space while it has the focus.
    void keyPressed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    // The focus mark inside the control while it has the focus.
    void PaintFocus(QPainter& painter);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;  // a left press that the release may turn into a click
};

// The focus mark on the edge of rect, also when the focus came by a click or at start, not only
// by Tab: keyboard users see where Enter acts.
void PaintFocusMark(QPainter& painter, const QRect& rect);

}  // namespace duplexa
