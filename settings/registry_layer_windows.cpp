#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "settings/registry_codes.h"
#include "settings/registry_layer.h"

namespace duplexa::registry {
namespace {

// The predefined handles are 32-bit values sign-extended to pointer width.
HKEY AsHkey(Hive hive) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(hive)));
}

HKEY AsHkey(const Key& key) {
    return reinterpret_cast<HKEY>(key.native());
}

// A name with a NUL inside would be cut short by the C API and reach another key or value.
bool PassesIntact(const std::string& name) {
    return name.find('\0') == std::string::npos;
}

}  // namespace

Code OpenForQuery(Hive hive, const std::string& keyPath, Key& key) noexcept {
    if (!PassesIntact(keyPath)) {
        return codes::kBadKey;
    }
    HKEY opened = nullptr;
    const LONG code = RegOpenKeyExA(AsHkey(hive), keyPath.c_str(), 0, KEY_QUERY_VALUE, &opened);
    if (code == ERROR_SUCCESS) {
        key = Key(reinterpret_cast<std::intptr_t>(opened));
    }
    return code;
}

Code QueryValue(const Key& key, const std::string& valueName, std::uint8_t* data,
                std::uint32_t& size) noexcept {
    if (!key.IsOpen()) {
        return codes::kInvalidHandle;
    }
    if (!PassesIntact(valueName)) {
        return codes::kInvalidParameter;
    }
    DWORD type = REG_BINARY;  // what comes back is not looked at
    DWORD length = size;
    const LONG code =
        RegQueryValueExA(AsHkey(key), valueName.c_str(), nullptr, &type, data, &length);
    size = length;
    return code;
}

Code CreateForSetting(Hive hive, const std::string& keyPath, Key& key) noexcept {
    if (!PassesIntact(keyPath)) {
        return codes::kBadKey;
    }
    char noClass[] = "";
    SECURITY_ATTRIBUTES security{};  // length 0, no descriptor, not inheritable
    HKEY created = nullptr;
    DWORD disposition = 0;
    const LONG code =
        RegCreateKeyExA(AsHkey(hive), keyPath.c_str(), 0, noClass, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE | KEY_CREATE_SUB_KEY, &security, &created, &disposition);
    if (code == ERROR_SUCCESS) {
        key = Key(reinterpret_cast<std::intptr_t>(created));
    }
    return code;
}

Code SetValue(const Key& key, const std::string& valueName, const std::uint8_t* data,
              std::uint32_t size) noexcept {
    if (!key.IsOpen()) {
        return codes::kInvalidHandle;
    }
    if (!PassesIntact(valueName)) {
        return codes::kInvalidParameter;
    }
    return RegSetValueExA(AsHkey(key), valueName.c_str(), 0, REG_BINARY, data, size);
}

Code Close(Key& key) noexcept {
    if (!key.open_) {
        return codes::kInvalidHandle;
    }
    key.open_ = false;
    return RegCloseKey(AsHkey(key));
}

}  // namespace duplexa::registry
