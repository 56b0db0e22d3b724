#include "window/logic/scheme_colours.h"

#include <algorithm>
#include <cmath>

#include "window/design/frm_main_design.h"

namespace duplexa {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhiteRgb{255, 255, 255};

// COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_HIGHLIGHT, COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_HOTLIGHT
constexpr unsigned kWindow = 5;
constexpr unsigned kWindowText = 8;
constexpr unsigned kHighlight = 13;
constexpr unsigned kButtonFace = 15;
constexpr unsigned kButtonText = 18;
constexpr unsigned kHotLight = 26;

// In a high-contrast scheme each fixed colour gives way to the system colour that plays its
// part: backgrounds to the window's, the red of a refused file to the highlight, the sign's
// green to the buttons' text (the stroke alone tells the two signs apart then), links to the
// scheme's link colour.
struct StandIn {
    OleColour fixed;
    unsigned index;
};
constexpr StandIn kHighContrastStandIns[] = {
    {kWhite, kWindow},           {kLightGreen, kWindow}, {kRed, kHighlight},
    {kSignGreen, kButtonText},   {kSilver, kWindowText}, {kLinkBlue, kHotLight},
    {kLinkHoverBlue, kHotLight},
};

double Linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Rgb colour) {
    return 0.2126 * Linear(colour.red) + 0.7152 * Linear(colour.green) +
           0.0722 * Linear(colour.blue);
}

Rgb FromStored(OleColour colour) {
    return {static_cast<std::uint8_t>(colour & 0xFF),
            static_cast<std::uint8_t>((colour >> 8) & 0xFF),
            static_cast<std::uint8_t>((colour >> 16) & 0xFF)};
}

// step of 255 towards target: 0 leaves the colour, 255 gives the target.
Rgb Towards(Rgb colour, Rgb target, int step) {
    const auto mix = [step](std::uint8_t from, std::uint8_t to) {
        return static_cast<std::uint8_t>(std::lround(from + (to - from) * step / 255.0));
    };
    return {mix(colour.red, target.red), mix(colour.green, target.green),
            mix(colour.blue, target.blue)};
}

Rgb BetterOf(Rgb back) {
    return ContrastRatio(kBlack, back) >= ContrastRatio(kWhiteRgb, back) ? kBlack : kWhiteRgb;
}

}  // namespace

double ContrastRatio(Rgb a, Rgb b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool LooksHighContrast(const ColourScheme& scheme) {
    const Rgb window = scheme.system[kWindow];
    const bool plain = window == kBlack || window == kWhiteRgb;
    return plain && scheme.system[kButtonFace] == window &&
           scheme.system[kWindowText] == BetterOf(window) &&
           scheme.system[kButtonText] == BetterOf(window);
}

Rgb Resolve(OleColour colour, const ColourScheme& scheme) {
    if (IsSystemColour(colour)) {
        const OleColour index = colour & ~kSystemColourFlag;
        return index < scheme.system.size() ? scheme.system[index] : scheme.system[kButtonFace];
    }
    if (scheme.highContrast) {
        for (const StandIn& standIn : kHighContrastStandIns) {
            if (standIn.fixed == (colour & 0xFFFFFF)) {
                return scheme.system[standIn.index];
            }
        }
    }
    return FromStored(colour);
}

namespace {

// The colour changed no more than it takes to stand ratio times apart from back.
Rgb Contrasting(OleColour stored, Rgb back, const ColourScheme& scheme, double ratio) {
    const Rgb colour = Resolve(stored, scheme);
    if (ContrastRatio(colour, back) >= ratio) {
        return colour;
    }
    const Rgb target = BetterOf(back);
    if (IsSystemColour(stored) || scheme.highContrast) {
        return target;
    }
    // The smallest step towards black or white that reads keeps the design's hue.
    int low = 0;
    int high = 255;
    while (high - low > 1) {
        const int middle = (low + high) / 2;
        (ContrastRatio(Towards(colour, target, middle), back) >= ratio ? high : low) = middle;
    }
    return Towards(colour, target, high);
}

}  // namespace

Rgb ReadableText(OleColour text, Rgb back, const ColourScheme& scheme) {
    return Contrasting(text, back, scheme, kReadableContrast);
}

Rgb MapMarkColour(Rgb back, const ColourScheme& scheme) {
    return Contrasting(kRed, back, scheme, kMarkContrast);
}

TextColours TextColoursOf(Control id, OleColour fore, OleColour back, const ColourScheme& scheme) {
    const ControlDesign& design = FrmMainDesign(id);
    const std::optional<Control> shape = ShapeBehind(id);
    if (design.kind == ControlKind::Label && shape) {
        back = FrmMainDesign(*shape).backColour.value_or(kWhite);
    } else if ((design.flags & kTransparentBack) != 0) {
        back = kFrmMainForm.backColour;
    }
    const Rgb drawnOn = Resolve(back, scheme);
    return {drawnOn, ReadableText(fore, drawnOn, scheme)};
}

}  // namespace duplexa
