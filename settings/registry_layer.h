#pragma once
// The per-user registry, reduced to the five calls the settings store makes. On Windows these
// are the advapi32 functions; elsewhere a small store of folders and files under the user's
// configuration folder takes their place. One implementation is chosen at compile time.

#include <cstdint>
#include <string>

namespace duplexa::registry {

// A hive handle as the Win32 API passes it, truncated to 32 bits (HKEY_CURRENT_USER is
// 0x80000001, a negative number here).
using Hive = std::int32_t;
// 0 for success; otherwise a Win32 error code.
using Code = std::int32_t;

inline constexpr Hive kCurrentUser = static_cast<Hive>(0x80000001u);

// An open key. Close reports how closing went; a key still open when it goes out of scope is
// closed then, so no path leaks it.
class Key {
  public:
    Key() = default;
    explicit Key(std::intptr_t native) : native_(native), open_(true) {}
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    Key(Key&& other) noexcept;
    Key& operator=(Key&& other) noexcept;
    ~Key();

    bool IsOpen() const { return open_; }
    // A registry HKEY on Windows, a folder descriptor elsewhere.
    std::intptr_t native() const { return native_; }

  private:
    friend Code Close(Key& key) noexcept;

    std::intptr_t native_ = 0;
    bool open_ = false;
};

// RegOpenKeyExA with options 0 and KEY_QUERY_VALUE: opens an existing key for reading values.
Code OpenForQuery(Hive hive, const std::string& keyPath, Key& key) noexcept;

// RegQueryValueExA asking for REG_BINARY: copies at most size bytes of the value into data and
// sets size to the number copied; a value longer than size fails and copies nothing.
Code QueryValue(const Key& key, const std::string& valueName, std::uint8_t* data,
                std::uint32_t& size) noexcept;

// RegCreateKeyExA with an empty class, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE | KEY_CREATE_SUB_KEY
// and zeroed security attributes: opens the key, creating every missing key on its path.
Code CreateForSetting(Hive hive, const std::string& keyPath, Key& key) noexcept;

// RegSetValueExA with REG_BINARY: stores or replaces the value.
Code SetValue(const Key& key, const std::string& valueName, const std::uint8_t* data,
              std::uint32_t size) noexcept;

// RegCloseKey. The key counts as closed afterwards, whatever the code.
Code Close(Key& key) noexcept;

}  // namespace duplexa::registry
