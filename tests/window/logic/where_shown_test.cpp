// Where two files differ, as the window shows it: the map's marks and their colour, and what
// Copy on the result line takes.

#include <gtest/gtest.h>

#include "core/language.h"
#include "logic_fixture.h"
#include "window/logic/difference_strip.h"
#include "window/logic/scheme_colours.h"

namespace duplexa {
namespace {

DiffCells Cells(std::initializer_list<std::size_t> set) {
    DiffCells cells;
    for (const std::size_t cell : set) {
        cells.set(cell);
    }
    return cells;
}

// Every set cell marks the pixels it touches, at least one; neighbours merge.
TEST(DifferenceStrip, MarksEveryPixelADifferingCellFallsInWithAColourThatStandsOut) {
    const struct {
        std::initializer_list<std::size_t> cells;
        int length;
        std::vector<PixelStretch> marked;
    } cases[] = {
        {{0}, 914, {{0, 1}}},
        {{1023}, 914, {{913, 914}}},
        {{511, 512}, 914, {{456, 458}}},
        {{0, 2, 1023}, 2048, {{0, 2}, {4, 6}, {2046, 2048}}},
        {{5}, 0, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MarkedStretches(Cells(c.cells), c.length), c.marked) << c.length;
    }
    ColourScheme light;
    EXPECT_EQ(MapMarkColour({200, 255, 200}, light), (Rgb{255, 0, 0})) << "the sign's red";
    EXPECT_GE(ContrastRatio(MapMarkColour({120, 20, 20}, light), {120, 20, 20}), kMarkContrast);
    ColourScheme contrast;  // whose highlight, the red's stand-in, hardly shows on its window
    contrast.system[13] = {0, 0, 90};
    contrast.highContrast = true;
    EXPECT_GE(ContrastRatio(MapMarkColour({0, 0, 0}, contrast), {0, 0, 0}), kMarkContrast);
}

using Where = test::LogicTest;

TEST_F(Where, CopyTakesTheLineAndWhereTheFilesDifferOnePerLine) {
    const struct {
        const char* caption;
        std::optional<DiffWhere> where;
        const char* copied;
    } cases[] = {
        {"", std::nullopt, ""},
        {"Same.", std::nullopt, "Same."},
        {"Differ.", DiffWhere{3, 9, {}}, "Differ.\nFirst difference at byte 3, last at byte 9."},
    };
    currentLanguage = 1;
    for (const auto& c : cases) {
        form.SetResultCaption(c.caption);
        state.where = c.where;
        EXPECT_EQ(logic.ResultLineCopy(), c.copied);
    }
}

}  // namespace
}  // namespace duplexa
