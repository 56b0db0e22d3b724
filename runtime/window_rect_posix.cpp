#include "runtime/window_rect.h"

namespace duplexa {

// The toolkit's cursor and its window geometry share one coordinate space here.
std::optional<ScreenRect> NativeOuterRect(NativeWindowHandle) {
    return std::nullopt;
}

}  // namespace duplexa
