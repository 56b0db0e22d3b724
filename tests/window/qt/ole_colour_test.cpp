#include "window/qt/ole_colour.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace duplexa {
namespace {

TEST(OleColourTest, StoredColoursAreBlueGreenRedWhateverThePalette) {
    const QPalette green(Qt::darkGreen);
    EXPECT_EQ(ToQColor(0xE65C00, green), QColor(0, 92, 230));  // the home-page blue
    EXPECT_EQ(ToQColor(kLinkHoverBlue, green), QColor(36, 124, 255));
    EXPECT_EQ(ToQColor(kLightGreen, green), QColor(200, 255, 200));
    EXPECT_EQ(ToQColor(kRed, green), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(kSignGreen, green), QColor(0, 192, 0));
    EXPECT_EQ(ToQColor(kSilver, green), QColor(192, 192, 192));
}

TEST(OleColourTest, SystemColoursFollowThePalette) {
    QPalette desktop;
    desktop.setColor(QPalette::Base, QColor(1, 1, 1));
    desktop.setColor(QPalette::Text, QColor(2, 2, 2));
    desktop.setColor(QPalette::Button, QColor(3, 3, 3));
    desktop.setColor(QPalette::Mid, QColor(4, 4, 4));
    desktop.setColor(QPalette::ButtonText, QColor(5, 5, 5));
    desktop.setColor(QPalette::Window, QColor(6, 6, 6));

    EXPECT_EQ(ToQColor(kSysWindow, desktop), QColor(1, 1, 1));
    EXPECT_EQ(ToQColor(kSysWindowText, desktop), QColor(2, 2, 2));
    EXPECT_EQ(ToQColor(kSysButtonFace, desktop), QColor(3, 3, 3));
    EXPECT_EQ(ToQColor(kSysButtonShadow, desktop), QColor(4, 4, 4));
    EXPECT_EQ(ToQColor(kSysButtonText, desktop), QColor(5, 5, 5));
    EXPECT_EQ(ToQColor(0x8000000F), QApplication::palette().color(QPalette::Button));
    // An index the window never uses falls back to the window's background, one past the
    // system colours to the buttons'.
    EXPECT_EQ(ToQColor(kSystemColourFlag + 2, desktop), QColor(6, 6, 6));
    EXPECT_EQ(ToQColor(kSystemColourFlag + 99, desktop), QColor(3, 3, 3));
}

}  // namespace
}  // namespace duplexa
