#pragma once
// The handlers keep the design's pixels at 96 dpi; the screen may have more.

#include <cmath>

#include "window/win32/form_controls.h"
#include "window/win32/win32_api.h"

namespace duplexa::win32 {

struct Scale {
    int dotsPerInch = 96;

    int ToDevice(float logical) const {
        return static_cast<int>(std::lround(logical * static_cast<float>(dotsPerInch) / 96.0f));
    }
    float ToLogical(int device) const {
        return static_cast<float>(device) * 96.0f / static_cast<float>(dotsPerInch);
    }
    RECT ToDevice(const LogicalRect& rect) const {
        const int left = ToDevice(rect.left);
        const int top = ToDevice(rect.top);
        return {left, top, ToDevice(rect.left + rect.width), ToDevice(rect.top + rect.height)};
    }
};

}  // namespace duplexa::win32
