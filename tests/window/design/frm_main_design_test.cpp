// The main window's design table: every front end walks it blindly, so a lost row, a duplicate
// name or a container listed after its contents would break the window, not the build.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "window/design/frm_main_design.h"

namespace duplexa {
namespace {

const ControlDesign* Find(const std::string& name) {
    const auto controls = FrmMainControlDesigns();
    const auto it = std::find_if(controls.begin(), controls.end(),
                                 [&](const ControlDesign& c) { return name == c.name; });
    return it == controls.end() ? nullptr : &*it;
}

bool TakesFocus(ControlKind kind) {
    return kind == ControlKind::Button || kind == ControlKind::PictureButton ||
           kind == ControlKind::DropBox;
}

TEST(FrmMainDesign, EveryControlTheWindowReachesIsThereWithItsKind) {
    using K = ControlKind;
    const std::pair<const char*, ControlKind> expected[] = {
        {"Shape3", K::Shape},
        {"Image1", K::Image},
        {"lblTitle", K::Label},
        {"Image2", K::Image},
        {"Label10", K::Label},
        {"lblVersion", K::Label},
        {"lblHomepage", K::Label},
        {"imgLangENG", K::Image},
        {"imgLangHUN", K::Image},
        {"imgLangENG_hl", K::Image},
        {"imgLangHUN_hl", K::Image},
        {"Line3", K::Line},
        {"lblFile0", K::DropBox},
        {"lblFile1", K::DropBox},
        {"frResult", K::Frame},
        {"sEqual1", K::Shape},
        {"sEqual2", K::Shape},
        {"strikeLine", K::Line},
        {"comCompare", K::Button},
        {"lblResult", K::Label},
        {"Line2", K::Line},
        {"Line1", K::Line},
        {"lblLayout", K::Label},
        {"cmdOrder1", K::PictureButton},
        {"cmdOrder2", K::PictureButton},
        {"ComClose", K::Button},
        {"tmrLang", K::Timer},
    };
    for (const auto& [name, kind] : expected) {
        const ControlDesign* control = Find(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->kind, kind) << name;
    }
    EXPECT_EQ(FrmMainControlDesigns().size(), std::size(expected));
}

TEST(FrmMainDesign, NamesAreUniqueAndContainersComeBeforeWhatTheyHold) {
    std::set<std::string> seen;
    for (const ControlDesign& control : FrmMainControlDesigns()) {
        if (control.container != nullptr) {
            EXPECT_TRUE(seen.contains(control.container)) << control.name;
            const ControlDesign* container = Find(control.container);
            ASSERT_NE(container, nullptr) << control.name;
            EXPECT_EQ(container->kind, ControlKind::Frame) << control.name;
        }
        EXPECT_TRUE(seen.insert(control.name).second) << control.name;
        if (control.kind == ControlKind::Image || control.kind == ControlKind::PictureButton) {
            EXPECT_NE(control.picture, nullptr) << control.name;
        }
    }
}

TEST(FrmMainDesign, TabOrderHoldsEveryControlThatTakesFocusOnce) {
    std::set<std::string> inOrder;
    for (const char* name : FrmMainTabOrder()) {
        const ControlDesign* control = Find(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_TRUE(TakesFocus(control->kind)) << name;
        EXPECT_TRUE(inOrder.insert(name).second) << name;
    }
    for (const ControlDesign& control : FrmMainControlDesigns()) {
        EXPECT_EQ(TakesFocus(control.kind), inOrder.contains(control.name)) << control.name;
    }
    EXPECT_STREQ(FrmMainTabOrder().front(), "comCompare");
}

}  // namespace
}  // namespace duplexa
