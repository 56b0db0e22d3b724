#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// shellapi.h needs windows.h before it.
#include <shellapi.h>

#include "runtime/homepage_opener.h"

namespace duplexa {
namespace {

class ShellHomepageOpener final : public HomepageOpener {
  public:
    void Open(NativeWindowHandle owner, const std::string& address) override {
        // The default verb, no parameters, a working folder that always exists, and no window
        // of its own: the shell hands the address to the browser. The result is not looked at.
        ::ShellExecuteA(reinterpret_cast<HWND>(owner), nullptr, address.c_str(), nullptr, "C:\\",
                        SW_HIDE);
    }
};

}  // namespace

std::unique_ptr<HomepageOpener> MakeSystemHomepageOpener() {
    return std::make_unique<ShellHomepageOpener>();
}

}  // namespace duplexa
