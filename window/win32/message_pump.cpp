#include "window/win32/message_pump.h"

namespace duplexa::win32 {

void Dispatch(HWND form, MSG& message) {
    if (form != nullptr && IsWindow(form) && IsDialogMessageW(form, &message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void Win32EventPump::RunPendingEvents() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Dispatch(form_, message);
    }
}

int RunMessageLoop(HWND form) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        Dispatch(form, message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace duplexa::win32
