#pragma once
// What showing an outcome asks of the window: the result line, the result sign and Compare.

#include <string>

#include "core/colours.h"

namespace duplexa {

enum class Shape { sEqual1, sEqual2 };  // the two bars of the result sign

class ResultView {
  public:
    virtual void SetResultCaption(const std::string& text) = 0;  // lblResult
    virtual void SetShapeBackColour(Shape shape, OleColour colour) = 0;
    virtual void SetShapeVisible(Shape shape, bool visible) = 0;
    virtual void SetStrikeLineVisible(bool visible) = 0;
    virtual void SetCompareEnabled(bool enabled) = 0;  // comCompare

  protected:
    ~ResultView() = default;
};

}  // namespace duplexa
