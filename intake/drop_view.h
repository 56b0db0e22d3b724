#pragma once
// What taking a dropped file asks of the window besides the result line and sign.

#include <string>

#include "core/result_view.h"

namespace duplexa {

class DropView : public virtual ResultView {
  public:
    virtual void SetBoxText(int box, const std::string& text) = 0;  // lblFile(box)
    virtual void SetBoxBackColour(int box, OleColour colour) = 0;

  protected:
    ~DropView() = default;
};

}  // namespace duplexa
