// The two layouts: where the boxes, the result frame and Compare go, and what stays put.

#include <gtest/gtest.h>

#include <array>

#include "logic_fixture.h"

namespace duplexa {
namespace {

using test::FakeForm;

// Left, top, width, height of the four controls a layout moves.
struct Geometry {
    std::array<float, 4> box0, box1, frame, compare;
    bool operator==(const Geometry&) const = default;
};

Geometry Of(const FakeForm& form) {
    const auto rect = [&form](Control c) {
        return std::array<float, 4>{form[c].left, form[c].top, form[c].width, form[c].height};
    };
    return {rect(Control::lblFile_0), rect(Control::lblFile_1), rect(Control::frResult),
            rect(Control::comCompare)};
}

void PrintTo(const Geometry& g, std::ostream* out) {
    for (const auto& rect : {g.box0, g.box1, g.frame, g.compare}) {
        *out << "(" << rect[0] << "," << rect[1] << " " << rect[2] << "x" << rect[3] << ") ";
    }
}

// Sizes of the frame and the button never change.
const Geometry kSideBySide{
    {8, 80, 185, 185}, {280, 80, 185, 185}, {200, 120, 73, 65}, {200, 216, 73, 41}};
const Geometry kStacked{{8, 80, 457, 57}, {8, 208, 457, 57}, {200, 140, 73, 65}, {16, 152, 73, 41}};

using Layouts = test::LogicTest;

TEST_F(Layouts, TheButtonsArrangeTheBoxesSideBySideOrStackedAndBackAgain) {
    logic.cmdOrder2_Click();
    EXPECT_EQ(state.layoutMode, 2);
    EXPECT_EQ(Of(form), kStacked);

    logic.cmdOrder1_Click();
    EXPECT_EQ(state.layoutMode, 1);
    EXPECT_EQ(Of(form), kSideBySide);

    logic.cmdOrder2_Click();
    EXPECT_EQ(Of(form), kStacked) << "nothing may depend on the layout before";
    logic.cmdOrder2_Click();
    EXPECT_EQ(Of(form), kStacked);
}

TEST_F(Layouts, SetTheGeometryInTheTablesOrderEndingWithBoxOneCopyingBoxZero) {
    logic.ApplyLayout(1);
    EXPECT_EQ(form.log,
              (std::vector<std::string>{
                  "lblFile(0).Left=8", "lblFile(0).Top=80", "lblFile(1).Left=280",
                  "lblFile(1).Top=80", "lblFile(0).Width=185", "lblFile(0).Height=185",
                  "frResult.Left=200", "frResult.Top=120", "comCompare.Left=200",
                  "comCompare.Top=216", "lblFile(1).Width=185", "lblFile(1).Height=185"}));
}

TEST_F(Layouts, AnyOtherNumberIsRecordedAndOnlyCopiesTheSizeOfBoxZero) {
    logic.ApplyLayout(1);
    form.SetWidth(Control::lblFile_0, 100);
    form.SetHeight(Control::lblFile_0, 50);
    form.log.clear();

    logic.ApplyLayout(3);
    EXPECT_EQ(state.layoutMode, 3);
    EXPECT_EQ(form.log, (std::vector<std::string>{"lblFile(1).Width=100", "lblFile(1).Height=50"}));
    EXPECT_EQ(form[Control::lblFile_1].left, 280);
}

TEST_F(Layouts, ChangeOnlyPlacesAndSizesNeverContentsColoursOrCompare) {
    form.SetBoxText(0, "first.bin");
    form.SetBoxBackColour(0, kLightGreen);
    form.SetBoxForeColour(1, kRed);
    form.SetResultCaption("They are exactly the same.");
    form.SetShapeVisible(Shape::sEqual1, true);
    form.SetCompareEnabled(true);
    form.log.clear();

    logic.cmdOrder1_Click();
    logic.cmdOrder2_Click();
    for (const auto& entry : form.log) {
        const auto property = entry.substr(entry.find('.') + 1);
        EXPECT_TRUE(property.starts_with("Left=") || property.starts_with("Top=") ||
                    property.starts_with("Width=") || property.starts_with("Height="))
            << entry;
    }
    EXPECT_EQ(form[Control::lblFile_0].caption, "first.bin");
    EXPECT_EQ(form[Control::lblResult].caption, "They are exactly the same.");
    EXPECT_TRUE(form.compareEnabled);
}

}  // namespace
}  // namespace duplexa
