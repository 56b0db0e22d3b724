#include "window/win32/dropped_files.h"

// shellapi.h and commdlg.h need windows.h before them.
#include <commdlg.h>
#include <shellapi.h>

#include "runtime/wide_text_windows.h"

namespace duplexa::win32 {

std::vector<std::string> PathsOf(HDROP files) {
    std::vector<std::string> paths;
    const UINT count = DragQueryFileW(files, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(files, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        DragQueryFileW(files, i, path.data(), length + 1);
        path.resize(length);
        paths.push_back(Narrow(path));
    }
    return paths;
}

std::optional<std::vector<std::string>> ClipboardFiles(HWND owner) {
    if (!IsClipboardFormatAvailable(CF_HDROP) || !OpenClipboard(owner)) {
        return std::nullopt;
    }
    std::optional<std::vector<std::string>> paths;
    if (HANDLE data = GetClipboardData(CF_HDROP); data != nullptr) {
        // The clipboard keeps the list: it is only read here.
        paths = PathsOf(static_cast<HDROP>(data));
    }
    CloseClipboard();
    return paths;
}

std::optional<std::string> AskForFile(HWND owner, const std::string& title,
                                      const std::string& folder, const std::string& allFiles) {
    // Long enough for the longest path Windows takes.
    std::wstring path(32768, L'\0');
    const std::wstring caption = Widen(title);
    const std::wstring start = Widen(folder);
    // Pairs of a name and a pattern, ended by an empty name.
    std::wstring filter = Widen(allFiles);
    filter.append(1, L'\0').append(L"*.*").append(2, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrTitle = caption.c_str();
    dialog.lpstrInitialDir = start.empty() ? nullptr : start.c_str();
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.Flags =
        OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!GetOpenFileNameW(&dialog)) {
        return std::nullopt;
    }
    path.resize(wcslen(path.c_str()));
    return Narrow(path);
}

}  // namespace duplexa::win32
