#pragma once
// A painted control that reports pointer moves and turns a left press and its release into a
// click, the way the window's labels and pictures behave.

#include <QWidget>

namespace duplexa {

class ClickableWidget : public QWidget {
    Q_OBJECT

  public:
    explicit ClickableWidget(QWidget* parent);

  signals:
    void clicked();
    void mouseMoved();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;  // a left press that the release may turn into a click
};

}  // namespace duplexa
