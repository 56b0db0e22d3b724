// The configuration-folder store that stands in for the registry outside Windows: where it
// keeps things, what it refuses, and how it holds up against foreign files, missing rights
// and several writers at once.

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "settings/registry_codes.h"
#include "settings/registry_common.h"
#include "settings/registry_layer.h"
#include "store_fixture.h"
#include "support/process_probe.h"

namespace duplexa::modRegistryCommon {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

constexpr uid_t kNobody = 65534;

Bytes ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every entry below folder, as paths relative to it.
std::set<std::string> Entries(const fs::path& folder) {
    std::set<std::string> entries;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(folder, error);
         it != fs::recursive_directory_iterator(); it.increment(error)) {
        entries.insert(it->path().lexically_relative(folder).string());
    }
    return entries;
}

// Runs body in a child process as an ordinary user and gives its exit status. Under root the
// tree is handed to "nobody" first, so permissions bite the same way they do for anyone else.
int RunAsOrdinaryUser(const fs::path& tree, const std::function<int()>& body) {
    const bool root = ::geteuid() == 0;
    if (root) {
        if (::lchown(tree.c_str(), kNobody, kNobody) != 0) {
            return -1;
        }
        for (const auto& entry : fs::recursive_directory_iterator(tree)) {
            if (::lchown(entry.path().c_str(), kNobody, kNobody) != 0) {
                return -1;
            }
        }
    }
    const pid_t child = ::fork();
    if (child == 0) {
        if (root &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            ::_exit(100);
        }
        ::_exit(body());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

class PosixStore : public test::StoreTest {
  protected:
    fs::path Veltrimo() const { return ConfigRoot() / "Veltrimo"; }
};

TEST_F(PosixStore, KeepsEachValueAsAFileInItsKeysFolder) {
    ASSERT_TRUE(SaveLanguage(1));
    ASSERT_EQ(WriteSetting("Kitrune", "Duplexa-Align", 2), 0);

    EXPECT_EQ(ReadFile(Veltrimo() / "Language"), (Bytes{0x01, 0x00}));
    EXPECT_EQ(ReadFile(Veltrimo() / "Kitrune" / "Duplexa-Align"), (Bytes{0x02, 0x00}));
    EXPECT_EQ(Entries(Sandbox().path()),
              (std::set<std::string>{"config", "config/Veltrimo", "config/Veltrimo/Language",
                                     "config/Veltrimo/Kitrune",
                                     "config/Veltrimo/Kitrune/Duplexa-Align"}));
    EXPECT_EQ(LoadLanguage(), 1);
    EXPECT_EQ(ReadSetting("Kitrune", "Duplexa-Align", 1), 2);

    // Per-user settings: folders and values are the user's alone.
    EXPECT_EQ(fs::status(Veltrimo()).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_EQ(fs::status(Veltrimo() / "Language").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(PosixStore, UsesHomeConfigWhenXdgConfigHomeIsUnsetOrRelative) {
    const fs::path home = Sandbox().path() / "home";
    ::setenv("HOME", home.c_str(), 1);
    ::unsetenv("XDG_CONFIG_HOME");
    ASSERT_TRUE(SaveLanguage(0));
    EXPECT_EQ(ReadFile(home / ".config" / "Veltrimo" / "Language"), (Bytes{0x00, 0x00}));
    // Folders made on the way are the user's alone, as the XDG base directories ask.
    for (const fs::path& made : {home, home / ".config"}) {
        EXPECT_EQ(fs::status(made).permissions() & fs::perms::all, fs::perms::owner_all) << made;
    }

    ::setenv("XDG_CONFIG_HOME", "relative-config", 1);
    ASSERT_TRUE(SaveLanguage(1));
    EXPECT_EQ(ReadFile(home / ".config" / "Veltrimo" / "Language"), (Bytes{0x01, 0x00}));
    EXPECT_FALSE(fs::exists("relative-config"));
}

TEST_F(PosixStore, WithoutAnAbsoluteHomeOrXdgConfigHomeNothingIsStored) {
    ::unsetenv("XDG_CONFIG_HOME");
    for (const char* home : {"", "relative-home", static_cast<const char*>(nullptr)}) {
        if (home != nullptr) {
            ::setenv("HOME", home, 1);
        } else {
            ::unsetenv("HOME");
        }
        EXPECT_FALSE(SaveLanguage(0));
        EXPECT_NE(WriteSetting("Kitrune", "Duplexa-Align", 1), 0);
        EXPECT_EQ(LoadLanguage(), 1);
        EXPECT_EQ(ReadSetting("Kitrune", "Duplexa-Align", 2), 2);
    }
    EXPECT_FALSE(fs::exists("relative-home"));
}

TEST_F(PosixStore, RefusesKeyPathsAndNamesThatWouldLeaveItsFolders) {
    using namespace std::string_literals;
    const std::string keyPaths[] = {"",
                                    "Software",
                                    "Software\\",
                                    "Software\\.",
                                    "Software\\..",
                                    "Software\\..\\outside",
                                    "Software\\Veltrimo\\..\\..\\outside",
                                    "Software\\Veltrimo/../../outside",
                                    "Software\\/tmp",
                                    "\\Software\\Veltrimo",
                                    "Software\\\\Veltrimo",
                                    "Software\\Veltrimo\\",
                                    "Software\\.hidden",
                                    "Software\\Velt\0rimo"s,
                                    "Other\\Veltrimo"};
    for (const auto& keyPath : keyPaths) {
        std::int32_t value = 0;
        EXPECT_NE(RegWriteWord(kHkeyCurrentUser, keyPath, "Language", 1), 0) << keyPath;
        EXPECT_NE(RegReadWord(kHkeyCurrentUser, keyPath, "Language", 0, value), 0) << keyPath;
    }
    const std::string names[] = {"",    ".",       "..",         "../outside", "/tmp/outside",
                                 "a/b", ".hidden", "Lang\0uage"s};
    for (const auto& name : names) {
        std::int32_t value = 0;
        EXPECT_NE(RegWriteWord(kHkeyCurrentUser, Maker(), name, 1), 0) << name;
        EXPECT_NE(RegReadWord(kHkeyCurrentUser, Maker(), name, 0, value), 0) << name;
    }
    EXPECT_NE(RegWriteWord(static_cast<Hive>(0x80000002u), Maker(), "Language", 1), 0)
        << "only the current user's hive is kept";

    // At most the maker key's folder was made on the way; no value was stored anywhere.
    for (const auto& entry : Entries(Sandbox().path())) {
        EXPECT_TRUE(entry == "config" || entry == "config/Veltrimo") << entry;
    }
}

TEST_F(PosixStore, FoldersFifosDevicesAndLongFilesAreNoValues) {
    fs::create_directories(Veltrimo() / "Language");
    EXPECT_EQ(LoadLanguage(), 1);
    EXPECT_FALSE(SaveLanguage(0));
    EXPECT_TRUE(fs::is_directory(Veltrimo() / "Language"));

    fs::create_directories(Veltrimo() / "Kitrune");
    ASSERT_EQ(::mkfifo((Veltrimo() / "Kitrune" / "Duplexa-Align").c_str(), 0600), 0);
    EXPECT_EQ(ReadSetting("Kitrune", "Duplexa-Align", 2), 2) << "and it did not block";

    fs::create_symlink("/dev/zero", Veltrimo() / "Zero");
    std::int32_t value = 0;
    EXPECT_NE(RegReadWord(kHkeyCurrentUser, Maker(), "Zero", 0, value), 0);

    PutBytes(Maker(), "Long", Bytes(1 << 20, 0x01));
    EXPECT_EQ(RegReadWord(kHkeyCurrentUser, Maker(), "Long", 0, value), registry::codes::kMoreData);

    // A link to a proper value is followed, so a linked configuration folder keeps working.
    PutBytes(Maker(), "Real", {0x02, 0x00});
    fs::create_symlink(Veltrimo() / "Real", Veltrimo() / "Linked");
    ASSERT_EQ(RegReadWord(kHkeyCurrentUser, Maker(), "Linked", 0, value), 0);
    EXPECT_EQ(value, 2);

    EXPECT_EQ(Entries(Veltrimo()),
              (std::set<std::string>{"Language", "Kitrune", "Kitrune/Duplexa-Align", "Zero", "Long",
                                     "Real", "Linked"}))
        << "the failed write left no temporary file";
}

TEST_F(PosixStore, AFileWhereAKeyFolderBelongsFailsBothWays) {
    fs::create_directories(ConfigRoot());
    std::ofstream(Veltrimo()) << "not a folder";
    EXPECT_EQ(LoadLanguage(), 1);
    EXPECT_FALSE(SaveLanguage(1));
    EXPECT_NE(WriteSetting("Kitrune", "Duplexa-Align", 1), 0);
    EXPECT_EQ(ReadFile(Veltrimo()),
              (Bytes{'n', 'o', 't', ' ', 'a', ' ', 'f', 'o', 'l', 'd', 'e', 'r'}));
}

TEST_F(PosixStore, UnreadableValuesAndUnwritableFoldersFailAndKeepTheOldValue) {
    ASSERT_TRUE(SaveLanguage(0));
    ASSERT_EQ(WriteSetting("Kitrune", "Duplexa-Align", 1), 0);
    fs::permissions(Veltrimo() / "Language", fs::perms::none);
    fs::permissions(Veltrimo() / "Kitrune", fs::perms::owner_read | fs::perms::owner_exec);
    fs::permissions(ConfigRoot(), fs::perms::owner_read | fs::perms::owner_exec);

    const int failedStep = RunAsOrdinaryUser(Sandbox().path(), [this] {
        if (LoadLanguage() != 1) {
            return 1;
        }
        if (WriteSetting("Kitrune", "Duplexa-Align", 2) == 0) {
            return 2;
        }
        if (Entries(Veltrimo() / "Kitrune") != std::set<std::string>{"Duplexa-Align"}) {
            return 3;
        }
        if (ReadSetting("Kitrune", "Duplexa-Align", 2) != 1) {
            return 4;
        }
        if (RegWriteWord(kHkeyCurrentUser, "Software\\Fresh", "Value", 1) == 0) {
            return 5;
        }
        return 0;
    });
    EXPECT_EQ(failedStep, 0);
}

TEST_F(PosixStore, ConcurrentWritersNeverLeaveATornOrPartialValue) {
    // Each writer's bytes differ from every other's in both places, so a value mixed from
    // two writes cannot pass for one of them.
    constexpr int kWriters = 4;
    constexpr int kWrites = 150;
    std::set<std::int32_t> written{0x0F0F};
    for (int writer = 0; writer < kWriters; ++writer) {
        written.insert((0xA0 + writer) << 8 | (0x10 + writer));
    }
    ASSERT_EQ(RegWriteWord(kHkeyCurrentUser, Maker(), "Language", 0x0F0F), 0);

    std::vector<pid_t> writers;
    for (int writer = 0; writer < kWriters; ++writer) {
        const pid_t child = ::fork();
        if (child == 0) {
            int failures = 0;
            for (int i = 0; i < kWrites; ++i) {
                failures += RegWriteWord(kHkeyCurrentUser, Maker(), "Language",
                                         (0xA0 + writer) << 8 | (0x10 + writer)) != 0;
            }
            ::_exit(failures == 0 ? 0 : 1);
        }
        ASSERT_GT(child, 0);
        writers.push_back(child);
    }

    int reads = 0;
    int badReads = 0;
    int running = kWriters;
    int failedWriters = 0;
    while (running > 0) {
        std::int32_t value = -1;
        const auto code = RegReadWord(kHkeyCurrentUser, Maker(), "Language", 0, value);
        badReads += code != 0 || written.count(value) == 0;
        ++reads;
        int status = 0;
        const pid_t done = ::waitpid(-1, &status, WNOHANG);
        if (done > 0) {
            --running;
            failedWriters += !WIFEXITED(status) || WEXITSTATUS(status) != 0;
        }
    }
    EXPECT_EQ(failedWriters, 0);
    EXPECT_EQ(badReads, 0) << "of " << reads << " reads";
    const Bytes last = ReadFile(Veltrimo() / "Language");
    ASSERT_EQ(last.size(), 2u);
    EXPECT_EQ(written.count(last[0] | last[1] << 8), 1u);
    EXPECT_EQ(Entries(Veltrimo()), std::set<std::string>{"Language"});
}

TEST_F(PosixStore, EveryCallClosesWhatItOpened) {
    fs::create_directories(Veltrimo() / "Folder");
    const std::size_t before = test::OpenDescriptors();
    for (int i = 0; i < 100; ++i) {
        std::int32_t value = 0;
        SaveLanguage(i);
        LoadLanguage();
        ReadSetting("Kitrune", "Duplexa-Align", 2);
        RegReadWord(kHkeyCurrentUser, Maker(), "Absent", 0, value);
        RegReadWord(kHkeyCurrentUser, Maker(), "Folder", 0, value);
        RegWriteWord(kHkeyCurrentUser, Maker(), "Folder", 1);
        RegWriteWord(kHkeyCurrentUser, Maker(), ".refused", 1);
    }
    EXPECT_EQ(test::OpenDescriptors(), before);
}

TEST_F(PosixStore, AKeyMovedOntoAnOpenOneClosesTheOldOne) {
    ASSERT_TRUE(SaveLanguage(1));
    const std::size_t before = test::OpenDescriptors();
    registry::Key kept;
    registry::Key moved;
    ASSERT_EQ(registry::OpenForQuery(registry::kCurrentUser, Maker(), kept), 0);
    ASSERT_EQ(registry::OpenForQuery(registry::kCurrentUser, Maker(), moved), 0);
    kept = std::move(moved);
    EXPECT_EQ(test::OpenDescriptors(), before + 1);
    EXPECT_TRUE(kept.IsOpen() && !moved.IsOpen());
}

}  // namespace
}  // namespace duplexa::modRegistryCommon
