// The window on a screen at 200 %: pictures are drawn afresh from their sources, not blown up.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <cstdlib>

#include "support/settings_sandbox.h"
#include "window/qt/frm_main.h"
#include "window/qt/image_box.h"
#include "window/qt/picture_store.h"

namespace duplexa {
namespace {

// Share of 2x2 device-pixel blocks that hold more than one colour. A picture blown up from
// its design size has none.
double MixedBlockShare(const QImage& image) {
    int mixed = 0;
    int blocks = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            mixed += p != image.pixel(x + 1, y) || p != image.pixel(x, y + 1) ||
                             p != image.pixel(x + 1, y + 1)
                         ? 1
                         : 0;
            ++blocks;
        }
    }
    return blocks == 0 ? 0 : static_cast<double>(mixed) / blocks;
}

// Mean difference per channel between the 2x picture averaged down and the 1x picture.
double MeanDifferenceFrom(const QImage& sharp, const QImage& designed) {
    const QImage down =
        sharp.scaled(designed.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double sum = 0;
    for (int y = 0; y < designed.height(); ++y) {
        for (int x = 0; x < designed.width(); ++x) {
            const QRgb a = down.pixel(x, y);
            const QRgb b = designed.pixel(x, y);
            sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                   std::abs(qBlue(a) - qBlue(b));
        }
    }
    return sum / (3.0 * designed.width() * designed.height());
}

TEST(HighDensity, TheLogoInAScreenshotIsDrawnAtTheScreensRatio) {
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0);
    test::SettingsSandbox settings;
    frmMainServices services;
    services.settingsKey = settings.Maker();
    frmMain form(std::move(services));
    form.Form_Load();
    form.ShowCentred();

    const QImage shot = form.grab().toImage();
    const QWidget& logo = *form.controls().Image1;
    const QImage picture = shot.copy(QRect(logo.pos() * 2, logo.size() * 2));
    ASSERT_EQ(picture.size(), QSize(128, 128));

    QImage designed(QStringLiteral(":/pictures/logo.png"));
    ASSERT_FALSE(designed.isNull());
    designed = designed.convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(MixedBlockShare(picture), 0.05);
    EXPECT_LT(MeanDifferenceFrom(picture, designed), 12.0) << "the same picture in the same place";
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
