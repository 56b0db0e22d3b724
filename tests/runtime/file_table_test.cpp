#include "runtime/file_table.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include <thread>

#include "support/process_probe.h"
#include "support/temp_dir.h"

#ifdef _WIN32
#include <windows.h>

#include "runtime/wide_text_windows.h"
#else
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#endif

namespace duplexa {
namespace {

using test::PatternBytes;
using test::TempDir;

TEST(FileTable, HandsOutTheLowestFreeNumber) {
    TempDir dir;
    const std::string path = dir.Write("a.bin", "abc");
    FileTable files;
    EXPECT_EQ(files.FreeFile(), 1);
    ASSERT_TRUE(files.Open(1, path));
    EXPECT_EQ(files.FreeFile(), 2);
    ASSERT_TRUE(files.Open(2, path));
    ASSERT_TRUE(files.Open(3, path));
    files.Close(2);
    EXPECT_EQ(files.FreeFile(), 2);
    EXPECT_FALSE(files.Open(1, path)) << "a number in use is not opened again";
}

TEST(FileTable, AllNumbersInUseGivesNoneAndNumbersOutsideTheRangeFail) {
    TempDir dir;
    const std::string path = dir.Write("a.bin", "abc");
    FileTable files;
    for (int fileNo = 1; fileNo <= 255; ++fileNo) {
        ASSERT_TRUE(files.Open(files.FreeFile(), path)) << fileNo;
    }
    EXPECT_EQ(files.FreeFile(), 0);
    EXPECT_FALSE(files.Open(0, path));
    EXPECT_FALSE(files.Open(256, path));
    EXPECT_FALSE(files.Length(0).has_value());
    files.Close(200);
    EXPECT_EQ(files.FreeFile(), 200);
}

TEST(FileTable, CloseIsHarmlessTwiceAndOnNumbersNeverOpened) {
    TempDir dir;
    FileTable files;
    ASSERT_TRUE(files.Open(1, dir.Write("a.bin", "abc")));
    files.Close(1);
    files.Close(1);
    files.Close(7);
    files.Close(0);
    files.Close(-3);
    EXPECT_EQ(files.FreeFile(), 1);
}

TEST(FileTable, ReadsFromOneBasedPositions) {
    TempDir dir;
    const auto bytes = PatternBytes(5000);
    FileTable files;
    ASSERT_TRUE(files.Open(1, dir.Write("a.bin", bytes)));
    ASSERT_EQ(files.Length(1), 5000);

    std::vector<std::uint8_t> buffer(3);
    ASSERT_TRUE(files.Read(1, 1, buffer));
    EXPECT_EQ(buffer, std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 3));
    ASSERT_TRUE(files.Read(1, 4998, buffer));
    EXPECT_EQ(buffer, std::vector<std::uint8_t>(bytes.end() - 3, bytes.end()));
}

TEST(FileTable, ReadPastTheEndOrFromPositionZeroFails) {
    TempDir dir;
    FileTable files;
    ASSERT_TRUE(files.Open(1, dir.Write("a.bin", "abcde")));
    std::vector<std::uint8_t> buffer(3);
    EXPECT_FALSE(files.Read(1, 4, buffer)) << "only two bytes are left";
    EXPECT_FALSE(files.Read(1, 0, buffer));
    EXPECT_FALSE(files.Read(2, 1, buffer)) << "number not open";
}

TEST(FileTable, EmptyFileOpensWithLengthZero) {
    TempDir dir;
    FileTable files;
    ASSERT_TRUE(files.Open(1, dir.Write("empty", "")));
    EXPECT_EQ(files.Length(1), 0);
}

TEST(FileTable, EndsAtOnlyTheExactLength) {
    TempDir dir;
    FileTable files;
    ASSERT_TRUE(files.Open(1, dir.Write("five", "abcde")));
    ASSERT_TRUE(files.Open(2, dir.Write("empty", "")));
    EXPECT_TRUE(files.EndsAt(1, 5));
    EXPECT_FALSE(files.EndsAt(1, 4)) << "more data past the length";
    EXPECT_FALSE(files.EndsAt(1, 6)) << "ends before the length";
    EXPECT_FALSE(files.EndsAt(1, 0));
    EXPECT_TRUE(files.EndsAt(2, 0));
    EXPECT_FALSE(files.EndsAt(2, 1));
    EXPECT_FALSE(files.EndsAt(3, 0)) << "number not open";
}

// Changes that keep the length as well as those that do not; reading is no change. The file
// was written well before it is opened, as a user's files are, so a change in the same clock
// tick as the open still shows.
TEST(FileTable, UnchangedUntilTheFileIsWrittenCutOrTouched) {
    TempDir dir;
    const auto write = [](const std::string& path, std::uintmax_t at, const char* bytes) {
        std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(static_cast<std::streamoff>(at));
        file.write(bytes, 4);
    };
    const struct {
        const char* name;
        std::function<void(const std::string&)> change;
    } cases[] = {
        {"read only", nullptr},
        {"rewritten in place", [&](const std::string& path) { write(path, 0, "ZZZZ"); }},
        {"rewritten with its own bytes", [&](const std::string& path) { write(path, 8, "89ab"); }},
        {"cut and grown back",
         [](const std::string& path) {
             std::filesystem::resize_file(path, 4);
             std::filesystem::resize_file(path, 16);
         }},
        {"touched",
         [](const std::string& path) {
             std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now());
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.Write("stamped", "0123456789abcdef");
        std::filesystem::last_write_time(
            path, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
        FileTable files;
        ASSERT_TRUE(files.Open(1, path));
        std::vector<std::uint8_t> buffer(16);
        ASSERT_TRUE(files.Read(1, 1, buffer));
        if (c.change) {
            c.change(path);
        }
        EXPECT_EQ(files.Unchanged(1), !c.change);
        EXPECT_EQ(files.Length(1), 16) << "the length alone would not tell";
    }
    EXPECT_FALSE(FileTable().Unchanged(1)) << "number not open";
}

// Another program may hold the file open to delete or rename it (a download in progress, a log
// being rotated): it opens all the same. Renamed or deleted meanwhile, it is no longer the file
// its box names, and its stamp tells. Whether it is unchanged after change.
bool UnchangedAfterWhileHeld(const std::function<void(const std::string&)>& change) {
    TempDir dir;
    const std::string path = dir.Write("download.part", "0123456789");
#ifdef _WIN32
    HANDLE holder = CreateFileW(Widen(path).c_str(), GENERIC_READ | DELETE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(holder, INVALID_HANDLE_VALUE);
#endif
    FileTable files;
    EXPECT_TRUE(files.Open(1, path));
    // Change times move in clock ticks (up to 16 ms): one passes before the change.
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
    if (change) {
        change(path);
    }
    const bool unchanged = files.Unchanged(1);
#ifdef _WIN32
    CloseHandle(holder);
#endif
    return unchanged;
}

TEST(FileTable, AFileHeldForDeletingOpensAndItsRenameIsAChange) {
    EXPECT_TRUE(UnchangedAfterWhileHeld(nullptr));
    EXPECT_FALSE(UnchangedAfterWhileHeld(
        [](const std::string& path) { std::filesystem::rename(path, path + ".old"); }));
}

TEST(FileTable, ADeletionWhileOpenIsAChange) {
#ifdef _WIN32
    if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr) {
        GTEST_SKIP() << "Wine keeps a deleted file as it was until its last handle closes and "
                        "tells of no pending deletion";
    }
#endif
    EXPECT_FALSE(
        UnchangedAfterWhileHeld([](const std::string& path) { std::filesystem::remove(path); }));
}

TEST(FileTable, RejectsMissingPathsFoldersAndEmptyPaths) {
    TempDir dir;
    FileTable files;
    EXPECT_FALSE(files.Open(1, (dir.path() / "missing").string()));
    EXPECT_FALSE(files.Open(1, dir.path().string()));
    EXPECT_FALSE(files.Open(1, ""));
    EXPECT_EQ(files.FreeFile(), 1) << "a failed open leaves the number free";
}

TEST(FileTable, LengthFailsFrom2GiBAndFitsJustBelow) {
    TempDir dir;
    FileTable files;
    ASSERT_TRUE(files.Open(1, dir.Sparse("max", 2147483647LL)));
    EXPECT_EQ(files.Length(1), 2147483647);
    ASSERT_TRUE(files.Open(2, dir.Sparse("big", 2147483648LL)));
    EXPECT_FALSE(files.Length(2).has_value());
}

TEST(FileTable, ClosesEverythingWhenDestroyed) {
    TempDir dir;
    const std::string path = dir.Write("a.bin", "abc");
    const std::size_t before = test::OpenDescriptors();
    {
        FileTable files;
        for (int i = 0; i < 255; ++i) {
            ASSERT_TRUE(files.Open(files.FreeFile(), path));
        }
        files.Close(7);
        EXPECT_EQ(test::OpenDescriptors(), before + 254);
    }
    EXPECT_EQ(test::OpenDescriptors(), before);
}

#ifndef _WIN32
TEST(FileTable, RejectsFifoAtOnceAndDevices) {
    TempDir dir;
    FileTable files;
    const std::string fifo = (dir.path() / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(files.Open(1, fifo)) << "a FIFO with no writer must fail, not block";
    EXPECT_FALSE(files.Open(1, "/dev/null"));
    EXPECT_FALSE(files.Open(1, "/dev/zero"));
}

TEST(FileTable, RejectsUnreadableFiles) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads files whatever their permissions";
    }
    TempDir dir;
    const std::string locked = dir.Write("locked", "secret");
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    EXPECT_FALSE(FileTable().Open(1, locked));
}

TEST(FileTable, FollowsSymbolicLinksToRegularFiles) {
    TempDir dir;
    const std::string target = dir.Write("target", "abc");
    const auto link = dir.path() / "link";
    std::filesystem::create_symlink(target, link);
    FileTable files;
    ASSERT_TRUE(files.Open(1, link.string()));
    EXPECT_EQ(files.Length(1), 3);
}
#endif

}  // namespace
}  // namespace duplexa
