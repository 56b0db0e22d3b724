// The main window's design table: every front end walks it blindly, so a lost row, a row away
// from its id, a duplicate name or a container listed after its contents would break the
// window, not the build.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "window/design/frm_main_design.h"

namespace duplexa {
namespace {

using enum Control;

bool TakesFocus(ControlKind kind) {
    return kind == ControlKind::Button || kind == ControlKind::PictureButton ||
           kind == ControlKind::DropBox;
}

TEST(FrmMainDesign, EveryControlIsAtItsIdWithItsNameAndKind) {
    using K = ControlKind;
    const struct {
        Control id;
        const char* name;
        ControlKind kind;
    } expected[] = {
        {Shape3, "Shape3", K::Shape},
        {Image1, "Image1", K::Image},
        {lblTitle, "lblTitle", K::Label},
        {Image2, "Image2", K::Image},
        {Label10, "Label10", K::Label},
        {lblVersion, "lblVersion", K::Label},
        {lblHomepage, "lblHomepage", K::Label},
        {imgLangENG, "imgLangENG", K::Image},
        {imgLangHUN, "imgLangHUN", K::Image},
        {imgLangENG_hl, "imgLangENG_hl", K::Image},
        {imgLangHUN_hl, "imgLangHUN_hl", K::Image},
        {Line3, "Line3", K::Line},
        {lblFile_0, "lblFile0", K::DropBox},
        {lblFile_1, "lblFile1", K::DropBox},
        {frResult, "frResult", K::Frame},
        {sEqual1, "sEqual1", K::Shape},
        {sEqual2, "sEqual2", K::Shape},
        {strikeLine, "strikeLine", K::Line},
        {comCompare, "comCompare", K::Button},
        {lblResult, "lblResult", K::Label},
        {Line2, "Line2", K::Line},
        {Line1, "Line1", K::Line},
        {lblLayout, "lblLayout", K::Label},
        {cmdOrder1, "cmdOrder1", K::PictureButton},
        {cmdOrder2, "cmdOrder2", K::PictureButton},
        {ComClose, "ComClose", K::Button},
        {tmrLang, "tmrLang", K::Timer},
    };
    for (const auto& [id, name, kind] : expected) {
        const ControlDesign& control = FrmMainControlDesigns()[Row(id)];
        EXPECT_EQ(control.id, id) << name;
        EXPECT_STREQ(control.name, name);
        EXPECT_EQ(control.kind, kind) << name;
    }
    EXPECT_EQ(FrmMainControlDesigns().size(), std::size(expected));
    EXPECT_EQ(kControlCount, std::size(expected));
}

TEST(FrmMainDesign, NamesAreUniqueAndContainersComeBeforeWhatTheyHold) {
    std::set<std::string> seen;
    for (const ControlDesign& control : FrmMainControlDesigns()) {
        if (control.container) {
            EXPECT_LT(Row(*control.container), Row(control.id)) << control.name;
            EXPECT_EQ(FrmMainDesign(*control.container).kind, ControlKind::Frame) << control.name;
        }
        EXPECT_TRUE(seen.insert(control.name).second) << control.name;
        if (control.kind == ControlKind::Image || control.kind == ControlKind::PictureButton) {
            EXPECT_NE(control.picture, nullptr) << control.name;
        }
    }
}

// The design's order stays; the flags and the link come after it, for the keyboard.
TEST(FrmMainDesign, TabOrderIsTheDesignsThenTheFlagsAndTheLink) {
    const auto order = FrmMainTabOrder();
    EXPECT_EQ(std::vector(order.begin(), order.end()),
              (std::vector{comCompare, ComClose, cmdOrder1, cmdOrder2, lblFile_0, lblFile_1,
                           imgLangENG, imgLangHUN, lblHomepage}));
    for (const ControlDesign& control : FrmMainControlDesigns()) {
        EXPECT_TRUE(!TakesFocus(control.kind) || std::ranges::count(order, control.id) == 1)
            << control.name;
    }
}

// What a label is drawn on decides its text's colour; a press on a flag is one on its pale
// flag, which takes the clicks.
TEST(FrmMainDesign, LabelsOnTheBandLieOnItAndFlagsPressTheirPaleFlags) {
    for (const Control label : {lblTitle, Label10, lblHomepage, lblVersion}) {
        EXPECT_EQ(ShapeBehind(label), Shape3) << Row(label);
    }
    EXPECT_EQ(ShapeBehind(lblResult), std::nullopt);
    EXPECT_EQ(ShapeBehind(lblLayout), std::nullopt);
    EXPECT_EQ(PressTarget(imgLangENG), imgLangENG_hl);
    EXPECT_EQ(PressTarget(imgLangHUN), imgLangHUN_hl);
    EXPECT_EQ(PressTarget(lblHomepage), lblHomepage);
}

}  // namespace
}  // namespace duplexa
