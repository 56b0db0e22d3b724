#pragma once
// The main window's controls as the Win32 window holds them: every row of the design table with
// the place, caption, colours and states it has now. Boxes, buttons and opaque labels are real
// child windows; images, shapes, lines, the frame and see-through labels are drawn by the
// window itself, as the original's lightweight controls were, so that they stack as designed.

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/run_view.h"
#include "window/design/control_design.h"
#include "window/win32/picture.h"
#include "window/win32/win32_api.h"

namespace duplexa::win32 {

struct LogicalRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

struct FormControl {
    const ControlDesign* design = nullptr;
    int container = -1;  // index of the frame that holds it, -1 for the window
    LogicalRect place;   // pixels at 96 dpi, in the container
    std::string caption;
    OleColour foreColour = 0;
    OleColour backColour = 0;
    bool visible = true;
    bool enabled = true;
    bool underline = false;
    bool inForce = false;  // a layout button or a flag whose choice is in force
    std::unique_ptr<Picture> picture;
    HWND window = nullptr;   // boxes, buttons and opaque labels
    HBRUSH brush = nullptr;  // a box's back colour, as its window asks for it
    HICON icon = nullptr;    // a picture button's picture

    ControlKind kind() const { return design->kind; }
    bool IsWindowed() const;
    // A flag or the link: a button of its own over what the window paints, for the keyboard.
    bool IsStandIn() const;
};

class FormControls {
  public:
    explicit FormControls(std::span<const ControlDesign> designs);
    FormControls(const FormControls&) = delete;
    FormControls& operator=(const FormControls&) = delete;
    ~FormControls();

    std::vector<FormControl>& all() { return controls_; }
    const std::vector<FormControl>& all() const { return controls_; }
    // By row of the design table, which is also the control's id.
    FormControl& at(int index) { return controls_.at(static_cast<std::size_t>(index)); }
    const FormControl& at(int index) const { return controls_.at(static_cast<std::size_t>(index)); }
    FormControl& at(Control id) { return controls_.at(Row(id)); }
    const FormControl& at(Control id) const { return controls_.at(Row(id)); }

    // The control's place in the window's client area, at 96 dpi.
    LogicalRect InWindow(int index) const;
    // Shown on screen: it and its container are visible.
    bool Showing(int index) const;
    // The front-most control drawn by the window that takes the mouse at a point of the client
    // area (labels, images and the frame; shapes and lines let the pointer through), if any.
    std::optional<Control> HitTest(float x, float y) const;

  private:
    std::vector<FormControl> controls_;
};

}  // namespace duplexa::win32
