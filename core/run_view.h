#pragma once
// What a comparison run asks of the window besides the result line and sign.

#include <string>

#include "core/result_view.h"

namespace duplexa {

enum class DropMode { None = 0, Manual = 1 };

class RunView : public virtual ResultView {
  public:
    virtual void SetDropMode(int box, DropMode mode) = 0;  // lblFile(box)
    virtual void SetBoxForeColour(int box, OleColour colour) = 0;
    virtual void SetCompareCaption(const std::string& caption) = 0;
    virtual void SetCloseEnabled(bool enabled) = 0;  // ComClose

  protected:
    ~RunView() = default;
};

}  // namespace duplexa
