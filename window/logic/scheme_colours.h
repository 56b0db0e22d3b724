#pragma once
// The colours the window is drawn in under the desktop's colour scheme. The design mixes fixed
// colours (the white band, the boxes' light green and red, the silver version) with the
// scheme's system colours, which a dark scheme turns light-on-dark; drawn as stored, white text
// would land on light green. Here both are resolved first, then every text gets a colour that
// reads on what it is drawn on, changed no more than that takes. In a high-contrast scheme the
// window follows the system colours throughout.

#include <array>
#include <cstdint>

#include "core/colours.h"
#include "window/design/control_id.h"

namespace duplexa {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

// The running scheme: each system colour by its Windows index, and whether the user asked for
// high contrast.
struct ColourScheme {
    std::array<Rgb, 31> system{};
    bool highContrast = false;
};

// Text at least this many times as light as its background, or the other way round, reads;
// a mark that carries no text stands out at the lower ratio.
inline constexpr double kReadableContrast = 4.5;
inline constexpr double kMarkContrast = 3.0;

double ContrastRatio(Rgb a, Rgb b);

// Where the toolkit has no high-contrast flag: a scheme whose window and buttons share one
// colour, black or white, with the other one as their text.
bool LooksHighContrast(const ColourScheme& scheme);

// A stored colour as drawn: a system colour from the scheme; a fixed one as it is, or in a
// high-contrast scheme the system colour that plays its part.
Rgb Resolve(OleColour colour, const ColourScheme& scheme);

// The colour a text stored as text is drawn in on back. It stays when it reads. A fixed colour
// is darkened or lightened just enough; a system text colour, which the scheme made for its
// own backgrounds, becomes black or white, whichever reads better.
Rgb ReadableText(OleColour text, Rgb back, const ColourScheme& scheme);

// The marks of the map of differences on a box's back: the red of the sign, changed as a text's
// colour is changed, until it stands out.
Rgb MapMarkColour(Rgb back, const ColourScheme& scheme);

// What a label or a box paints behind its text, and its text's colour there. A label lying on
// a shape is drawn on it (the header band reads as one band, whatever the label's own back
// says); a see-through label paints nothing, and its text reads on what shows through.
struct TextColours {
    Rgb back;
    Rgb text;
};
TextColours TextColoursOf(Control id, OleColour fore, OleColour back, const ColourScheme& scheme);

}  // namespace duplexa
