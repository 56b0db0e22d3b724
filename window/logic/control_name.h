#pragma once
// The name a control carries in the window's design table, for front ends that find their
// controls by name.

#include "window/logic/form_view.h"

namespace duplexa {

const char* ControlName(Control control);

}  // namespace duplexa
