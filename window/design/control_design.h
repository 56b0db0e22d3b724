#pragma once
// One control of a window as designed, in terms every front end shares: a front end walks a
// table of these and makes its own controls from them.

#include <optional>

#include "core/colours.h"

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
    const char* name;
    ControlKind kind;
    const char* container = nullptr;   // the window itself when null
    PlaceDesign place{};               // unused by lines and timers
    LineDesign line{};                 // lines only
    const FontDesign* font = nullptr;  // the window's own font when null
    // Text or line colour, and back or fill colour; the kind's defaults when empty.
    std::optional<OleColour> foreColour{};
    std::optional<OleColour> backColour{};
    const char* picture = nullptr;  // a file name among the window's pictures
    const char* caption = nullptr;  // a label's or button's caption, a box's text
    bool visible = true;
    bool enabled = true;
    unsigned flags = kNoFlags;
    int intervalMs = 0;  // timers only
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
