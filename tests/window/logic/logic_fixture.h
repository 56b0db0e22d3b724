#pragma once
// The window's handlers on a FakeForm, with a pointer and a browser the test controls, and a
// settings store of the test's own.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/window_state.h"
#include "fake_form.h"
#include "support/settings_sandbox.h"
#include "window/logic/frm_main_logic.h"

namespace duplexa::test {

class FakePointer final : public PointerPosition {
  public:
    bool GetCursorPos(std::int32_t& px, std::int32_t& py) override {
        ++reads;
        px = x;
        py = y;
        return true;
    }
    std::int32_t x = 0;
    std::int32_t y = 0;
    int reads = 0;
};

class FakeOpener final : public HomepageOpener {
  public:
    void Open(NativeWindowHandle owner, const std::string& address) override {
        opened.emplace_back(owner, address);
    }
    std::vector<std::pair<NativeWindowHandle, std::string>> opened;
};

class LogicTest : public ::testing::Test {
  protected:
    LogicTest();
    ~LogicTest() override;

    const std::string& Maker() const { return settings.Maker(); }
    std::optional<Bytes> StoredLayout() const { return settings.StoredLayout(); }
    std::optional<Bytes> StoredLanguage() const { return settings.StoredLanguage(); }
    bool BreakTheStore() { return settings.BreakTheStore(); }

    // A window that is opened anew on the same settings, as the next start of the program.
    struct Window {
        explicit Window(const std::string& maker) : logic(state, form, pointer, opener, maker) {
            form.onUnload = [this] { logic.Form_Unload(); };
        }
        WindowState state;
        FakeForm form;
        FakePointer pointer;
        FakeOpener opener;
        frmMainLogic logic;
    };
    std::unique_ptr<Window> NextStart() const { return std::make_unique<Window>(Maker()); }

    SettingsSandbox settings;  // first: everything after it may read or store settings
    WindowState state;
    FakeForm form;
    FakePointer pointer;
    FakeOpener opener;
    frmMainLogic logic;

  private:
    std::int32_t savedLanguage_;
};

}  // namespace duplexa::test
