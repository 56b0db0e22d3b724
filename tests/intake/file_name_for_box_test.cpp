#include "intake/file_name_for_box.h"

#include <gtest/gtest.h>

namespace duplexa {
namespace {

TEST(FileNameForBox, WindowsPathsSplitOnlyAtBackslash) {
    EXPECT_EQ(FileNameForBox(R"(C:\Users\a\b.txt)", '\\'), "b.txt");
    EXPECT_EQ(FileNameForBox(R"(C:\Users\a/b.txt)", '\\'), "a/b.txt");
    EXPECT_EQ(FileNameForBox("b.txt", '\\'), "b.txt");
    EXPECT_EQ(FileNameForBox(R"(D:\)", '\\'), "");
    EXPECT_EQ(FileNameForBox(R"(\\server\share\x y.txt)", '\\'), "x y.txt");
}

TEST(FileNameForBox, PosixPathsSplitOnlyAtSlash) {
    EXPECT_EQ(FileNameForBox("/home/a/b.txt", '/'), "b.txt");
    EXPECT_EQ(FileNameForBox(R"(/home/a/x\y.txt)", '/'), R"(x\y.txt)");
    EXPECT_EQ(FileNameForBox("b.txt", '/'), "b.txt");
    EXPECT_EQ(FileNameForBox("/home/a/", '/'), "");
    EXPECT_EQ(FileNameForBox("/", '/'), "");
    EXPECT_EQ(FileNameForBox("", '/'), "");
}

TEST(FileNameForBox, NamesAreKeptByteForByte) {
    EXPECT_EQ(FileNameForBox("/tmp/árvíztűrő tükörfúrógép.bin", '/'), "árvíztűrő tükörfúrógép.bin");
}

TEST(FileNameForBox, NativeSeparatorMatchesThePlatform) {
#ifdef _WIN32
    EXPECT_EQ(kPathSeparator, '\\');
#else
    EXPECT_EQ(kPathSeparator, '/');
#endif
}

}  // namespace
}  // namespace duplexa
