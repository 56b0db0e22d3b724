#pragma once
// Every text the user reads, in Hungarian and in English.

#include <cstdint>
#include <string>
#include <string_view>

namespace duplexa {

struct TextPair {
    std::string_view hu;
    std::string_view en;
};

// A pair put together at run time from pieces and numbers.
struct ComposedText {
    std::string hu;
    std::string en;
};

inline constexpr TextPair TXT_TITLE{"Duplexa", "Duplexa"};
inline constexpr TextPair TXT_COMPARE{"Össze- hasonlítás", "Compare"};
inline constexpr TextPair TXT_CLOSE{"Bezár", "Close"};
inline constexpr TextPair TXT_LAYOUT{"Elrendezés:", "Layout:"};
inline constexpr TextPair TXT_DROP_FIRST{"Dobd ide az első fájlt",
                                         "Drag and drop the first file here"};
inline constexpr TextPair TXT_DROP_SECOND{"Dobd ide az második fájlt",
                                          "Drag and drop the second file here"};
inline constexpr TextPair TXT_DROP_TOO_BIG{"A fájl túl nagy!", "File is too big!"};
inline constexpr TextPair TXT_SAME_FILE{"A kettő ugynaz a fájl.", "They are the same file."};
inline constexpr TextPair TXT_WORKING{"Folyamatban...", "Working..."};
inline constexpr TextPair TXT_RUN_TOO_BIG{"A fájl túl nagy.", "File is too big."};
inline constexpr TextPair TXT_SIZE_DIFFERS{"Nem egyezik a fájlméret!", "Different file size!"};
inline constexpr TextPair TXT_CANCELLED{"Megszakítva a felhasználó által.", "Cancelled by user."};
inline constexpr TextPair TXT_IDENTICAL{"A két fájl egyezik egymással.",
                                        "They are exactly the same."};
inline constexpr TextPair TXT_READ_FAILED{"A fájl nem olvasható.", "File cannot be read."};
inline constexpr TextPair TXT_NO_MEMORY{"Nincs elég memória.", "Not enough memory."};
inline constexpr TextPair TXT_COPY{"Másolás", "Copy"};  // the result line's menu
// Why the system is kept awake during a run, where it lists what holds it awake.
inline constexpr TextPair TXT_COMPARING_FILES{"Fájlok összehasonlítása", "Comparing files"};

// Names and hints that screen readers speak, and the layout buttons' tooltips.
inline constexpr TextPair TXT_SIDE_BY_SIDE{"Egymás mellett", "Side by side"};
inline constexpr TextPair TXT_STACKED{"Egymás alatt", "Stacked"};
inline constexpr TextPair TXT_FIRST_FILE{"Első fájl", "First file"};
inline constexpr TextPair TXT_SECOND_FILE{"Második fájl", "Second file"};
inline constexpr TextPair TXT_BOX_HINT{
    "Dobj ide egy fájlt, vagy nyomj Entert a fájlválasztóhoz, vagy Ctrl+V-t egy másolt fájlhoz.",
    "Drop a file here, press Enter to choose one, or Ctrl+V to paste a copied file."};
inline constexpr TextPair TXT_FILE_USABLE{"A fájl használható.", "The file can be used."};
inline constexpr TextPair TXT_FILE_UNUSABLE{"A fájl nem használható.", "The file cannot be used."};
inline constexpr TextPair TXT_SIGN_IDENTICAL{"Egyeznek", "Identical"};
inline constexpr TextPair TXT_SIGN_DIFFERENT{"Eltérnek", "Different"};
inline constexpr TextPair TXT_CHOOSE_FIRST{"Az első fájl kiválasztása", "Choose the first file"};
inline constexpr TextPair TXT_CHOOSE_SECOND{"A második fájl kiválasztása",
                                            "Choose the second file"};
inline constexpr TextPair TXT_ALL_FILES{"Minden fájl", "All files"};  // the chooser's filter
// Each flag is named in its own language, whichever language is in force.
inline constexpr std::string_view TXT_FLAG_ENGLISH = "English";
inline constexpr std::string_view TXT_FLAG_HUNGARIAN = "Magyar";

// Single-language captions of the Compare button.
inline constexpr std::string_view TXT_STOP = "Stop";
inline constexpr std::string_view TXT_COMPARE_AFTER_RUN = "Compare";

// "Working...   P%,  differ in N byte(s)"; percent is rendered as a whole number.
ComposedText ComposeProgress(double percent, std::int64_t diffCount);

// "Differ in N bytes of the total T ! (P%)"
ComposedText ComposeDifferent(std::int64_t diffCount, std::int64_t total, double percent);

// "First difference at byte N, last at byte M."
ComposedText ComposeWhere(std::int64_t first, std::int64_t last);

}  // namespace duplexa
