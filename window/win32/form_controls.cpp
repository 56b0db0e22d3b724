#include "window/win32/form_controls.h"

#include <algorithm>

#include "window/design/frm_main_design.h"
#include "window/design/system_colours.h"

namespace duplexa::win32 {
namespace {

OleColour DefaultFore(ControlKind kind) {
    switch (kind) {
        case ControlKind::DropBox:
            return kSysWindowText;
        case ControlKind::Line:
            return kSysWindowText;
        default:
            return kSysButtonText;
    }
}

OleColour DefaultBack(ControlKind kind) {
    switch (kind) {
        case ControlKind::DropBox:
            return kSysWindow;
        case ControlKind::Shape:
            return kWhite;
        default:
            return kSysButtonFace;
    }
}

}  // namespace

// An opaque label is a static control, so screen readers find its text; a see-through one
// stays drawn by the window, which alone knows what lies behind it.
bool FormControl::IsWindowed() const {
    const ControlKind k = kind();
    return IsStandIn() || k == ControlKind::DropBox || k == ControlKind::Button ||
           k == ControlKind::PictureButton ||
           (k == ControlKind::Label && (design->flags & kTransparentBack) == 0);
}

bool FormControl::IsStandIn() const {
    const auto order = FrmMainTabOrder();
    return (kind() == ControlKind::Image || kind() == ControlKind::Label) &&
           std::find(order.begin(), order.end(), design->id) != order.end();
}

FormControls::FormControls(std::span<const ControlDesign> designs) {
    controls_.reserve(designs.size());
    for (const ControlDesign& design : designs) {
        FormControl control;
        control.design = &design;
        control.container = design.container ? static_cast<int>(Row(*design.container)) : -1;
        const PlaceDesign& place = design.place;
        control.place = {static_cast<float>(place.left), static_cast<float>(place.top),
                         static_cast<float>(place.width), static_cast<float>(place.height)};
        control.caption = design.caption != nullptr ? design.caption : "";
        control.foreColour = design.foreColour.value_or(DefaultFore(design.kind));
        control.backColour = design.backColour.value_or(DefaultBack(design.kind));
        control.visible = design.visible;
        control.enabled = design.enabled;
        if (design.picture != nullptr) {
            control.picture = std::make_unique<Picture>(design.picture);
        }
        controls_.push_back(std::move(control));
    }
}

FormControls::~FormControls() {
    for (FormControl& control : controls_) {
        if (control.brush != nullptr) {
            DeleteObject(control.brush);
        }
        if (control.icon != nullptr) {
            DestroyIcon(control.icon);
        }
    }
}

LogicalRect FormControls::InWindow(int index) const {
    const FormControl& control = at(index);
    LogicalRect rect = control.place;
    if (control.container >= 0) {
        const LogicalRect outer = InWindow(control.container);
        rect.left += outer.left;
        rect.top += outer.top;
    }
    return rect;
}

bool FormControls::Showing(int index) const {
    const FormControl& control = at(index);
    return control.visible && (control.container < 0 || Showing(control.container));
}

std::optional<Control> FormControls::HitTest(float x, float y) const {
    for (int index = static_cast<int>(controls_.size()) - 1; index >= 0; --index) {
        const ControlKind kind = at(index).kind();
        if (kind != ControlKind::Label && kind != ControlKind::Image &&
            kind != ControlKind::Frame) {
            continue;
        }
        const LogicalRect rect = InWindow(index);
        if (Showing(index) && x >= rect.left && x < rect.left + rect.width && y >= rect.top &&
            y < rect.top + rect.height) {
            return at(index).design->id;
        }
    }
    return std::nullopt;
}

}  // namespace duplexa::win32
