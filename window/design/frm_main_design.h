#pragma once
// The main window as designed: its own values, every control from back to front, and the order
// in which the focus visits them. Positions and sizes are pixels of the client area; whatever
// start-up or later events change is changed elsewhere.

#include <optional>
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

// The controls that take the focus, in the order Tab visits them: the design's order, then the
// flags and the home-page link, which only a keyboard user reaches this way.
std::span<const Control> FrmMainTabOrder();

// The control whose click Enter or Space on id (or a screen reader's press) stands for: a flag
// stands for the pale flag that takes its clicks.
Control PressTarget(Control id);

// Where the focus goes when a run ends (Compare, which had it, is disabled then): the result
// line, so a screen reader reads the verdict and Tab goes on to Close.
inline constexpr Control kFocusAfterRun = Control::lblResult;

// The shape a control lies wholly on, in its container and below it in the stacking, if any.
std::optional<Control> ShapeBehind(Control id);

}  // namespace duplexa
