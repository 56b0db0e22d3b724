#include "runtime/qt/window_gone_watch.h"

namespace duplexa {
namespace {

// DestroyWindow refuses a window of another thread, so a window here goes only by closing.
class NoWindowGoneWatch final : public WindowGoneWatch {};

}  // namespace

std::unique_ptr<WindowGoneWatch> WatchForWindowGone(std::function<NativeWindowHandle()>,
                                                    std::function<void()>) {
    return std::make_unique<NoWindowGoneWatch>();
}

}  // namespace duplexa
