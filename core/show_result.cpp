#include "core/show_result.h"

#include "core/language.h"

namespace duplexa {

void ShowResult(WindowState& state, ResultView& view, std::string_view hu, std::string_view en) {
    state.resultHu.assign(hu);  // keeps its storage: this runs after every block
    state.resultEn.assign(en);
    view.SetResultCaption(PickText(state.resultHu, state.resultEn));
}

}  // namespace duplexa
