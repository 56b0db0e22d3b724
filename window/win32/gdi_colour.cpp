#include "window/win32/gdi_colour.h"

#include "window/design/system_colours.h"

namespace duplexa::win32 {

// 0x00BBGGRR is COLORREF's own layout.
COLORREF ToColorRef(OleColour colour) {
    if (IsSystemColour(colour)) {
        return GetSysColor(static_cast<int>(colour & 0xFF));
    }
    return static_cast<COLORREF>(colour & 0xFFFFFF);
}

}  // namespace duplexa::win32
