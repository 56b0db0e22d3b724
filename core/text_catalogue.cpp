#include "core/text_catalogue.h"

#include "runtime/number_text.h"

namespace duplexa {

ComposedText ComposeProgress(double percent, std::int64_t diffCount) {
    const std::string p = WholeNumberText(percent);
    const std::string n = IntegerText(diffCount);
    return {"Folyamatban...   " + p + "%,  eltér " + n + " bájtban",
            "Working...   " + p + "%,  differ in " + n + " byte(s)"};
}

ComposedText ComposeDifferent(std::int64_t diffCount, std::int64_t total, double percent) {
    const std::string n = IntegerText(diffCount);
    const std::string t = IntegerText(total);
    const std::string p = WholeNumberText(percent);
    return {"Eltér " + n + " bájtban az összes " + t + " bájtból ! (" + p + "%)",
            "Differ in " + n + " bytes of the total " + t + " ! (" + p + "%)"};
}

}  // namespace duplexa
