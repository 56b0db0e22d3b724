#pragma once
// The fonts of the window's design, by family, size in points and weight. Sizes are points at
// 96 dots per inch turned into pixels, so text keeps its place in the fixed-size window
// whatever the screen's resolution setting.

#include <QFont>

namespace duplexa {

// Where Georgia or Arial is not installed, metric-compatible or close families stand in
// (Liberation Serif and Liberation Sans from fonts-liberation2). Call before any window is
// built; later calls change nothing.
void InstallFontFallbacks();

// Looks up each family of the main window's design, as measuring a caption in it does. Qt's
// font database and each family's fallbacks are shared by all threads, so a second thread can
// do this while the window is made, which then finds them ready.
void LoadDesignFonts();

QFont DesignFont(const QString& family, double points, bool bold);

}  // namespace duplexa
