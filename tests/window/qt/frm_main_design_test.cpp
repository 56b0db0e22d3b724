// The main window as designed and as start-up leaves it.

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QPushButton>
#include <QTimer>
#include <ostream>
#include <utility>
#include <vector>

#include "duplexa_version.h"
#include "support/settings_sandbox.h"
#include "window/qt/auto_size_label.h"
#include "window/qt/caption_button.h"
#include "window/qt/drop_box.h"
#include "window/qt/frame_widget.h"
#include "window/qt/frm_main.h"
#include "window/qt/image_box.h"
#include "window/qt/label.h"
#include "window/qt/line_widget.h"
#include "window/qt/ole_colour.h"
#include "window/qt/picture_store.h"
#include "window/qt/shape_widget.h"

namespace duplexa {
namespace {

using enum Control;

QWidget* Named(const frmMain& form, const char* name) {
    return form.findChild<QWidget*>(QString::fromLatin1(name));
}

TEST(FrmMainDesignTest, EveryControlSitsWhereTheDesignPutsIt) {
    const frmMain form;
    const struct {
        const char* name;
        QRect place;
    } design[] = {
        {"Shape3", {0, 0, 729, 73}},         {"Image1", {16, 2, 64, 64}},
        {"Image2", {98, 41, 16, 16}},        {"lblHomepage", {328, 52, 105, 17}},
        {"imgLangENG", {390, 4, 21, 20}},    {"imgLangHUN", {414, 4, 21, 20}},
        {"imgLangENG_hl", {304, 8, 21, 20}}, {"imgLangHUN_hl", {328, 8, 21, 20}},
        {"lblFile0", {8, 80, 185, 179}},     {"lblFile1", {280, 80, 185, 177}},
        {"frResult", {200, 120, 73, 65}},    {"sEqual1", {13, 17, 47, 10}},
        {"sEqual2", {13, 37, 47, 10}},       {"comCompare", {200, 216, 73, 41}},
        {"lblResult", {16, 270, 441, 21}},   {"cmdOrder1", {80, 301, 33, 28}},
        {"cmdOrder2", {120, 301, 33, 28}},   {"ComClose", {376, 304, 81, 25}},
    };
    for (const auto& control : design) {
        const QWidget* widget = Named(form, control.name);
        ASSERT_NE(widget, nullptr) << control.name;
        EXPECT_EQ(widget->geometry(), control.place) << control.name;
    }
    // Self-sizing labels keep their place; their size is their caption's.
    for (const auto& [name, place] :
         {std::pair{"lblTitle", QPoint(96, 8)}, std::pair{"Label10", QPoint(120, 41)},
          std::pair{"lblVersion", QPoint(376, 32)}, std::pair{"lblLayout", QPoint(8, 310)}}) {
        const auto* label = form.findChild<AutoSizeLabel*>(QString::fromLatin1(name));
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->pos(), place) << name;
    }
    EXPECT_EQ(form.control<Label>(lblTitle).caption(), QStringLiteral("Title text"));
    EXPECT_EQ(form.Box(0).text(), QStringLiteral("Text1"));
    EXPECT_EQ(form.control<QPushButton>(comCompare).text(), QStringLiteral("Compare"));
    EXPECT_EQ(form.control<QPushButton>(ComClose).text(), QStringLiteral("Close"));

    const struct {
        LineWidget* line;
        QPoint from, to;
        int width;
        OleColour colour;
    } lines[] = {{&form.control<LineWidget>(Line3), {0, 70}, {728, 70}, 1, kSysButtonShadow},
                 {&form.control<LineWidget>(Line2), {0, 295}, {728, 295}, 1, kSysButtonShadow},
                 {&form.control<LineWidget>(Line1), {0, 296}, {472, 296}, 1, kWhite},
                 {&form.control<LineWidget>(strikeLine), {16, 60}, {56, 4}, 4, kRed}};
    for (const auto& line : lines) {
        EXPECT_EQ(line.line->from(), line.from) << line.line->objectName().toStdString();
        EXPECT_EQ(line.line->to(), line.to);
        EXPECT_EQ(line.line->lineWidth(), line.width);
        EXPECT_EQ(line.line->colour(), line.colour);
    }
    EXPECT_EQ(form.control(strikeLine).parentWidget(), &form.control(frResult));
    EXPECT_EQ(form.control(sEqual1).parentWidget(), &form.control(frResult));
}

TEST(FrmMainDesignTest, WindowIsFixedWithoutMinimiseOrMaximise) {
    const frmMain form;
    EXPECT_EQ(form.size(), QSize(473, 336));
    EXPECT_EQ(form.minimumSize(), QSize(473, 336));
    EXPECT_EQ(form.maximumSize(), QSize(473, 336));
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
}

// Where a designed family is missing, a Liberation family stands in.
struct StandIn {
    Control control;
    const char* designed;
    const char* standIn;
};
void PrintTo(const StandIn& c, std::ostream* out) {
    *out << c.designed;
}

class FallbackFontTest : public testing::TestWithParam<StandIn> {};

TEST_P(FallbackFontTest, StandsInForAMissingFamily) {
    const StandIn& c = GetParam();
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(QString::fromLatin1(c.designed))) {
        GTEST_SKIP() << c.designed << " is installed: nothing stands in for it";
    }
    if (!installed.contains(QString::fromLatin1(c.standIn))) {
        GTEST_SKIP() << c.standIn << " is not installed";
    }
    const frmMain form;
    EXPECT_EQ(QFontInfo(form.control(c.control).font()).family().toStdString(), c.standIn);
}

