#include "core/text_catalogue.h"

#include <gtest/gtest.h>

#include "core/language.h"
#include "core/show_result.h"
#include "support/recording_view.h"

namespace duplexa {
namespace {

class LanguageGuard : public ::testing::Test {
  protected:
    void SetUp() override { saved_ = currentLanguage; }
    void TearDown() override { currentLanguage = saved_; }

  private:
    std::int32_t saved_ = 0;
};

TEST(TextCatalogue, HungarianTextsUseTheRightLetters) {
    // ő must be U+0151 (C5 91 in UTF-8), not the Latin-1 look-alike õ or ö.
    EXPECT_EQ(TXT_DROP_FIRST.hu, "Dobd ide az els\xC5\x91 f\xC3\xA1jlt");
    EXPECT_EQ(TXT_SAME_FILE.hu, "A kett\xC5\x91 ugynaz a f\xC3\xA1jl.");
    EXPECT_EQ(TXT_COMPARE.hu, "\xC3\x96ssze- hasonl\xC3\xADt\xC3\xA1s");
    EXPECT_EQ(TXT_WORKING.en, "Working...") << "three full stops, not an ellipsis";
}

TEST(TextCatalogue, TheTwoTooBigPairsDifferInTheirLastSign) {
    EXPECT_EQ(TXT_DROP_TOO_BIG.en, "File is too big!");
    EXPECT_EQ(TXT_RUN_TOO_BIG.en, "File is too big.");
    EXPECT_EQ(TXT_DROP_TOO_BIG.hu, "A f\xC3\xA1jl t\xC3\xBAl nagy!");
    EXPECT_EQ(TXT_RUN_TOO_BIG.hu, "A f\xC3\xA1jl t\xC3\xBAl nagy.");
}

TEST(ComposedTexts, ProgressKeepsItsExactSpacing) {
    const ComposedText text = ComposeProgress(40.0, 0);
    EXPECT_EQ(text.hu, "Folyamatban...   40%,  elt\xC3\xA9r 0 b\xC3\xA1jtban");
    EXPECT_EQ(text.en, "Working...   40%,  differ in 0 byte(s)");
    EXPECT_EQ(ComposeProgress(99.5, 7).en, "Working...   100%,  differ in 7 byte(s)");
}

TEST(ComposedTexts, DifferentKeepsItsExactSpacing) {
    const ComposedText text = ComposeDifferent(12, 3000, 0.4);
    EXPECT_EQ(text.hu,
              "Elt\xC3\xA9r 12 b\xC3\xA1jtban az \xC3\xB6sszes 3000 b\xC3\xA1jtb\xC3\xB3l ! (0%)");
    EXPECT_EQ(text.en, "Differ in 12 bytes of the total 3000 ! (0%)");
    EXPECT_EQ(ComposeDifferent(1, 1, 100.0).en, "Differ in 1 bytes of the total 1 ! (100%)");
}

using PickTextTest = LanguageGuard;

TEST_F(PickTextTest, ZeroIsHungarianAndEveryOtherNumberEnglish) {
    currentLanguage = 0;
    EXPECT_EQ(PickText("hu", "en"), "hu");
    for (const std::int32_t language : {1, 2, 5, -1, 65535}) {
        currentLanguage = language;
        EXPECT_EQ(PickText("hu", "en"), "en") << language;
    }
}

TEST_F(PickTextTest, ShowResultKeepsBothLanguagesAndShowsTheOneInForce) {
    WindowState state;
    test::RecordingView view;
    currentLanguage = 0;
    ShowResult(state, view, ComposeDifferent(12, 3000, 0.4));
    EXPECT_EQ(state.resultEn, "Differ in 12 bytes of the total 3000 ! (0%)");
    EXPECT_EQ(view.resultCaption, state.resultHu);
    currentLanguage = 1;
    ShowResult(state, view, TXT_IDENTICAL);
    EXPECT_EQ(view.resultCaption, "They are exactly the same.");
    EXPECT_EQ(state.resultHu, "A k\xC3\xA9t f\xC3\xA1jl egyezik egym\xC3\xA1ssal.");
}

}  // namespace
}  // namespace duplexa
