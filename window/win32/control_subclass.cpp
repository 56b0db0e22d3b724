#include "window/win32/control_subclass.h"

// commctrl.h and shellapi.h need windows.h before them.
#include <commctrl.h>
#include <shellapi.h>

#include "window/win32/dropped_files.h"

namespace duplexa::win32 {
namespace {

constexpr UINT_PTR kDropBoxId = 1;
constexpr UINT_PTR kButtonId = 2;

LRESULT DropFiles(HWND box, HDROP files, BoxFileSink& sink) {
    POINT at{};
    RECT inside{};
    DragQueryPoint(files, &at);
    GetClientRect(box, &inside);
    const std::vector<std::string> paths = PathsOf(files);
    DragFinish(files);
    if (PtInRect(&inside, at)) {
        sink.FilesGiven(box, paths);
    }
    return 0;
}

LRESULT CALLBACK DropBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR data) {
    BoxFileSink& sink = *reinterpret_cast<BoxFileSink*>(data);
    switch (message) {
        case WM_DROPFILES:
            return DropFiles(box, reinterpret_cast<HDROP>(wParam), sink);
        case WM_GETDLGCODE: {
            // Tab still moves on; Enter stays here to open the file dialog.
            const auto* key = reinterpret_cast<const MSG*>(lParam);
            LRESULT code = DLGC_WANTARROWS | DLGC_HASSETSEL;
            if (key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) {
                code |= DLGC_WANTMESSAGE;
            }
            return code;
        }
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                if (const auto path = AskForFile(GetParent(box))) {
                    sink.FilesGiven(box, {*path});
                }
                return 0;
            }
            if (wParam == 'V' && GetKeyState(VK_CONTROL) < 0) {
                SendMessageW(box, WM_PASTE, 0, 0);
                return 0;
            }
            break;
        case WM_PASTE:
            if (const auto paths = ClipboardFiles(box)) {
                sink.FilesGiven(box, *paths);
            }
            return 0;  // a read-only box takes no text
        case WM_CHAR:
            if (wParam == L'\r' || wParam == 0x16) {  // Enter, Ctrl+V: handled as keys above
                return 0;
            }
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(box, DropBoxProc, kDropBoxId);
            break;
        default:
            break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR) {
    if (message == WM_LBUTTONDBLCLK) {
        return 0;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(button, ButtonProc, kButtonId);
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

}  // namespace

void MakeDropBox(HWND edit, BoxFileSink& sink) {
    SetWindowSubclass(edit, DropBoxProc, kDropBoxId, reinterpret_cast<DWORD_PTR>(&sink));
}

void MakeSingleClickButton(HWND button) {
    SetWindowSubclass(button, ButtonProc, kButtonId, 0);
}

}  // namespace duplexa::win32
