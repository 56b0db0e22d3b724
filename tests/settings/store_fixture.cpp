#include "store_fixture.h"

#include <stdexcept>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fstream>
#endif

namespace duplexa::test {

#ifdef _WIN32

namespace {

void PutTyped(const std::string& keyPath, const std::string& name, DWORD type, const Bytes& bytes) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        throw std::runtime_error("cannot create " + keyPath);
    }
    const LONG code =
        RegSetValueExA(key, name.c_str(), 0, type, bytes.data(), static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    ASSERT_EQ(code, ERROR_SUCCESS) << keyPath << " " << name;
}

}  // namespace

void StoreTest::PutBytes(const std::string& keyPath, const std::string& name, const Bytes& bytes) {
    PutTyped(keyPath, name, REG_BINARY, bytes);
}

void StoreTest::PutDword(const std::string& keyPath, const std::string& name, std::uint32_t value) {
    PutTyped(keyPath, name, REG_DWORD,
             {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
              static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)});
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

bool StoreTest::HasKey(const std::string& keyPath) const {
    std::error_code error;
    return fs::is_directory(PathOf(keyPath), error);
}

#endif

}  // namespace duplexa::test
