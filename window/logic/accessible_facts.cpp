#include "window/logic/accessible_facts.h"

#include "core/language.h"
#include "core/text_catalogue.h"

namespace duplexa {
namespace {

std::string Pick(const TextPair& pair) {
    return PickText(pair.hu, pair.en);
}

AccessibleFacts Facts(AccessibleKind kind, std::string name, std::string_view pressTarget = {}) {
    AccessibleFacts facts;
    facts.kind = kind;
    facts.name = std::move(name);
    facts.pressTarget = pressTarget;
    return facts;
}

AccessibleFacts Box(int box, const WindowState& state) {
    const auto slot = static_cast<std::size_t>(box);
    AccessibleFacts facts =
        Facts(AccessibleKind::ReadOnlyText, Pick(box == 0 ? TXT_FIRST_FILE : TXT_SECOND_FILE));
    facts.description = Pick(TXT_BOX_HINT);
    // A box that still shows its prompt holds no file to judge.
    if (!state.promptShown[slot] && !state.filePaths[slot].empty()) {
        facts.description += ' ';
        facts.description += Pick(state.fileUsable[slot] ? TXT_FILE_USABLE : TXT_FILE_UNUSABLE);
    }
    return facts;
}

}  // namespace

std::optional<AccessibleFacts> DescribeControl(std::string_view controlName,
                                               const ControlLook& look, const WindowState& state) {
    const auto is = [controlName](std::string_view name) { return controlName == name; };
    if (is("lblTitle") || is("Label10") || is("lblVersion") || is("lblLayout") || is("lblResult")) {
        return Facts(AccessibleKind::StaticText, look.caption);
    }
    if (is("lblHomepage")) {
        return Facts(AccessibleKind::Link, look.caption);
    }
    if (is("lblFile0") || is("lblFile1")) {
        return Box(is("lblFile0") ? 0 : 1, state);
    }
    // The frame stands for the whole sign; bars and stroke are its parts.
    if (is("frResult")) {
        if (!look.signShown) {
            AccessibleFacts nothing = Facts(AccessibleKind::Image, {});
            nothing.shown = false;
            return nothing;
        }
        return Facts(AccessibleKind::Image,
                     Pick(look.signCrossed ? TXT_SIGN_DIFFERENT : TXT_SIGN_IDENTICAL));
    }
    // The full-colour flags are always on screen; a click lands on the pale one above it.
    if (is("imgLangENG")) {
        return Facts(AccessibleKind::Button, std::string(TXT_FLAG_ENGLISH), "imgLangENG_hl");
    }
    if (is("imgLangHUN")) {
        return Facts(AccessibleKind::Button, std::string(TXT_FLAG_HUNGARIAN), "imgLangHUN_hl");
    }
    if (is("cmdOrder1")) {
        return Facts(AccessibleKind::Button, Pick(TXT_SIDE_BY_SIDE));
    }
    if (is("cmdOrder2")) {
        return Facts(AccessibleKind::Button, Pick(TXT_STACKED));
    }
    if (is("comCompare") || is("ComClose")) {
        return std::nullopt;
    }
    // Logo, emblem, header band, lines, the pale flags and the sign's parts.
    return AccessibleFacts{};
}

}  // namespace duplexa
