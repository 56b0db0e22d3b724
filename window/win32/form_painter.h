#pragma once
// Draws what the window draws itself (see-through labels, images, shapes, lines and the frame
// with the result sign) back to front, over the window's back colour.

#include "window/win32/font_cache.h"
#include "window/win32/form_controls.h"
#include "window/win32/scale.h"

namespace duplexa::win32 {

void PaintForm(HDC dc, const RECT& client, OleColour backColour, const FormControls& controls,
               FontCache& fonts, const Scale& scale);

// A label's back and caption in rect of dc; opaque labels draw themselves this way too.
void PaintLabel(HDC dc, const FormControl& label, const RECT& rect, FontCache& fonts,
                const Scale& scale);

// The part of the client area a control drawn by the window covers, in device pixels.
RECT PaintedArea(const FormControls& controls, int index, const Scale& scale);

// The font a control draws its text in.
const FontDesign& FontOf(const FormControl& control);

}  // namespace duplexa::win32
