// A run whose block buffers cannot be had. Page-aligned allocations are the block buffers'
// alone, so this program replaces the aligned operator new to fail a chosen one of them.

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "core/comparison_run.h"
#include "core/language.h"
#include "support/process_probe.h"
#include "support/recording_view.h"
#include "support/scripted_pump.h"
#include "support/temp_dir.h"

#ifdef _WIN32
#include <malloc.h>
#endif

namespace {
int gFailIn = 0;  // the gFailIn-th aligned allocation from now fails; 0: none does
}  // namespace

void* operator new(std::size_t size, std::align_val_t alignment) {
    if (gFailIn > 0 && --gFailIn == 0) {
        throw std::bad_alloc();
    }
#ifdef _WIN32
    void* block = _aligned_malloc(size, static_cast<std::size_t>(alignment));
#else
    void* block = nullptr;
    if (posix_memalign(&block, static_cast<std::size_t>(alignment), size) != 0) {
        block = nullptr;
    }
#endif
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    return block;
}

void operator delete(void* block, std::align_val_t) noexcept {
#ifdef _WIN32
    _aligned_free(block);
#else
    std::free(block);
#endif
}

void operator delete(void* block, std::size_t, std::align_val_t alignment) noexcept {
    ::operator delete(block, alignment);
}

namespace duplexa {
namespace {

TEST(NoMemory, ARunWithoutItsBuffersSaysSoAndEndsLikeAnyOther) {
    test::TempDir dir;
    const std::int32_t savedLanguage = currentLanguage;
    currentLanguage = 1;
    const auto bytes = test::PatternBytes(3 * 1048576);
    const struct {
        unsigned processors;
        int failing;  // 1 and 2: the run thread's buffers; 3 and 4: the helper's
    } cases[] = {{1, 1}, {1, 2}, {2, 1}, {2, 2}, {2, 3}, {2, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.processors << " processors, allocation " << c.failing);
        WindowState state;
        state.filePaths = {dir.Write("a", bytes), dir.Write("b", bytes)};
        test::RecordingView view;
        test::ScriptedPump pump;
        FileTable files;
        const std::size_t descriptors = test::OpenDescriptors();
        gFailIn = c.failing;
        ComparisonRun(state, view, pump, files, c.processors).comCompare_Click();
        EXPECT_EQ(gFailIn, 0) << "the allocation was made";
        EXPECT_EQ(view.ResultCaptions(),
                  (std::vector<std::string>{"Working...", "Not enough memory."}));
        EXPECT_EQ(state.resultHu, "Nincs el\xC3\xA9g mem\xC3\xB3ria.");
        EXPECT_EQ(view.Count("sEqual"), 0);
        EXPECT_EQ(test::OpenDescriptors(), descriptors) << "both files closed";
        EXPECT_FALSE(state.isRunning);
        EXPECT_EQ(view.compareCaption, "Compare");
        EXPECT_TRUE(view.closeEnabled);
        EXPECT_EQ(view.dropMode[0], DropMode::Manual);
        EXPECT_EQ(state.firstBlock.capacity() + state.secondBlock.capacity(), 0u);

        // Memory back: the next run goes through.
        ComparisonRun(state, view, pump, files, c.processors).comCompare_Click();
        EXPECT_EQ(view.resultCaption, "They are exactly the same.");
    }
    currentLanguage = savedLanguage;
}

}  // namespace
}  // namespace duplexa
