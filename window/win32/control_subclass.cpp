#include "window/win32/control_subclass.h"

// commctrl.h and shellapi.h need windows.h before them.
#include <commctrl.h>
#include <shellapi.h>

#include "window/win32/dropped_files.h"

namespace duplexa::win32 {
namespace {

constexpr UINT_PTR kDropBoxId = 1;
constexpr UINT_PTR kButtonId = 2;
constexpr UINT_PTR kStandInId = 3;

LRESULT DropFiles(HWND box, HDROP files, DropBoxOwner& owner) {
    POINT at{};
    RECT inside{};
    DragQueryPoint(files, &at);
    GetClientRect(box, &inside);
    const std::vector<std::string> paths = PathsOf(files);
    DragFinish(files);
    if (PtInRect(&inside, at)) {
        owner.FilesGiven(box, paths);
    }
    return 0;
}

LRESULT CALLBACK DropBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR data) {
    DropBoxOwner& owner = *reinterpret_cast<DropBoxOwner*>(data);
    switch (message) {
        case WM_DROPFILES:
            return DropFiles(box, reinterpret_cast<HDROP>(wParam), owner);
        case WM_PAINT: {
            const LRESULT painted = DefSubclassProc(box, message, wParam, lParam);
            HDC dc = wParam != 0 ? reinterpret_cast<HDC>(wParam) : GetDC(box);
            owner.PaintOver(box, dc);
            if (wParam == 0) {
                ReleaseDC(box, dc);
            }
            return painted;
        }
        case WM_GETDLGCODE: {
            // Tab still moves on; Enter stays here to open the file dialog.
            const auto* key = reinterpret_cast<const MSG*>(lParam);
            LRESULT code = DLGC_WANTARROWS | DLGC_HASSETSEL;
            if (key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) {
                code |= DLGC_WANTMESSAGE;
            }
            return code;
        }
        case WM_KEYDOWN: {
            const bool control = GetKeyState(VK_CONTROL) < 0;
            const bool shift = GetKeyState(VK_SHIFT) < 0;
            if ((wParam == VK_RETURN || wParam == VK_SPACE) && !control && !shift) {
                owner.ChooserAsked(box);
                return 0;
            }
            if ((wParam == 'V' && control) || (wParam == VK_INSERT && shift && !control)) {
                SendMessageW(box, WM_PASTE, 0, 0);
                return 0;
            }
            break;
        }
        case WM_LBUTTONDBLCLK:
            owner.ChooserAsked(box);
            return 0;
        case WM_CONTEXTMENU:
            return 0;
        case WM_PASTE:
            if (const auto paths = ClipboardFiles(box)) {
                owner.FilesFromKeyboard(box, *paths);
            }
            return 0;  // a read-only box takes no text
        case WM_CHAR:
            if (wParam == L'\r' || wParam == L' ' || wParam == 0x16) {  // handled as keys above
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

LRESULT CALLBACK StandInProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR) {
    if (message == WM_NCHITTEST) {
        return HTTRANSPARENT;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(button, StandInProc, kStandInId);
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

}  // namespace

void MakeKeyboardStandIn(HWND button) {
    SetWindowSubclass(button, StandInProc, kStandInId, 0);
}

void MakeDropBox(HWND edit, DropBoxOwner& owner) {
    SetWindowSubclass(edit, DropBoxProc, kDropBoxId, reinterpret_cast<DWORD_PTR>(&owner));
}

void MakeSingleClickButton(HWND button) {
    SetWindowSubclass(button, ButtonProc, kButtonId, 0);
}

}  // namespace duplexa::win32
