#pragma once
// What the window's own handlers (layouts, language, hover and link, start-up and shutdown)
// ask of the window, on top of what the comparison run and the file drop ask of it.

#include <cstdint>
#include <string>

#include "core/colours.h"
#include "core/run_view.h"
#include "intake/drop_view.h"
#include "runtime/homepage_opener.h"
#include "window/design/control_id.h"
#include "window/logic/difference_strip.h"

namespace duplexa {

// The bars of the result sign among the window's controls.
constexpr Control ControlOf(Shape shape) {
    return shape == Shape::sEqual1 ? Control::sEqual1 : Control::sEqual2;
}

// The window's outer rectangle on the screen, frame and title bar included, in twips.
struct TwipsRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

inline constexpr std::int32_t kTwipsPerPixel = 15;

class FormView : public virtual RunView, public virtual DropView {
  public:
    // What the run and the drop ask, put in terms of the controls once for every front end.
    void SetResultCaption(const std::string& text) final { SetCaption(Control::lblResult, text); }
    void SetShapeBackColour(Shape shape, OleColour colour) final {
        SetBackColour(ControlOf(shape), colour);
    }
    void SetShapeVisible(Shape shape, bool visible) final { SetVisible(ControlOf(shape), visible); }
    void SetStrikeLineVisible(bool visible) final { SetVisible(Control::strikeLine, visible); }
    void SetBoxForeColour(int box, OleColour colour) final { SetForeColour(lblFile(box), colour); }
    void SetCompareCaption(const std::string& caption) final {
        SetCaption(Control::comCompare, caption);
    }
    void SetBoxText(int box, const std::string& text) final { SetCaption(lblFile(box), text); }
    void SetBoxBackColour(int box, OleColour colour) final { SetBackColour(lblFile(box), colour); }

    // Places and sizes in pixels of the control's container, as the controls hold them.
    virtual float Left(Control control) const = 0;
    virtual float Top(Control control) const = 0;
    virtual float Width(Control control) const = 0;
    virtual float Height(Control control) const = 0;
    virtual void SetLeft(Control control, float left) = 0;
    virtual void SetTop(Control control, float top) = 0;
    virtual void SetWidth(Control control, float width) = 0;
    virtual void SetHeight(Control control, float height) = 0;

    // Labels that size themselves to their caption have their new width when this returns.
    virtual void SetCaption(Control control, const std::string& caption) = 0;
    virtual std::string Caption(Control control) const = 0;
    virtual void SetVisible(Control control, bool visible) = 0;
    virtual void SetForeColour(Control control, OleColour colour) = 0;
    virtual void SetFontUnderline(Control control, bool underline) = 0;
    virtual void SetBackColour(Control control, OleColour colour) = 0;
    virtual void SetTimerEnabled(bool enabled) = 0;  // tmrLang
    // A layout button or a flag shows, to the eye and to screen readers, whether what it
    // chooses is in force.
    virtual void SetInForce(Control control, bool inForce) = 0;
    // The edge of the boxes along which their map of differences lies.
    virtual void SetMapEdge(MapEdge edge) = 0;
    // A screen reader says the control's caption once, as it now reads.
    virtual void AnnounceCaption(Control control) = 0;

    virtual void SetWindowCaption(const std::string& caption) = 0;
    virtual OleColour BackColour() const = 0;  // may be a system colour, 0x80000000 + index
    virtual float ScaleWidth() const = 0;      // inner width in pixels
    virtual TwipsRect OuterRectTwips() const = 0;
    virtual NativeWindowHandle WindowHandle() const = 0;

    // Closes the window for good, running its unload handler once.
    virtual void Unload() = 0;
    // Ends the program: no further event is handled.
    virtual void EndProgram() = 0;

  protected:
    ~FormView() = default;
};

}  // namespace duplexa
