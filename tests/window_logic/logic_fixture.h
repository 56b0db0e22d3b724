#pragma once
// The window's handlers on a FakeForm, with a pointer and a browser the test controls, and a
// settings store of the test's own: outside Windows XDG_CONFIG_HOME (and HOME) point into a
// temporary folder; on Windows the handlers use a maker key of their own, deleted afterwards.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/window_state.h"
#include "fake_form.h"
#include "support/temp_dir.h"
#include "window/logic/frm_main_logic.h"

namespace duplexa::test {

using Bytes = std::vector<std::uint8_t>;

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

class SettingsSandbox : public ::testing::Test {
  protected:
    SettingsSandbox();
    ~SettingsSandbox() override;

    const std::string& Maker() const { return maker_; }
    // The raw bytes stored under a value below the maker key (section empty: the maker key
    // itself), or nothing when there is no such value.
    std::optional<Bytes> Stored(const std::string& section, const std::string& name) const;
    std::optional<Bytes> StoredLayout() const { return Stored("Kitrune", "Duplexa-Align"); }
    std::optional<Bytes> StoredLanguage() const { return Stored("", "Language"); }
    // Makes every later write below the maker key fail; false where that cannot be done.
    bool BreakTheStore();

  private:
    std::string maker_;
    TempDir sandbox_;
    std::optional<std::string> savedXdg_;
    std::optional<std::string> savedHome_;
};

class LogicTest : public SettingsSandbox {
  protected:
    LogicTest();
    ~LogicTest() override;

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

    WindowState state;
    FakeForm form;
    FakePointer pointer;
    FakeOpener opener;
    frmMainLogic logic;

  private:
    std::int32_t savedLanguage_;
};

}  // namespace duplexa::test
