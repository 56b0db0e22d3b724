// The language switch: every text of the window, the layout buttons following their label,
// the stored choice, and a switch in the middle of a comparison run.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/comparison_run.h"
#include "core/language.h"
#include "intake/file_drop.h"
#include "logic_fixture.h"
#include "runtime/file_table.h"
#include "support/scripted_pump.h"
#include "support/temp_dir.h"

namespace duplexa {
namespace {

using test::Bytes;
using test::PatternBytes;

constexpr char kCompareHu[] = "\xC3\x96ssze- hasonl\xC3\xADt\xC3\xA1s";  // "Össze- hasonlítás"

class LanguageSwitch : public test::LogicTest {
  protected:
    LanguageSwitch() { state.promptShown = {true, true}; }
};

TEST_F(LanguageSwitch, SetsTheLanguageFirstThenEveryTextThenTheButtonsThenTheCaption) {
    currentLanguage = 0;
    state.resultHu = "hu";
    state.resultEn = "en";
    std::vector<std::int32_t> languageAtFirstText;
    form.onLog = [&](const std::string&) {
        if (languageAtFirstText.empty()) {
            languageAtFirstText.push_back(currentLanguage);
        }
    };

    logic.ApplyLanguage(1);
    EXPECT_EQ(languageAtFirstText, std::vector<std::int32_t>{1});
    EXPECT_EQ(form.log, (std::vector<std::string>{
                            "lblTitle.Caption=Duplexa",
                            "comCompare.Caption=Compare",
                            "ComClose.Caption=Close",
                            "lblLayout.Caption=Layout:",
                            "lblFile(0).Caption=Drag and drop the first file here",
                            "lblFile(1).Caption=Drag and drop the second file here",
                            "lblResult.Caption=en",
                            "cmdOrder1.Left=56",  // "Layout:" is 40 wide at Left 8
                            "cmdOrder2.Left=95",
                            "frmMain.Caption=Duplexa",
                        }));
}

TEST_F(LanguageSwitch, HungarianMovesTheButtonsAfterTheWiderLabel) {
    logic.ApplyLanguage(0);
    EXPECT_EQ(currentLanguage, 0);
    EXPECT_EQ(form[Control::comCompare].caption, kCompareHu);
    EXPECT_EQ(form[Control::ComClose].caption, "Bez\xC3\xA1r");
    EXPECT_EQ(form[Control::lblLayout].caption, "Elrendez\xC3\xA9s:");
    EXPECT_EQ(form[Control::lblFile_0].caption, "Dobd ide az els\xC5\x91 f\xC3\xA1jlt");
    EXPECT_EQ(form[Control::lblFile_1].caption, "Dobd ide az m\xC3\xA1sodik f\xC3\xA1jlt");
    // 11 characters make the label 60 wide: 8 + 60 + 8, then 76 + 33 + 6.
    EXPECT_EQ(form[Control::cmdOrder1].left, 76);
    EXPECT_EQ(form[Control::cmdOrder2].left, 115);
    EXPECT_EQ(form[Control::cmdOrder1].top, 301) << "only Left follows the label";
    EXPECT_EQ(form.windowCaption, "Duplexa");
}

TEST_F(LanguageSwitch, AnyNonZeroNumberIsEnglishAndIsKeptAsItCame) {
    state.resultHu = "A k\xC3\xA9t f\xC3\xA1jl egyezik egym\xC3\xA1ssal.";
    state.resultEn = "They are exactly the same.";
    logic.ApplyLanguage(5);
    EXPECT_EQ(currentLanguage, 5);
    EXPECT_EQ(form[Control::ComClose].caption, "Close");
    EXPECT_EQ(form[Control::lblResult].caption, "They are exactly the same.");
    EXPECT_EQ(PickText("hu", "en"), "en");
}

TEST_F(LanguageSwitch, FlagsStoreTheChoiceThenApplyIt) {
    std::optional<Bytes> storedAtFirstText;
    bool first = true;
    form.onLog = [&](const std::string&) {
        if (first) {
            storedAtFirstText = StoredLanguage();
            first = false;
        }
    };
    logic.imgLangHUN_hl_Click();
    EXPECT_EQ(storedAtFirstText, (Bytes{0x00, 0x00})) << "stored before anything is shown";
    EXPECT_EQ(form[Control::ComClose].caption, "Bez\xC3\xA1r");

    logic.imgLangENG_hl_Click();
    EXPECT_EQ(StoredLanguage(), (Bytes{0x01, 0x00}));
    EXPECT_EQ(currentLanguage, 1);
    EXPECT_EQ(form[Control::ComClose].caption, "Close");
}

TEST_F(LanguageSwitch, AFlagSwitchesTheWindowEvenWhenTheChoiceCannotBeStored) {
    if (!BreakTheStore()) {
        GTEST_SKIP() << "the registry cannot be broken from here";
    }
    logic.imgLangHUN_hl_Click();
    EXPECT_EQ(currentLanguage, 0);
    EXPECT_EQ(form[Control::ComClose].caption, "Bez\xC3\xA1r");
    EXPECT_EQ(StoredLanguage(), std::nullopt);
}

// With the real drop and run on the fake window.
class LanguageSwitchWithFiles : public LanguageSwitch {
  protected:
    void Drop(int box, const std::string& path) {
        drop.lblFile_OLEDragDrop(static_cast<std::int16_t>(box), std::vector<std::string>{path});
    }

