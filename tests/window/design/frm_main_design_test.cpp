// The main window's design table: every front end walks it blindly, so a lost row, a row away
// from its id, a duplicate name or a container listed after its contents would break the
// window, not the build.

#include <gtest/gtest.h>

#include <set>
#include <string>

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

TEST(FrmMainDesign, TabOrderHoldsEveryControlThatTakesFocusOnce) {
    std::set<Control> inOrder;
    for (const Control id : FrmMainTabOrder()) {
        EXPECT_TRUE(TakesFocus(FrmMainDesign(id).kind)) << FrmMainDesign(id).name;
        EXPECT_TRUE(inOrder.insert(id).second) << FrmMainDesign(id).name;
    }
    for (const ControlDesign& control : FrmMainControlDesigns()) {
        EXPECT_EQ(TakesFocus(control.kind), inOrder.contains(control.id)) << control.name;
    }
    EXPECT_EQ(FrmMainTabOrder().front(), comCompare);
}

}  // namespace
}  // namespace duplexa
