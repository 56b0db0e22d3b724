#pragma once
// The one place where a stored colour becomes a Qt colour. Stored colours are 0x00BBGGRR, or
// 0x80000000 + n for system colour n, which follows the palette of the running desktop.

#include <QColor>
#include <QPalette>

#include "window/design/system_colours.h"

namespace duplexa {

// A plain 0x00BBGGRR colour; the top byte is ignored.
QColor FromBgr(OleColour colour);

// Plain colours as they are; system colours from the given palette (normally the
// application's, so they follow the desktop's scheme).
QColor ToQColor(OleColour colour, const QPalette& palette);
QColor ToQColor(OleColour colour);

}  // namespace duplexa
