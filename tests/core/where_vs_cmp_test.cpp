// Where a run finds the files differ, checked against cmp: its first differing byte, the last
// byte cmp -l lists, and a map cell set exactly where cmp -l lists a byte.

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/comparison_run.h"
#include "core/language.h"
#include "support/recording_view.h"
#include "support/scripted_pump.h"
#include "support/temp_dir.h"

namespace duplexa {
namespace {

constexpr std::int64_t kBlock = 1048576;
constexpr std::int64_t kSlice = 256 * 1024;

// The 1-based positions cmp -l lists; empty when cmp cannot be run.
std::vector<std::int64_t> CmpList(const std::string& first, const std::string& second) {
    std::vector<std::int64_t> positions;
    FILE* cmp = ::popen(("cmp -l '" + first + "' '" + second + "' 2>/dev/null").c_str(), "r");
    if (cmp == nullptr) {
        return positions;
    }
    char line[128];
    while (std::fgets(line, sizeof line, cmp) != nullptr) {
        positions.push_back(std::stoll(line));
    }
    ::pclose(cmp);
    return positions;
}

struct Case {
    const char* name;
    std::int64_t size;
    std::vector<std::int64_t> spots;  // 0-based offsets that differ; -n counts from the end
};

TEST(WhereVsCmp, FirstLastAndEveryMapCellAsCmpListsThem) {
    if (std::system("cmp /dev/null /dev/null 2>/dev/null") != 0) {
        GTEST_SKIP() << "cmp cannot be run here";
    }
    std::mt19937 random(11);
    std::vector<std::int64_t> randomSpots;
    for (int i = 0; i < 300; ++i) {
        randomSpots.push_back(static_cast<std::int64_t>(random() % (3 * kBlock + 777)));
    }
    const Case cases[] = {
        {"one byte", 1, {0}},
        {"first and last of a page", 4097, {0, 4095, 4096, -1}},
        {"fewer bytes than cells", 1000, {3, 500, 501, -1}},
        {"last byte only", kBlock + 1, {-1}},
        {"both sides of a block edge", 2 * kBlock + 5, {kBlock - 1, kBlock, 2 * kBlock}},
        {"slice edges", kBlock, {kSlice - 1, kSlice, 3 * kSlice}},
        {"a cell's edges", 4 * kBlock, {4095, 4096, 8191, 4 * kBlock - 4097}},
        {"random spots over blocks", 3 * kBlock + 777, randomSpots},
    };
    test::TempDir dir;
    const std::int32_t savedLanguage = currentLanguage;
    currentLanguage = 1;
    for (const Case& c : cases) {
        const auto first = test::PatternBytes(static_cast<std::size_t>(c.size), 3);
        auto second = first;
        for (const std::int64_t spot : c.spots) {
            second[static_cast<std::size_t>(spot < 0 ? c.size + spot : spot)] ^= 0x5A;
        }
        WindowState state;
        state.filePaths = {dir.Write("a", first), dir.Write("b", second)};
        const auto listed = CmpList(state.filePaths[0], state.filePaths[1]);
        ASSERT_FALSE(listed.empty()) << c.name;
        DiffCells cells;
        for (const std::int64_t position : listed) {
            cells.set(static_cast<std::size_t>((position - 1) * 1024 / c.size));
        }
        for (const unsigned processors : {1u, 2u}) {
            SCOPED_TRACE(testing::Message() << c.name << ", " << processors << " processors");
            test::RecordingView view;
            test::ScriptedPump pump;
            FileTable files;
            ComparisonRun(state, view, pump, files, processors).comCompare_Click();
            ASSERT_TRUE(state.where.has_value()) << view.resultCaption;
            EXPECT_EQ(state.where->first, listed.front());
            EXPECT_EQ(state.where->last, listed.back());
            EXPECT_EQ(state.where->cells, cells);
            EXPECT_EQ(view.map, cells);
            EXPECT_EQ(view.resultDetail, "First difference at byte " +
                                             std::to_string(listed.front()) + ", last at byte " +
                                             std::to_string(listed.back()) + ".");
        }
    }
    currentLanguage = savedLanguage;
}

}  // namespace
}  // namespace duplexa
