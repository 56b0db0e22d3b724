#pragma once
// A settings store of the test's own. On Windows it is a key under HKEY_CURRENT_USER that is
// deleted afterwards; elsewhere XDG_CONFIG_HOME points into a temporary folder for the test, so
// the real maker key is used without reaching the user's own settings. The raw helpers reach
// values without going through the store, to set up and inspect exactly what is stored.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#ifndef _WIN32
#include "support/temp_dir.h"
#endif

namespace duplexa::test {

using Bytes = std::vector<std::uint8_t>;

class StoreTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The key to use as the maker key, and a section below it.
    const std::string& Maker() const { return maker_; }
    std::string Section(const std::string& section) const { return maker_ + "\\" + section; }

    // Stores bytes as a REG_BINARY value, creating the key.
    void PutBytes(const std::string& keyPath, const std::string& name, const Bytes& bytes);
    // Stores a 4-byte REG_DWORD (four little-endian bytes outside Windows).
    void PutDword(const std::string& keyPath, const std::string& name, std::uint32_t value);
    // The value's bytes, or empty when it cannot be read.
    std::optional<Bytes> GetBytes(const std::string& keyPath, const std::string& name) const;
    bool HasKey(const std::string& keyPath) const;

#ifndef _WIN32
    // The configuration folder standing in for the user's ~/.config.
    std::filesystem::path ConfigRoot() const {
        return sandbox_.path() / "config";
    }
    // The folder of a key ("Software\..." below ConfigRoot) or the file of one of its values.
    std::filesystem::path PathOf(const std::string& keyPath, const std::string& name = "") const;
    const TempDir& Sandbox() const {
        return sandbox_;
    }
#endif

  private:
    std::string maker_;
#ifndef _WIN32
    TempDir sandbox_;
    std::optional<std::string> savedXdg_;
    std::optional<std::string> savedHome_;
#endif
};

}  // namespace duplexa::test
