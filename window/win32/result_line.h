#pragma once
// What the window adds to its result line, an owner-drawn static: Ctrl+C while it has the focus
// asks the window to copy it, and screen readers get the system's own account of it with a
// description added.

#include <string>

#include "window/win32/win32_api.h"

namespace duplexa::win32 {

// The command Ctrl+C on the line and its menu's entry send the window (clear of IDOK, IDCANCEL
// and the child windows' IDs).
inline constexpr WORD kCopyResultLine = 10;

void MakeResultLine(HWND label);

// What readers hear after the line's text; empty for nothing.
void SetResultDescription(HWND label, const std::wstring& text);

// Puts UTF-8 text on the clipboard as Unicode text, each "\n" written as Windows ends lines.
void CopyText(HWND owner, const std::string& text);

}  // namespace duplexa::win32
