#include "settings/registry_common.h"

#include "settings/registry_word.h"

namespace duplexa::modRegistryCommon {
namespace {

// The platform's registry calls, in the shape ReadWordVia and WriteWordVia expect.
struct PlatformRegistry {
    using Key = registry::Key;

    registry::Code OpenForQuery(Hive hive, const std::string& keyPath, Key& key) {
        return registry::OpenForQuery(hive, keyPath, key);
    }
    registry::Code QueryValue(const Key& key, const std::string& valueName, std::uint8_t* data,
                              std::uint32_t& size) {
        return registry::QueryValue(key, valueName, data, size);
    }
    registry::Code CreateForSetting(Hive hive, const std::string& keyPath, Key& key) {
        return registry::CreateForSetting(hive, keyPath, key);
    }
    registry::Code SetValue(const Key& key, const std::string& valueName, const std::uint8_t* data,
                            std::uint32_t size) {
        return registry::SetValue(key, valueName, data, size);
    }
    registry::Code Close(Key& key) { return registry::Close(key); }
};

// A section is a key directly below the maker key.
std::string SectionKey(const std::string& makerKey, const std::string& section) {
    return makerKey + "\\" + section;
}

}  // namespace

std::int32_t RegReadWord(Hive hive, const std::string& keyPath, const std::string& valueName,
                         std::int32_t defaultValue, std::int32_t& value) noexcept {
    PlatformRegistry platform;
    return registry::ReadWordVia(platform, hive, keyPath, valueName, defaultValue, value);
}

std::int32_t RegWriteWord(Hive hive, const std::string& keyPath, const std::string& valueName,
                          std::int32_t value) noexcept {
    PlatformRegistry platform;
    return registry::WriteWordVia(platform, hive, keyPath, valueName, value);
}

// Building the key's name as a string can only fail for want of memory; each call then ends
// with its fallback.

bool SaveLanguage(std::int32_t language) noexcept {
    try {
        return SaveLanguageAt(kMakerKey, language);
    } catch (...) {
        return false;
    }
}

std::int32_t LoadLanguage() noexcept {
    try {
        return LoadLanguageAt(kMakerKey);
    } catch (...) {
        return 1;
    }
}

std::int32_t ReadSetting(const std::string& section, const std::string& valueName,
                         std::int32_t defaultValue) noexcept {
    try {
        return ReadSettingAt(kMakerKey, section, valueName, defaultValue);
    } catch (...) {
        return defaultValue;
    }
}

std::int32_t WriteSetting(const std::string& section, const std::string& valueName,
                          std::int32_t value) noexcept {
    try {
        return WriteSettingAt(kMakerKey, section, valueName, value);
    } catch (...) {
        return registry::kNoRegistryCall;
    }
}

std::int32_t ClampValue(std::int32_t low, std::int32_t high, std::int32_t value) noexcept {
    std::int32_t result = value;
    if (result < low) {
        result = low;
    }
    if (result > high) {
        result = high;
    }
    return result;
}

bool SaveLanguageAt(const std::string& makerKey, std::int32_t language) noexcept {
    try {
        return RegWriteWord(kHkeyCurrentUser, makerKey, kLanguageValue, language) == 0;
    } catch (...) {
        return false;
    }
}

std::int32_t LoadLanguageAt(const std::string& makerKey) noexcept {
    try {
        std::int32_t language = 0;
        // The default 0 never reaches the caller: a failed read means English.
        if (RegReadWord(kHkeyCurrentUser, makerKey, kLanguageValue, 0, language) != 0) {
            return 1;
        }
        return language;
    } catch (...) {
        return 1;
    }
}

std::int32_t ReadSettingAt(const std::string& makerKey, const std::string& section,
                           const std::string& valueName, std::int32_t defaultValue) noexcept {
    try {
        std::int32_t value = 0;
        if (RegReadWord(kHkeyCurrentUser, SectionKey(makerKey, section), valueName, defaultValue,
                        value) != 0) {
            return defaultValue;
        }
        return value;
    } catch (...) {
        return defaultValue;
    }
}

std::int32_t WriteSettingAt(const std::string& makerKey, const std::string& section,
                            const std::string& valueName, std::int32_t value) noexcept {
    try {
        return RegWriteWord(kHkeyCurrentUser, SectionKey(makerKey, section), valueName, value);
    } catch (...) {
        return registry::kNoRegistryCall;
    }
}

}  // namespace duplexa::modRegistryCommon
