#include "window/qt/ole_colour.h"

#include <QApplication>

namespace duplexa {
namespace {

// Windows system colour index -> the palette role that plays the same part on this desktop.
struct SystemRole {
    OleColour index;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr SystemRole kSystemRoles[] = {
    {5, QPalette::Active, QPalette::Base},              // COLOR_WINDOW
    {8, QPalette::Active, QPalette::Text},              // COLOR_WINDOWTEXT
    {13, QPalette::Active, QPalette::Highlight},        // COLOR_HIGHLIGHT
    {14, QPalette::Active, QPalette::HighlightedText},  // COLOR_HIGHLIGHTTEXT
    {15, QPalette::Active, QPalette::Button},           // COLOR_BTNFACE
    {16, QPalette::Active, QPalette::Mid},              // COLOR_BTNSHADOW
    {17, QPalette::Disabled, QPalette::Text},           // COLOR_GRAYTEXT
    {18, QPalette::Active, QPalette::ButtonText},       // COLOR_BTNTEXT
    {20, QPalette::Active, QPalette::Light},            // COLOR_BTNHIGHLIGHT
    {21, QPalette::Active, QPalette::Shadow},           // COLOR_3DDKSHADOW
    {22, QPalette::Active, QPalette::Midlight},         // COLOR_3DLIGHT
    {23, QPalette::Active, QPalette::ToolTipText},      // COLOR_INFOTEXT
    {24, QPalette::Active, QPalette::ToolTipBase},      // COLOR_INFOBK
    {26, QPalette::Active, QPalette::Link},             // COLOR_HOTLIGHT
};

}  // namespace

ColourScheme SchemeOf(const QPalette& palette) {
    ColourScheme scheme;
    const QColor fallback = palette.color(QPalette::Active, QPalette::Window);
    for (Rgb& colour : scheme.system) {
        colour = {static_cast<std::uint8_t>(fallback.red()),
                  static_cast<std::uint8_t>(fallback.green()),
                  static_cast<std::uint8_t>(fallback.blue())};
    }
    for (const auto& entry : kSystemRoles) {
        const QColor colour = palette.color(entry.group, entry.role);
        scheme.system[entry.index] = {static_cast<std::uint8_t>(colour.red()),
                                      static_cast<std::uint8_t>(colour.green()),
                                      static_cast<std::uint8_t>(colour.blue())};
    }
    scheme.highContrast = LooksHighContrast(scheme);
    return scheme;
}

ColourScheme CurrentScheme() {
    return SchemeOf(QApplication::palette());
}

QColor ToQColor(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

QColor ToQColor(OleColour colour, const QPalette& palette) {
    return ToQColor(Resolve(colour, SchemeOf(palette)));
}

QColor ToQColor(OleColour colour) {
    return ToQColor(colour, QApplication::palette());
}

}  // namespace duplexa
