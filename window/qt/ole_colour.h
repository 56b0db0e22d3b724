#pragma once
// The one place where a stored colour becomes a Qt colour. Stored colours are 0x00BBGGRR, or
// 0x80000000 + n for system colour n, which follows the palette of the running desktop.

#include <QColor>
#include <QPalette>

#include "window/design/system_colours.h"
#include "window/logic/scheme_colours.h"

namespace duplexa {

// The palette's colours by system colour index; high contrast when the palette looks so, since
// Qt has no flag for it.
ColourScheme SchemeOf(const QPalette& palette);
// The application's palette, which follows the desktop's scheme.
ColourScheme CurrentScheme();

QColor ToQColor(Rgb colour);
// Plain colours as they are (or their stand-ins in a high-contrast palette); system colours from
// the given palette (normally the application's).
QColor ToQColor(OleColour colour, const QPalette& palette);
QColor ToQColor(OleColour colour);

}  // namespace duplexa
