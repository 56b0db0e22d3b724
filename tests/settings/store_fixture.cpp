#include "store_fixture.h"

#include <iterator>
#include <random>
#include <stdexcept>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <cstdlib>
#include <fstream>
#endif

#include "settings/registry_common.h"

namespace duplexa::test {

#ifdef _WIN32

namespace {

HKEY OpenOrCreate(const std::string& keyPath) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot create " + keyPath);
    }
    return key;
}

void PutTyped(const std::string& keyPath, const std::string& name, DWORD type, const Bytes& bytes) {
    HKEY key = OpenOrCreate(keyPath);
    const LONG code =
        RegSetValueExA(key, name.c_str(), 0, type, bytes.data(), static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    ASSERT_EQ(code, ERROR_SUCCESS) << keyPath << " " << name;
}

}  // namespace

void StoreTest::SetUp() {
    std::random_device seed;
    maker_ = "Software\\Veltrimo-test-" + std::to_string(seed()) + std::to_string(seed());
}

void StoreTest::TearDown() {
    RegDeleteTreeA(HKEY_CURRENT_USER, maker_.c_str());
}

void StoreTest::PutBytes(const std::string& keyPath, const std::string& name, const Bytes& bytes) {
    PutTyped(keyPath, name, REG_BINARY, bytes);
}

void StoreTest::PutDword(const std::string& keyPath, const std::string& name, std::uint32_t value) {
    PutTyped(keyPath, name, REG_DWORD,
             {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
              static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)});
}

std::optional<Bytes> StoreTest::GetBytes(const std::string& keyPath,
                                         const std::string& name) const {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    Bytes bytes(64);
    DWORD size = static_cast<DWORD>(bytes.size());
    const LONG code = RegQueryValueExA(key, name.c_str(), nullptr, nullptr, bytes.data(), &size);
    RegCloseKey(key);
    if (code != ERROR_SUCCESS) {
        return std::nullopt;
    }
    bytes.resize(size);
    return bytes;
}

bool StoreTest::HasKey(const std::string& keyPath) const {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

#else

namespace fs = std::filesystem;

namespace {

std::optional<std::string> Saved(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

void Restore(const char* name, const std::optional<std::string>& value) {
    if (value) {
        ::setenv(name, value->c_str(), 1);
    } else {
        ::unsetenv(name);
    }
}

}  // namespace

void StoreTest::SetUp() {
    savedXdg_ = Saved("XDG_CONFIG_HOME");
    savedHome_ = Saved("HOME");
    ::setenv("XDG_CONFIG_HOME", ConfigRoot().c_str(), 1);
    // Should the store ever ignore XDG_CONFIG_HOME, it still lands in the sandbox.
    ::setenv("HOME", (sandbox_.path() / "home").c_str(), 1);
    maker_ = modRegistryCommon::kMakerKey;
}

void StoreTest::TearDown() {
    Restore("XDG_CONFIG_HOME", savedXdg_);
    Restore("HOME", savedHome_);
}

fs::path StoreTest::PathOf(const std::string& keyPath, const std::string& name) const {
    fs::path path = ConfigRoot();
    std::size_t start = keyPath.find('\\');  // "Software" is the root itself
    while (start != std::string::npos) {
        const std::size_t end = keyPath.find('\\', start + 1);
        path /= keyPath.substr(start + 1, end == std::string::npos ? end : end - start - 1);
        start = end;
    }
    return name.empty() ? path : path / name;
}

void StoreTest::PutBytes(const std::string& keyPath, const std::string& name, const Bytes& bytes) {
    fs::create_directories(PathOf(keyPath));
    std::ofstream out(PathOf(keyPath, name), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << PathOf(keyPath, name);
}

void StoreTest::PutDword(const std::string& keyPath, const std::string& name, std::uint32_t value) {
    PutBytes(keyPath, name,
             {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
              static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)});
}

std::optional<Bytes> StoreTest::GetBytes(const std::string& keyPath,
                                         const std::string& name) const {
    const fs::path file = PathOf(keyPath, name);
    std::error_code error;
    if (!fs::is_regular_file(file, error)) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool StoreTest::HasKey(const std::string& keyPath) const {
    std::error_code error;
    return fs::is_directory(PathOf(keyPath), error);
}

#endif

}  // namespace duplexa::test
