#pragma once
// Notices a window that the window system destroyed from outside the program, without asking
// it to close first: on X11 any client may destroy any window (xdotool windowclose, xkill's
// cousins). On Windows only the thread that made a window can destroy it, and the Qt window is
// not built there.

#include <functional>
#include <memory>

#include "runtime/homepage_opener.h"

namespace duplexa {

class WindowGoneWatch {
  public:
    virtual ~WindowGoneWatch() = default;
};

// While the watch lives, gone runs once, from the event loop, after the window that window()
// names (read at each event; 0 while it has no native window) was destroyed from outside.
// Needs the application object.
std::unique_ptr<WindowGoneWatch> WatchForWindowGone(std::function<NativeWindowHandle()> window,
                                                    std::function<void()> gone);

}  // namespace duplexa
