#pragma once
// Reading and writing one 2-byte registry value. The registry calls come from Registry, the
// platform's layer in the program and a scripted stand-in in tests, so the order of the calls
// and which code wins can be checked without a registry.

#include <array>
#include <cstdint>
#include <string>

#include "settings/registry_layer.h"

namespace duplexa::registry {

// The code when no registry call was made.
inline constexpr Code kNoRegistryCall = 99;

// The stored bytes of a value: least significant first, as the registry keeps them.
inline std::array<std::uint8_t, 4> LittleEndianBytes(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    return {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
            static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
}

inline std::int32_t FromLittleEndian(const std::array<std::uint8_t, 4>& bytes) {
    const std::uint32_t bits = std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 |
                               std::uint32_t{bytes[2]} << 16 | std::uint32_t{bytes[3]} << 24;
    return static_cast<std::int32_t>(bits);
}

// A failure of the function's own work ends it at once. It never counts as success, even when
// it comes after a successful call, and a key already open is still closed.
inline Code CutShort(Code held) {
    return held != 0 ? held : kNoRegistryCall;
}

// Reads up to 2 bytes into the low bytes of value, which starts as the default.
template <class Registry>
Code ReadWordVia(Registry& registry, Hive hive, const std::string& keyPath,
                 const std::string& valueName, std::int32_t defaultValue,
                 std::int32_t& value) noexcept {
    Code code = kNoRegistryCall;
    value = defaultValue;
    try {
        if (hive == 0) {
            return code;
        }
        typename Registry::Key key;
        code = registry.OpenForQuery(hive, keyPath, key);
        if (code != 0) {
            return code;
        }
        auto data = LittleEndianBytes(defaultValue);
        std::uint32_t size = 2;
        code = registry.QueryValue(key, valueName, data.data(), size);
        value = FromLittleEndian(data);
        const Code closed = registry.Close(key);
        if (code == 0) {
            code = closed;
        }
        return code;
    } catch (...) {
        return CutShort(code);
    }
}

// Stores the two low bytes of value, least significant first; higher bits are dropped.
template <class Registry>
Code WriteWordVia(Registry& registry, Hive hive, const std::string& keyPath,
                  const std::string& valueName, std::int32_t value) noexcept {
    Code code = kNoRegistryCall;
    try {
        if (hive == 0) {
            return code;
        }
        typename Registry::Key key;
        code = registry.CreateForSetting(hive, keyPath, key);
        if (code != 0) {
            return code;
        }
        const auto data = LittleEndianBytes(value);
        code = registry.SetValue(key, valueName, data.data(), 2);
        const Code closed = registry.Close(key);
        if (code == 0) {
            code = closed;
        }
        return code;
    } catch (...) {
        return CutShort(code);
    }
}

}  // namespace duplexa::registry
