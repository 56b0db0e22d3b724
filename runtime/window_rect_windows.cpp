#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "runtime/window_rect.h"

namespace duplexa {

std::optional<ScreenRect> NativeOuterRect(NativeWindowHandle window) {
    RECT rect{};
    if (window == 0 || !::GetWindowRect(reinterpret_cast<HWND>(window), &rect)) {
        return std::nullopt;
    }
    return ScreenRect{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace duplexa
