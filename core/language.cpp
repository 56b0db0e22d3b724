#include "core/language.h"

namespace duplexa {

std::int32_t currentLanguage = 0;

std::string PickText(std::string_view hu, std::string_view en) {
    return std::string(currentLanguage != 0 ? en : hu);
}

}  // namespace duplexa
