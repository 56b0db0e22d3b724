#pragma once
// Stored colours as GDI draws them: a system colour is looked up in the running scheme.

#include "core/colours.h"
#include "window/win32/win32_api.h"

namespace duplexa::win32 {

COLORREF ToColorRef(OleColour colour);

}  // namespace duplexa::win32
