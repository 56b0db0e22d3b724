#pragma once
// What the desktop around the window shows of a run: its progress on the task bar button or
// the dock icon, sleep held off while it goes on, and a call for the user's attention. Every
// call returns at once; one the desktop cannot serve does nothing. One implementation per
// platform, chosen at compile time.

#include <memory>
#include <string>

#include "runtime/homepage_opener.h"

namespace duplexa {

class Desktop {
  public:
    virtual ~Desktop() = default;

    // The window whose button shows the progress, once that button exists (on Windows at each
    // TaskbarButtonCreated message: Explorer sends it again after a restart).
    virtual void SetWindow(NativeWindowHandle window) = 0;

    // fraction runs from 0 to 1.
    virtual void ShowProgress(double fraction) = 0;
    virtual void HideProgress() = 0;
    // Keeps the system awake until ReleaseSleep; reason is what the system shows for it.
    virtual void HoldSleep(const std::string& reason) = 0;
    virtual void ReleaseSleep() = 0;

    virtual bool WindowActive() const = 0;
    // The window's button flashes, or the window is marked urgent, until the user turns to it.
    virtual void AskAttention() = 0;
};

// The system's desktop: the task bar, the power manager and user32 on Windows; the session
// bus and the window toolkit elsewhere.
std::unique_ptr<Desktop> MakeSystemDesktop();

}  // namespace duplexa
