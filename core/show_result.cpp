#include "core/show_result.h"

#include "core/language.h"

namespace duplexa {

void ShowResult(WindowState& state, ResultView& view, std::string_view hu, std::string_view en) {
    state.resultHu = std::string(hu);
    state.resultEn = std::string(en);
    view.SetResultCaption(PickText(state.resultHu, state.resultEn));
}

}  // namespace duplexa
