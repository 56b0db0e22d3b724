#include "core/comparison_run.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "core/language.h"
#include "core/text_catalogue.h"
#include "support/process_probe.h"
#include "support/recording_view.h"
#include "support/scripted_pump.h"
#include "support/temp_dir.h"

namespace duplexa {
namespace {

using test::PatternBytes;

constexpr std::size_t kBlock = 1048576;

class ComparisonRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        savedLanguage_ = currentLanguage;
        currentLanguage = 1;
    }
    void TearDown() override { currentLanguage = savedLanguage_; }

    void Files(const std::vector<std::uint8_t>& first, const std::vector<std::uint8_t>& second) {
        state.filePaths = {dir.Write("first.bin", first), dir.Write("second.bin", second)};
    }
    void Press() { ComparisonRun(state, view, pump, files, processors).comCompare_Click(); }

    // The run ended the way every run must end, whatever its outcome.
    void ExpectFinalSteps() {
        EXPECT_EQ(view.compareCaption, "Compare");
        EXPECT_FALSE(view.compareEnabled);
        EXPECT_TRUE(view.closeEnabled);
        EXPECT_EQ(view.dropMode[0], DropMode::Manual);
        EXPECT_EQ(view.dropMode[1], DropMode::Manual);
        EXPECT_FALSE(state.isRunning);
        EXPECT_EQ(state.firstSize, 0);
        EXPECT_EQ(state.diffCount, 0);
        EXPECT_EQ(state.firstBlock.capacity(), 0u);
        EXPECT_EQ(state.secondBlock.capacity(), 0u);
        EXPECT_EQ(test::OpenDescriptors(), descriptors) << "both files closed";
    }
    void ExpectRedStruckSign() {
        EXPECT_EQ(view.shapeColour[0], kRed);
        EXPECT_EQ(view.shapeColour[1], kRed);
        EXPECT_TRUE(view.shapeVisible[0] && view.shapeVisible[1]);
        EXPECT_TRUE(view.strikeVisible);
    }
    void ExpectNoShapeChange() {
        EXPECT_EQ(view.Count("sEqual"), 0);
        EXPECT_EQ(view.Count("strikeLine"), 0);
    }

    test::TempDir dir;
    WindowState state;
    test::RecordingView view;
    test::ScriptedPump pump;
    FileTable files;
    const std::size_t descriptors = test::OpenDescriptors();
    // Blocks are shared between two threads here whatever the machine, so the helper's share
    // is tested everywhere.
    unsigned processors = 2;

  private:
    std::int32_t savedLanguage_ = 0;
};

TEST_F(ComparisonRunTest, StartsByLockingTheWindowInThisOrder) {
    Files(PatternBytes(10), PatternBytes(10));
    Press();
    const std::vector<std::string> start(view.log.begin(), view.log.begin() + 5);
    EXPECT_EQ(start,
              (std::vector<std::string>{"lblFile(0).OLEDropMode=0", "lblFile(1).OLEDropMode=0",
                                        "comCompare.Caption=Stop", "ComClose.Enabled=False",
                                        "lblResult.Caption=Working..."}));
    EXPECT_EQ(view.Count("comCompare.Enabled=True"), 0) << "Stop stays the same enabled button";
}

TEST_F(ComparisonRunTest, OneFullBlockGivesOneProgressTextThenIdenticalWithGreenBars) {
    Files(PatternBytes(kBlock), PatternBytes(kBlock));
    Press();
    EXPECT_EQ(view.ResultCaptions(),
              (std::vector<std::string>{"Working...", "Working...   0%,  differ in 0 byte(s)",
                                        "They are exactly the same."}));
    EXPECT_EQ(pump.turns, 1);
    EXPECT_TRUE(view.shapeVisible[0] && view.shapeVisible[1]);
    EXPECT_EQ(view.Count("sEqual1.BackColor"), 0) << "the bars keep the drop's green";
    EXPECT_FALSE(view.strikeVisible);
    ExpectFinalSteps();
}

TEST_F(ComparisonRunTest, OneByteOverABlockReadsTheLastByteInASecondPass) {
    auto first = PatternBytes(kBlock + 1);
    auto second = first;
    second.back() ^= 1;
    Files(first, second);
    Press();
    EXPECT_EQ(view.ResultCaptions(),
              (std::vector<std::string>{"Working...", "Working...   0%,  differ in 0 byte(s)",
                                        "Working...   100%,  differ in 1 byte(s)",
                                        "Differ in 1 bytes of the total 1048577 ! (0%)"}));
    ExpectRedStruckSign();
    ExpectFinalSteps();
}

