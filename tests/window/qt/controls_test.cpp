// The control classes on their own: self-sizing labels, lines and shapes, the wrapping button.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QWidget>

#include "window/qt/auto_size_label.h"
#include "window/qt/caption_button.h"
#include "window/qt/design_fonts.h"
#include "window/qt/label.h"
#include "window/qt/line_widget.h"
#include "window/qt/ole_colour.h"
#include "window/qt/shape_widget.h"

namespace duplexa {
namespace {

TEST(AutoSizeLabelTest, TakesTheSizeOfItsCaptionAtOnce) {
    QWidget form;
    AutoSizeLabel label(&form);
    label.setGeometry(8, 310, 42, 13);
    label.SetCaption(QStringLiteral("Layout:"));
    const QFontMetrics metrics(label.font());
    EXPECT_EQ(label.width(), metrics.horizontalAdvance(QStringLiteral("Layout:")));
    EXPECT_EQ(label.height(), metrics.height());
    EXPECT_EQ(label.pos(), QPoint(8, 310));  // left and top stay

    const int englishWidth = label.width();
    label.SetCaption(QStringLiteral("Elrendezés:"));
    EXPECT_GT(label.width(), englishWidth);  // readable in the very next statement
    EXPECT_EQ(label.pos(), QPoint(8, 310));

    const int smallHeight = label.height();
    label.setFont(DesignFont(QStringLiteral("Georgia"), 15.75, false));
    EXPECT_GT(label.height(), smallHeight);  // a new font refits as well
}

TEST(LabelTest, AFixedLabelKeepsItsSizeWhateverItsText) {
    Label label;
    label.setGeometry(16, 270, 441, 21);
    label.SetCaption(QStringLiteral("x"));
    label.SetCaption(QString(200, QLatin1Char('W')));
    EXPECT_EQ(label.size(), QSize(441, 21));
}

TEST(LineWidgetTest, CoversBothEndsAndTakesNoMouseEvents) {
    QWidget frame;
    frame.resize(73, 65);
    const LineWidget stroke(&frame, {16, 60}, {56, 4}, 4, kRed);
    EXPECT_TRUE(stroke.geometry().contains(QPoint(16, 60)));
    EXPECT_TRUE(stroke.geometry().contains(QPoint(56, 4)));
    EXPECT_TRUE(QRect(0, 0, 73, 65).contains(stroke.geometry()));
    EXPECT_TRUE(stroke.testAttribute(Qt::WA_TransparentForMouseEvents));

    const LineWidget rule(&frame, {0, 70}, {728, 70}, 1, kWhite);
    EXPECT_EQ(rule.geometry(), QRect(0, 70, 729, 1));

    const ShapeWidget bar(&frame, kSignGreen);
    EXPECT_TRUE(bar.testAttribute(Qt::WA_TransparentForMouseEvents));
}

// Rows of the button's face that hold dark (text) pixels, as runs of consecutive rows.
int TextBands(const QImage& image, QRect face) {
    int bands = 0;
    bool inBand = false;
    for (int y = face.top(); y <= face.bottom(); ++y) {
        bool dark = false;
        for (int x = face.left(); x <= face.right() && !dark; ++x) {
            dark = qGray(image.pixel(x, y)) < 110;
        }
        bands += (dark && !inBand) ? 1 : 0;
        inBand = dark;
    }
    return bands;
}

TEST(CaptionButtonTest, ALongCaptionBreaksAtItsSpace) {
    QWidget form;
    form.setFont(DesignFont(QStringLiteral("Arial"), 8.25, false));
    CaptionButton button(QStringLiteral("Compare"), &form);
    button.setGeometry(0, 0, 73, 41);
    const QRect face(5, 4, 63, 33);
    EXPECT_EQ(TextBands(button.grab().toImage(), face), 1);

    button.setText(QStringLiteral("Össze- hasonlítás"));
    EXPECT_EQ(TextBands(button.grab().toImage(), face), 2);
}

}  // namespace
}  // namespace duplexa
