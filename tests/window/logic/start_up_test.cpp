// Start-up from the stored settings, and storing the layout when the window closes.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/language.h"
#include "duplexa_version.h"
#include "logic_fixture.h"
#include "settings/registry_common.h"

namespace duplexa {
namespace {

using test::Bytes;

class StartUp : public test::LogicTest {
  protected:
    void StoreLayout(std::int32_t layout) {
        ASSERT_EQ(modRegistryCommon::WriteSettingAt(Maker(), "Kitrune", "Duplexa-Align", layout),
                  0);
    }
    // Where in the log the first entry starting with prefix is.
    std::ptrdiff_t Position(const std::string& prefix) const {
        const auto it = std::find_if(form.log.begin(), form.log.end(),
                                     [&](const auto& entry) { return entry.starts_with(prefix); });
        EXPECT_NE(it, form.log.end()) << prefix;
        return it - form.log.begin();
    }
};

TEST_F(StartUp, AFirstStartOpensStackedAndInEnglishWithTheCornerOnTheRight) {
    logic.Form_Load();

    EXPECT_EQ(state.layoutMode, 2);
    EXPECT_EQ(form[Control::lblFile_1].top, 208);
    EXPECT_EQ(currentLanguage, 1);
    EXPECT_EQ(form[Control::lblFile_0].caption, "Drag and drop the first file here");
    EXPECT_EQ(form[Control::lblFile_1].caption, "Drag and drop the second file here");
    EXPECT_EQ(form[Control::lblResult].caption, "");
    EXPECT_EQ(form[Control::comCompare].caption, "Compare");
    EXPECT_EQ(form.windowCaption, "Duplexa");
    EXPECT_TRUE(state.promptShown[0] && state.promptShown[1]);
    EXPECT_FALSE(state.isRunning);

    EXPECT_EQ(form[Control::lblVersion].caption, "v" DUPLEXA_VERSION_TEXT);
    // Inner width 473: the flags at 448 and 424, the 105-wide link at 364, the version label
    // (as wide as the fake makes it) 4 from the edge.
    EXPECT_EQ(form[Control::imgLangHUN].left, 448);
    EXPECT_EQ(form[Control::imgLangENG].left, 424);
    EXPECT_EQ(form[Control::lblHomepage].left, 364);
    EXPECT_EQ(form[Control::lblVersion].left + form[Control::lblVersion].width, 473 - 4);
    for (const auto& [flag, highlight] : {std::pair{Control::imgLangENG, Control::imgLangENG_hl},
                                          std::pair{Control::imgLangHUN, Control::imgLangHUN_hl}}) {
        EXPECT_EQ(form[highlight].left, form[flag].left);
        EXPECT_EQ(form[highlight].top, form[flag].top);
        EXPECT_FALSE(form[highlight].visible);
    }
    EXPECT_EQ(form[Control::frResult].backColour, test::kButtonFace);
    EXPECT_EQ(form[Control::lblHomepage].foreColour, kLinkBlue);
    EXPECT_FALSE(form.timerEnabled);
    EXPECT_EQ(state.hoverTarget, 0);
    EXPECT_EQ(StoredLayout(), std::nullopt) << "start-up stores nothing";
    EXPECT_EQ(StoredLanguage(), std::nullopt);
}

TEST_F(StartUp, RunsItsStepsInOrder) {
    logic.Form_Load();
    const std::vector<std::ptrdiff_t> order{
        Position("lblVersion.Caption="), Position("imgLangHUN.Left="),
        Position("imgLangENG.Left="),    Position("lblHomepage.Left="),
        Position("lblVersion.Left="),    Position("frResult.BackColor="),
        Position("lblResult.Caption="),  Position("lblFile(0).Left="),
        Position("imgLangHUN_hl.Left="), Position("imgLangHUN_hl.Top="),
        Position("imgLangENG_hl.Left="), Position("imgLangENG_hl.Top="),
        Position("tmrLang.Enabled="),    Position("lblTitle.Caption=")};
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end())) << testing::PrintToString(order);
}

