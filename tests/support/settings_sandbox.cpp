#include "support/settings_sandbox.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

#include "settings/registry_common.h"

namespace duplexa::test {
namespace {

#ifndef _WIN32
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
#endif

}  // namespace

#ifdef _WIN32

SettingsSandbox::SettingsSandbox() {
    std::random_device seed;
    maker_ = "Software\\Veltrimo-test-" + std::to_string(seed()) + std::to_string(seed());
}

SettingsSandbox::~SettingsSandbox() {
    RegDeleteTreeA(HKEY_CURRENT_USER, maker_.c_str());
}

std::optional<Bytes> SettingsSandbox::Get(const std::string& keyPath,
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

bool SettingsSandbox::BreakTheStore() {
    return false;
}

#else

namespace fs = std::filesystem;

SettingsSandbox::SettingsSandbox()
    : maker_(modRegistryCommon::kMakerKey),
      savedXdg_(Saved("XDG_CONFIG_HOME")),
      savedHome_(Saved("HOME")) {
    ::setenv("XDG_CONFIG_HOME", ConfigRoot().c_str(), 1);
    // Should the store ever ignore XDG_CONFIG_HOME, it still lands in the sandbox.
    ::setenv("HOME", (folder_.path() / "home").c_str(), 1);
}

SettingsSandbox::~SettingsSandbox() {
    Restore("XDG_CONFIG_HOME", savedXdg_);
    Restore("HOME", savedHome_);
}

fs::path SettingsSandbox::PathOf(const std::string& keyPath, const std::string& name) const {
    fs::path path = ConfigRoot();
    std::size_t start = keyPath.find('\\');  // "Software" is the root itself
    while (start != std::string::npos) {
        const std::size_t end = keyPath.find('\\', start + 1);
        path /= keyPath.substr(start + 1, end == std::string::npos ? end : end - start - 1);
        start = end;
    }
    return name.empty() ? path : path / name;
}

// A value is a file holding its bytes.
std::optional<Bytes> SettingsSandbox::Get(const std::string& keyPath,
                                          const std::string& name) const {
    const fs::path file = PathOf(keyPath, name);
    std::error_code error;
    if (!fs::is_regular_file(file, error)) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A file where the maker key's folder belongs: no key below it can be created, even by root.
bool SettingsSandbox::BreakTheStore() {
    fs::create_directories(ConfigRoot());
    std::ofstream(ConfigRoot() / "Veltrimo") << "not a folder";
    return true;
}

#endif

std::optional<Bytes> SettingsSandbox::Stored(const std::string& section,
                                             const std::string& name) const {
    return Get(section.empty() ? maker_ : maker_ + "\\" + section, name);
}

}  // namespace duplexa::test
