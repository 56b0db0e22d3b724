#include <string>
#include <utility>

#include "duplexa_version.h"
#include "runtime/file_table.h"
#include "settings/registry_common.h"
#include "window/logic/frm_main_logic.h"

namespace duplexa {
namespace {

// The stored layout: section, value name, and the layout of a first start.
constexpr char kLayoutSection[] = "Kitrune";
constexpr char kLayoutValue[] = "Duplexa-Align";
constexpr std::int32_t kDefaultLayout = 2;

// The flags and the two corner labels keep this far from the right edge; the English flag
// stands left of the Hungarian one with a gap of 3.
constexpr float kCornerMargin = 4;
constexpr float kEnglishFlagMargin = 7;

}  // namespace

frmMainLogic::frmMainLogic(WindowState& state, FormView& view, PointerPosition& pointer,
                           HomepageOpener& opener, std::string makerKey)
    : state_(state),
      view_(view),
      pointer_(pointer),
      opener_(opener),
      makerKey_(std::move(makerKey)),
      fileDrop_(state, view, Files()) {}

frmMainLogic::frmMainLogic(WindowState& state, FormView& view, PointerPosition& pointer,
                           HomepageOpener& opener)
    : frmMainLogic(state, view, pointer, opener, modRegistryCommon::kMakerKey) {}

std::string VersionCaption() {
    return "v" DUPLEXA_VERSION_TEXT;
}

void frmMainLogic::Form_Load() {
    view_.SetCaption(Control::lblVersion, VersionCaption());

    const float scaleWidth = view_.ScaleWidth();
    // Both flags are placed by the English flag's width.
    view_.SetLeft(Control::imgLangHUN,
                  scaleWidth - kCornerMargin - view_.Width(Control::imgLangENG));
    view_.SetLeft(Control::imgLangENG,
                  scaleWidth - kEnglishFlagMargin - 2 * view_.Width(Control::imgLangENG));
    view_.SetLeft(Control::lblHomepage,
                  scaleWidth - kCornerMargin - view_.Width(Control::lblHomepage));
    // The version label has sized itself to its caption by now.
    view_.SetLeft(Control::lblVersion,
                  scaleWidth - kCornerMargin - view_.Width(Control::lblVersion));

    view_.SetBackColour(Control::frResult, view_.BackColour());
    state_.promptShown = {true, true};
    state_.isRunning = false;
    view_.SetResultCaption("");

    const std::int32_t stored =
        modRegistryCommon::ReadSettingAt(makerKey_, kLayoutSection, kLayoutValue, kDefaultLayout);
    state_.layoutMode = static_cast<std::int16_t>(modRegistryCommon::ClampValue(1, 2, stored));
    ApplyLayout(state_.layoutMode);

    // Each highlight image lies exactly over its flag, wherever the flags went.
    view_.SetLeft(Control::imgLangHUN_hl, view_.Left(Control::imgLangHUN));
    view_.SetTop(Control::imgLangHUN_hl, view_.Top(Control::imgLangHUN));
    view_.SetLeft(Control::imgLangENG_hl, view_.Left(Control::imgLangENG));
    view_.SetTop(Control::imgLangENG_hl, view_.Top(Control::imgLangENG));
    ResetHover();

    ApplyLanguage(modRegistryCommon::LoadLanguageAt(makerKey_));
}

// Only the layout is stored here; the language was stored when it was chosen.
void frmMainLogic::Form_Unload() {
    if (std::exchange(unloaded_, true)) {
        return;
    }
    (void)modRegistryCommon::WriteSettingAt(makerKey_, kLayoutSection, kLayoutValue,
                                            state_.layoutMode);
}

bool frmMainLogic::Form_QueryUnload() {
    if (state_.isRunning) {
        // The run stops at its next check, closes its files and tidies the window up.
        state_.keepRunning = false;
        closeWaits_ = true;
        return false;
    }
    Form_Unload();
    return true;
}

void frmMainLogic::AfterCompare() {
    if (!state_.isRunning && std::exchange(closeWaits_, false)) {
        view_.Unload();
    }
}

void frmMainLogic::ComClose_Click() {
    view_.Unload();
    view_.EndProgram();
}

}  // namespace duplexa
