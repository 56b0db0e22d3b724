#pragma once
// The program speaks UTF-8; Windows speaks UTF-16.

#include <string>
#include <string_view>

namespace duplexa {

// Text that is not UTF-8 gives an empty string: a path is never guessed, where a guess could
// name another file, and every text the window shows is UTF-8 already.
std::wstring Widen(std::string_view utf8);
// A name with an unpaired surrogate (possible in NTFS) keeps it as U+FFFD.
std::string Narrow(std::wstring_view wide);

}  // namespace duplexa
