#pragma once
// What the window adds to the system's own edit and button controls.

#include <string>
#include <vector>

#include "window/win32/win32_api.h"

namespace duplexa::win32 {

// What a drop box asks of the window it lies on.
class DropBoxOwner {
  public:
    // Files dropped on the box.
    virtual void FilesGiven(HWND box, const std::vector<std::string>& paths) = 0;
    // Files pasted into the box (Ctrl+V, Shift+Insert).
    virtual void FilesFromKeyboard(HWND box, const std::vector<std::string>& paths) = 0;
    // Enter, Space or a double-click on a box: the file dialog, for that box.
    virtual void ChooserAsked(HWND box) = 0;
    // The box has just painted itself; what the window shows over it goes on dc.
    virtual void PaintOver(HWND box, HDC dc) = 0;

  protected:
    ~DropBoxOwner() = default;
};

// A read-only edit becomes a drop box: it takes WM_DROPFILES while DragAcceptFiles allows,
// Enter, Space and a double-click open the file dialog, Ctrl+V and Shift+Insert take copied
// files, a right-click offers no edit menu (there is nothing to edit), and the owner paints over
// what the box paints.
void MakeDropBox(HWND edit, DropBoxOwner& owner);

// A button that stands in, for the keyboard and screen readers, for a control the window paints
// (a flag, the link): the pointer passes through it to the window, which handles the mouse.
void MakeKeyboardStandIn(HWND button);

// The second press of a double-click on a button does nothing, so a double-click acts once.
void MakeSingleClickButton(HWND button);

}  // namespace duplexa::win32
