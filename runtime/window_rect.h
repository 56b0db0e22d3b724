#pragma once
// The outer rectangle of a window on the screen, frame and title bar included, in the same
// pixels as the pointer position of pointer_position.h.

#include <optional>

#include "runtime/homepage_opener.h"

namespace duplexa {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The system's own rectangle of window (user32 on Windows, whose pointer position is in
// physical pixels whatever the display scaling). Empty where the window toolkit's own
// geometry is in the pointer's pixels already, or when it cannot be read.
std::optional<ScreenRect> NativeOuterRect(NativeWindowHandle window);

}  // namespace duplexa
