#pragma once
// A window as it is on screen, frame and caption included, saved as a PNG file by Windows' own
// imaging component.

#include <string>

#include "window/win32/win32_api.h"

namespace duplexa::win32 {

bool SaveWindowPicture(HWND window, const std::wstring& path);

}  // namespace duplexa::win32