TEST_F(StartUp, AStoredLayoutIsClampedToOneOrTwo) {
    const struct {
        std::int32_t stored;
        std::int16_t layout;
    } cases[] = {{0, 1}, {1, 1}, {2, 2}, {65535, 2}};
    for (const auto& c : cases) {
        StoreLayout(c.stored);
        const auto window = NextStart();
        window->logic.Form_Load();
        EXPECT_EQ(window->state.layoutMode, c.layout) << c.stored;
        EXPECT_EQ(window->form[Control::lblFile_1].left, c.layout == 1 ? 280 : 8) << c.stored;
    }
}

TEST_F(StartUp, AStoredLanguageIsApplied) {
    ASSERT_TRUE(modRegistryCommon::SaveLanguageAt(Maker(), 0));
    logic.Form_Load();
    EXPECT_EQ(currentLanguage, 0);
    EXPECT_EQ(form[Control::lblFile_0].caption, "Dobd ide az els\xC5\x91 f\xC3\xA1jlt");
    EXPECT_EQ(form[Control::ComClose].caption, "Bez\xC3\xA1r");

    ASSERT_TRUE(modRegistryCommon::SaveLanguageAt(Maker(), 5));
    const auto window = NextStart();
    window->logic.Form_Load();
    EXPECT_EQ(currentLanguage, 5);
    EXPECT_EQ(window->form[Control::ComClose].caption, "Close");
}

TEST_F(StartUp, CloseUnloadsOnceStoringTheLayoutThenEndsAndTheNextStartKeepsIt) {
    logic.Form_Load();
    logic.cmdOrder1_Click();
    logic.ComClose_Click();
    EXPECT_EQ(form.unloads, 1);
    EXPECT_EQ(form.Entries("Unload").size(), 1u);
    EXPECT_EQ(form.log.back(), "End") << "the program ends after the unload";
    EXPECT_EQ(StoredLayout(), (Bytes{0x01, 0x00}));

    const auto window = NextStart();
    window->logic.Form_Load();
    EXPECT_EQ(window->state.layoutMode, 1);
}

// The run is told to stop; once Compare's handler has returned with the run over, the window
// closes, once, and only then is the layout stored.
TEST_F(StartUp, ACloseDuringARunWaitsForItsEndThenUnloadsOnce) {
    logic.Form_Load();
    logic.cmdOrder1_Click();
    state.isRunning = state.keepRunning = true;
    EXPECT_FALSE(logic.Form_QueryUnload());
    EXPECT_FALSE(state.keepRunning);
    logic.AfterCompare();  // a Stop press handled inside the run
    EXPECT_EQ(form.unloads, 0);
    EXPECT_EQ(StoredLayout(), std::nullopt);
    state.isRunning = false;
    logic.AfterCompare();
    logic.AfterCompare();
    EXPECT_EQ(form.unloads, 1);
    EXPECT_EQ(StoredLayout(), (Bytes{0x01, 0x00}));
}

TEST_F(StartUp, AnUnloadOfItsOwnStoresTheLayoutToo) {
    StoreLayout(1);
    logic.Form_Load();
    logic.cmdOrder2_Click();
    logic.Form_Unload();  // the title bar's close
    EXPECT_EQ(StoredLayout(), (Bytes{0x02, 0x00}));
}

TEST_F(StartUp, TheLanguageIsStoredWhenChosenAndNotAgainAtUnload) {
    logic.Form_Load();
    logic.imgLangHUN_hl_Click();
    EXPECT_EQ(StoredLanguage(), (Bytes{0x00, 0x00}));
    // Another copy of the program stores a language meanwhile; this one's unload leaves it.
    ASSERT_TRUE(modRegistryCommon::SaveLanguageAt(Maker(), 7));
    logic.ComClose_Click();
    EXPECT_EQ(StoredLanguage(), (Bytes{0x07, 0x00}));
    EXPECT_EQ(StoredLayout(), (Bytes{0x02, 0x00}));
}

}  // namespace
}  // namespace duplexa
