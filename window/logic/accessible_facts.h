#pragma once
// What a screen reader learns of each control of the window, in the language in force, read
// afresh at every call. What each control is for a reader is in the design table; the front
// end says what a control shows now and maps the kind onto its toolkit's roles.

#include <optional>
#include <string>

#include "core/window_state.h"
#include "window/design/control_design.h"

namespace duplexa {

// What the front end reads off the control before asking.
struct ControlLook {
    std::string caption;       // labels: the caption they paint
    bool signShown = false;    // the sign: its bars are on screen
    bool signCrossed = false;  // the sign: the strike line crosses them
};

struct AccessibleFacts {
    AccessibleKind kind = AccessibleKind::Hidden;
    std::string name;
    std::string description;
    bool shown = true;  // the sign is in the tree while hidden, marked as not on screen
    // For a flag: the control whose click the press stands for. Empty: the control's own.
    std::optional<Control> pressTarget;
    // For a layout button or a flag: whether its choice is in force (pressed, checked).
    std::optional<bool> inForce;
};

// Nothing for controls the toolkit describes well by itself (the captioned buttons).
std::optional<AccessibleFacts> DescribeControl(Control id, const ControlLook& look,
                                               const WindowState& state);

}  // namespace duplexa
