#include "window/logic/accessible_facts.h"

#include "core/language.h"
#include "core/show_result.h"
#include "window/design/frm_main_design.h"
#include "window/logic/frm_main_logic.h"

namespace duplexa {
namespace {

std::string Pick(const TextPair& pair) {
    return PickText(pair.hu, pair.en);
}

// A box that still shows its prompt holds no file to judge.
std::string BoxDescription(int box, const WindowState& state) {
    const auto slot = static_cast<std::size_t>(box);
    std::string description = Pick(TXT_BOX_HINT);
    if (!state.promptShown[slot] && !state.filePaths[slot].empty()) {
        description += ' ';
        description += Pick(state.fileUsable[slot] ? TXT_FILE_USABLE : TXT_FILE_UNUSABLE);
    }
    return description;
}

}  // namespace

std::optional<AccessibleFacts> DescribeControl(Control id, const ControlLook& look,
                                               const WindowState& state) {
    const ReaderDesign& reader = FrmMainDesign(id).reader;
    AccessibleFacts facts;
    facts.kind = reader.kind;
    facts.pressTarget = reader.pressTarget;
    facts.inForce = InForce(id, state);
    switch (reader.kind) {
        case AccessibleKind::ToolkitOwn:
            return std::nullopt;
        case AccessibleKind::StaticText:
        case AccessibleKind::Link:
            facts.name = look.caption;
            if (id == Control::lblResult) {
                facts.description = WhereText(state);  // read after the verdict
            }
            break;
        case AccessibleKind::ReadOnlyText:
            facts.name = Pick(reader.name);
            facts.description = BoxDescription(BoxOf(id), state);
            break;
        // The frame stands for the whole sign; bars and stroke are its parts.
        case AccessibleKind::Image:
            facts.shown = look.signShown;
            if (look.signShown) {
                facts.name = Pick(look.signCrossed ? TXT_SIGN_DIFFERENT : TXT_SIGN_IDENTICAL);
            }
            break;
        case AccessibleKind::Button:
            facts.name = Pick(reader.name);
            break;
        case AccessibleKind::Hidden:
            break;  // logo, emblem, header band, lines, the pale flags and the sign's parts
    }
    return facts;
}

}  // namespace duplexa
