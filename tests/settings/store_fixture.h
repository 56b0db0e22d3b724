#pragma once
// A settings store of the test's own (see SettingsSandbox), with raw helpers that reach values
// without going through the store, to set up and inspect exactly what is stored.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "support/settings_sandbox.h"

namespace duplexa::test {

class StoreTest : public ::testing::Test {
  protected:
    // The key to use as the maker key, and a section below it.
    const std::string& Maker() const { return sandbox_.Maker(); }
    std::string Section(const std::string& section) const { return Maker() + "\\" + section; }

    // Stores bytes as a REG_BINARY value, creating the key.
    void PutBytes(const std::string& keyPath, const std::string& name, const Bytes& bytes);
    // Stores a 4-byte REG_DWORD (four little-endian bytes outside Windows).
    void PutDword(const std::string& keyPath, const std::string& name, std::uint32_t value);
    // The value's bytes, or empty when it cannot be read.
    std::optional<Bytes> GetBytes(const std::string& keyPath, const std::string& name) const {
        return sandbox_.Get(keyPath, name);
    }
    bool HasKey(const std::string& keyPath) const;

#ifndef _WIN32
    std::filesystem::path ConfigRoot() const {
        return sandbox_.ConfigRoot();
    }
    std::filesystem::path PathOf(const std::string& keyPath, const std::string& name = "") const {
        return sandbox_.PathOf(keyPath, name);
    }
    const TempDir& Sandbox() const {
        return sandbox_.Folder();
    }
#endif

  private:
    SettingsSandbox sandbox_;
};

}  // namespace duplexa::test
