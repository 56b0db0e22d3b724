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

  protected:
    ~BoxFileSink() = default;
};

// A read-only edit becomes a drop box: it takes WM_DROPFILES while DragAcceptFiles allows,
// Enter opens the file dialog and Ctrl+V takes copied files.
void MakeDropBox(HWND edit, BoxFileSink& sink);

// The second press of a double-click on a button does nothing, so a double-click acts once.
void MakeSingleClickButton(HWND button);

}  // namespace duplexa::win32
