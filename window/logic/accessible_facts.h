#pragma once
// What a screen reader learns of each control of the window, in the language in force, read
// afresh at every call. Controls are known by the names they carry in the window; the front
// end says what a control shows now and maps the kind onto its toolkit's roles.

#include <optional>
#include <string>
#include <string_view>

#include "core/window_state.h"

namespace duplexa {

enum class AccessibleKind {
    Hidden,        // decoration, or a part of a picture that is named as a whole: out of the tree
    StaticText,    // a label: its name is its caption
    Link,          // pressing it opens the home page
    ReadOnlyText,  // a file box: its value is what it shows
    Image,         // the result sign
    Button,        // pressing it does what a click does
};

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
    std::string_view pressTarget;
};

// Nothing for controls the toolkit describes well by itself (the captioned buttons).
std::optional<AccessibleFacts> DescribeControl(std::string_view controlName,
                                               const ControlLook& look, const WindowState& state);

}  // namespace duplexa
