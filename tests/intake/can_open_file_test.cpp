#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "intake/file_drop.h"
#include "intake/file_name_for_box.h"
#include "support/process_probe.h"
#include "support/recording_view.h"
#include "support/temp_dir.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace duplexa {
namespace {

using test::RecordingView;
using test::TempDir;

class CanOpenFileTest : public ::testing::Test {
  protected:
    // The check, plus what must hold after it on every path: nothing left open, nothing shown.
    bool Check(const std::string& path) {
        const std::size_t descriptors = test::OpenDescriptors();
        const bool ok = drop.CanOpenFile(path);
        EXPECT_EQ(files.FreeFile(), 1) << path;
        EXPECT_EQ(test::OpenDescriptors(), descriptors) << path;
        EXPECT_TRUE(view.log.empty()) << path;
        return ok;
    }

    TempDir dir;
    WindowState state;
    RecordingView view;
    FileTable files;
    FileDrop drop{state, view, files};
};

TEST_F(CanOpenFileTest, ReadableFilesPassEmptyOnesToo) {
    EXPECT_TRUE(Check(dir.Write("a.bin", "abc")));
    EXPECT_TRUE(Check(dir.Write("empty.bin", "")));
    EXPECT_TRUE(Check(dir.Write("ünnep név.bin", "x")));
}

TEST_F(CanOpenFileTest, WhatIsNotAReadableRegularFileFails) {
    const std::u8string utf8 = dir.path().u8string();
    const std::string base(utf8.begin(), utf8.end());
    EXPECT_FALSE(Check(base));
    EXPECT_FALSE(Check(base + kPathSeparator));
    EXPECT_FALSE(Check(base + kPathSeparator + "missing.bin"));
    EXPECT_FALSE(Check(""));
    const std::string present = dir.Write("x", "abc");
    EXPECT_FALSE(Check(present + std::string("\0one", 4))) << "would open x itself";
#ifdef _WIN32
    EXPECT_FALSE(Check("NUL"));
#else
    EXPECT_FALSE(Check("/dev/null"));
    const std::string fifo = base + "/fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(Check(fifo)) << "a FIFO must fail without blocking";
#endif
}

TEST_F(CanOpenFileTest, LengthMustFitASigned32BitNumber) {
    EXPECT_TRUE(Check(dir.Sparse("largest.bin", INT64_C(0x7FFFFFFF))));
    EXPECT_FALSE(Check(dir.Sparse("two-gib.bin", INT64_C(0x80000000))));
    EXPECT_FALSE(Check(dir.Sparse("five-gib.bin", INT64_C(5) << 30)));
}

#ifndef _WIN32
TEST_F(CanOpenFileTest, FileWithoutReadPermissionFails) {
    const std::string path = dir.Write("locked.bin", "abc");
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    const bool ok = Check(path);
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads files whatever their permissions";
    }
    EXPECT_FALSE(ok);
}
#endif

TEST_F(CanOpenFileTest, UsesAFreeNumberAndLeavesOpenNumbersAlone) {
    const std::string path = dir.Write("a.bin", "abc");
    ASSERT_TRUE(files.Open(1, path));
    ASSERT_TRUE(files.Open(3, path));
    EXPECT_TRUE(drop.CanOpenFile(path));
    EXPECT_FALSE(drop.CanOpenFile(dir.Write("b.bin", "") + "-missing"));
    EXPECT_EQ(files.FreeFile(), 2) << "1 still open, 2 free again";
    EXPECT_FALSE(files.Open(3, path)) << "3 still open";
}

TEST_F(CanOpenFileTest, FailsWhenNoNumberIsFreeAndClosesNothing) {
    const std::string path = dir.Write("a.bin", "abc");
    for (int fileNo = FileTable::kFirstNumber; fileNo <= FileTable::kLastNumber; ++fileNo) {
        ASSERT_TRUE(files.Open(fileNo, path));
    }
    EXPECT_FALSE(drop.CanOpenFile(path));
    EXPECT_EQ(files.FreeFile(), 0) << "every number still open";
}

}  // namespace
}  // namespace duplexa
