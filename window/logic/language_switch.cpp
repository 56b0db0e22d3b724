#include <string>

#include "core/language.h"
#include "core/show_result.h"
#include "core/text_catalogue.h"
#include "settings/registry_common.h"
#include "window/logic/frm_main_logic.h"

namespace duplexa {
namespace {

constexpr float kGapAfterLabel = 8;  // between lblLayout and the first layout button
constexpr float kGapBetweenButtons = 6;

}  // namespace

void frmMainLogic::ApplyLanguage(std::int32_t language) {
    currentLanguage = language;
    const bool hungarian = language == 0;
    const auto text = [hungarian](const TextPair& pair) {
        return std::string(hungarian ? pair.hu : pair.en);
    };

    view_.SetCaption(Control::lblTitle, text(TXT_TITLE));
    view_.SetCompareCaption(text(TXT_COMPARE));
    view_.SetCaption(Control::ComClose, text(TXT_CLOSE));
    view_.SetCaption(Control::lblLayout, text(TXT_LAYOUT));
    // A box that shows a dropped file's name keeps it.
    if (state_.promptShown[0]) {
        view_.SetBoxText(0, text(TXT_DROP_FIRST));
    }
    if (state_.promptShown[1]) {
        view_.SetBoxText(1, text(TXT_DROP_SECOND));
    }
    // Also where a drop blanked the line: the pair still holds the last message.
    view_.SetResultCaption(hungarian ? state_.resultHu : state_.resultEn);
    view_.SetResultDetail(WhereText(state_));

    // The layout label has just sized itself to the new caption; the buttons follow it.
    const float order1Left =
        view_.Width(Control::lblLayout) + view_.Left(Control::lblLayout) + kGapAfterLabel;
    view_.SetLeft(Control::cmdOrder1, order1Left);
    const float order2Left =
        view_.Width(Control::cmdOrder1) + view_.Left(Control::cmdOrder1) + kGapBetweenButtons;
    view_.SetLeft(Control::cmdOrder2, order2Left);

    view_.SetWindowCaption(view_.Caption(Control::lblTitle));
    ShowInForce({Control::imgLangENG, Control::imgLangHUN});
}

// Store first, then apply: the window changes language even when the choice cannot be stored.
void frmMainLogic::imgLangENG_hl_Click() {
    (void)modRegistryCommon::SaveLanguageAt(makerKey_, 1);
    ApplyLanguage(1);
}

void frmMainLogic::imgLangHUN_hl_Click() {
    (void)modRegistryCommon::SaveLanguageAt(makerKey_, 0);
    ApplyLanguage(0);
}

}  // namespace duplexa
