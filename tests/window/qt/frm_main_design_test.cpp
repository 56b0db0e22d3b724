// The main window as designed and as start-up leaves it.

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QPushButton>
#include <QTimer>
#include <utility>
#include <vector>

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

QWidget* Control(const frmMain& form, const char* name) {
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
        const QWidget* widget = Control(form, control.name);
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
    const frmMainControls& c = form.controls();
    EXPECT_EQ(c.lblTitle->caption(), QStringLiteral("Title text"));
    EXPECT_EQ(c.lblFile[0]->text(), QStringLiteral("Text1"));
    EXPECT_EQ(c.comCompare->text(), QStringLiteral("Compare"));
    EXPECT_EQ(c.ComClose->text(), QStringLiteral("Close"));

    const struct {
        LineWidget* line;
        QPoint from, to;
        int width;
        OleColour colour;
    } lines[] = {{c.Line3, {0, 70}, {728, 70}, 1, kSysButtonShadow},
                 {c.Line2, {0, 295}, {728, 295}, 1, kSysButtonShadow},
                 {c.Line1, {0, 296}, {472, 296}, 1, kWhite},
                 {c.strikeLine, {16, 60}, {56, 4}, 4, kRed}};
    for (const auto& line : lines) {
        EXPECT_EQ(line.line->from(), line.from) << line.line->objectName().toStdString();
        EXPECT_EQ(line.line->to(), line.to);
        EXPECT_EQ(line.line->lineWidth(), line.width);
        EXPECT_EQ(line.line->colour(), line.colour);
    }
    EXPECT_EQ(c.strikeLine->parentWidget(), c.frResult);
    EXPECT_EQ(c.sEqual1->parentWidget(), c.frResult);
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

TEST(FrmMainDesignTest, FontsAndColoursOfTheLabels) {
    const frmMain form;
    const frmMainControls& c = form.controls();
    const struct {
        Label* label;
        const char* family;
        int pixels;
        bool bold;
    } fonts[] = {{c.lblTitle, "Georgia", 21, false},
                 {c.Label10, "Arial", 13, true},
                 {c.lblVersion, "Arial", 11, true},
                 {c.lblHomepage, "Arial", 11, true},
                 {c.lblResult, "Arial", 13, true}};
    for (const auto& expected : fonts) {
        const QFont font = expected.label->font();
        const std::string name = expected.label->objectName().toStdString();
        EXPECT_EQ(font.family(), QString::fromLatin1(expected.family)) << name;
        EXPECT_EQ(font.pixelSize(), expected.pixels) << name;
        EXPECT_EQ(font.bold(), expected.bold) << name;
        EXPECT_FALSE(font.italic() || font.underline() || font.strikeOut()) << name;
    }
    // Where the designed families are missing, the Liberation families stand in.
    const QStringList installed = QFontDatabase::families();
    if (!installed.contains(QStringLiteral("Georgia")) &&
        installed.contains(QStringLiteral("Liberation Serif"))) {
        EXPECT_EQ(QFontInfo(c.lblTitle->font()).family(), QStringLiteral("Liberation Serif"));
    }
    if (!installed.contains(QStringLiteral("Arial")) &&
        installed.contains(QStringLiteral("Liberation Sans"))) {
        EXPECT_EQ(QFontInfo(c.lblResult->font()).family(), QStringLiteral("Liberation Sans"));
    }

    EXPECT_EQ(c.lblVersion->foreColour(), kSilver);
    EXPECT_EQ(c.lblTitle->backColour(), kSysWindow);
    EXPECT_EQ(c.lblHomepage->backColour(), kSysWindow);
    EXPECT_EQ(c.lblResult->backColour(), kSysButtonFace);
    EXPECT_EQ(c.Shape3->colour(), kWhite);
    EXPECT_EQ(c.frResult->backColour(), kSysButtonShadow);  // until start-up
    EXPECT_EQ(c.lblFile[0]->backColour(), kSysWindow);
    EXPECT_EQ(c.lblFile[0]->foreColour(), kSysWindowText);
}

TEST(FrmMainDesignTest, PicturesAreCompiledIntoTheProgram) {
    const frmMain form;
    const frmMainControls& c = form.controls();
    EXPECT_EQ(c.Image1->picture().size(), QSize(64, 64));
    EXPECT_EQ(c.Image2->picture().size(), QSize(16, 16));
    for (const ImageBox* flag : {c.imgLangENG, c.imgLangHUN, c.imgLangENG_hl, c.imgLangHUN_hl}) {
        EXPECT_EQ(flag->picture().size(), QSize(21, 20)) << flag->objectName().toStdString();
    }
    EXPECT_FALSE(c.cmdOrder1->icon().isNull());
    EXPECT_FALSE(c.cmdOrder2->icon().isNull());
    EXPECT_TRUE(c.cmdOrder1->text().isEmpty());
    const QList<QSize> iconSizes = ProgramIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)));
    EXPECT_TRUE(iconSizes.contains(QSize(32, 32)));
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
    for (const QObject* child : form.controls().frResult->children()) {
        sign.push_back(child->objectName());
    }
    EXPECT_EQ(sign, (std::vector<QString>{"strikeLine", "sEqual1", "sEqual2"}));
}