    test::TempDir dir;
    FileTable files;
    test::ScriptedPump pump;
    ComparisonRun run{state, form, pump, files};
    FileDrop drop{state, form, files};
};

TEST_F(LanguageSwitchWithFiles, AVerdictIsShownAgainInTheOtherLanguageWithItsNumbers) {
    logic.ApplyLanguage(1);
    Bytes second = PatternBytes(1000);
    for (std::size_t i = 0; i < 10; ++i) {
        second[i * 97] ^= 0xFF;
    }
    Drop(0, dir.Write("a.bin", PatternBytes(1000)));
    Drop(1, dir.Write("b.bin", second));
    run.comCompare_Click();
    ASSERT_EQ(form[Control::lblResult].caption, "Differ in 10 bytes of the total 1000 ! (1%)");

    logic.imgLangHUN_hl_Click();
    EXPECT_EQ(form[Control::lblResult].caption,
              "Elt\xC3\xA9r 10 b\xC3\xA1jtban az \xC3\xB6sszes 1000 b\xC3\xA1jtb\xC3\xB3l ! (1%)");
    EXPECT_EQ(form[Control::lblFile_0].caption, "a.bin") << "a box with a file keeps its name";
    logic.imgLangENG_hl_Click();
    EXPECT_EQ(form[Control::lblResult].caption, "Differ in 10 bytes of the total 1000 ! (1%)");
    EXPECT_EQ(form[Control::comCompare].caption, "Compare");
}

TEST_F(LanguageSwitchWithFiles, ADropBlanksTheLineButASwitchBringsTheLastMessageBack) {
    logic.ApplyLanguage(1);
    Drop(0, (dir.path() / "missing.bin").string());
    ASSERT_EQ(form[Control::lblResult].caption, "File is too big!");
    Drop(0, dir.Write("first.bin", PatternBytes(10)));
    ASSERT_EQ(form[Control::lblResult].caption, "");

    logic.imgLangHUN_hl_Click();
    EXPECT_EQ(form[Control::lblResult].caption, "A f\xC3\xA1jl t\xC3\xBAl nagy!");
    EXPECT_EQ(form[Control::lblFile_0].caption, "first.bin");
    EXPECT_EQ(form[Control::lblFile_1].caption, "Dobd ide az m\xC3\xA1sodik f\xC3\xA1jlt")
        << "the box without a file shows its prompt in the new language";
}

TEST_F(LanguageSwitchWithFiles, DuringARunReplacesStopAndTheRunGoesOnInTheNewLanguage) {
    logic.ApplyLanguage(1);
    constexpr std::size_t kBlock = 1048576;
    Drop(0, dir.Write("a.bin", PatternBytes(2 * kBlock + 10)));
    Drop(1, dir.Write("b.bin", PatternBytes(2 * kBlock + 10)));

    std::string compareAfterSwitch;
    std::string lineAfterSwitch;
    pump.At(1, [&] {
        ASSERT_EQ(form[Control::comCompare].caption, "Stop");
        logic.imgLangHUN_hl_Click();
        compareAfterSwitch = form[Control::comCompare].caption;
        lineAfterSwitch = form[Control::lblResult].caption;
    });
    pump.At(2, [&] { run.comCompare_Click(); });  // the button still stops the run
    run.comCompare_Click();

    EXPECT_EQ(compareAfterSwitch, kCompareHu);
    EXPECT_EQ(lineAfterSwitch, "Folyamatban...   0%,  elt\xC3\xA9r 0 b\xC3\xA1jtban")
        << "the progress shown at the switch changes language at once";
    const std::vector<std::string> lines = form.Captions(Control::lblResult);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 2], "Folyamatban...   50%,  elt\xC3\xA9r 0 b\xC3\xA1jtban");
    EXPECT_EQ(lines.back(), "Megszak\xC3\xADtva a felhaszn\xC3\xA1l\xC3\xB3 \xC3\xA1ltal.");
    EXPECT_EQ(form[Control::comCompare].caption, "Compare") << "the end of a run says Compare";
    EXPECT_FALSE(state.isRunning);
}

}  // namespace
}  // namespace duplexa
