#include "win32_form_fixture.h"

#include <objbase.h>
#include <shlobj.h>

#include <chrono>
#include <cstring>

#include "window/design/frm_main_design.h"
#include "window/win32/message_pump.h"

namespace duplexa::test {
namespace {

class RecordingOpener final : public HomepageOpener {
  public:
    explicit RecordingOpener(std::vector<Opened>& opened) : opened_(opened) {}
    void Open(NativeWindowHandle owner, const std::string& address) override {
        opened_.push_back({owner, address});
    }

  private:
    std::vector<Opened>& opened_;
};

// A DROPFILES block with wide paths, as the shell hands it over.
HGLOBAL FileList(const std::vector<std::wstring>& paths, POINT at) {
    std::wstring names;
    for (const std::wstring& path : paths) {
        names += path;
        names += L'\0';
    }
    names += L'\0';
    const SIZE_T bytes = sizeof(DROPFILES) + names.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    auto* list = static_cast<DROPFILES*>(GlobalLock(memory));
    list->pFiles = sizeof(DROPFILES);
    list->pt = at;
    list->fWide = TRUE;
    std::memcpy(list + 1, names.data(), names.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return memory;
}

}  // namespace

Win32FormTest::Win32FormTest() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
}

void Win32FormTest::Open(int dotsPerInch, std::unique_ptr<Desktop> desktop) {
    frmMainServices services{MakeSystemPointerPosition(), std::make_unique<RecordingOpener>(opened),
                             sandbox.Maker(), std::move(desktop)};
    auto form = std::make_unique<win32::frmMain>(std::move(services), dotsPerInch);
    form->Form_Load();
    form->ShowCentred();
    // As Explorer does once the window's button exists; Wine's says nothing.
    SendMessageW(form->Handle(), RegisterWindowMessageW(L"TaskbarButtonCreated"), 0, 0);
    form_ = std::move(form);
    Pump();
}

bool Win32FormTest::Pump(int* exitCode) {
    MSG message;
    bool quit = false;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quit = true;
            if (exitCode != nullptr) {
                *exitCode = static_cast<int>(message.wParam);
            }
            continue;
        }
        win32::Dispatch(form_ != nullptr ? form_->Handle() : nullptr, message);
    }
    return quit;
}

bool Win32FormTest::PumpUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        Pump();
    }
    return true;
}

std::wstring Win32FormTest::TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

RECT Win32FormTest::PlaceOf(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

win32::Scale Win32FormTest::ScaleOf() const {
    RECT client{};
    GetClientRect(form_->Handle(), &client);
    return win32::Scale{MulDiv(client.right, 96, kFrmMainForm.clientWidth)};
}

COLORREF Win32FormTest::PixelAt(float x, float y) {
    UpdateWindow(form_->Handle());
    HDC dc = GetDC(form_->Handle());
    const win32::Scale scale = ScaleOf();
    const COLORREF colour = GetPixel(dc, scale.ToDevice(x), scale.ToDevice(y));
    ReleaseDC(form_->Handle(), dc);
    return colour;
}

void Win32FormTest::ClickAt(float x, float y, int presses) {
    const win32::Scale scale = ScaleOf();
    const LPARAM at = MAKELPARAM(scale.ToDevice(x), scale.ToDevice(y));
    for (int press = 0; press < presses; ++press) {
        SendMessageW(form_->Handle(), press == 0 ? WM_LBUTTONDOWN : WM_LBUTTONDBLCLK, MK_LBUTTON,
                     at);
        SendMessageW(form_->Handle(), WM_LBUTTONUP, 0, at);
    }
}

void Win32FormTest::DropOn(HWND box, const std::vector<std::wstring>& paths, POINT at) {
    // The box owns the list from here and frees it with DragFinish.
    SendMessageW(box, WM_DROPFILES, reinterpret_cast<WPARAM>(FileList(paths, at)), 0);
}

void Win32FormTest::CopyFiles(const std::vector<std::wstring>& paths) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_HDROP, FileList(paths, {0, 0}));
    CloseClipboard();
}

}  // namespace duplexa::test
