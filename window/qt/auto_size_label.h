#pragma once
// A label that takes the size of its caption in its font whenever the caption or the font
// changes; its left and top stay. The new size holds as soon as SetCaption returns.

#include "window/qt/label.h"

namespace duplexa {

class AutoSizeLabel final : public Label {
    Q_OBJECT

  public:
    using Label::Label;

    void SetCaption(const QString& caption) override;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void FitCaption();
};

}  // namespace duplexa
