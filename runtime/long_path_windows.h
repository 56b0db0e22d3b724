#pragma once
// Windows limits a plain path to 260 characters unless it starts with \\?\, which also turns off
// the system's rewriting of the name: so the path is made full (".", ".." and "/" resolved, as the
// system would) before the prefix goes on.

#include <string>

namespace duplexa::native {

// C:\folder\file becomes \\?\C:\folder\file and \\server\share\file \\?\UNC\server\share\file; a
// relative path is taken from the current folder first. A path that already starts with \\?\ or
// names a device (\\.\, or a name such as NUL) is returned as the system resolves it.
std::wstring ExtendedLengthPath(const std::wstring& path);

}  // namespace duplexa::native
