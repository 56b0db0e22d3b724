#pragma once
// What the window adds to the system's own edit and button controls.

#include <string>
#include <vector>

#include "window/win32/win32_api.h"

namespace duplexa::win32 {

// Told when files reach a drop box by a drop, by Ctrl+V or through Enter and the file dialog.
class BoxFileSink {
  public:
    virtual void FilesGiven(HWND box, const std::vector<std::string>& paths) = 0;
    // Enter, Space or a double-click on a box: the file dialog, for that box.
    virtual void ChooserAsked(HWND box) = 0;

  protected:
    ~BoxFileSink() = default;
};

// A read-only edit becomes a drop box: it takes WM_DROPFILES while DragAcceptFiles allows,
// Enter, Space and a double-click open the file dialog, Ctrl+V and Shift+Insert take copied
// files, and a right-click offers no edit menu (there is nothing to edit).
void MakeDropBox(HWND edit, BoxFileSink& sink);

// A button that stands in, for the keyboard and screen readers, for a control the window paints
// (a flag, the link): the pointer passes through it to the window, which handles the mouse.
void MakeKeyboardStandIn(HWND button);

// The second press of a double-click on a button does nothing, so a double-click acts once.
void MakeSingleClickButton(HWND button);

}  // namespace duplexa::win32
