#include "window/design/frm_main_design.h"

#include <array>

#include "window/logic/maker.h"

namespace duplexa {
namespace {

constexpr FontDesign kTitleFont{"Georgia", 15.75, false};
constexpr FontDesign kArialBold10{"Arial", 9.75, true};
constexpr FontDesign kArialBold8{"Arial", 8.25, true};

using K = ControlKind;

// Labels, images, shapes and lines first; boxes, the frame and the buttons lie above them.
constexpr std::array kControls{
    ControlDesign{
        .name = "Shape3", .kind = K::Shape, .place = {0, 0, 729, 73}, .backColour = kWhite},
    ControlDesign{.name = "lblResult",
                  .kind = K::Label,
                  .place = {16, 270, 441, 21},
                  .font = &kArialBold10,
                  .caption = "lblResult"},
    ControlDesign{.name = "imgLangHUN",
                  .kind = K::Image,
                  .place = {414, 4, 21, 20},
                  .picture = "flag_hu.png"},
    ControlDesign{.name = "imgLangENG",
                  .kind = K::Image,
                  .place = {390, 4, 21, 20},
                  .picture = "flag_en.png"},
    ControlDesign{.name = "lblHomepage",
                  .kind = K::Label,
                  .place = {328, 52, 105, 17},
                  .font = &kArialBold8,
                  .backColour = kSysWindow,
                  .caption = kHomepageCaption,
                  .flags = kRightAligned},
    ControlDesign{
        .name = "Image2", .kind = K::Image, .place = {98, 41, 16, 16}, .picture = "emblem.png"},
    ControlDesign{.name = "Label10",
                  .kind = K::Label,
                  .place = {120, 41, 106, 16},
                  .font = &kArialBold10,
                  .backColour = kSysWindow,
                  .caption = kMakerLine,
                  .flags = kAutoSize},
    ControlDesign{.name = "lblTitle",
                  .kind = K::Label,
                  .place = {96, 8, 82, 25},
                  .font = &kTitleFont,
                  .backColour = kSysWindow,
                  .caption = "Title text",
                  .flags = kAutoSize},
    ControlDesign{.name = "Line3",
                  .kind = K::Line,
                  .line = {0, 70, 728, 70, 1},
                  .foreColour = kSysButtonShadow},
    ControlDesign{
        .name = "Image1", .kind = K::Image, .place = {16, 2, 64, 64}, .picture = "logo.png"},
    ControlDesign{.name = "lblVersion",
                  .kind = K::Label,
                  .place = {376, 32, 57, 14},
                  .font = &kArialBold8,
                  .foreColour = kSilver,
                  .caption = "lblVersion",
                  .flags = kAutoSize | kTransparentBack | kRightAligned},
    ControlDesign{.name = "lblLayout",
                  .kind = K::Label,
                  .place = {8, 310, 42, 13},
                  .caption = "lblLayout",
                  .flags = kAutoSize},
    ControlDesign{
        .name = "Line1", .kind = K::Line, .line = {0, 296, 472, 296, 1}, .foreColour = kWhite},
    ControlDesign{.name = "Line2",
                  .kind = K::Line,
                  .line = {0, 295, 728, 295, 1},
                  .foreColour = kSysButtonShadow},
    // The pale flags take clicks only: a pointer resting on one reaches no handler, so the
    // highlight it stands for stays until the pointer moves on.
    ControlDesign{.name = "imgLangENG_hl",
                  .kind = K::Image,
                  .place = {304, 8, 21, 20},
                  .picture = "flag_en_pale.png",
                  .flags = kNoMouseTracking},
    ControlDesign{.name = "imgLangHUN_hl",
                  .kind = K::Image,
                  .place = {328, 8, 21, 20},
                  .picture = "flag_hu_pale.png",
                  .flags = kNoMouseTracking},
    ControlDesign{
        .name = "lblFile0", .kind = K::DropBox, .place = {8, 80, 185, 179}, .caption = "Text1"},
    ControlDesign{
        .name = "lblFile1", .kind = K::DropBox, .place = {280, 80, 185, 177}, .caption = "Text2"},
    ControlDesign{.name = "frResult",
                  .kind = K::Frame,
                  .place = {200, 120, 73, 65},
                  .backColour = kSysButtonShadow,
                  .caption = "Frame1"},
    // Inside the frame, the stroke lies behind the bars.
    ControlDesign{.name = "strikeLine",
                  .kind = K::Line,
                  .container = "frResult",
                  .line = {16, 60, 56, 4, 4},
                  .foreColour = kRed,
                  .visible = false},
    ControlDesign{.name = "sEqual1",
                  .kind = K::Shape,
                  .container = "frResult",
                  .place = {13, 17, 47, 10},
                  .backColour = kSignGreen,
                  .visible = false},
    ControlDesign{.name = "sEqual2",
                  .kind = K::Shape,
                  .container = "frResult",
                  .place = {13, 37, 47, 10},
                  .backColour = kSignGreen,
                  .visible = false},
    ControlDesign{.name = "comCompare",
                  .kind = K::Button,
                  .place = {200, 216, 73, 41},
                  .caption = "Compare",
                  .enabled = false},
    ControlDesign{.name = "cmdOrder1",
                  .kind = K::PictureButton,
                  .place = {80, 301, 33, 28},
                  .picture = "layout_side.png"},
    ControlDesign{.name = "cmdOrder2",
                  .kind = K::PictureButton,
                  .place = {120, 301, 33, 28},
                  .picture = "layout_stacked.png"},
    ControlDesign{
        .name = "ComClose", .kind = K::Button, .place = {376, 304, 81, 25}, .caption = "Close"},
    ControlDesign{.name = "tmrLang", .kind = K::Timer, .enabled = false, .intervalMs = 100},
};

constexpr std::array kTabOrder{"comCompare", "ComClose", "cmdOrder1",
                               "cmdOrder2",  "lblFile0", "lblFile1"};

}  // namespace

std::span<const ControlDesign> FrmMainControlDesigns() {
    return kControls;
}

std::span<const char* const> FrmMainTabOrder() {
    return kTabOrder;
}

}  // namespace duplexa
