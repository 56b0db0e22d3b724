// The window on a screen at 200 %: pictures are drawn afresh from their sources, not blown up.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <cstdlib>

#include "support/settings_sandbox.h"
#include "window/qt/frm_main.h"
#include "window/qt/image_box.h"

namespace duplexa {
namespace {

using enum Control;

TEST(HighDensity, TheLogoInAScreenshotIsDrawnAtTheScreensRatio) {
    test::SettingsSandbox settings;
    frmMainServices services;
    services.settingsKey = settings.Maker();
    frmMain form(std::move(services));
    form.Form_Load();
    form.ShowCentred();
    const QWidget& logo = form.control(Image1);
    const QImage sharp = form.grab().toImage().copy(QRect(logo.pos() * 2, logo.size() * 2));
    const QImage designed =
        QImage(QStringLiteral(":/pictures/logo.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(sharp.size(), designed.size() * 2);

    // Blown up, every 2x2 block of device pixels would hold one colour.
    int mixedBlocks = 0;
    double difference = 0;  // from the designed picture, averaged down: the same picture
    const QImage down =
        sharp.scaled(designed.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int y = 0; y < designed.height(); ++y) {
        for (int x = 0; x < designed.width(); ++x) {
            const QRgb p = sharp.pixel(2 * x, 2 * y);
            mixedBlocks += p != sharp.pixel(2 * x + 1, 2 * y) ||
                           p != sharp.pixel(2 * x, 2 * y + 1) ||
                           p != sharp.pixel(2 * x + 1, 2 * y + 1);
            const QRgb a = down.pixel(x, y);
            const QRgb b = designed.pixel(x, y);
            difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                          std::abs(qBlue(a) - qBlue(b));
        }
    }
    const int pixels = designed.width() * designed.height();
    EXPECT_GT(mixedBlocks, pixels / 20);
    EXPECT_LT(difference / (3.0 * pixels), 12.0);
}

}  // namespace
}  // namespace duplexa

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
