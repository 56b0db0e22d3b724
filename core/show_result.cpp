#include "core/show_result.h"

#include <utility>

#include "core/language.h"
#include "core/text_catalogue.h"

namespace duplexa {

void ShowResult(WindowState& state, ResultView& view, std::string_view hu, std::string_view en) {
    state.resultHu.assign(hu);  // keeps its storage: this runs after every block
    state.resultEn.assign(en);
    view.SetResultCaption(PickText(state.resultHu, state.resultEn));
}

void ShowWhere(WindowState& state, ResultView& view, std::optional<DiffWhere> where) {
    state.where = std::move(where);
    view.SetDifferenceMap(state.where ? &state.where->cells : nullptr);
    view.SetResultDetail(WhereText(state));
}

std::string WhereText(const WindowState& state) {
    if (!state.where) {
        return {};
    }
    const ComposedText text = ComposeWhere(state.where->first, state.where->last);
    return PickText(text.hu, text.en);
}

}  // namespace duplexa
