#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// shobjidl.h needs windows.h before it.
#include <shobjidl.h>

#include "runtime/desktop.h"

namespace duplexa {
namespace {

// The task bar counts progress in whole steps.
constexpr ULONGLONG kProgressSteps = 1000;

class WindowsDesktop final : public Desktop {
  public:
    WindowsDesktop() = default;
    WindowsDesktop(const WindowsDesktop&) = delete;
    WindowsDesktop& operator=(const WindowsDesktop&) = delete;
    ~WindowsDesktop() override { DropTaskbar(); }

    // The button of an Explorer that restarted is a new one: so is its list.
    void SetWindow(NativeWindowHandle window) override {
        window_ = reinterpret_cast<HWND>(window);
        DropTaskbar();
        void* list = nullptr;
        if (SUCCEEDED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_ITaskbarList3, &list))) {
            taskbar_ = static_cast<ITaskbarList3*>(list);
            if (FAILED(taskbar_->HrInit())) {
                DropTaskbar();
            }
        }
    }

    void ShowProgress(double fraction) override {
        if (taskbar_ != nullptr) {
            taskbar_->SetProgressValue(window_, static_cast<ULONGLONG>(fraction * kProgressSteps),
                                       kProgressSteps);
        }
    }
    void HideProgress() override {
        if (taskbar_ != nullptr) {
            taskbar_->SetProgressState(window_, TBPF_NOPROGRESS);
        }
    }

    // For this thread, which runs the comparison: the reason has no place here.
    void HoldSleep(const std::string&) override {
        SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED);
    }
    void ReleaseSleep() override { SetThreadExecutionState(ES_CONTINUOUS); }

    // No button yet: nothing to flash.
    bool WindowActive() const override {
        return window_ == nullptr || GetForegroundWindow() == window_;
    }
    void AskAttention() override {
        FLASHWINFO flash{sizeof(flash), window_, FLASHW_ALL | FLASHW_TIMERNOFG, 0, 0};
        FlashWindowEx(&flash);
    }

  private:
    void DropTaskbar() {
        if (taskbar_ != nullptr) {
            taskbar_->Release();
            taskbar_ = nullptr;
        }
    }

    HWND window_ = nullptr;
    ITaskbarList3* taskbar_ = nullptr;
};

}  // namespace

std::unique_ptr<Desktop> MakeSystemDesktop() {
    return std::make_unique<WindowsDesktop>();
}

}  // namespace duplexa
