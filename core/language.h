#pragma once
// The language in force for the whole program: 0 Hungarian, anything else English.

#include <cstdint>
#include <string>
#include <string_view>

namespace duplexa {

extern std::int32_t currentLanguage;

// The text of the language in force, read afresh at every call.
std::string PickText(std::string_view hu, std::string_view en);

}  // namespace duplexa
