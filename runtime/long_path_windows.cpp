#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "runtime/long_path_windows.h"

namespace duplexa::native {

std::wstring ExtendedLengthPath(const std::wstring& path) {
    if (path.starts_with(LR"(\\?\)")) {
        return path;
    }
    const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) {
        return path;
    }
    std::wstring full(needed, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed) {
        return path;
    }
    full.resize(length);
    if (full.size() >= 3 && full[1] == L':' && full[2] == L'\\') {
        return LR"(\\?\)" + full;
    }
    if (full.starts_with(LR"(\\)") && !full.starts_with(LR"(\\.\)") &&
        !full.starts_with(LR"(\\?\)")) {
        return LR"(\\?\UNC\)" + full.substr(2);
    }
    return full;
}

}  // namespace duplexa::native
