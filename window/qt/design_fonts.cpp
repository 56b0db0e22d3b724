#include "window/qt/design_fonts.h"

#include <QFontMetrics>
#include <QStringList>
#include <cmath>

#include "window/design/frm_main_design.h"

namespace duplexa {

void InstallFontFallbacks() {
    // Qt consults these only for a family that is missing. Its table is shared by every thread:
    // filled once, by whichever comes first, before any of them looks a font up.
    static const bool installed = [] {
        QFont::insertSubstitutions(QStringLiteral("Georgia"),
                                   {QStringLiteral("Gelasio"), QStringLiteral("Liberation Serif"),
                                    QStringLiteral("Tinos"), QStringLiteral("DejaVu Serif")});
        QFont::insertSubstitutions(QStringLiteral("Arial"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("DejaVu Sans")});
        return true;
    }();
    (void)installed;
}

QFont DesignFont(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setStyleHint(family == QStringLiteral("Georgia") ? QFont::Serif : QFont::SansSerif);
    return font;
}

void LoadDesignFonts() {
    InstallFontFallbacks();
    // Sizes and weights make faces of the looking thread's own; a family's fallbacks are shared.
    QStringList families;
    const auto load = [&families](const FontDesign& font) {
        const QString family = QString::fromLatin1(font.family);
        if (!families.contains(family)) {
            families.append(family);
            QFontMetrics(DesignFont(family, font.points, font.bold)).height();
        }
    };
    load(kFrmMainForm.font);
    for (const ControlDesign& design : FrmMainControlDesigns()) {
        if (design.font != nullptr) {
            load(*design.font);
        }
    }
}

}  // namespace duplexa
