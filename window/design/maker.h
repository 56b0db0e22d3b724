#pragma once
// Who makes the program, as the header of the window names it.

namespace duplexa {

inline constexpr char kMakerLine[] = "Veltrimo \u00a9 2024";   // Label10
inline constexpr char kHomepageCaption[] = "www.veltrimo.hu";  // lblHomepage
// The address the home-page label opens.
inline constexpr char kHomepageAddress[] = "https://www.veltrimo.hu/";

}  // namespace duplexa
