#pragma once
// The main window as designed: its own values, every control from back to front, and the order
// in which the focus visits them. Positions and sizes are pixels of the client area; whatever
// start-up or later events change is changed elsewhere.

#include <span>

#include "window/design/control_design.h"
#include "window/design/system_colours.h"

namespace duplexa {

inline constexpr FormDesign kFrmMainForm{
    "frmMain", 473, 336, kSysButtonFace, {"Arial", 8.25, false}, "frmMain"};

// Back to front: a later control lies above an earlier one, and a container comes before
// what it holds. Each row is at its control's id.
std::span<const ControlDesign> FrmMainControlDesigns();
const ControlDesign& FrmMainDesign(Control id);

// The controls that take the focus, in the order Tab visits them.
std::span<const Control> FrmMainTabOrder();

}  // namespace duplexa
