#include "window/logic/accessible_facts.h"

#include <gtest/gtest.h>

#include "core/language.h"

namespace duplexa {
namespace {

using enum Control;

// Names in both languages are checked on the real window (tests/window/qt/accessibility_test).
class AccessibleFactsTest : public ::testing::Test {
  protected:
    AccessibleFactsTest() : saved_(currentLanguage) { currentLanguage = 1; }
    ~AccessibleFactsTest() override { currentLanguage = saved_; }

    AccessibleFacts Describe(Control id, ControlLook look = {}) {
        return DescribeControl(id, look, state).value_or(AccessibleFacts{});
    }

    WindowState state;

  private:
    std::int32_t saved_;
};

TEST_F(AccessibleFactsTest, DecorationIsLeftOutAndTheSignIsNamedByWhatItShows) {
    for (const Control decoration : {Image1, Shape3, Line1, imgLangENG_hl, sEqual1}) {
        EXPECT_EQ(Describe(decoration).kind, AccessibleKind::Hidden) << Row(decoration);
    }
    EXPECT_FALSE(DescribeControl(comCompare, {}, state).has_value()) << "the toolkit's own";
    EXPECT_FALSE(Describe(frResult, {{}, false, true}).shown);
    EXPECT_EQ(Describe(frResult, {{}, false, true}).name, "") << "nothing to name";
    EXPECT_EQ(Describe(frResult, {{}, true, false}).name, "Identical");
    EXPECT_EQ(Describe(frResult, {{}, true, true}).name, "Different");
}

TEST_F(AccessibleFactsTest, BoxTellsWhetherItsFileIsUsableOnlyOnceItHoldsOne) {
    state.promptShown = {true, true};
    const std::string hint = Describe(lblFile_1).description;
    state.promptShown[1] = false;
    state.filePaths[1] = "/tmp/x";
    EXPECT_EQ(Describe(lblFile_1).description, hint + " The file cannot be used.");
    state.fileUsable[1] = true;
    EXPECT_EQ(Describe(lblFile_1).description, hint + " The file can be used.");
}

}  // namespace
}  // namespace duplexa