TEST_F(ComparisonRunTest, SingleDifferingBytesAndAFewInAThousand) {
    Files({0x41}, {0x42});
    Press();
    EXPECT_EQ(view.ResultCaptions().at(1), "Working...   100%,  differ in 1 byte(s)");
    EXPECT_EQ(view.resultCaption, "Differ in 1 bytes of the total 1 ! (100%)");
    ExpectRedStruckSign();

    auto first = PatternBytes(1000);
    auto second = first;
    for (int i = 0; i < 10; ++i) {
        second[static_cast<std::size_t>(i * 97)] ^= 0xFF;
    }
    Files(first, second);
    Press();
    EXPECT_EQ(view.resultCaption, "Differ in 10 bytes of the total 1000 ! (1%)");
    ExpectFinalSteps();
}

TEST_F(ComparisonRunTest, DifferentLengthsReadNothing) {
    Files({}, PatternBytes(5));
    Press();
    EXPECT_EQ(view.ResultCaptions(),
              (std::vector<std::string>{"Working...", "Different file size!"}));
    ExpectRedStruckSign();
    EXPECT_EQ(pump.turns, 0);
    ExpectFinalSteps();
}

TEST_F(ComparisonRunTest, TwoEmptyFilesAreIdenticalWithoutProgress) {
    Files({}, {});
    Press();
    EXPECT_EQ(view.ResultCaptions(),
              (std::vector<std::string>{"Working...", "They are exactly the same."}));
    EXPECT_TRUE(view.shapeVisible[0] && view.shapeVisible[1]);
    EXPECT_FALSE(view.strikeVisible);
    ExpectFinalSteps();
}

TEST_F(ComparisonRunTest, StopAfterABlockStillComparesTheNextThenCancels) {
    Files(PatternBytes(3 * kBlock), PatternBytes(3 * kBlock));
    pump.At(1, [&] { Press(); });
    Press();
    EXPECT_EQ(pump.turns, 1);
    EXPECT_EQ(view.ResultCaptions(),
              (std::vector<std::string>{"Working...", "Working...   0%,  differ in 0 byte(s)",
                                        "Cancelled by user."}));
    EXPECT_EQ(view.Count("lblResult.Caption=Working..."), 2) << "no second run was started";
    ExpectNoShapeChange();
    EXPECT_FALSE(state.keepRunning);
    ExpectFinalSteps();

    // Proof that the block after the press is read: cut it off in the same turn. On one
    // thread, as a helper may have read that block before the cut.
    processors = 1;
    view = {};
    pump = {};
    Files(PatternBytes(3 * kBlock), PatternBytes(3 * kBlock));
    pump.At(1, [&] {
        Press();
        std::filesystem::resize_file(state.filePaths[0], kBlock + 10);
    });
    Press();
    EXPECT_EQ(view.resultCaption, "File cannot be read.");
    EXPECT_EQ(view.boxForeColour[0], kRed);
    ExpectFinalSteps();
}

TEST_F(ComparisonRunTest, StopAfterDifferingBlocksCancelsWithoutASign) {
    auto second = PatternBytes(3 * kBlock);
    second[10] ^= 1;
    second[kBlock + 10] ^= 1;
    Files(PatternBytes(3 * kBlock), second);
    pump.At(1, [&] { Press(); });
    Press();
    EXPECT_EQ(view.ResultCaptions().back(), "Cancelled by user.");
    ExpectNoShapeChange();  // neither the red sign nor the strike line
    ExpectFinalSteps();
}

TEST_F(ComparisonRunTest, StopAfterTheLastBlockStillGivesTheVerdict) {
    Files(PatternBytes(2 * kBlock), PatternBytes(2 * kBlock));
    pump.At(2, [&] { Press(); });
    Press();
    EXPECT_EQ(pump.turns, 2);
    EXPECT_FALSE(state.keepRunning) << "Stop was pressed during the run";
    EXPECT_EQ(view.resultCaption, "They are exactly the same.");
    ExpectFinalSteps();
}