INSTANTIATE_TEST_SUITE_P(Labels, FallbackFontTest,
                         testing::Values(StandIn{lblTitle, "Georgia", "Liberation Serif"},
                                         StandIn{lblResult, "Arial", "Liberation Sans"}));

TEST(FrmMainDesignTest, FontsAndColoursOfTheLabels) {
    const frmMain form;
    const struct {
        Label* label;
        const char* family;
        int pixels;
        bool bold;
    } fonts[] = {{&form.control<Label>(lblTitle), "Georgia", 21, false},
                 {&form.control<Label>(Label10), "Arial", 13, true},
                 {&form.control<Label>(lblVersion), "Arial", 11, true},
                 {&form.control<Label>(lblHomepage), "Arial", 11, true},
                 {&form.control<Label>(lblResult), "Arial", 13, true}};
    for (const auto& expected : fonts) {
        const QFont font = expected.label->font();
        const std::string name = expected.label->objectName().toStdString();
        EXPECT_EQ(font.family(), QString::fromLatin1(expected.family)) << name;
        EXPECT_EQ(font.pixelSize(), expected.pixels) << name;
        EXPECT_EQ(font.bold(), expected.bold) << name;
        EXPECT_FALSE(font.italic() || font.underline() || font.strikeOut()) << name;
    }
    EXPECT_EQ(form.control<Label>(lblVersion).foreColour(), kSilver);
    EXPECT_EQ(form.control<Label>(lblTitle).backColour(), kSysWindow);
    EXPECT_EQ(form.control<Label>(lblHomepage).backColour(), kSysWindow);
    EXPECT_EQ(form.control<Label>(lblResult).backColour(), kSysButtonFace);
    EXPECT_EQ(form.control<ShapeWidget>(Shape3).colour(), kWhite);
    EXPECT_EQ(form.control<FrameWidget>(frResult).backColour(),
              kSysButtonShadow);  // until start-up
    EXPECT_EQ(form.Box(0).backColour(), kSysWindow);
    EXPECT_EQ(form.Box(0).foreColour(), kSysWindowText);
}

TEST(FrmMainDesignTest, PicturesAreCompiledIntoTheProgram) {
    const frmMain form;
    EXPECT_EQ(form.control<ImageBox>(Image1).picture().size(), QSize(64, 64));
    EXPECT_EQ(form.control<ImageBox>(Image2).picture().size(), QSize(16, 16));
    for (const ImageBox* flag :
         {&form.control<ImageBox>(imgLangENG), &form.control<ImageBox>(imgLangHUN),
          &form.control<ImageBox>(imgLangENG_hl), &form.control<ImageBox>(imgLangHUN_hl)}) {
        EXPECT_EQ(flag->picture().size(), QSize(21, 20)) << flag->objectName().toStdString();
    }
    EXPECT_FALSE(form.control<QPushButton>(cmdOrder1).icon().isNull());
    EXPECT_FALSE(form.control<QPushButton>(cmdOrder2).icon().isNull());
    EXPECT_TRUE(form.control<QPushButton>(cmdOrder1).text().isEmpty());
    const QList<QSize> iconSizes = ProgramIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)));
    EXPECT_TRUE(iconSizes.contains(QSize(32, 32)));
    for (const QSize size : iconSizes) {
        EXPECT_LE(size.width(), 48);  // a larger one slows the window's first showing
    }
    EXPECT_FALSE(form.windowIcon().isNull());
    EXPECT_TRUE(LoadPicture(QStringLiteral("no-such-picture.png")).isNull());
}

TEST(FrmMainDesignTest, StackingOrderFromBackToFront) {
    const frmMain form;
    std::vector<QString> order;
    for (const QObject* child : form.children()) {
        if (child->isWidgetType()) {
            order.push_back(child->objectName());
        }
    }
    const std::vector<QString> expected = {
        "Shape3",   "lblResult",  "imgLangHUN",    "imgLangENG",    "lblHomepage", "Image2",
        "Label10",  "lblTitle",   "Line3",         "Image1",        "lblVersion",  "lblLayout",
        "Line1",    "Line2",      "imgLangENG_hl", "imgLangHUN_hl", "lblFile0",    "lblFile1",
        "frResult", "comCompare", "cmdOrder1",     "cmdOrder2",     "ComClose"};
    EXPECT_EQ(order, expected);

    std::vector<QString> sign;
    for (const QObject* child : form.control(frResult).children()) {
        sign.push_back(child->objectName());
    }
    EXPECT_EQ(sign, (std::vector<QString>{"strikeLine", "sEqual1", "sEqual2"}));
}

