#include <algorithm>
#include <limits>

#include "core/colours.h"
#include "window/logic/frm_main_logic.h"

namespace duplexa {
namespace {

// hoverTarget: which spot is highlighted.
constexpr std::int16_t kNoSpot = 0;
constexpr std::int16_t kEnglishFlag = 1;
constexpr std::int16_t kHungarianFlag = 2;
constexpr std::int16_t kHomepageLabel = 3;

// Screen pixels to twips at the fixed factor, whatever the display's resolution. Saturates
// instead of wrapping; such a position lies outside every window anyway.
std::int32_t ToTwips(std::int32_t pixels) {
    const std::int64_t twips = std::int64_t{pixels} * kTwipsPerPixel;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        twips, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// The left and top edges belong to the window, the right and bottom edges do not. The far
// edges are single-precision sums, as the window holds its rectangle.
bool IsOutside(double x, double y, const TwipsRect& window) {
    const float right = window.left + window.width;
    const float bottom = window.top + window.height;
    return x < window.left || x >= right || y < window.top || y >= bottom;
}

}  // namespace

void frmMainLogic::Highlight(std::int16_t spot) {
    if (state_.hoverTarget == spot) {
        return;  // repeated moves over the same spot cost nothing
    }
    ResetHover();
    state_.hoverTarget = spot;
    switch (spot) {
        case kEnglishFlag:
            view_.SetVisible(Control::imgLangENG_hl, true);
            break;
        case kHungarianFlag:
            view_.SetVisible(Control::imgLangHUN_hl, true);
            break;
        default:
            view_.SetForeColour(Control::lblHomepage, kLinkHoverBlue);
            view_.SetFontUnderline(Control::lblHomepage, true);
            break;
    }
    view_.SetTimerEnabled(true);
}

void frmMainLogic::imgLangENG_MouseMove() {
    Highlight(kEnglishFlag);
}

void frmMainLogic::imgLangHUN_MouseMove() {
    Highlight(kHungarianFlag);
}

void frmMainLogic::lblHomepage_MouseMove() {
    Highlight(kHomepageLabel);
}

void frmMainLogic::Form_MouseMove() {
    if (state_.hoverTarget != kNoSpot) {
        ResetHover();
    }
}

void frmMainLogic::Form_MouseLeave() {
    Form_MouseMove();
}

void frmMainLogic::ResetHover() {
    state_.hoverTarget = kNoSpot;
    view_.SetTimerEnabled(false);
    view_.SetVisible(Control::imgLangENG_hl, false);
    view_.SetVisible(Control::imgLangHUN_hl, false);
    view_.SetForeColour(Control::lblHomepage, kLinkBlue);
    view_.SetFontUnderline(Control::lblHomepage, false);
}

// Notices a pointer that left the window straight from a spot, without crossing the
// background. The whole outer window counts, so its frame and title bar keep the highlight.
void frmMainLogic::tmrLang_Timer() {
    if (state_.hoverTarget < 1) {
        return;
    }
    (void)pointer_.GetCursorPos(state_.cursorPos.x, state_.cursorPos.y);
    state_.cursorPos.x = ToTwips(state_.cursorPos.x);
    state_.cursorPos.y = ToTwips(state_.cursorPos.y);
    if (IsOutside(state_.cursorPos.x, state_.cursorPos.y, view_.OuterRectTwips())) {
        ResetHover();
    }
}

// The label keeps its highlight.
void frmMainLogic::lblHomepage_Click() {
    OpenHomepage(view_, opener_);
}

}  // namespace duplexa
