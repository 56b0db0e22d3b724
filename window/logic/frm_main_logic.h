#pragma once
// The window's own handlers: its two layouts, the language switch, the hover highlights with
// the home-page link, files given to the boxes, and start-up and shutdown. They work on the
// shared window state and reach the controls only through FormView, so they run without a
// toolkit, and both front ends decide these things here alike.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "core/window_state.h"
#include "intake/file_drop.h"
#include "runtime/homepage_opener.h"
#include "runtime/pointer_position.h"
#include "window/logic/form_view.h"

namespace duplexa {

// What a box's file chooser shows, in the language in force: its title, the name of its one
// filter (every file), and the folder it opens in (empty: the chooser's own choice).
struct FileChooser {
    std::string title;
    std::string allFiles;
    std::string folder;
};

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

    // A click on a control, and the pointer moving over one: the handler here that it
    // concerns, if any. Compare's click belongs to the run, which the window owns.
    void Control_Click(Control id);
    void Control_MouseMove(Control id);

    // Files for a box from a drop, the file chooser or a paste: none is taken during a run,
    // nor a list without a file (false, nothing changes).
    bool lblFile_FilesGiven(int box, const std::vector<std::string>& paths);
    // The same from the keyboard (the chooser or a paste), where no drag showed where the file
    // went: a reader hears the name the box now shows.
    bool lblFile_FilesFromKeyboard(int box, const std::vector<std::string>& paths);
    // The file chooser of a box, opened in the folder of the other box's file, else of its own;
    // none during a run, when the window beeps instead.
    std::optional<FileChooser> ChooserFor(int box) const;

    // What Copy on the result line puts on the clipboard: the line and, after a run that found
    // differences, where they are, one per line. Empty when the line is.
    std::string ResultLineCopy() const;

    // Start-up and shutdown.
    void Form_Load();
    // Stores the layout, once: later unloads do nothing.
    void Form_Unload();
    bool Unloaded() const { return unloaded_; }
    // The window is asked to close (its Close button, title bar or the system). During a run
    // the run is told to stop and the close waits for its final steps: false. Otherwise the
    // window unloads and may go: true.
    bool Form_QueryUnload();
    // Compare's handler has returned: once its run is over, a close that waited goes ahead.
    void AfterCompare();
    void ComClose_Click();

  private:
    void Highlight(std::int16_t spot);
    void ShowInForce(std::initializer_list<Control> choices);

    WindowState& state_;
    FormView& view_;
    PointerPosition& pointer_;
    HomepageOpener& opener_;
    std::string makerKey_;
    FileDrop fileDrop_;
    bool closeWaits_ = false;  // asked to close during a run
    bool unloaded_ = false;
};

// Whether the layout or language that a layout button or a flag chooses is in force; nothing
// for any other control.
std::optional<bool> InForce(Control id, const WindowState& state);

// Opens the maker's home page in the user's browser, owned by window. Shows nothing on failure.
void OpenHomepage(const FormView& window, HomepageOpener& opener);

// "v" and the program's version, as "v1.2.3".
std::string VersionCaption();

}  // namespace duplexa
