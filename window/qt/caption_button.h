#pragma once
// A push button whose caption breaks over lines at its spaces when the button is too narrow
// for it on one line ("Össze- hasonlítás" in the 73-pixel Compare button).

#include <QPushButton>

namespace duplexa {

class CaptionButton final : public QPushButton {
    Q_OBJECT

  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace duplexa