TEST_F(ComparisonRunTest, LanguageSwitchMidRunChangesTheNextProgressText) {
    Files(PatternBytes(3 * kBlock), PatternBytes(3 * kBlock));
    pump.At(1, [] { currentLanguage = 0; });
    Press();
    const auto captions = view.ResultCaptions();
    EXPECT_EQ(captions.at(1), "Working...   0%,  differ in 0 byte(s)");
    EXPECT_EQ(captions.at(2), "Folyamatban...   33%,  elt\xC3\xA9r 0 b\xC3\xA1jtban");
    EXPECT_EQ(view.resultCaption, "A k\xC3\xA9t f\xC3\xA1jl egyezik egym\xC3\xA1ssal.");
    EXPECT_EQ(view.compareCaption, "Compare") << "English after every run, whatever the language";
    ExpectFinalSteps();
}

TEST_F(ComparisonRunTest, MissingPathOpensNothing) {
    state.filePaths = {dir.Write("only.bin", "abc"), ""};
    Press();
    EXPECT_EQ(view.ResultCaptions(), (std::vector<std::string>{"Working..."}));
    ExpectNoShapeChange();
    ExpectFinalSteps();
}

TEST_F(ComparisonRunTest, FileGoneSinceTheDropIsReportedOnItsBox) {
    for (const std::size_t gone : {0u, 1u}) {
        SCOPED_TRACE(gone);
        view = {};
        Files(PatternBytes(10), PatternBytes(10));
        std::filesystem::remove(state.filePaths[gone]);
        Press();
        EXPECT_EQ(view.resultCaption, "File cannot be read.");
        EXPECT_EQ(view.boxForeColour[gone], kRed);
        EXPECT_FALSE(view.boxForeColour[1 - gone].has_value());
        ExpectNoShapeChange();
        ExpectFinalSteps();
    }
}

