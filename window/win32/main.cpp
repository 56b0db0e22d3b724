// Starting the program loads the window, runs its start-up, shows it and runs its message loop.

#include <objbase.h>

#include "window/win32/frm_main.h"
#include "window/win32/message_pump.h"
#include "window/win32/win32_api.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    // The pictures are decoded through COM; the shell's file dialog wants a single-threaded
    // apartment too.
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {
        return 1;
    }
    int exitCode = 0;
    {
        duplexa::win32::frmMain form;
        form.Form_Load();
        form.ShowCentred(showCommand);
        exitCode = duplexa::win32::RunMessageLoop(form.Handle());
    }
    CoUninitialize();
    return exitCode;
}
