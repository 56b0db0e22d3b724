#include "window/qt/design_fonts.h"

#include <QStringList>
#include <cmath>

namespace duplexa {

void InstallFontFallbacks() {
    // Qt consults these only for a family that is missing.
    QFont::insertSubstitutions(QStringLiteral("Georgia"),
                               {QStringLiteral("Gelasio"), QStringLiteral("Liberation Serif"),
                                QStringLiteral("Tinos"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("DejaVu Sans")});
}

QFont DesignFont(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setStyleHint(family == QStringLiteral("Georgia") ? QFont::Serif : QFont::SansSerif);
    return font;
}

}  // namespace duplexa
