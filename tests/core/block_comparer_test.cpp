#include "core/block_comparer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <vector>

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
    BlockComparer Comparer(ReadMethod method) {
        return BlockComparer(files, {1, 2}, size, method, {&buffers[0], &buffers[1]});
    }

    test::TempDir dir;
    FileTable files;
    std::array<std::string, 2> paths;
    std::array<BlockBuffer, 2> buffers;
    std::int64_t size = 0;
};

TEST_F(BlockComparerTest, CountsWhatAPlainLoopCountsOnEveryPath) {
    // Random data with differing runs of every length from 1 to 600, across window edges and
    // into a last window that is not full.
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
        auto comparer = Comparer(method);
        std::size_t counted = 0;
        for (std::size_t at = 0; at < length; at += kBlock) {
            const auto outcome =
                comparer.Compare(static_cast<std::int64_t>(at) + 1, std::min(kBlock, length - at));
            ASSERT_EQ(outcome.failedBox, -1);
            counted += outcome.differences;
        }
        EXPECT_EQ(counted, expected) << static_cast<int>(method);
    }
}

TEST_F(BlockComparerTest, AFileCutShortUnderTheComparisonNamesItsBox) {
    // Cuts inside the window already mapped (its pages go away under the mapping) and before the
    // next window is mapped (entering its pages ahead fails, the compare must still notice); on
    // the read path each read comes up short. Windows are two blocks long.
    struct Cut {
        std::size_t blocksBefore;  // compared whole before the cut
        std::size_t keptBytes;
    };
    for (const Cut cut : {Cut{1, kBlock + 10}, Cut{2, kBlock + 10}, Cut{2, 2 * kBlock + 4097}}) {
        for (const auto method : {ReadMethod::Mapping, ReadMethod::Reading}) {
            for (const std::size_t box : {0u, 1u}) {
                SCOPED_TRACE(testing::Message()
                             << cut.blocksBefore << " blocks, kept " << cut.keptBytes << ", method "
                             << static_cast<int>(method) << ", box " << box);
                files.Close(1);
                files.Close(2);
                Open(test::PatternBytes(3 * kBlock), test::PatternBytes(3 * kBlock));
                auto comparer = Comparer(method);
                for (std::size_t block = 0; block < cut.blocksBefore; ++block) {
                    ASSERT_EQ(
                        comparer.Compare(static_cast<std::int64_t>(block * kBlock) + 1, kBlock)
                            .failedBox,
                        -1);
                }
                std::filesystem::resize_file(paths[box], cut.keptBytes);
                const auto next = static_cast<std::int64_t>(cut.blocksBefore * kBlock) + 1;
                EXPECT_EQ(comparer.Compare(next, kBlock).failedBox, static_cast<int>(box));
            }
        }
    }
}

}  // namespace
}  // namespace duplexa
