#pragma once
// The settings store: the language and named 2-byte settings, kept per user under the maker
// key of the current user's registry hive. Nothing is kept between calls; every call opens
// the key it needs and closes it again. Failures come back as codes, never as exceptions.

#include <cstdint>
#include <string>

#include "settings/registry_layer.h"

namespace duplexa::modRegistryCommon {

using registry::Hive;

inline constexpr Hive kHkeyCurrentUser = registry::kCurrentUser;
inline constexpr char kMakerKey[] = "Software\\Veltrimo";
inline constexpr char kLanguageValue[] = "Language";

// Reads up to 2 bytes of a value into the low bytes of value, which first holds the default in
// all four bytes. 0 on success, else the failing call's code, or 99 when hive is 0.
std::int32_t RegReadWord(Hive hive, const std::string& keyPath, const std::string& valueName,
                         std::int32_t defaultValue, std::int32_t& value) noexcept;

// Stores the two low bytes of value as REG_BINARY, creating missing keys. 0 on success, else
// the failing call's code, or 99 when hive is 0.
std::int32_t RegWriteWord(Hive hive, const std::string& keyPath, const std::string& valueName,
                          std::int32_t value) noexcept;

// True when the language number was stored.
bool SaveLanguage(std::int32_t language) noexcept;

// The stored language number, or 1 (English) when it cannot be read.
std::int32_t LoadLanguage() noexcept;

// The number stored under the maker key's section, or defaultValue when it cannot be read.
std::int32_t ReadSetting(const std::string& section, const std::string& valueName,
                         std::int32_t defaultValue) noexcept;

std::int32_t WriteSetting(const std::string& section, const std::string& valueName,
                          std::int32_t value) noexcept;

// value raised to low, then lowered to high; so high wins when low > high.
std::int32_t ClampValue(std::int32_t low, std::int32_t high, std::int32_t value) noexcept;

// The same four calls below another maker key, so tests on a real registry keep to a key of
// their own.
bool SaveLanguageAt(const std::string& makerKey, std::int32_t language) noexcept;
std::int32_t LoadLanguageAt(const std::string& makerKey) noexcept;
std::int32_t ReadSettingAt(const std::string& makerKey, const std::string& section,
                           const std::string& valueName, std::int32_t defaultValue) noexcept;
std::int32_t WriteSettingAt(const std::string& makerKey, const std::string& section,
                            const std::string& valueName, std::int32_t value) noexcept;

}  // namespace duplexa::modRegistryCommon
