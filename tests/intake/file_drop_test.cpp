#include "intake/file_drop.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/language.h"
#include "core/text_catalogue.h"
#include "intake/file_name_for_box.h"
#include "support/recording_view.h"
#include "support/temp_dir.h"

namespace duplexa {
namespace {

using test::RecordingView;
using test::TempDir;
using DroppedFiles = std::optional<std::vector<std::string>>;
using Log = std::vector<std::string>;

const std::string kLightGreenText = std::to_string(kLightGreen);
const std::string kRedText = std::to_string(kRed);

// What every accepted drop does before it looks at the file.
Log ClearingSteps(int box, const std::string& name) {
    return {"sEqual1.Visible=False",
            "sEqual2.Visible=False",
            "sEqual1.BackColor=" + std::to_string(kSignGreen),
            "sEqual2.BackColor=" + std::to_string(kSignGreen),
            "strikeLine.Visible=False",
            "lblResult.Caption=",
            "map.Visible=False",
            "lblResult.Detail=",
            "lblFile(" + std::to_string(box) + ").Text=" + name};
}

Log Concat(Log head, const Log& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// A window whose controls fail from one call on, as a window torn down mid-drop would.
class FailingView final : public DropView {
  public:
    explicit FailingView(int failingCall) : failingCall_(failingCall) {}

    void SetResultCaption(const std::string& text) override {
        Step();
        record.SetResultCaption(text);
    }
    void SetShapeBackColour(Shape shape, OleColour colour) override {
        Step();
        record.SetShapeBackColour(shape, colour);
    }
    void SetShapeVisible(Shape shape, bool visible) override {
        Step();
        record.SetShapeVisible(shape, visible);
    }
    void SetStrikeLineVisible(bool visible) override {
        Step();
        record.SetStrikeLineVisible(visible);
    }
    void SetCompareEnabled(bool enabled) override {
        Step();
        record.SetCompareEnabled(enabled);
    }
    void SetDifferenceMap(const DiffCells* cells) override {
        Step();
        record.SetDifferenceMap(cells);
    }
    void SetResultDetail(const std::string& text) override {
        Step();
        record.SetResultDetail(text);
    }
    void SetBoxText(int box, const std::string& text) override {
        Step();
        record.SetBoxText(box, text);
    }
    void SetBoxBackColour(int box, OleColour colour) override {
        Step();
        record.SetBoxBackColour(box, colour);
    }

    RecordingView record;

  private:
    void Step() {
        if (++calls_ >= failingCall_) {
            throw std::runtime_error("control is gone");
        }
    }
    int failingCall_;
    int calls_ = 0;
};

class FileDropTest : public ::testing::Test {
  protected:
    void SetUp() override {
        savedLanguage_ = currentLanguage;
        currentLanguage = 1;
        state.promptShown = {true, true};  // as start-up leaves them
    }
    void TearDown() override { currentLanguage = savedLanguage_; }

    void Drop(std::int16_t box, const std::string& path) {
        drop.lblFile_OLEDragDrop(box, DroppedFiles{std::vector<std::string>{path}});
    }
    std::string Missing(const std::string& name) const {
        return dir.Write("present.txt", "") + kPathSeparator + name;  // below a file: never there
    }

    TempDir dir;
    WindowState state;
    RecordingView view;
    FileTable files;
    FileDrop drop{state, view, files};
    const std::string a = dir.Write("a.txt", "first");
    const std::string b = dir.Write("b.txt", "second");

  private:
    std::int32_t savedLanguage_ = 0;
};

TEST_F(FileDropTest, AcceptedDropsFollowTheirStepsInOrder) {
    Drop(0, a);
    EXPECT_EQ(view.log,
              Concat(ClearingSteps(0, "a.txt"),
                     {"lblFile(0).BackColor=" + kLightGreenText, "comCompare.Enabled=False"}))
        << "one usable box leaves Compare alone until the final decision";

    view.log.clear();
    Drop(1, b);
    EXPECT_EQ(view.log,
              Concat(ClearingSteps(1, "b.txt"),
                     {"lblFile(1).BackColor=" + kLightGreenText, "comCompare.Enabled=True"}));
    EXPECT_EQ(state.filePaths[0], a);
    EXPECT_EQ(state.filePaths[1], b);
    EXPECT_EQ(state.droppedPath, b);
    EXPECT_EQ(state.fileUsable, (std::array<bool, 2>{true, true}));
    EXPECT_EQ(state.promptShown, (std::array<bool, 2>{false, false}));
}

TEST_F(FileDropTest, UnusableFileIsShownRedWithTheTooBigMessage) {
    const std::string missing = Missing("gone.txt");
    Drop(0, missing);
    EXPECT_EQ(view.log, Concat(ClearingSteps(0, "gone.txt"),
                               {"lblFile(0).BackColor=" + kRedText,
                                "lblResult.Caption=File is too big!", "comCompare.Enabled=False"}));
    EXPECT_EQ(state.filePaths[0], missing) << "the path is recorded even when it fails the check";
    EXPECT_FALSE(state.fileUsable[0]);
    EXPECT_EQ(state.resultHu, TXT_DROP_TOO_BIG.hu);
    EXPECT_EQ(state.resultEn, TXT_DROP_TOO_BIG.en);
}

TEST_F(FileDropTest, OnlyTheFirstOfSeveralFilesCounts) {
    drop.lblFile_OLEDragDrop(0, DroppedFiles{std::vector<std::string>{a, b, Missing("x")}});
    EXPECT_EQ(state.filePaths[0], a);
    EXPECT_EQ(state.filePaths[1], "");
    EXPECT_EQ(view.boxText[0], "a.txt");
    EXPECT_EQ(view.boxBackColour[0], kLightGreen);
    EXPECT_EQ(view.Count("lblFile(1)"), 0);
}

// Spaces are padding only where names cannot carry them; elsewhere "tr " and "tr" are two
// files, and trimming would compare the wrong one.
TEST_F(FileDropTest, PathsAreTakenExactlyWhereNamesMayCarrySpaces) {
    const std::string spaced = dir.Write(" spaced.txt ", "x");
    const struct {
        std::string dropped, taken, shown;
        OleColour colour;
    } cases[] = {
        {"  " + a + "   ", kTrimDroppedPaths ? a : "  " + a + "   ",
         kTrimDroppedPaths ? "a.txt" : "a.txt   ", kTrimDroppedPaths ? kLightGreen : kRed},
        {spaced, kTrimDroppedPaths ? spaced.substr(0, spaced.size() - 1) : spaced,
         kTrimDroppedPaths ? " spaced.txt" : " spaced.txt ", kLightGreen},
        {"\t" + b + "\n", "\t" + b + "\n", "b.txt\n", kRed},  // never trimmed: no such file
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.dropped));
        Drop(0, c.dropped);
        EXPECT_EQ(state.droppedPath, c.taken);
        EXPECT_EQ(state.filePaths[0], c.taken);
        EXPECT_EQ(view.boxText[0], c.shown);
        EXPECT_EQ(view.boxBackColour[0], c.colour);
    }
}

TEST_F(FileDropTest, DropsThatCarryNoPathChangeNothing) {
    Drop(0, a);
    state.resultEn = "kept";
    view.log.clear();
    const WindowState before = state;

    drop.lblFile_OLEDragDrop(1, std::nullopt);  // dragged text, not files
    drop.lblFile_OLEDragDrop(1, DroppedFiles{std::vector<std::string>{}});
    EXPECT_EQ(state.droppedPath, a) << "no first entry: not even the dropped path is touched";

    Drop(1, "    ");
    Drop(1, "");
    Drop(1, b + std::string("\0two", 4));  // the system would open b itself
    Drop(1, std::string("\0", 1));
    EXPECT_TRUE(view.log.empty());
    EXPECT_EQ(state.filePaths, before.filePaths);
    EXPECT_EQ(state.fileUsable, before.fileUsable);
    EXPECT_EQ(state.promptShown, (std::array<bool, 2>{false, true}));
    EXPECT_EQ(state.resultEn, "kept");
}

TEST_F(FileDropTest, IndexOutsideTheTwoBoxesEndsAfterStoringTheDroppedPath) {
    for (const std::int16_t index : {std::int16_t{2}, std::int16_t{-1}, std::int16_t{32767}}) {
        Drop(index, a);
        EXPECT_EQ(state.droppedPath, a) << index;
    }
    EXPECT_TRUE(view.log.empty());
    EXPECT_EQ(state.filePaths, (std::array<std::string, 2>{}));
    EXPECT_EQ(state.promptShown, (std::array<bool, 2>{true, true}));
    EXPECT_EQ(files.FreeFile(), 1);
}

TEST_F(FileDropTest, SameFileOnBothBoxesKeepsCompareDisabledThoughBothAreGreen) {
    Drop(0, a);
    Drop(1, a);
    EXPECT_EQ(view.boxBackColour[0], kLightGreen);
    EXPECT_EQ(view.boxBackColour[1], kLightGreen);
    EXPECT_EQ(view.resultCaption, "They are the same file.");
    EXPECT_EQ(state.resultHu, TXT_SAME_FILE.hu);
    EXPECT_FALSE(view.compareEnabled);
    EXPECT_EQ(view.log.back(), "comCompare.Enabled=False");
}

TEST_F(FileDropTest, PathsDifferingOnlyInLetterCaseAreTwoFiles) {
    const std::string lower = dir.Write("case.txt", "x");
    const std::string upper = dir.Write("CASE.txt", "x");
    Drop(0, lower);
    Drop(1, upper);
    EXPECT_EQ(view.resultCaption, "");
    EXPECT_TRUE(view.compareEnabled);
}

TEST_F(FileDropTest, UsableFileReplacesAnUnusableOneOnTheSameBox) {
    Drop(1, b);
    Drop(0, Missing("gone.txt"));
    EXPECT_EQ(view.boxBackColour[0], kRed);
    EXPECT_EQ(view.resultCaption, "File is too big!");
    EXPECT_FALSE(view.compareEnabled);

    Drop(0, a);
    EXPECT_EQ(view.boxBackColour[0], kLightGreen);
    EXPECT_EQ(view.boxText[0], "a.txt");
    EXPECT_EQ(view.resultCaption, "");
    EXPECT_TRUE(state.fileUsable[0]);
    EXPECT_TRUE(view.compareEnabled);
}

TEST_F(FileDropTest, OneBoxOnlyLeavesCompareDisabledAndTheOtherPrompt) {
    Drop(0, a);
    EXPECT_EQ(view.boxBackColour[0], kLightGreen);
    EXPECT_EQ(view.resultCaption, "");
    EXPECT_FALSE(view.compareEnabled);
    EXPECT_EQ(state.promptShown, (std::array<bool, 2>{false, true}));
    EXPECT_EQ(view.Count("lblFile(1)"), 0);
}

TEST_F(FileDropTest, PathEndingInTheSeparatorShowsNothingAndFails) {
    const std::string folder = a.substr(0, a.rfind(kPathSeparator) + 1);
    Drop(0, folder);
    EXPECT_EQ(view.boxText[0], "");
    EXPECT_EQ(view.boxBackColour[0], kRed);
    EXPECT_EQ(view.resultCaption, "File is too big!");
}

TEST_F(FileDropTest, EmptyFileIsUsable) {
    Drop(0, a);
    Drop(1, dir.Write("empty.txt", ""));
    EXPECT_EQ(view.boxBackColour[1], kLightGreen);
    EXPECT_TRUE(view.compareEnabled);
}

TEST_F(FileDropTest, SameFileMessageReplacesTheTooBigMessage) {
    const std::string missing = Missing("gone.txt");
    Drop(0, missing);
    view.log.clear();
    Drop(1, missing);
    EXPECT_EQ(view.ResultCaptions(),
              (std::vector<std::string>{"", "File is too big!", "They are the same file."}));
    EXPECT_EQ(state.resultHu, TXT_SAME_FILE.hu);
    EXPECT_EQ(state.resultEn, TXT_SAME_FILE.en);
    EXPECT_FALSE(view.compareEnabled);
}

TEST_F(FileDropTest, BlankingTheResultLineKeepsTheStoredPair) {
    state.resultHu = std::string(TXT_IDENTICAL.hu);
    state.resultEn = std::string(TXT_IDENTICAL.en);
    Drop(0, a);
    EXPECT_EQ(view.resultCaption, "");
    EXPECT_EQ(state.resultHu, TXT_IDENTICAL.hu);
    EXPECT_EQ(state.resultEn, TXT_IDENTICAL.en);
}

// A control that fails at any step ends the drop there: what was done stays, nothing escapes.
TEST_F(FileDropTest, FailingControlEndsTheDropQuietlyWhereItFailed) {
    const Log full = Concat(ClearingSteps(1, "b.txt"),
                            {"lblFile(1).BackColor=" + kLightGreenText, "comCompare.Enabled=True"});
    for (int failing = 1; failing <= static_cast<int>(full.size()); ++failing) {
        WindowState local;
        local.fileUsable[0] = true;
        local.filePaths[0] = a;
        FailingView failingView(failing);
        FileDrop failingDrop(local, failingView, files);

        EXPECT_NO_THROW(failingDrop.lblFile_OLEDragDrop(1, DroppedFiles{std::vector{b}}));
        EXPECT_EQ(failingView.record.log, Log(full.begin(), full.begin() + failing - 1))
            << "failing at call " << failing;
        EXPECT_EQ(local.filePaths[1], b) << "stored before the first control call";
        EXPECT_FALSE(local.promptShown[1]);
        EXPECT_EQ(local.fileUsable[1], failing > 10) << "set after the box colour";
        EXPECT_EQ(files.FreeFile(), 1);
    }
}

}  // namespace
}  // namespace duplexa
