#pragma once
// What the window adds to its result line, an owner-drawn static: screen readers get the
// system's own account of it with a description added.

#include <string>

#include "window/win32/win32_api.h"

namespace duplexa::win32 {

void MakeResultLine(HWND label);

// What readers hear after the line's text; empty for nothing.
void SetResultDescription(HWND label, const std::wstring& text);

}  // namespace duplexa::win32
