#include "window/win32/font_cache.h"

#include <cmath>

#include "runtime/wide_text_windows.h"

namespace duplexa::win32 {

FontCache::~FontCache() {
    for (auto& entry : fonts_) {
        DeleteObject(entry.second);
    }
}

HFONT FontCache::Get(const FontDesign& font, bool underline, int dotsPerInch) {
    const int hundredths = static_cast<int>(std::lround(font.points * 100));
    const auto key =
        std::make_tuple(std::string(font.family), hundredths, font.bold, underline, dotsPerInch);
    if (const auto found = fonts_.find(key); found != fonts_.end()) {
        return found->second;
    }
    // A negative height asks for the character height without the internal leading, as a
    // point size means.
    const int height = -static_cast<int>(std::lround(font.points * dotsPerInch / 72.0));
    const HFONT made = CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE,
                                   underline ? TRUE : FALSE, FALSE, EASTEUROPE_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                   DEFAULT_PITCH | FF_DONTCARE, Widen(font.family).c_str());
    fonts_.emplace(key, made);
    return made;
}

}  // namespace duplexa::win32
