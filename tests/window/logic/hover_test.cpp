// The hover highlights of the two flags and the home-page label, the timer that clears them
// when the pointer leaves the window, and the link.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logic_fixture.h"
#include "window/design/maker.h"

namespace duplexa {
namespace {

class Hover : public test::LogicTest {
  protected:
    Hover() {
        // hoverTarget as each timer change finds it: 0 when a highlight is cleared, the spot
        // when one is switched on.
        form.onLog = [this](const std::string& entry) {
            if (entry.starts_with("tmrLang.")) {
                targets.push_back(state.hoverTarget);
            }
        };
        // The window at (100, 200) on the screen, 482 by 369 pixels outside.
        form.outerRect = {100 * 15, 200 * 15, 482 * 15, 369 * 15};
    }
    void PointerAt(std::int32_t x, std::int32_t y) {
        pointer.x = x;
        pointer.y = y;
    }
    bool Highlighted() const { return state.hoverTarget != 0; }

    std::vector<std::int16_t> targets;
};

TEST_F(Hover, FromFlagToFlagTheOldHighlightGoesBeforeTheNewOneComes) {
    logic.imgLangENG_MouseMove();
    EXPECT_TRUE(form[Control::imgLangENG_hl].visible);
    EXPECT_TRUE(form.timerEnabled);
    form.log.clear();
    targets.clear();

    logic.imgLangHUN_MouseMove();
    EXPECT_EQ(targets, (std::vector<std::int16_t>{0, 2}));
    EXPECT_EQ(form.log, (std::vector<std::string>{
                            "tmrLang.Enabled=False", "imgLangENG_hl.Visible=False",
                            "imgLangHUN_hl.Visible=False", "lblHomepage.ForeColor=15096832",
                            "lblHomepage.FontUnderline=False", "imgLangHUN_hl.Visible=True",
                            "tmrLang.Enabled=True"}));
    EXPECT_FALSE(form[Control::imgLangENG_hl].visible);
}

TEST_F(Hover, MovesOverTheSameSpotAgainChangeNothing) {
    logic.lblHomepage_MouseMove();
    EXPECT_EQ(state.hoverTarget, 3);
    EXPECT_EQ(form[Control::lblHomepage].foreColour, 0xFF7C24u);
    EXPECT_TRUE(form[Control::lblHomepage].underline);
    const auto before = form.log.size();
    logic.lblHomepage_MouseMove();
    EXPECT_EQ(form.log.size(), before);
}

TEST_F(Hover, TheBackgroundOrLeavingTheWindowClearsAHighlightAndOtherwiseDoesNothing) {
    logic.Form_MouseMove();
    logic.Form_MouseLeave();
    logic.tmrLang_Timer();
    EXPECT_TRUE(form.log.empty());
    EXPECT_EQ(pointer.reads, 0) << "the pointer is not read without a highlight";

    logic.lblHomepage_MouseMove();
    logic.Form_MouseMove();
    EXPECT_FALSE(Highlighted());
    EXPECT_FALSE(form.timerEnabled);
    EXPECT_EQ(form[Control::lblHomepage].foreColour, 0xE65C00u);
    EXPECT_FALSE(form[Control::lblHomepage].underline);

    logic.imgLangENG_MouseMove();
    logic.Form_MouseLeave();
    EXPECT_FALSE(form[Control::imgLangENG_hl].visible);
    EXPECT_FALSE(form.timerEnabled);
}

TEST_F(Hover, APointerThatLeftTheWindowIsNoticedByTheNextTick) {
    logic.imgLangHUN_MouseMove();
    PointerAt(300, 250);
    logic.tmrLang_Timer();
    EXPECT_TRUE(Highlighted()) << "still over the window";
    EXPECT_TRUE(form.timerEnabled);
    EXPECT_EQ(state.cursorPos.x, 4500);
    EXPECT_EQ(state.cursorPos.y, 3750);

    PointerAt(900, 250);
    logic.tmrLang_Timer();
    EXPECT_FALSE(Highlighted());
    EXPECT_FALSE(form[Control::imgLangHUN_hl].visible);
    EXPECT_FALSE(form.timerEnabled);
}

TEST_F(Hover, TheLeftAndTopEdgesAreInsideTheRightAndBottomEdgesOutside) {
    const struct {
        std::int32_t x, y;
        bool inside;
    } cases[] = {
        {100, 200, true},                      // the top-left corner
        {581, 568, true},                      // the last pixel inside
        {99, 300, false},  {582, 300, false},  // left of it, and Left + Width
        {300, 199, false}, {300, 569, false},  // above it, and Top + Height
    };
    for (const auto& c : cases) {
        logic.imgLangENG_MouseMove();
        PointerAt(c.x, c.y);
        logic.tmrLang_Timer();
        EXPECT_EQ(Highlighted(), c.inside) << c.x << "," << c.y;
        logic.ResetHover();
    }
}

TEST_F(Hover, TheLinkOpensTheHomePageOnceAndKeepsItsHighlight) {
    logic.lblHomepage_MouseMove();
    logic.lblHomepage_Click();
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0].first, form.handle);
    EXPECT_EQ(opener.opened[0].second, kHomepageAddress);
    EXPECT_EQ(state.hoverTarget, 3);
    EXPECT_TRUE(form[Control::lblHomepage].underline);
    EXPECT_TRUE(form.timerEnabled);
}

}  // namespace
}  // namespace duplexa
