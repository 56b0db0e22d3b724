#include "window/logic/frm_main_logic.h"

namespace duplexa {
namespace {

// Where a layout puts box 0 and box 1, the result frame and Compare, in pixels, and along which
// edge of the boxes their map lies. The size of box 1 is always copied from box 0.
struct LayoutGeometry {
    float box0Left, box0Top, box1Left, box1Top, box0Width, box0Height;
    float frameLeft, frameTop, compareLeft, compareTop;
    MapEdge mapEdge;
};

constexpr LayoutGeometry kSideBySide{8, 80, 280, 80, 185, 185, 200, 120, 200, 216, MapEdge::Right};
constexpr LayoutGeometry kStacked{8, 80, 8, 208, 457, 57, 200, 140, 16, 152, MapEdge::Bottom};

void Place(FormView& view, const LayoutGeometry& g) {
    view.SetLeft(Control::lblFile_0, g.box0Left);
    view.SetTop(Control::lblFile_0, g.box0Top);
    view.SetLeft(Control::lblFile_1, g.box1Left);
    view.SetTop(Control::lblFile_1, g.box1Top);
    view.SetWidth(Control::lblFile_0, g.box0Width);
    view.SetHeight(Control::lblFile_0, g.box0Height);
    view.SetLeft(Control::frResult, g.frameLeft);
    view.SetTop(Control::frResult, g.frameTop);
    view.SetLeft(Control::comCompare, g.compareLeft);
    view.SetTop(Control::comCompare, g.compareTop);
    view.SetMapEdge(g.mapEdge);
}

}  // namespace

void frmMainLogic::ApplyLayout(std::int16_t layout) {
    state_.layoutMode = layout;
    if (layout == 1) {
        Place(view_, kSideBySide);
    } else if (layout == 2) {
        Place(view_, kStacked);
    }
    view_.SetWidth(Control::lblFile_1, view_.Width(Control::lblFile_0));
    view_.SetHeight(Control::lblFile_1, view_.Height(Control::lblFile_0));
    ShowInForce({Control::cmdOrder1, Control::cmdOrder2});
}

void frmMainLogic::cmdOrder1_Click() {
    ApplyLayout(1);
}

void frmMainLogic::cmdOrder2_Click() {
    ApplyLayout(2);
}

}  // namespace duplexa
