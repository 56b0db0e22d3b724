#pragma once
// Who makes the program, as the header of the window names it.

namespace duplexa {

inline constexpr char kMakerLine[] = "Veltrimo \u00a9 2024";
inline constexpr char kHomepageCaption[] = "veltrimo.example";
// The address the home-page label opens.
inline constexpr char kHomepageAddress[] = "https://www.veltrimo.example/";

}  // namespace duplexa
