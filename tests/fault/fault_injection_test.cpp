// Runs of the real comparison on files whose reads fail, whose sizes lie or change, or which
// are slow, on one thread and on two: each either gives the verdict the bytes call for or says
// the file cannot be read, on that file's box.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/comparison_run.h"
#include "core/language.h"
#include "faulty_fs.h"
#include "support/process_probe.h"
#include "support/recording_view.h"
#include "support/scripted_pump.h"
#include "support/temp_dir.h"

namespace duplexa {
namespace {

using test::FaultyFile;

constexpr std::int64_t kBlock = ComparisonRun::kBlockSize;
constexpr std::int64_t kPage = 4096;
constexpr std::int64_t kSize = 3 * kBlock + 123;  // four blocks
const std::string kUnreadable = "File cannot be read.";
const std::string kSame = "They are exactly the same.";

struct Case {
    FaultyFile file;
    int box;                  // where the faulty file goes; its twin on disk takes the other
    std::int64_t twinLength;  // the twin's length: the size the run must measure
    std::string verdict;
};

Case Failing(std::string name, std::int64_t at, int box) {
    return {{.name = std::move(name), .length = kSize, .failAt = at}, box, kSize, kUnreadable};
}

std::vector<Case> Cases() {
    return {
        Failing("eio-first-byte", 0, 0),
        Failing("eio-page-end", kPage - 1, 1),
        Failing("eio-page-start", kPage, 0),
        Failing("eio-before-mid-block", kBlock / 2 - 1, 1),  // at the end of a slice
        Failing("eio-mid-block", kBlock / 2, 0),
        Failing("eio-block-end", kBlock - 1, 1),
        Failing("eio-block-start", kBlock, 0),
        Failing("eio-third-block", 2 * kBlock, 1),  // while the helper may be on the second
        Failing("eio-last-byte", kSize - 1, 0),
        {{.name = "says-bigger", .length = kSize, .reported = kSize + 1000},
         1,
         kSize + 1000,
         kUnreadable},
        // Through the page cache the system holds a file to its size: the rest is never seen.
        {{.name = "says-smaller", .length = kSize, .reported = kSize - 1000},
         0,
         kSize - 1000,
         kSame},
        {{.name = "says-smaller-direct", .length = kSize, .reported = kSize - 1000, .direct = true},
         1,
         kSize - 1000,
         kUnreadable},
        {{.name = "grows", .length = kSize, .changesAfter = kBlock, .reportedLater = kSize + kPage},
         0,
         kSize,
         kUnreadable},
        {{.name = "shrinks",
          .length = kSize,
          .changesAfter = kBlock,
          .reportedLater = kSize - kPage},
         1,
         kSize,
         kUnreadable},
        {{.name = "slow",
          .length = kSize,
          .flipped = {0, kBlock / 2, kSize - 1},
          .delayMicroseconds = 300},
         0,
         kSize,
         "Differ in 3 bytes of the total 3145851 ! (0%)"},
        {{.name = "slow-direct", .length = kSize, .direct = true, .delayMicroseconds = 300},
         1,
         kSize,
         kSame},
    };
}

class FaultInjection : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new test::TempDir;
        std::filesystem::create_directory(dir_->path() / "mnt");
        std::vector<FaultyFile> files;
        for (const Case& c : Cases()) {
            files.push_back(c.file);
        }
        fs_ = new test::FaultyFileSystem((dir_->path() / "mnt").string(), files);
    }
    static void TearDownTestSuite() {
        delete fs_;  // unmounts before the folder goes
        delete dir_;
    }
    void SetUp() override {
        if (!fs_->Mounted()) {
            GTEST_SKIP() << "no fault-injecting file system: " << fs_->Why();
        }
        savedLanguage_ = currentLanguage;
        currentLanguage = 1;
    }
    void TearDown() override { currentLanguage = savedLanguage_; }

    // A file on a real disk with the same bytes.
    std::string Twin(std::int64_t length) {
        const std::string path = (dir_->path() / ("twin-" + std::to_string(length))).string();
        if (!std::filesystem::exists(path)) {
            std::vector<char> bytes(static_cast<std::size_t>(length));
            for (std::int64_t i = 0; i < length; ++i) {
                bytes[static_cast<std::size_t>(i)] = static_cast<char>(test::ContentByte(i));
            }
            std::ofstream(path, std::ios::binary).write(bytes.data(), length);
        }
        return path;
    }

    static test::TempDir* dir_;
    static test::FaultyFileSystem* fs_;

  private:
    std::int32_t savedLanguage_ = 0;
};

test::TempDir* FaultInjection::dir_ = nullptr;
test::FaultyFileSystem* FaultInjection::fs_ = nullptr;

TEST_F(FaultInjection, OneThreadAndTwoGiveTheSoundOutcome) {
    for (const Case& c : Cases()) {
        for (const unsigned processors : {1u, 2u}) {
            SCOPED_TRACE(testing::Message() << c.file.name << ", " << processors << " processors");
            WindowState state;
            const auto faulty = static_cast<std::size_t>(c.box);
            state.filePaths[faulty] = (dir_->path() / "mnt" / c.file.name).string();
            state.filePaths[1 - faulty] = Twin(c.twinLength);
            test::RecordingView view;
            test::ScriptedPump pump;
            FileTable files;
            const std::size_t descriptors = test::OpenDescriptors();
            ComparisonRun(state, view, pump, files, processors).comCompare_Click();
            EXPECT_EQ(view.resultCaption, c.verdict);
            EXPECT_EQ(view.boxForeColour[faulty].has_value(), c.verdict == kUnreadable);
            EXPECT_FALSE(view.boxForeColour[1 - faulty].has_value());
            EXPECT_EQ(test::OpenDescriptors(), descriptors) << "both files closed";
            EXPECT_FALSE(state.isRunning);
        }
    }
}

}  // namespace
}  // namespace duplexa
