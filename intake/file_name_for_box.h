#pragma once
// The part of a dropped path that a drop box shows: the file name without its folders.

#include <string>
#include <string_view>

namespace duplexa {

// The character that separates folders in the paths the desktop shell hands over.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// Whether spaces around a dropped path are padding to trim. Windows names cannot carry them;
// elsewhere a space is a legal first and last character, and trimming would name another file.
#ifdef _WIN32
inline constexpr bool kTrimDroppedPaths = true;
#else
inline constexpr bool kTrimDroppedPaths = false;
#endif

// Everything after the last separator: the whole path when there is none, nothing when the
// path ends with one. Any other character, the other platform's separator included, is part
// of the name.
std::string FileNameForBox(std::string_view path, char separator);

}  // namespace duplexa
