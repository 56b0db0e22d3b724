#include "runtime/mapped_window.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "runtime/file_table.h"
#include "support/temp_dir.h"

namespace duplexa {
namespace {

// Windows offers no mapping, so there is nothing to map or cut off under one there.
#ifndef _WIN32
using test::PatternBytes;
using test::TempDir;

constexpr std::size_t kWindow = MappedWindow::kAlignment;

TEST(MappedWindow, ShowsTheFileInPlaceFromAlignedPositionsOnly) {
    TempDir dir;
    const auto bytes = PatternBytes(kWindow + 5000);
    FileTable files;
    ASSERT_TRUE(files.Open(1, dir.Write("a.bin", bytes)));
    const auto last = files.Map(1, kWindow + 1, 5000);
    ASSERT_TRUE(last.has_value());
    EXPECT_TRUE(std::equal(last->data(), last->data() + 5000, bytes.begin() + kWindow));
    EXPECT_TRUE(last->Holds(last->data() + 4999));
    EXPECT_FALSE(last->Holds(last->data() + 5000));
    EXPECT_FALSE(files.Map(1, 4097, 10).has_value()) << "not on a window boundary";
    EXPECT_FALSE(files.Map(1, 1, 0).has_value());
    EXPECT_FALSE(files.Map(2, 1, 10).has_value()) << "number not open";
}

struct CutThenTouch {
    const std::string* path;
    const std::uint8_t* page;
    int sum;
};

TEST(MappedWindow, APageCutOffUnderTheMappingAbandonsTheWorkAndNamesTheAddress) {
    TempDir dir;
    FileTable files;
    const std::string path = dir.Write("a.bin", PatternBytes(4 * 4096));
    ASSERT_TRUE(files.Open(1, path));
    const auto window = files.Map(1, 1, 4 * 4096);
    ASSERT_TRUE(window.has_value());

    for (int round = 0; round < 2; ++round) {  // recovering leaves the guard ready for more
        CutThenTouch work{&path, window->data() + 3 * 4096, 0};
        const void* failed = RunOnMappedPages(
            [](void* context) {
                auto& w = *static_cast<CutThenTouch*>(context);
                std::filesystem::resize_file(*w.path, 4096);
                w.sum = *static_cast<const volatile std::uint8_t*>(w.page);
            },
            &work);
        EXPECT_EQ(failed, window->data() + 3 * 4096);
    }
    CutThenTouch intact{&path, window->data(), -1};
    EXPECT_EQ(RunOnMappedPages(
                  [](void* context) {
                      auto& w = *static_cast<CutThenTouch*>(context);
                      w.sum = *w.page;
                  },
                  &intact),
              nullptr);
    EXPECT_EQ(intact.sum, PatternBytes(1)[0]);
}

TEST(MappedWindowDeathTest, ACutOffPageOutsideTheGuardStillEndsTheProgram) {
    TempDir dir;
    FileTable files;
    const std::string path = dir.Write("a.bin", PatternBytes(2 * 4096));
    ASSERT_TRUE(files.Open(1, path));
    const auto window = files.Map(1, 1, 2 * 4096);
    ASSERT_TRUE(window.has_value());
    RunOnMappedPages([](void*) {}, nullptr);  // the handler is in place
    std::filesystem::resize_file(path, 10);
    EXPECT_DEATH(
        {
            const volatile std::uint8_t* page = window->data() + 4096;
            std::printf("%d\n", *page);
        },
        "");
}
#endif

}  // namespace
}  // namespace duplexa