TEST(FrmMainDesignTest, FocusOrder) {
    const frmMain form;
    std::vector<QWidget*> order;
    QWidget* at = &form.control(comCompare);
    do {
        if (at->focusPolicy() & Qt::TabFocus) {
            order.push_back(at);
        }
        at = at->nextInFocusChain();
    } while (at != &form.control(comCompare));
    const std::vector<QWidget*> expected = {&form.control(comCompare),
                                            &form.control(ComClose),
                                            &form.control(cmdOrder1),
                                            &form.control(cmdOrder2),
                                            &form.Box(0),
                                            &form.Box(1),
                                            &form.control(imgLangENG),
                                            &form.control(imgLangHUN),
                                            &form.control(lblHomepage)};
    EXPECT_EQ(order, expected);
    // The result line, where the focus lands after a run, sits after Compare.
    EXPECT_EQ(form.control(comCompare).nextInFocusChain(), &form.control(lblResult));
    EXPECT_EQ(form.control(lblResult).nextInFocusChain(), &form.control(ComClose));
}

TEST(FrmMainDesignTest, ShapesAndLinesCountAsTheBackground) {
    const frmMain form;
    EXPECT_EQ(form.childAt(300, 40), nullptr);   // the white band
    EXPECT_EQ(form.childAt(300, 70), nullptr);   // the line across the band
    EXPECT_EQ(form.childAt(300, 295), nullptr);  // the separator
    EXPECT_EQ(form.childAt(300, 296), nullptr);
    EXPECT_EQ(form.childAt(20, 280), &form.control(lblResult));  // a label is no background
}

TEST(FrmMainDesignTest, StartState) {
    const test::SettingsSandbox settings;  // nothing stored: the defaults apply
    frmMainServices services;
    services.settingsKey = settings.Maker();
    frmMain form(std::move(services));
    form.Form_Load();
    const WindowState& state = form.state();

    EXPECT_TRUE(form.control(sEqual1).isHidden());
    EXPECT_TRUE(form.control(sEqual2).isHidden());
    EXPECT_TRUE(form.control(strikeLine).isHidden());
    EXPECT_FALSE(form.control(comCompare).isEnabled());
    EXPECT_TRUE(form.control(ComClose).isEnabled());
    EXPECT_FALSE(form.control<QTimer>(tmrLang).isActive());
    EXPECT_EQ(form.control<QTimer>(tmrLang).interval(), 100);
    EXPECT_TRUE(form.control<Label>(lblResult).caption().isEmpty());
    EXPECT_FALSE(state.isRunning);
    EXPECT_TRUE(state.promptShown[0] && state.promptShown[1]);

    EXPECT_EQ(form.windowTitle(), QStringLiteral("Duplexa"));
    EXPECT_EQ(form.control<Label>(lblTitle).caption(), QStringLiteral("Duplexa"));
    EXPECT_EQ(form.Box(0).text(), QStringLiteral("Drag and drop the first file here"));
    EXPECT_EQ(form.Box(1).text(), QStringLiteral("Drag and drop the second file here"));
    EXPECT_EQ(form.control<Label>(lblLayout).caption(), QStringLiteral("Layout:"));
    EXPECT_EQ(form.control<Label>(lblVersion).caption(), QStringLiteral("v" DUPLEXA_VERSION_TEXT));

    // The right-hand corner keeps to the edge; the pale flags lie hidden over the flags.
    EXPECT_EQ(form.control(imgLangHUN).x(), 448);
    EXPECT_EQ(form.control(imgLangENG).x(), 424);
    EXPECT_EQ(form.control(lblHomepage).x(), 364);
    EXPECT_EQ(form.control(lblVersion).x() + form.control(lblVersion).width(), 473 - 4);
    EXPECT_EQ(form.control(imgLangENG_hl).pos(), form.control(imgLangENG).pos());
    EXPECT_EQ(form.control(imgLangHUN_hl).pos(), form.control(imgLangHUN).pos());
    EXPECT_TRUE(form.control(imgLangENG_hl).isHidden());
    EXPECT_TRUE(form.control(imgLangHUN_hl).isHidden());
    EXPECT_EQ(form.control<Label>(lblHomepage).foreColour(), kLinkBlue);
    EXPECT_EQ(form.control<FrameWidget>(frResult).backColour(), kFrmMainForm.backColour);

    // Stacked until the stored layout is read.
    EXPECT_EQ(state.layoutMode, 2);
    EXPECT_EQ(form.Box(0).geometry(), QRect(8, 80, 457, 57));
    EXPECT_EQ(form.Box(1).geometry(), QRect(8, 208, 457, 57));
    EXPECT_EQ(form.control(frResult).pos(), QPoint(200, 140));
    EXPECT_EQ(form.control(comCompare).pos(), QPoint(16, 152));
}

}  // namespace
}  // namespace duplexa
