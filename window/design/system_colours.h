#pragma once
// Stored colours beyond the plain 0x00BBGGRR ones: 0x80000000 + n is system colour n, which
// follows the scheme of the running desktop and is resolved only when drawn.

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

}  // namespace duplexa
