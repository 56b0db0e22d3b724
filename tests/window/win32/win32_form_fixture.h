#pragma once
// The Win32 window under test, with a settings key of its own, a recording browser and ways to
// reach its real controls as a user and as the system would.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/settings_sandbox.h"
#include "support/temp_dir.h"
#include "window/win32/frm_main.h"

namespace duplexa::test {

struct Opened {
    NativeWindowHandle owner;
    std::string address;
};

class Win32FormTest : public testing::Test {
  protected:
    Win32FormTest();

    // A started, shown window on the sandbox's settings, at the screen's scaling or another,
    // on the system's desktop or a stand-in.
    void Open(int dotsPerInch = 0, std::unique_ptr<Desktop> desktop = MakeSystemDesktop());
    win32::frmMain& form() { return *form_; }
    HWND Real(Control id) const { return form_->ControlWindow(id); }
    // The window's scaling, as its client area shows it.
    win32::Scale ScaleOf() const;

    // Hands every waiting message on; true when the program was asked to end (with exitCode).
    bool Pump(int* exitCode = nullptr);
    // Pumps until done() holds, waiting for messages in between; false after two seconds.
    bool PumpUntil(const std::function<bool()>& done);

    static std::wstring TextOf(HWND window);
    // Place of a child window in its parent's client area.
    static RECT PlaceOf(HWND child);
    // The colour on screen at a point of the window's client area (96 dpi pixels).
    COLORREF PixelAt(float x, float y);
    // A left click of the mouse at a point of the window's client area, count presses in a row.
    void ClickAt(float x, float y, int presses = 1);
    // The shell's drop of files at a point of a box.
    static void DropOn(HWND box, const std::vector<std::wstring>& paths, POINT at);
    // The file list on the clipboard, as a file manager's Copy leaves it.
    static void CopyFiles(const std::vector<std::wstring>& paths);

    SettingsSandbox sandbox;
    TempDir dir;
    std::vector<Opened> opened;
    std::unique_ptr<win32::frmMain> form_;
};

}  // namespace duplexa::test
