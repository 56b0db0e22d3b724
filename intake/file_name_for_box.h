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

// Everything after the last separator: the whole path when there is none, nothing when the
// path ends with one. Any other character, the other platform's separator included, is part
// of the name.
std::string FileNameForBox(std::string_view path, char separator);

}  // namespace duplexa
