#pragma once
// A settings store of the test's own, for as long as the object lives. Outside Windows
// XDG_CONFIG_HOME (and HOME) point into a temporary folder, so the real maker key is used
// without reaching the user's settings; on Windows the code under test is given a maker key
// of its own, deleted afterwards.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace duplexa::test {

using Bytes = std::vector<std::uint8_t>;

class SettingsSandbox {
  public:
    SettingsSandbox();
    SettingsSandbox(const SettingsSandbox&) = delete;
    SettingsSandbox& operator=(const SettingsSandbox&) = delete;
    ~SettingsSandbox();

    // The maker key to hand to the code under test.
    const std::string& Maker() const { return maker_; }
    // The raw bytes of a value below the maker key (section empty: the maker key itself), or
    // nothing when there is no such value.
    std::optional<Bytes> Stored(const std::string& section, const std::string& name) const;
    // The raw bytes of a value under any key path below the current user's hive.
    std::optional<Bytes> Get(const std::string& keyPath, const std::string& name) const;
    std::optional<Bytes> StoredLayout() const { return Stored("Kitrune", "Duplexa-Align"); }
    std::optional<Bytes> StoredLanguage() const { return Stored("", "Language"); }
    // Makes every later write below the maker key fail; false where that cannot be done.
    bool BreakTheStore();

#ifndef _WIN32
    const TempDir& Folder() const {
        return folder_;
    }
    // The folder standing in for the user's ~/.config.
    std::filesystem::path ConfigRoot() const {
        return folder_.path() / "config";
    }
    // The folder of a key ("Software\..." maps to ConfigRoot) or the file of one of its values.
    std::filesystem::path PathOf(const std::string& keyPath, const std::string& name = "") const;
#endif

  private:
    std::string maker_;
    TempDir folder_;
    std::optional<std::string> savedXdg_;
    std::optional<std::string> savedHome_;
};

}  // namespace duplexa::test
