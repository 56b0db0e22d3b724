#include "runtime/long_path_windows.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <utility>

namespace duplexa::native {
namespace {

TEST(ExtendedLengthPath, AbsolutePathsGetThePrefixOnceResolved) {
    for (const auto& [given, expected] : std::array<std::pair<const wchar_t*, const wchar_t*>, 7>{{
             {LR"(C:\a\b.bin)", LR"(\\?\C:\a\b.bin)"},
             {LR"(C:/a/./c/../b.bin)", LR"(\\?\C:\a\b.bin)"},
             {LR"(\\server\share\b.bin)", LR"(\\?\UNC\server\share\b.bin)"},
             {LR"(//server/share/c/../b.bin)", LR"(\\?\UNC\server\share\b.bin)"},
             // Already extended: the system takes it as it is, so must we.
             {LR"(\\?\C:\a\..\b.bin)", LR"(\\?\C:\a\..\b.bin)"},
             {LR"(\\.\pipe\b)", LR"(\\.\pipe\b)"},
             // A device name in a folder is the device: the prefix would make it a file.
             {LR"(C:\a\NUL)", LR"(\\.\NUL)"},
         }}) {
        EXPECT_EQ(ExtendedLengthPath(given), expected) << given;
    }
}

TEST(ExtendedLengthPath, RelativePathsStartFromTheCurrentFolder) {
    wchar_t current[MAX_PATH];
    ASSERT_GT(GetCurrentDirectoryW(MAX_PATH, current), 0u);
    std::wstring expected = LR"(\\?\)" + std::wstring(current);
    if (expected.back() != L'\\') {
        expected += L'\\';
    }
    EXPECT_EQ(ExtendedLengthPath(L"b.bin"), expected + L"b.bin");
}

}  // namespace
}  // namespace duplexa::native
