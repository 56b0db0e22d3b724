#pragma once
// The fonts of the design table, made once per size and underline and kept until the window
// goes.

#include <map>
#include <string>
#include <tuple>

#include "window/design/control_design.h"
#include "window/win32/win32_api.h"

namespace duplexa::win32 {

class FontCache {
  public:
    FontCache() = default;
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;
    ~FontCache();

    // The font at dotsPerInch (96 gives the design's own pixel sizes).
    HFONT Get(const FontDesign& font, bool underline, int dotsPerInch);

  private:
    std::map<std::tuple<std::string, int, bool, bool, int>, HFONT> fonts_;
};

}  // namespace duplexa::win32
