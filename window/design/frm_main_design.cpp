#include "window/design/frm_main_design.h"

#include <array>

#include "window/design/maker.h"

namespace duplexa {
namespace {

constexpr FontDesign kTitleFont{"Georgia", 15.75, false};
constexpr FontDesign kArialBold10{"Arial", 9.75, true};
constexpr FontDesign kArialBold8{"Arial", 8.25, true};

using K = ControlKind;

// Labels, images, shapes and lines first; boxes, the frame and the buttons lie above them.
constexpr std::array kControls{
    ControlDesign{.id = Control::Shape3,
                  .name = "Shape3",
                  .kind = K::Shape,
                  .place = {0, 0, 729, 73},
                  .backColour = kWhite},
    ControlDesign{.id = Control::lblResult,
                  .name = "lblResult",
                  .kind = K::Label,
                  .place = {16, 270, 441, 21},
                  .font = &kArialBold10,
                  .caption = "lblResult",
                  .reader = {AccessibleKind::StaticText}},
    ControlDesign{.id = Control::imgLangHUN,
                  .name = "imgLangHUN",
                  .kind = K::Image,
                  .place = {414, 4, 21, 20},
                  .picture = "flag_hu.png",
                  .reader = {AccessibleKind::Button,
                             {TXT_FLAG_HUNGARIAN, TXT_FLAG_HUNGARIAN},
                             Control::imgLangHUN_hl}},
    ControlDesign{.id = Control::imgLangENG,
                  .name = "imgLangENG",
                  .kind = K::Image,
                  .place = {390, 4, 21, 20},
                  .picture = "flag_en.png",
                  .reader = {AccessibleKind::Button,
                             {TXT_FLAG_ENGLISH, TXT_FLAG_ENGLISH},
                             Control::imgLangENG_hl}},
    ControlDesign{.id = Control::lblHomepage,
                  .name = "lblHomepage",
                  .kind = K::Label,
                  .place = {328, 52, 105, 17},
                  .font = &kArialBold8,
                  .backColour = kSysWindow,
                  .caption = kHomepageCaption,
                  .flags = kRightAligned,
                  .reader = {AccessibleKind::Link}},
    ControlDesign{.id = Control::Image2,
                  .name = "Image2",
                  .kind = K::Image,
                  .place = {98, 41, 16, 16},
                  .picture = "emblem.png"},
    ControlDesign{.id = Control::Label10,
                  .name = "Label10",
                  .kind = K::Label,
                  .place = {120, 41, 106, 16},
                  .font = &kArialBold10,
                  .backColour = kSysWindow,
                  .caption = kMakerLine,
                  .flags = kAutoSize,
                  .reader = {AccessibleKind::StaticText}},
    ControlDesign{.id = Control::lblTitle,
                  .name = "lblTitle",
                  .kind = K::Label,
                  .place = {96, 8, 82, 25},
                  .font = &kTitleFont,
                  .backColour = kSysWindow,
                  .caption = "Title text",
                  .flags = kAutoSize,
                  .reader = {AccessibleKind::StaticText}},
    ControlDesign{.id = Control::Line3,
                  .name = "Line3",
                  .kind = K::Line,
                  .line = {0, 70, 728, 70, 1},
                  .foreColour = kSysButtonShadow},
    ControlDesign{.id = Control::Image1,
                  .name = "Image1",
                  .kind = K::Image,
                  .place = {16, 2, 64, 64},
                  .picture = "logo.png"},
    ControlDesign{.id = Control::lblVersion,
                  .name = "lblVersion",
                  .kind = K::Label,
                  .place = {376, 32, 57, 14},
                  .font = &kArialBold8,
                  .foreColour = kSilver,
                  .caption = "lblVersion",
                  .flags = kAutoSize | kTransparentBack | kRightAligned,
                  .reader = {AccessibleKind::StaticText}},
    ControlDesign{.id = Control::lblLayout,
                  .name = "lblLayout",
                  .kind = K::Label,
                  .place = {8, 310, 42, 13},
                  .caption = "lblLayout",
                  .flags = kAutoSize,
                  .reader = {AccessibleKind::StaticText}},
    ControlDesign{.id = Control::Line1,
                  .name = "Line1",
                  .kind = K::Line,
                  .line = {0, 296, 472, 296, 1},
                  .foreColour = kWhite},
    ControlDesign{.id = Control::Line2,
                  .name = "Line2",
                  .kind = K::Line,
                  .line = {0, 295, 728, 295, 1},
                  .foreColour = kSysButtonShadow},
    // The pale flags take clicks only: a pointer resting on one reaches no handler, so the
    // highlight it stands for stays until the pointer moves on.
    ControlDesign{.id = Control::imgLangENG_hl,
                  .name = "imgLangENG_hl",
                  .kind = K::Image,
                  .place = {304, 8, 21, 20},
                  .picture = "flag_en_pale.png",
                  .flags = kNoMouseTracking},
    ControlDesign{.id = Control::imgLangHUN_hl,
                  .name = "imgLangHUN_hl",
                  .kind = K::Image,
                  .place = {328, 8, 21, 20},
                  .picture = "flag_hu_pale.png",
                  .flags = kNoMouseTracking},
    ControlDesign{.id = Control::lblFile_0,
                  .name = "lblFile0",
                  .kind = K::DropBox,
                  .place = {8, 80, 185, 179},
                  .caption = "Text1",
                  .reader = {AccessibleKind::ReadOnlyText, TXT_FIRST_FILE}},
    ControlDesign{.id = Control::lblFile_1,
                  .name = "lblFile1",
                  .kind = K::DropBox,
                  .place = {280, 80, 185, 177},
                  .caption = "Text2",
                  .reader = {AccessibleKind::ReadOnlyText, TXT_SECOND_FILE}},
    ControlDesign{.id = Control::frResult,
                  .name = "frResult",
                  .kind = K::Frame,
                  .place = {200, 120, 73, 65},
                  .backColour = kSysButtonShadow,
                  .caption = "Frame1",
                  .reader = {AccessibleKind::Image}},
    // Inside the frame, the stroke lies behind the bars.
    ControlDesign{.id = Control::strikeLine,
                  .name = "strikeLine",
                  .kind = K::Line,
                  .container = Control::frResult,
                  .line = {16, 60, 56, 4, 4},
                  .foreColour = kRed,
                  .visible = false},
    ControlDesign{.id = Control::sEqual1,
                  .name = "sEqual1",
                  .kind = K::Shape,
                  .container = Control::frResult,
                  .place = {13, 17, 47, 10},
                  .backColour = kSignGreen,
                  .visible = false},
    ControlDesign{.id = Control::sEqual2,
                  .name = "sEqual2",
                  .kind = K::Shape,
                  .container = Control::frResult,
                  .place = {13, 37, 47, 10},
                  .backColour = kSignGreen,
                  .visible = false},
    ControlDesign{.id = Control::comCompare,
                  .name = "comCompare",
                  .kind = K::Button,
                  .place = {200, 216, 73, 41},
                  .caption = "Compare",
                  .enabled = false,
                  .reader = {AccessibleKind::ToolkitOwn}},
    ControlDesign{.id = Control::cmdOrder1,
                  .name = "cmdOrder1",
                  .kind = K::PictureButton,
                  .place = {80, 301, 33, 28},
                  .picture = "layout_side.png",
                  .reader = {AccessibleKind::Button, TXT_SIDE_BY_SIDE}},
    ControlDesign{.id = Control::cmdOrder2,
                  .name = "cmdOrder2",
                  .kind = K::PictureButton,
                  .place = {120, 301, 33, 28},
                  .picture = "layout_stacked.png",
                  .reader = {AccessibleKind::Button, TXT_STACKED}},
    ControlDesign{.id = Control::ComClose,
                  .name = "ComClose",
                  .kind = K::Button,
                  .place = {376, 304, 81, 25},
                  .caption = "Close",
                  .reader = {AccessibleKind::ToolkitOwn}},
    ControlDesign{.id = Control::tmrLang,
                  .name = "tmrLang",
                  .kind = K::Timer,
                  .enabled = false,
                  .intervalMs = 100},
};

constexpr std::array kTabOrder{Control::comCompare, Control::ComClose,   Control::cmdOrder1,
                               Control::cmdOrder2,  Control::lblFile_0,  Control::lblFile_1,
                               Control::imgLangENG, Control::imgLangHUN, Control::lblHomepage};

bool Contains(const PlaceDesign& outer, const PlaceDesign& inner) {
    return inner.left >= outer.left && inner.top >= outer.top &&
           inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

}  // namespace

std::span<const ControlDesign> FrmMainControlDesigns() {
    return kControls;
}

const ControlDesign& FrmMainDesign(Control id) {
    return kControls[Row(id)];
}

std::span<const Control> FrmMainTabOrder() {
    return kTabOrder;
}

Control PressTarget(Control id) {
    return FrmMainDesign(id).reader.pressTarget.value_or(id);
}

std::optional<Control> ShapeBehind(Control id) {
    const ControlDesign& control = FrmMainDesign(id);
    for (std::size_t row = Row(id); row-- > 0;) {
        const ControlDesign& below = kControls[row];
        if (below.kind == ControlKind::Shape && below.container == control.container &&
            Contains(below.place, control.place)) {
            return below.id;
        }
    }
    return std::nullopt;
}

}  // namespace duplexa
