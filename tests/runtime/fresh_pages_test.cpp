#include "runtime/fresh_pages.h"

#include <gtest/gtest.h>

// Only POSIX can say which pages are in; on Windows the call brings nothing in.
#ifndef _WIN32
#include <sys/mman.h>
#include <unistd.h>

#include <vector>

namespace duplexa {
namespace {

TEST(FreshPages, BringsInEveryWholePageOfTheRangeAndNoOther) {
    const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    constexpr std::size_t kPages = 16;
    void* mapped =
        ::mmap(nullptr, kPages * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(mapped, MAP_FAILED);
    auto* bytes = static_cast<unsigned char*>(mapped);
    std::vector<unsigned char> in(kPages);
    ASSERT_EQ(::mincore(mapped, kPages * page, in.data()), 0);
    for (std::size_t i = 0; i < kPages; ++i) {
        EXPECT_EQ(in[i] & 1, 0) << "page " << i << " in before it was asked for";
    }

    // From inside the first page to inside the last: only the pages wholly within come in.
    ASSERT_TRUE(native::BringInPages(bytes + 1, (kPages - 1) * page - 2));
    ASSERT_EQ(::mincore(mapped, kPages * page, in.data()), 0);
    for (std::size_t i = 0; i < kPages; ++i) {
        const bool whole = i >= 1 && i <= kPages - 3;
        EXPECT_EQ(in[i] & 1, whole ? 1 : 0) << "page " << i;
    }
    EXPECT_EQ(bytes[page], 0) << "brought in zeroed";
    EXPECT_FALSE(native::BringInPages(bytes + 1, page)) << "no whole page inside";
    ::munmap(mapped, kPages * page);
}

}  // namespace
}  // namespace duplexa
#endif
