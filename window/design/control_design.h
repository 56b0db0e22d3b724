#pragma once
// One control of a window as designed, in terms every front end shares: a front end walks a
// table of these and makes its own controls from them.

#include <optional>

#include "core/colours.h"
#include "core/text_catalogue.h"
#include "window/design/control_id.h"

namespace duplexa {

enum class ControlKind {
    Shape,          // a filled rectangle in its back colour
    Label,          // a caption
    Image,          // a picture
    Line,           // a straight line between two points
    DropBox,        // a text box that takes dropped files
    Frame,          // a borderless container
    Button,         // a push button with a caption
    PictureButton,  // a push button with a picture
    Timer,          // no window of its own
};

// Flags beyond the kind's defaults.
enum ControlFlag : unsigned {
    kNoFlags = 0,
    kAutoSize = 1u << 0,         // a label that takes the size of its caption
    kRightAligned = 1u << 1,     // a label's text against its right edge
    kTransparentBack = 1u << 2,  // a label that lets what lies behind it show
    kNoMouseTracking = 1u << 3,  // takes clicks only, no pointer moves without a button
};

// What a screen reader is told a control is.
enum class AccessibleKind {
    Hidden,        // decoration, or a part of a picture that is named as a whole: out of the tree
    StaticText,    // a label: its name is its caption
    Link,          // pressing it opens the home page
    ReadOnlyText,  // a file box: its value is what it shows
    Image,         // the result sign
    Button,        // pressing it does what a click does
    ToolkitOwn,    // a captioned button, which the toolkit describes well by itself
};

struct ReaderDesign {
    AccessibleKind kind = AccessibleKind::Hidden;
    TextPair name{};  // a button's name; labels and boxes are named otherwise
    // For a flag: the control whose click a press stands for. Empty: the control's own.
    std::optional<Control> pressTarget{};
};

struct FontDesign {
    const char* family;
    double points;  // at 96 dots per inch
    bool bold;
};

struct PlaceDesign {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A line's end points in its container, and its width.
struct LineDesign {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int width = 1;
};

struct ControlDesign {
    Control id;
    const char* name;  // objectName in Qt; what tests and tools find it by
    ControlKind kind;
    std::optional<Control> container{};  // the window itself when empty
    PlaceDesign place{};                 // unused by lines and timers
    LineDesign line{};                   // lines only
    const FontDesign* font = nullptr;    // the window's own font when null
    // Text or line colour, and back or fill colour; the kind's defaults when empty.
    std::optional<OleColour> foreColour{};
    std::optional<OleColour> backColour{};
    const char* picture = nullptr;  // a file name among the window's pictures
    const char* caption = nullptr;  // a label's or button's caption, a box's text
    bool visible = true;
    bool enabled = true;
    unsigned flags = kNoFlags;
    int intervalMs = 0;  // timers only
    ReaderDesign reader{};
};

// The window's own design values.
struct FormDesign {
    const char* name;
    int clientWidth;
    int clientHeight;
    OleColour backColour;
    FontDesign font;
    const char* caption;
};

}  // namespace duplexa
