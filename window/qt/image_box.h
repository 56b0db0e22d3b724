#pragma once
// A picture at its natural size in the top-left corner of the control; nothing else is drawn.
// A missing picture leaves the control empty.

#include <QPixmap>
#include <QWidget>

namespace duplexa {

class ImageBox final : public QWidget {
    Q_OBJECT

  public:
    ImageBox(QWidget* parent, const QPixmap& picture);

    const QPixmap& picture() const { return picture_; }

  signals:
    void clicked();
    void mouseMoved();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;  // a left press that the release may turn into a click
    QPixmap picture_;
};

}  // namespace duplexa
