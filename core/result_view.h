#pragma once
// What showing an outcome asks of the window: the result line, the result sign, where the files
// differ, and Compare.

#include <string>

#include "core/colours.h"
#include "core/diff_where.h"

namespace duplexa {

enum class Shape { sEqual1, sEqual2 };  // the two bars of the result sign

class ResultView {
  public:
    virtual void SetResultCaption(const std::string& text) = 0;  // lblResult
    virtual void SetShapeBackColour(Shape shape, OleColour colour) = 0;
    virtual void SetShapeVisible(Shape shape, bool visible) = 0;
    virtual void SetStrikeLineVisible(bool visible) = 0;
    virtual void SetCompareEnabled(bool enabled) = 0;  // comCompare
    // The map of where the files differ, along an edge of both boxes; null shows none.
    virtual void SetDifferenceMap(const DiffCells* cells) = 0;
    // What the result line tells besides its caption (its tooltip and description); empty for
    // nothing.
    virtual void SetResultDetail(const std::string& text) = 0;

  protected:
    ~ResultView() = default;
};

}  // namespace duplexa
