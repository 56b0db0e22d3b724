// Where two files differ, as the window shows it: the map's strip in the boxes, the where-line
// in both languages, what Copy takes, and a reader told of a file given from the keyboard.

#include <gtest/gtest.h>

#include "core/language.h"
#include "core/show_result.h"
#include "intake/file_name_for_box.h"
#include "logic_fixture.h"
#include "window/logic/accessible_facts.h"
#include "window/logic/difference_strip.h"
#include "window/logic/scheme_colours.h"

namespace duplexa {
namespace {

using Where = test::LogicTest;

DiffWhere Found(std::int64_t first, std::int64_t last, std::initializer_list<std::size_t> cells) {
    DiffWhere where{first, last, {}};
    for (const std::size_t cell : cells) {
        where.cells.set(cell);
    }
    return where;
}

TEST_F(Where, TheMapLiesAlongTheEdgeOfTheLayoutAndTheLineFollowsTheLanguage) {
    for (const auto& [layout, edge] : {std::pair{1, MapEdge::Right}, {2, MapEdge::Bottom}}) {
        logic.ApplyLayout(static_cast<std::int16_t>(layout));
        EXPECT_EQ(form.mapEdge, edge) << layout;
    }
    ShowWhere(state, form, Found(1, 7, {0, 1023}));
    EXPECT_EQ(form.map, Found(1, 7, {0, 1023}).cells);
    logic.ApplyLanguage(0);
    EXPECT_EQ(form.resultDetail,
              "Els\xC5\x91 elt\xC3\xA9r\xC3\xA9s: 1. b\xC3\xA1jt, utols\xC3\xB3: "
              "7. b\xC3\xA1jt.");
    EXPECT_EQ(DescribeControl(Control::lblResult, {"x"}, state)->description, form.resultDetail);
    logic.ApplyLanguage(1);
    EXPECT_EQ(form.resultDetail, "First difference at byte 1, last at byte 7.");
    ShowWhere(state, form, std::nullopt);
    EXPECT_FALSE(form.map.has_value());
    EXPECT_EQ(form.resultDetail, "");
}

TEST_F(Where, CopyTakesTheLineAndWhereTheFilesDifferOnePerLine) {
    const struct {
        const char* caption;
        std::optional<DiffWhere> where;
        const char* copied;
    } cases[] = {
        {"", std::nullopt, ""},
        {"They are exactly the same.", std::nullopt, "They are exactly the same."},
        {"Differ in 2 bytes of the total 9 ! (22%)", Found(3, 9, {}),
         "Differ in 2 bytes of the total 9 ! (22%)\nFirst difference at byte 3, last at byte 9."},
    };
    currentLanguage = 1;
    for (const auto& c : cases) {
        form.SetResultCaption(c.caption);
        state.where = c.where;
        EXPECT_EQ(logic.ResultLineCopy(), c.copied);
    }
}

TEST_F(Where, AFileGivenFromTheKeyboardIsNamedToReadersOnceAndNotDuringARun) {
    const std::string path = settings.Maker() + "-missing" + kPathSeparator + "report.txt";
    EXPECT_TRUE(logic.lblFile_FilesFromKeyboard(1, {path}));
    EXPECT_EQ(form.announced, std::vector<std::string>{"report.txt"});
    EXPECT_TRUE(logic.lblFile_FilesGiven(0, {path}));
    state.isRunning = true;
    EXPECT_FALSE(logic.lblFile_FilesFromKeyboard(0, {path}));
    EXPECT_EQ(form.announced.size(), 1u) << "a drop, and a file refused, are not told";
}

TEST(DifferenceStrip, LiesInsideTheEdgeAndLeavesTheRestToTheText) {
    const PixelRect inner{2, 2, 453, 53};
    EXPECT_EQ(MapStrip(MapEdge::Bottom, inner, 4), (PixelRect{2, 51, 453, 4}));
    EXPECT_EQ(BesideMapStrip(MapEdge::Bottom, inner, 4, 1), (PixelRect{2, 2, 453, 48}));
    EXPECT_EQ(MapStrip(MapEdge::Right, inner, 8), (PixelRect{447, 2, 8, 53}));
    EXPECT_EQ(BesideMapStrip(MapEdge::Right, inner, 8, 2), (PixelRect{2, 2, 443, 53}));
}

// Every set cell marks the pixels it touches, at least one; neighbours merge.
TEST(DifferenceStrip, MarksEveryPixelADifferingCellFallsIn) {
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
        EXPECT_EQ(MarkedStretches(Found(1, 1, c.cells).cells, c.length), c.marked) << c.length;
    }
    EXPECT_EQ(MapMarks(MapEdge::Right, {2, 2, 181, 181}, 4, Found(1, 1, {1023}).cells),
              (std::vector<PixelRect>{{179, 182, 4, 1}}));
}

TEST(DifferenceStrip, MarksStandOutOnAUsableBoxInEveryScheme) {
    ColourScheme light;
    light.system.fill({240, 240, 240});
    ColourScheme contrast;
    contrast.system.fill({0, 0, 0});
    contrast.system[13] = {26, 235, 255};
    contrast.highContrast = true;
    EXPECT_EQ(MapMarkColour(Resolve(kLightGreen, light), light), (Rgb{255, 0, 0})) << "the sign's";
    for (const ColourScheme* scheme : {&light, &contrast}) {
        const Rgb back = Resolve(kLightGreen, *scheme);
        EXPECT_GE(ContrastRatio(MapMarkColour(back, *scheme), back), kMarkContrast);
    }
    EXPECT_GE(ContrastRatio(MapMarkColour({120, 20, 20}, light), {120, 20, 20}), kMarkContrast);
}

}  // namespace
}  // namespace duplexa
