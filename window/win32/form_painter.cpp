#include "window/win32/form_painter.h"

#include <algorithm>

#include "runtime/wide_text_windows.h"
#include "window/design/frm_main_design.h"
#include "window/win32/gdi_colour.h"

namespace duplexa::win32 {
namespace {

void Fill(HDC dc, const RECT& rect, OleColour colour) {
    HBRUSH brush = CreateSolidBrush(ToColorRef(colour));
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

}  // namespace

void PaintLabel(HDC dc, const FormControl& label, const RECT& rect, FontCache& fonts,
                const Scale& scale) {
    const TextColours colours =
        TextColoursOf(label.design->id, label.foreColour, label.backColour, CurrentScheme());
    if ((label.design->flags & kTransparentBack) == 0) {
        HBRUSH brush = CreateSolidBrush(ToColorRef(colours.back));
        FillRect(dc, &rect, brush);
        DeleteObject(brush);
    }
    HGDIOBJ old = SelectObject(dc, fonts.Get(FontOf(label), label.underline, scale.dotsPerInch));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(colours.text));
    RECT area = rect;
    const std::wstring text = Widen(label.caption);
    const UINT align = (label.design->flags & kRightAligned) != 0 ? DT_RIGHT : DT_LEFT;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
              align | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    SelectObject(dc, old);
}

namespace {

void PaintLine(HDC dc, const FormControl& line, const LogicalRect& container, const Scale& scale) {
    const LineDesign& ends = line.design->line;
    HPEN pen = CreatePen(PS_SOLID, std::max(1, scale.ToDevice(static_cast<float>(ends.width))),
                         ToColorRef(line.foreColour));
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, scale.ToDevice(container.left + static_cast<float>(ends.x1)),
             scale.ToDevice(container.top + static_cast<float>(ends.y1)), nullptr);
    LineTo(dc, scale.ToDevice(container.left + static_cast<float>(ends.x2)),
           scale.ToDevice(container.top + static_cast<float>(ends.y2)));
    SelectObject(dc, old);
    DeleteObject(pen);
}

void PaintOne(HDC dc, const FormControls& controls, int index, FontCache& fonts,
              const Scale& scale) {
    const FormControl& control = controls.at(index);
    const RECT rect = scale.ToDevice(controls.InWindow(index));
    switch (control.kind()) {
        case ControlKind::Shape:
        case ControlKind::Frame:
            Fill(dc, rect, control.backColour);
            break;
        case ControlKind::Label:
            PaintLabel(dc, control, rect, fonts, scale);
            break;
        case ControlKind::Image:
            if (control.picture != nullptr) {
                control.picture->Draw(dc, rect.left, rect.top,
                                      scale.ToDevice(float(control.picture->Width())),
                                      scale.ToDevice(float(control.picture->Height())));
            }
            break;
        case ControlKind::Line: {
            const LogicalRect container =
                control.container >= 0 ? controls.InWindow(control.container) : LogicalRect{};
            PaintLine(dc, control, container, scale);
            break;
        }
        default:
            break;  // boxes and buttons are windows of their own; the timer draws nothing
    }
}

}  // namespace

const FontDesign& FontOf(const FormControl& control) {
    return control.design->font != nullptr ? *control.design->font : kFrmMainForm.font;
}

void PaintForm(HDC dc, const RECT& client, OleColour backColour, const FormControls& controls,
               FontCache& fonts, const Scale& scale) {
    Fill(dc, client, backColour);
    const int count = static_cast<int>(controls.all().size());
    for (int index = 0; index < count; ++index) {
        const FormControl& control = controls.at(index);
        // A flag's stand-in draws this same picture of the window over its place.
        const bool painted = !control.IsWindowed() || control.kind() == ControlKind::Image;
        if (!painted || !controls.Showing(index)) {
            continue;
        }
        // What a frame holds stays inside it.
        const int saved = SaveDC(dc);
        if (control.container >= 0) {
            const RECT frame = scale.ToDevice(controls.InWindow(control.container));
            IntersectClipRect(dc, frame.left, frame.top, frame.right, frame.bottom);
        }
        PaintOne(dc, controls, index, fonts, scale);
        RestoreDC(dc, saved);
    }
}

RECT PaintedArea(const FormControls& controls, int index, const Scale& scale) {
    const FormControl& control = controls.at(index);
    if (control.container >= 0) {
        return PaintedArea(controls, control.container, scale);
    }
    if (control.kind() != ControlKind::Line) {
        return scale.ToDevice(controls.InWindow(index));
    }
    const LineDesign& ends = control.design->line;
    const int pad = scale.ToDevice(static_cast<float>(ends.width)) + 1;
    return {scale.ToDevice(float(std::min(ends.x1, ends.x2))) - pad,
            scale.ToDevice(float(std::min(ends.y1, ends.y2))) - pad,
            scale.ToDevice(float(std::max(ends.x1, ends.x2))) + pad,
            scale.ToDevice(float(std::max(ends.y1, ends.y2))) + pad};
}

}  // namespace duplexa::win32
