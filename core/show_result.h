#pragma once

#include <string_view>

#include "core/result_view.h"
#include "core/text_catalogue.h"
#include "core/window_state.h"

namespace duplexa {

// Keeps the message in both languages, so a language switch can show it again, and puts the
// text of the language in force on the result line.
void ShowResult(WindowState& state, ResultView& view, std::string_view hu, std::string_view en);

inline void ShowResult(WindowState& state, ResultView& view, const TextPair& text) {
    ShowResult(state, view, text.hu, text.en);
}
inline void ShowResult(WindowState& state, ResultView& view, const ComposedText& text) {
    ShowResult(state, view, text.hu, text.en);
}

}  // namespace duplexa
