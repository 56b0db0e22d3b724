#pragma once
// The one place where a stored colour becomes a Qt colour. Stored colours are 0x00BBGGRR, or
// 0x80000000 + n for system colour n, which follows the palette of the running desktop.

#include <QColor>
#include <QPalette>

#include "core/colours.h"

namespace duplexa {

inline constexpr OleColour kSystemColourFlag = 0x80000000;

// The system colours the window uses, by their Windows index.
inline constexpr OleColour kSysWindow = kSystemColourFlag + 5;         // COLOR_WINDOW
inline constexpr OleColour kSysWindowText = kSystemColourFlag + 8;     // COLOR_WINDOWTEXT
inline constexpr OleColour kSysButtonFace = kSystemColourFlag + 15;    // COLOR_BTNFACE
inline constexpr OleColour kSysButtonShadow = kSystemColourFlag + 16;  // COLOR_BTNSHADOW
inline constexpr OleColour kSysButtonText = kSystemColourFlag + 18;    // COLOR_BTNTEXT

inline constexpr OleColour kWhite = 0xFFFFFF;
inline constexpr OleColour kSilver = 0xC0C0C0;

constexpr bool IsSystemColour(OleColour colour) {
    return (colour & kSystemColourFlag) != 0;
}

// A plain 0x00BBGGRR colour; the top byte is ignored.
QColor FromBgr(OleColour colour);

// Plain colours as they are; system colours from the given palette (normally the
// application's, so they follow the desktop's scheme).
QColor ToQColor(OleColour colour, const QPalette& palette);
QColor ToQColor(OleColour colour);

}  // namespace duplexa
