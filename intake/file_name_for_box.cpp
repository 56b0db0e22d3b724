#include "intake/file_name_for_box.h"

namespace duplexa {

std::string FileNameForBox(std::string_view path, char separator) {
    const auto last = path.rfind(separator);
    return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

}  // namespace duplexa
