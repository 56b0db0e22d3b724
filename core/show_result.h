#pragma once

#include <optional>
#include <string>
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

// Keeps where the files differ (nothing: no map, no where-line) and shows it.
void ShowWhere(WindowState& state, ResultView& view, std::optional<DiffWhere> where);

// The where-line in the language in force; empty when there is nothing to tell.
std::string WhereText(const WindowState& state);

}  // namespace duplexa
