#pragma once
// Where the settings store keeps keys and values outside Windows, and which names it accepts.
//
// The root is the user's configuration folder: $XDG_CONFIG_HOME, or $HOME/.config when that is
// unset, empty or not absolute. The key "Software" is the root itself; every key below it is a
// folder, and every value a file in its key's folder holding the value's raw bytes:
//   Software\Veltrimo             -> <root>/Veltrimo/
//   Software\Veltrimo, "Language" -> <root>/Veltrimo/Language
//   Software\Veltrimo\Kitrune     -> <root>/Veltrimo/Kitrune/

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace duplexa::registry::posix_store {

// The top key of every path; it stands for the root folder.
inline constexpr std::string_view kTopKey = "Software";
// Temporary files start with this; names that do are refused, so no value can be one.
inline constexpr char kHiddenPrefix = '.';

// Empty when neither variable gives an absolute path. The arguments are the raw variables
// (null when unset).
std::optional<std::string> ConfigRoot(const char* xdgConfigHome, const char* home);

// A name that stays one entry in its folder: not empty, no "/" or NUL, not starting with a
// dot (which also refuses "." and "..").
bool IsStoreName(std::string_view name);

// The folders below the root for a backslash-separated key path, or empty when the path is
// refused: it must be "Software" followed by at least one key, every key a store name. The
// root itself holds no values, so the store never writes among other programs' files.
std::optional<std::vector<std::string>> KeyFolders(std::string_view keyPath);

}  // namespace duplexa::registry::posix_store