TEST_F(ComparisonRunTest, FileThatChangesDuringTheRunGivesNoVerdict) {
    // Shrinking is met by a later block or by the check after the last (a helper may have read
    // on past the cut); growing and changes that keep the length only by that check.
    const auto shrink = [](const std::string& path) {
        std::filesystem::resize_file(path, kBlock + 10);
    };
    const auto shrinkInSecondHalf = [](const std::string& path) {
        std::filesystem::resize_file(path, kBlock + kBlock / 2 + 10);
    };
    const auto grow = [](const std::string& path) {
        std::ofstream(path, std::ios::binary | std::ios::app).put('x');
    };
    const auto rewriteCompared = [](const std::string& path) {
        std::fstream(path, std::ios::in | std::ios::out | std::ios::binary).write("ZZZZ", 4);
    };
    const auto cutAndGrowBack = [](const std::string& path) {
        std::filesystem::resize_file(path, 10);
        std::filesystem::resize_file(path, 3 * kBlock);
    };
    const struct {
        int box;
        int turn;
        std::function<void(const std::string&)> change;
    } cases[] = {{0, 1, shrink},
                 {1, 1, shrink},
                 {0, 1, shrinkInSecondHalf},
                 {1, 1, shrinkInSecondHalf},
                 {0, 1, grow},
                 {1, 3, grow},
                 {0, 1, rewriteCompared},
                 {1, 3, rewriteCompared},
                 {0, 2, cutAndGrowBack}};
    for (const auto& c : cases) {
        for (const unsigned threads : {1u, 2u}) {
            SCOPED_TRACE(testing::Message() << "box " << c.box << " turn " << c.turn << ", "
                                            << threads << " processors");
            processors = threads;
            view = {};
            pump = {};
            Files(PatternBytes(3 * kBlock), PatternBytes(3 * kBlock));
            for (const auto& path : state.filePaths) {  // written well before the run, as a
                std::filesystem::last_write_time(       // user's files are
                    path, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
            }
            pump.At(c.turn, [&] { c.change(state.filePaths[static_cast<std::size_t>(c.box)]); });
            Press();
            EXPECT_EQ(view.resultCaption, "File cannot be read.");
            EXPECT_EQ(view.boxForeColour[static_cast<std::size_t>(c.box)], kRed);
            EXPECT_FALSE(view.boxForeColour[static_cast<std::size_t>(1 - c.box)].has_value());
            ExpectNoShapeChange();
            ExpectFinalSteps();
        }
    }
}

TEST_F(ComparisonRunTest, PseudoFilesThatMeasureEmptyButHoldDataGetNoVerdict) {
    if (!std::filesystem::exists("/proc/cpuinfo")) {
        GTEST_SKIP() << "no /proc here";
    }
    const std::string empty = dir.Write("empty", "");
    const struct {
        std::string first, second;
        bool firstRed, secondRed;
    } cases[] = {{"/proc/cpuinfo", empty, true, false},
                 {empty, "/proc/cpuinfo", false, true},
                 {"/proc/self/status", "/proc/cpuinfo", true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first + " " + c.second);
        view = {};
        state.filePaths = {c.first, c.second};
        Press();
        EXPECT_EQ(view.resultCaption, "File cannot be read.");
        EXPECT_EQ(view.boxForeColour[0].has_value(), c.firstRed);
        EXPECT_EQ(view.boxForeColour[1].has_value(), c.secondRed);
        ExpectNoShapeChange();
        ExpectFinalSteps();
    }
}

TEST_F(ComparisonRunTest, NoFreeFileNumberIsAReadFailureNotACrash) {
    Files(PatternBytes(10), PatternBytes(10));
    for (int i = 0; i < 255; ++i) {
        ASSERT_TRUE(files.Open(files.FreeFile(), state.filePaths[0]));
    }
    Press();
    EXPECT_EQ(view.resultCaption, "File cannot be read.");
    EXPECT_EQ(view.boxForeColour[0], kRed);
    EXPECT_FALSE(state.isRunning);
    EXPECT_EQ(files.FreeFile(), 0) << "the run closes only what it opened";
}

TEST_F(ComparisonRunTest, LengthOf2GiBIsTooBigAndMarksEachBox) {
    state.filePaths = {dir.Sparse("a", 2147483648LL), dir.Sparse("b", 2147483648LL)};
    Press();
    EXPECT_EQ(view.resultCaption, "File is too big.");
    EXPECT_EQ(view.boxForeColour[0], kRed);
    EXPECT_EQ(view.boxForeColour[1], kRed);
    ExpectNoShapeChange();
    ExpectFinalSteps();
}

TEST_F(ComparisonRunTest, LargestMeasurableFilesCompareToTheirLastByte) {
    // The block after the last one would start beyond the 32-bit range.
    constexpr std::int64_t kSize = 2147483647;
    state.filePaths = {dir.Sparse("a", kSize), dir.Sparse("b", kSize)};
    {
        std::fstream last(state.filePaths[1], std::ios::in | std::ios::out | std::ios::binary);
        last.seekp(kSize - 1);
        last.put('x');
    }
    Press();
    EXPECT_EQ(pump.turns, 2048);
    EXPECT_EQ(view.ResultCaptions().at(2048), "Working...   100%,  differ in 1 byte(s)");
    EXPECT_EQ(view.resultCaption, "Differ in 1 bytes of the total 2147483647 ! (0%)");
    ASSERT_TRUE(state.where.has_value());
    EXPECT_EQ(state.where->first, kSize);
    EXPECT_EQ(state.where->last, kSize);
    EXPECT_TRUE(state.where->cells.test(1023) && state.where->cells.count() == 1);
    ExpectFinalSteps();
}

TEST_F(ComparisonRunTest, OnlyARunThatEndsInDifferKeepsWhereTheFilesDiffer) {
    auto differing = PatternBytes(3 * kBlock);
    differing[10] ^= 1;
    const auto stop = [&] { Press(); };
    const auto fail = [&] { std::filesystem::resize_file(state.filePaths[0], 10); };
    for (const auto& [second, atFirstTurn] : {std::pair{differing, std::function<void()>(stop)},
                                              {differing, fail},
                                              {PatternBytes(10), nullptr},
                                              {PatternBytes(3 * kBlock), nullptr}}) {
        view = {};
        pump = {};
        Files(PatternBytes(3 * kBlock), second);
        pump.At(
            1, atFirstTurn ? atFirstTurn : [] {});
        Press();
        EXPECT_FALSE(state.where.has_value()) << view.resultCaption;
        EXPECT_EQ(view.Count("map.Visible=True") + view.Count("lblResult.Detail"), 0);
    }
}

TEST_F(ComparisonRunTest, FilesBelowAPathOfMoreThan260CharactersCompare) {
    // Plain Windows paths end at 260 characters; the slashes are left for the open to resolve.
    std::string folder;
    for (const char letter : {'a', 'b', 'c', 'd', 'e', 'f'}) {
        folder += std::string(48, letter) + "/";
    }
    std::filesystem::create_directories(dir.path() / folder);
    auto second = PatternBytes(3000);
    second.back() ^= 1;
    state.filePaths = {dir.Write(folder + "first.bin", PatternBytes(3000)),
                       dir.Write(folder + "second.bin", second)};
    ASSERT_GT(state.filePaths[0].size(), 300u);
    Press();
    EXPECT_EQ(view.resultCaption, "Differ in 1 bytes of the total 3000 ! (0%)");
    ExpectFinalSteps();
}

}  // namespace
}  // namespace duplexa
