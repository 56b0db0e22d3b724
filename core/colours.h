#pragma once
// Colours as the window stores them: 0x00BBGGRR.

#include <cstdint>

namespace duplexa {

using OleColour = std::uint32_t;

inline constexpr OleColour kLightGreen = 0xC8FFC8;  // a usable drop box
inline constexpr OleColour kRed = 0x0000FF;         // an unusable box, the sign of differing files
inline constexpr OleColour kSignGreen = 0x00C000;   // the sign of identical files
inline constexpr OleColour kLinkBlue = 0xE65C00;    // the home-page label at rest
inline constexpr OleColour kLinkHoverBlue = 0xFF7C24;

}  // namespace duplexa
