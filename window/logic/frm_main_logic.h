#pragma once
// The window's own handlers: its two layouts, the language switch, the hover highlights with
// the home-page link, and start-up and shutdown. They work on the shared window state and
// reach the controls only through FormView, so they run without a toolkit.

#include <cstdint>
#include <string>

#include "core/window_state.h"
#include "runtime/homepage_opener.h"
#include "runtime/pointer_position.h"
#include "window/logic/form_view.h"

namespace duplexa {

class frmMainLogic {
  public:
    // makerKey is the settings key everything is stored below; tests give one of their own.
    frmMainLogic(WindowState& state, FormView& view, PointerPosition& pointer,
                 HomepageOpener& opener, std::string makerKey);
    frmMainLogic(WindowState& state, FormView& view, PointerPosition& pointer,
                 HomepageOpener& opener);

    // Layouts: 1 side by side, 2 stacked. Any other number only gives box 1 the size of box 0.
    void ApplyLayout(std::int16_t layout);
    void cmdOrder1_Click();
    void cmdOrder2_Click();

    // Language: 0 Hungarian, any other number English.
    void ApplyLanguage(std::int32_t language);
    void imgLangENG_hl_Click();
    void imgLangHUN_hl_Click();

    // Hover highlights of the two flags and the home-page label.
    void imgLangENG_MouseMove();
    void imgLangHUN_MouseMove();
    void lblHomepage_MouseMove();
    void Form_MouseMove();
    // The pointer left the window. Where the system stops reporting the pointer's position
    // once it is outside (Wayland), the timer alone would keep the highlight on for ever.
    void Form_MouseLeave();
    void tmrLang_Timer();
    void ResetHover();
    void lblHomepage_Click();

    // Start-up and shutdown.
    void Form_Load();
    void Form_Unload();
    void ComClose_Click();

  private:
    void Highlight(std::int16_t spot);

    WindowState& state_;
    FormView& view_;
    PointerPosition& pointer_;
    HomepageOpener& opener_;
    std::string makerKey_;
};

// Opens the maker's home page in the user's browser, owned by window. Shows nothing on failure.
void OpenHomepage(const FormView& window, HomepageOpener& opener);

// "v" and the program's version, "v1.3.0".
std::string VersionCaption();

}  // namespace duplexa
