#pragma once
// Opens a web address with the user's default handler for web addresses (the browser).

#include <cstdint>
#include <memory>
#include <string>

namespace duplexa {

// The native handle of a window (HWND on Windows); 0 for none.
using NativeWindowHandle = std::uintptr_t;

class HomepageOpener {
  public:
    virtual ~HomepageOpener() = default;
    // Hands address to the system and returns at once; whether it opened is not reported.
    virtual void Open(NativeWindowHandle owner, const std::string& address) = 0;
};

// The system's handler: shell32 on Windows, the desktop's default handler elsewhere.
std::unique_ptr<HomepageOpener> MakeSystemHomepageOpener();

}  // namespace duplexa
