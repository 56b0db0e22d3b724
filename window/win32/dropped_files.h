#pragma once
// Files handed over as a shell file list (a drop, or files copied in a file manager), and files
// picked in the system's file dialog.

#include <optional>
#include <string>
#include <vector>

#include "window/win32/win32_api.h"
// HDROP
#include <shellapi.h>

namespace duplexa::win32 {

// Every path of the list, in the shell's order, as UTF-8; the list stays the caller's.
std::vector<std::string> PathsOf(HDROP files);

// The file list on the clipboard, or nothing when it holds no files.
std::optional<std::vector<std::string>> ClipboardFiles(HWND owner);

// The file the user picks in the system's open dialog titled title, opened in folder (the
// dialog's own choice when empty) with one filter for all files named allFiles; nothing when
// cancelled. Texts are UTF-8.
std::optional<std::string> AskForFile(HWND owner, const std::string& title,
                                      const std::string& folder, const std::string& allFiles);

}  // namespace duplexa::win32
