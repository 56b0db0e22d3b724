#include "core/text_catalogue.h"

#include <initializer_list>
#include <string_view>

#include "runtime/number_text.h"

namespace duplexa {
namespace {

// One allocation per text: the progress line is composed after every block.
std::string Joined(std::initializer_list<std::string_view> pieces) {
    std::size_t size = 0;
    for (const std::string_view piece : pieces) {
        size += piece.size();
    }
    std::string text;
    text.reserve(size);
    for (const std::string_view piece : pieces) {
        text.append(piece);
    }
    return text;
}

}  // namespace

ComposedText ComposeProgress(double percent, std::int64_t diffCount) {
    const std::string p = WholeNumberText(percent);
    const std::string n = IntegerText(diffCount);
    return {Joined({"Folyamatban...   ", p, "%,  eltér ", n, " bájtban"}),
            Joined({"Working...   ", p, "%,  differ in ", n, " byte(s)"})};
}

ComposedText ComposeDifferent(std::int64_t diffCount, std::int64_t total, double percent) {
    const std::string n = IntegerText(diffCount);
    const std::string t = IntegerText(total);
    const std::string p = WholeNumberText(percent);
    return {"Eltér " + n + " bájtban az összes " + t + " bájtból ! (" + p + "%)",
            "Differ in " + n + " bytes of the total " + t + " ! (" + p + "%)"};
}

ComposedText ComposeWhere(std::int64_t first, std::int64_t last) {
    const std::string n = IntegerText(first);
    const std::string m = IntegerText(last);
    return {"Első eltérés: " + n + ". bájt, utolsó: " + m + ". bájt.",
            "First difference at byte " + n + ", last at byte " + m + "."};
}

}  // namespace duplexa