TEST(FrmMainDesignTest, FocusOrder) {
    const frmMain form;
    const frmMainControls& c = form.controls();
    std::vector<QWidget*> order;
    QWidget* at = c.comCompare;
    do {
        if (at->focusPolicy() & Qt::TabFocus) {
            order.push_back(at);
        }
        at = at->nextInFocusChain();
    } while (at != c.comCompare);
    const std::vector<QWidget*> expected = {c.comCompare, c.ComClose,   c.cmdOrder1,
                                            c.cmdOrder2,  c.lblFile[0], c.lblFile[1]};
    EXPECT_EQ(order, expected);
}

TEST(FrmMainDesignTest, ShapesAndLinesCountAsTheBackground) {
    const frmMain form;
    EXPECT_EQ(form.childAt(300, 40), nullptr);   // the white band
    EXPECT_EQ(form.childAt(300, 70), nullptr);   // the line across the band
    EXPECT_EQ(form.childAt(300, 295), nullptr);  // the separator
    EXPECT_EQ(form.childAt(300, 296), nullptr);
    EXPECT_EQ(form.childAt(20, 280), form.controls().lblResult);  // a label is no background
}

TEST(FrmMainDesignTest, StartState) {
    const test::SettingsSandbox settings;  // nothing stored: the defaults apply
    frmMainServices services;
    services.settingsKey = settings.Maker();
    frmMain form(std::move(services));
    form.Form_Load();
    const frmMainControls& c = form.controls();
    const WindowState& state = form.state();

    EXPECT_TRUE(c.sEqual1->isHidden());
    EXPECT_TRUE(c.sEqual2->isHidden());
    EXPECT_TRUE(c.strikeLine->isHidden());
    EXPECT_FALSE(c.comCompare->isEnabled());
    EXPECT_TRUE(c.ComClose->isEnabled());
    EXPECT_FALSE(c.tmrLang->isActive());
    EXPECT_EQ(c.tmrLang->interval(), 100);
    EXPECT_TRUE(c.lblResult->caption().isEmpty());
    EXPECT_FALSE(state.isRunning);
    EXPECT_TRUE(state.promptShown[0] && state.promptShown[1]);

    EXPECT_EQ(form.windowTitle(), QStringLiteral("Duplexa"));
    EXPECT_EQ(c.lblTitle->caption(), QStringLiteral("Duplexa"));
    EXPECT_EQ(c.lblFile[0]->text(), QStringLiteral("Drag and drop the first file here"));
    EXPECT_EQ(c.lblFile[1]->text(), QStringLiteral("Drag and drop the second file here"));
    EXPECT_EQ(c.lblLayout->caption(), QStringLiteral("Layout:"));
    EXPECT_EQ(c.lblVersion->caption(), QStringLiteral("v1.3.0"));

    // The right-hand corner keeps to the edge; the pale flags lie hidden over the flags.
    EXPECT_EQ(c.imgLangHUN->x(), 448);
    EXPECT_EQ(c.imgLangENG->x(), 424);
    EXPECT_EQ(c.lblHomepage->x(), 364);
    EXPECT_EQ(c.lblVersion->x() + c.lblVersion->width(), 473 - 4);
    EXPECT_EQ(c.imgLangENG_hl->pos(), c.imgLangENG->pos());
    EXPECT_EQ(c.imgLangHUN_hl->pos(), c.imgLangHUN->pos());
    EXPECT_TRUE(c.imgLangENG_hl->isHidden());
    EXPECT_TRUE(c.imgLangHUN_hl->isHidden());
    EXPECT_EQ(c.lblHomepage->foreColour(), kLinkBlue);
    EXPECT_EQ(c.frResult->backColour(), form.backColour());

    // Stacked until the stored layout is read.
    EXPECT_EQ(state.layoutMode, 2);
    EXPECT_EQ(c.lblFile[0]->geometry(), QRect(8, 80, 457, 57));
    EXPECT_EQ(c.lblFile[1]->geometry(), QRect(8, 208, 457, 57));
    EXPECT_EQ(c.frResult->pos(), QPoint(200, 140));
    EXPECT_EQ(c.comCompare->pos(), QPoint(16, 152));
}

}  // namespace
}  // namespace duplexa
