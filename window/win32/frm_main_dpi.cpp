// Moved to a monitor of another scaling (the manifest asks for per-monitor awareness), the
// window is drawn anew at that monitor's resolution in the rectangle Windows suggests, so it
// stays sharp and the same size to the eye; the handlers keep their 96-dpi numbers throughout.

#include "window/design/frm_main_design.h"
#include "window/win32/frm_main.h"

namespace duplexa::win32 {

void frmMain::OnDpiChanged(int dotsPerInch, const RECT& suggested) {
    scale_.dotsPerInch = dotsPerInch;
    HFONT formFont = fonts_.Get(kFrmMainForm.font, false, dotsPerInch);
    const int count = static_cast<int>(controls_.all().size());
    for (int index = 0; index < count; ++index) {
        if (controls_.at(index).window != nullptr) {
            SendMessageW(controls_.at(index).window, WM_SETFONT, reinterpret_cast<WPARAM>(formFont),
                         FALSE);
            ScalePicture(index);
            PlaceWindow(index);
        }
    }
    PlaceResultTip();
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void frmMain::ScalePicture(int index) {
    FormControl& control = controls_.at(index);
    if (control.kind() != ControlKind::PictureButton || control.picture == nullptr) {
        return;
    }
    HICON old = control.icon;
    control.icon = control.picture->MakeIcon(scale_.ToDevice(float(control.picture->Width())),
                                             scale_.ToDevice(float(control.picture->Height())));
    SendMessageW(control.window, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(control.icon));
    if (old != nullptr) {
        DestroyIcon(old);
    }
}

}  // namespace duplexa::win32
