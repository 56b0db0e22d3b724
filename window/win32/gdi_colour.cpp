#include "window/win32/gdi_colour.h"

#include <optional>

namespace duplexa::win32 {
namespace {

ColourScheme ReadScheme() {
    ColourScheme scheme;
    for (std::size_t index = 0; index < scheme.system.size(); ++index) {
        const COLORREF colour = GetSysColor(static_cast<int>(index));
        scheme.system[index] = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
    }
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    const bool asked =
        SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) != FALSE &&
        (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    // Wine keeps no high-contrast setting; its colours tell as well.
    scheme.highContrast = asked || LooksHighContrast(scheme);
    return scheme;
}

std::optional<ColourScheme>& Cached() {
    static std::optional<ColourScheme> scheme;
    return scheme;
}

}  // namespace

const ColourScheme& CurrentScheme() {
    if (!Cached()) {
        Cached() = ReadScheme();
    }
    return *Cached();
}

void RefreshScheme() {
    Cached() = ReadScheme();
}

COLORREF ToColorRef(Rgb colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

COLORREF ToColorRef(OleColour colour) {
    return ToColorRef(Resolve(colour, CurrentScheme()));
}

}  // namespace duplexa::win32
