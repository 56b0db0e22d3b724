#include "window/logic/accessible_facts.h"

#include <gtest/gtest.h>

#include "core/language.h"

namespace duplexa {
namespace {

class AccessibleFactsTest : public ::testing::Test {
  protected:
    AccessibleFactsTest() : saved_(currentLanguage) {}
    ~AccessibleFactsTest() override { currentLanguage = saved_; }

    AccessibleFacts Describe(const char* name, ControlLook look = {}) {
        const auto facts = DescribeControl(name, look, state);
        EXPECT_TRUE(facts.has_value()) << name;
        return facts.value_or(AccessibleFacts{});
    }

    WindowState state;

  private:
    std::int32_t saved_;
};

TEST_F(AccessibleFactsTest, NamesFollowTheLanguageExceptTheFlags) {
    const struct {
        const char* control;
        AccessibleKind kind;
        const char* hu;
        const char* en;
    } cases[] = {
        {"cmdOrder1", AccessibleKind::Button, "Egym\xC3\xA1s mellett", "Side by side"},
        {"cmdOrder2", AccessibleKind::Button, "Egym\xC3\xA1s alatt", "Stacked"},
        {"imgLangENG", AccessibleKind::Button, "English", "English"},
        {"imgLangHUN", AccessibleKind::Button, "Magyar", "Magyar"},
        {"lblFile0", AccessibleKind::ReadOnlyText, "Els\xC5\x91 f\xC3\xA1jl", "First file"},
        {"lblFile1", AccessibleKind::ReadOnlyText, "M\xC3\xA1sodik f\xC3\xA1jl", "Second file"},
    };
    for (const auto& c : cases) {
        currentLanguage = 0;
        EXPECT_EQ(Describe(c.control).name, c.hu);
        EXPECT_EQ(Describe(c.control).kind, c.kind) << c.control;
        currentLanguage = 1;
        EXPECT_EQ(Describe(c.control).name, c.en);
    }
}

TEST_F(AccessibleFactsTest, LabelsAreTheirCaptionsAndDecorationIsLeftOut) {
    EXPECT_EQ(Describe("lblResult", {"Cancelled by user."}).name, "Cancelled by user.");
    EXPECT_EQ(Describe("lblHomepage", {"www"}).kind, AccessibleKind::Link);
    for (const char* decoration :
         {"Image1", "Image2", "Shape3", "Line1", "imgLangENG_hl", "sEqual1", "strikeLine"}) {
        EXPECT_EQ(Describe(decoration).kind, AccessibleKind::Hidden) << decoration;
    }
    EXPECT_FALSE(DescribeControl("comCompare", {}, state).has_value());
}

TEST_F(AccessibleFactsTest, SignIsNamedByWhatItShows) {
    currentLanguage = 1;
    EXPECT_FALSE(Describe("frResult").shown);
    EXPECT_EQ(Describe("frResult", {{}, false, true}).name, "") << "nothing to name";
    EXPECT_EQ(Describe("frResult", {{}, true, false}).name, "Identical");
    EXPECT_EQ(Describe("frResult", {{}, true, true}).name, "Different");
}

TEST_F(AccessibleFactsTest, BoxTellsHowToFillItAndWhetherItsFileIsUsable) {
    currentLanguage = 1;
    state.promptShown = {true, true};
    const std::string hint = Describe("lblFile0").description;
    EXPECT_NE(hint.find("Enter"), std::string::npos);
    EXPECT_NE(hint.find("Ctrl+V"), std::string::npos);

    state.promptShown[1] = false;
    state.filePaths[1] = "/tmp/x";
    EXPECT_EQ(Describe("lblFile1").description, hint + " The file cannot be used.");
    state.fileUsable[1] = true;
    EXPECT_EQ(Describe("lblFile1").description, hint + " The file can be used.");
}

}  // namespace
}  // namespace duplexa
