#include "core/block_comparer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#if defined(__linux__)
#include <sys/resource.h>
#include <unistd.h>
#endif

#include "support/process_probe.h"
#include "support/temp_dir.h"

namespace duplexa {
namespace {

constexpr std::size_t kBlock = 1048576;

class BlockComparerTest : public ::testing::Test {
  protected:
    void Open(const std::vector<std::uint8_t>& first, const std::vector<std::uint8_t>& second) {
        files.Close(1);
        files.Close(2);
        paths = {dir.Write("first.bin", first), dir.Write("second.bin", second)};
        ASSERT_TRUE(files.Open(1, paths[0]));
        ASSERT_TRUE(files.Open(2, paths[1]));
        size = static_cast<std::int64_t>(first.size());
    }
    BlockComparer Comparer(unsigned processors) {
        return BlockComparer(files, {1, 2}, size, {&buffers[0], &buffers[1]}, processors);
    }

    test::TempDir dir;
    FileTable files;
    std::array<std::string, 2> paths;
    std::array<BlockBuffer, 2> buffers;
    std::int64_t size = 0;
};

TEST_F(BlockComparerTest, CountsWhatAPlainLoopCountsOnOneThreadAndTwo) {
    // Random data with differing runs of every length from 1 to 600, across slice and block
    // edges and into a last block that is not full. With two threads, which of them takes on
    // a block depends on how fast each goes.
    const std::size_t length = 2 * BlockComparer::kAhead * kBlock + 3 * kBlock / 2 + 12345;
    const auto first = test::PatternBytes(length, 5);
    auto second = first;
    std::mt19937 random(7);
    for (std::size_t run = 1; run <= 600; ++run) {
        const std::size_t at = random() % (length - run);
        for (std::size_t i = at; i < at + run; ++i) {
            second[i] = static_cast<std::uint8_t>(second[i] + 1 + random() % 255);
        }
    }
    std::size_t expected = 0;
    for (std::size_t i = 0; i < length; ++i) {
        expected += first[i] != second[i] ? 1 : 0;
    }
    Open(first, second);
    for (const unsigned processors : {1u, 2u}) {
        SCOPED_TRACE(testing::Message() << processors << " processors");
        const std::size_t threads = test::RunningThreads();
        auto comparer = Comparer(processors);
        // More than the helper where a sanitizer starts a thread of its own with the first.
        EXPECT_EQ(test::RunningThreads() > threads, processors > 1) << "the helper";
        std::size_t counted = 0;
        for (std::size_t at = 0; at < length; at += kBlock) {
            const auto outcome = comparer.CompareNext();
            ASSERT_EQ(outcome.failedBox, -1);
            counted += outcome.differences;
        }
        EXPECT_EQ(counted, expected);
    }
    Open(test::PatternBytes(kBlock), test::PatternBytes(kBlock));
    const std::size_t threads = test::RunningThreads();
    const auto alone = Comparer(2);
    EXPECT_EQ(test::RunningThreads(), threads) << "one block is not shared";
}

TEST_F(BlockComparerTest, AFileCutShortUnderTheComparisonNamesItsBoxAtTheBlockItCuts) {
    // After the first block the threads have read at most kAhead blocks more, so a cut in the
    // block after those is met by a read. Within a block one thread reads a slice of the first
    // file, then of the second: the file cut in the earlier slice is named, the first when both
    // are cut in the same slice.
    constexpr std::size_t kCut = (BlockComparer::kAhead + 2) * kBlock;
    constexpr std::size_t kAll = kCut + 2 * kBlock;
    constexpr std::size_t kSlice = BlockComparer::kSlice;
    const struct {
        std::array<std::size_t, 2> kept;
        int failedBox;
    } cuts[] = {{{kCut, kAll}, 0},
                {{kAll, kCut + 10}, 1},
                {{kCut + kSlice + 10, kAll}, 0},
                {{kAll, kCut + kBlock - 1}, 1},
                {{kCut + 10, kCut + 4097}, 0},
                {{kCut + kSlice + 10, kCut + 10}, 1}};
    const auto bytes = test::PatternBytes(kAll);
    for (const auto& cut : cuts) {
        for (const unsigned processors : {1u, 2u}) {
            SCOPED_TRACE(testing::Message() << "kept " << cut.kept[0] << " and " << cut.kept[1]
                                            << ", " << processors << " processors");
            Open(bytes, bytes);
            auto comparer = Comparer(processors);
            ASSERT_EQ(comparer.CompareNext().failedBox, -1);
            std::filesystem::resize_file(paths[0], cut.kept[0]);
            std::filesystem::resize_file(paths[1], cut.kept[1]);
            for (std::size_t block = 1; block < kCut / kBlock; ++block) {
                ASSERT_EQ(comparer.CompareNext().failedBox, -1) << "block " << block;
            }
            EXPECT_EQ(comparer.CompareNext().failedBox, cut.failedBox);
        }
    }
}

#if defined(__linux__)
TEST_F(BlockComparerTest, WhereNoSecondThreadCanBeStartedOneThreadComparesTheBlocks) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer needs room to map its own bookkeeping, which this test takes";
#endif
    // A process at its memory limit cannot map a new thread's stack; the run goes on without
    // the helper instead of ending. A child started afresh holds no stacks of earlier threads.
    auto second = test::PatternBytes(2 * kBlock);
    second[2 * kBlock - 1] ^= 1;
    Open(test::PatternBytes(2 * kBlock), second);
    const auto compareUnderALimit = [this] {
        std::size_t pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const auto room = static_cast<rlim_t>(pages * ::sysconf(_SC_PAGESIZE) + 4 * kBlock);
        const rlimit limit{room, room};
        const std::size_t threads = test::RunningThreads();
        ::setrlimit(RLIMIT_AS, &limit);
        auto comparer = Comparer(2);
        const bool alone = test::RunningThreads() == threads;
        const std::size_t differences =
            comparer.CompareNext().differences + comparer.CompareNext().differences;
        std::_Exit(alone && differences == 1 ? 0 : 1);
    };
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(compareUnderALimit(), testing::ExitedWithCode(0), "");
}
#endif

}  // namespace
}  // namespace duplexa
