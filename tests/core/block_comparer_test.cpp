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

#include "support/temp_dir.h"

namespace duplexa {
namespace {

constexpr std::size_t kBlock = 1048576;

class BlockComparerTest : public ::testing::Test {
  protected:
    void Open(const std::vector<std::uint8_t>& first, const std::vector<std::uint8_t>& second) {
        paths = {dir.Write("first.bin", first), dir.Write("second.bin", second)};
        ASSERT_TRUE(files.Open(1, paths[0]));
        ASSERT_TRUE(files.Open(2, paths[1]));
        size = static_cast<std::int64_t>(first.size());
    }
    BlockComparer Comparer(ReadMethod method, unsigned processors) {
        return BlockComparer(files, {1, 2}, size, method, {&buffers[0], &buffers[1]}, processors);
    }

    test::TempDir dir;
    FileTable files;
    std::array<std::string, 2> paths;
    std::array<BlockBuffer, 2> buffers;
    std::int64_t size = 0;
};

TEST_F(BlockComparerTest, CountsWhatAPlainLoopCountsOnEveryPath) {
    // Random data with differing runs of every length from 1 to 600, across window edges and
    // into a last window that is not full, whose block does not split into equal halves. With
    // two processors each block is counted in two halves at once.
    const std::size_t length = 2 * BlockComparer::kWindow + 3 * kBlock / 2 + 12345;
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
    for (const auto method : {ReadMethod::Mapping, ReadMethod::Reading, ReadMethod::Quickest}) {
        for (const unsigned processors : {1u, 2u}) {
            SCOPED_TRACE(testing::Message()
                         << "method " << static_cast<int>(method) << ", " << processors);
            auto comparer = Comparer(method, processors);
            EXPECT_EQ(comparer.SplitsBlocks(), processors > 1);
            std::size_t counted = 0;
            for (std::size_t at = 0; at < length; at += kBlock) {
                const auto outcome = comparer.Compare(static_cast<std::int64_t>(at) + 1,
                                                      std::min(kBlock, length - at));
                ASSERT_EQ(outcome.failedBox, -1);
                counted += outcome.differences;
                if (const std::size_t next = at + kBlock; next < length) {
                    // As the run does before its event turn.
                    comparer.Prepare(static_cast<std::int64_t>(next) + 1,
                                     std::min(kBlock, length - next));
                }
            }
            EXPECT_EQ(counted, expected);
        }
    }
}

TEST_F(BlockComparerTest, AFileCutShortUnderTheComparisonNamesItsBox) {
    // Cuts inside the window already mapped (its pages go away under the mapping) and before the
    // next window is mapped (entering its pages ahead fails, the compare must still notice); on
    // the read path each read comes up short. Windows are two blocks long. Cuts in a block's
    // second half are met by the helper where there is one; when both halves fail, the first
    // half's box is named, as one thread reading from the block's start finds.
    struct Cut {
        std::size_t blocksBefore;  // compared whole before the cut
        std::array<std::size_t, 2> kept;
        int failedBox;
    };
    constexpr std::size_t kAll = 3 * kBlock;
    constexpr std::size_t kHalf = kBlock / 2;
    const Cut cuts[] = {{1, {kBlock + 10, kAll}, 0},
                        {1, {kAll, kBlock + 10}, 1},
                        {1, {kBlock + kHalf + 10, kAll}, 0},
                        {1, {kAll, kBlock + kHalf + 10}, 1},
                        {1, {kBlock + kHalf + 10, kBlock + 10}, 1},
                        {2, {kBlock + 10, kAll}, 0},
                        {2, {kAll, kBlock + 10}, 1},
                        {2, {2 * kBlock + 4097, kAll}, 0},
                        {2, {kAll, 2 * kBlock + 4097}, 1},
                        {2, {2 * kBlock + kHalf + 4097, kAll}, 0},
                        {2, {kAll, 2 * kBlock + kHalf + 4097}, 1}};
    for (const Cut& cut : cuts) {
        for (const auto method : {ReadMethod::Mapping, ReadMethod::Reading}) {
            for (const unsigned processors : {1u, 2u}) {
                SCOPED_TRACE(testing::Message()
                             << cut.blocksBefore << " blocks, kept " << cut.kept[0] << " and "
                             << cut.kept[1] << ", method " << static_cast<int>(method) << ", "
                             << processors << " processors");
                files.Close(1);
                files.Close(2);
                Open(test::PatternBytes(kAll), test::PatternBytes(kAll));
                auto comparer = Comparer(method, processors);
                for (std::size_t block = 0; block < cut.blocksBefore; ++block) {
                    ASSERT_EQ(
                        comparer.Compare(static_cast<std::int64_t>(block * kBlock) + 1, kBlock)
                            .failedBox,
                        -1);
                }
                std::filesystem::resize_file(paths[0], cut.kept[0]);
                std::filesystem::resize_file(paths[1], cut.kept[1]);
                const auto next = static_cast<std::int64_t>(cut.blocksBefore * kBlock) + 1;
                EXPECT_EQ(comparer.Compare(next, kBlock).failedBox, cut.failedBox);
            }
        }
    }
}

// Sanitizers need room to map their own bookkeeping, which this test takes away.
#if defined(__linux__) && !defined(__SANITIZE_ADDRESS__)
TEST_F(BlockComparerTest, WhereNoSecondThreadCanBeStartedOneThreadComparesTheBlock) {
    // A process at its memory limit cannot map a new thread's stack; the run goes on without
    // the helper instead of ending. A child started afresh holds no stacks of earlier threads.
    auto second = test::PatternBytes(kBlock);
    second[kBlock - 1] ^= 1;
    Open(test::PatternBytes(kBlock), second);
    const auto compareUnderALimit = [this] {
        std::size_t pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const auto room = static_cast<rlim_t>(pages * ::sysconf(_SC_PAGESIZE) + 4 * kBlock);
        const rlimit limit{room, room};
        ::setrlimit(RLIMIT_AS, &limit);
        auto comparer = Comparer(ReadMethod::Reading, 2);
        const auto outcome = comparer.Compare(1, kBlock);
        std::_Exit(!comparer.SplitsBlocks() && outcome.differences == 1 ? 0 : 1);
    };
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(compareUnderALimit(), testing::ExitedWithCode(0), "");
}
#endif

}  // namespace
}  // namespace duplexa
