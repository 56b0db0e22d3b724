#pragma once
// The handlers speak UTF-8; Windows speaks UTF-16.

#include <string>
#include <string_view>

namespace duplexa::win32 {

std::wstring Widen(std::string_view utf8);
// A name with an unpaired surrogate (possible in NTFS) keeps it as U+FFFD.
std::string Narrow(std::wstring_view wide);

}  // namespace duplexa::win32
