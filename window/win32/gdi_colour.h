#pragma once
// Stored colours as GDI draws them, in the running colour scheme.

#include "core/colours.h"
#include "window/logic/scheme_colours.h"
#include "window/win32/win32_api.h"

namespace duplexa::win32 {

// The system colours and the high-contrast setting, read once and again after RefreshScheme.
const ColourScheme& CurrentScheme();
// The user changed the colours or the high-contrast setting.
void RefreshScheme();

COLORREF ToColorRef(Rgb colour);
COLORREF ToColorRef(OleColour colour);

}  // namespace duplexa::win32
