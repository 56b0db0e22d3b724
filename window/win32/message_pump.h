#pragma once
// The window's message loop, and the turn of it a comparison run takes after every block.

#include "runtime/event_pump.h"
#include "window/win32/win32_api.h"

namespace duplexa::win32 {

// Hands one message to the window it is for, with dialog-style keys (Tab, arrows, Space) for
// the controls of form.
void Dispatch(HWND form, MSG& message);

class Win32EventPump final : public EventPump {
  public:
    explicit Win32EventPump(HWND form = nullptr) : form_(form) {}
    void SetForm(HWND form) { form_ = form; }
    // Every message waiting now; a quit request is left in the queue for the outer loop.
    void RunPendingEvents() override;

  private:
    HWND form_;
};

// Runs until the program is asked to end; gives the exit code it was asked to end with.
int RunMessageLoop(HWND form);

}  // namespace duplexa::win32
