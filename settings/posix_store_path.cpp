#include "settings/posix_store_path.h"

namespace duplexa::registry::posix_store {
namespace {

std::optional<std::string> Absolute(const char* path) {
    if (path == nullptr || path[0] != '/') {
        return std::nullopt;
    }
    return std::string(path);
}

}  // namespace

std::optional<std::string> ConfigRoot(const char* xdgConfigHome, const char* home) {
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the XDG base directory rules say.
    if (auto root = Absolute(xdgConfigHome)) {
        return root;
    }
    if (auto base = Absolute(home)) {
        return *base + "/.config";
    }
    return std::nullopt;
}

bool IsStoreName(std::string_view name) {
    return !name.empty() && name.front() != kHiddenPrefix &&
           name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

std::optional<std::vector<std::string>> KeyFolders(std::string_view keyPath) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = keyPath.find('\\', start);
        parts.emplace_back(
            keyPath.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    if (parts.size() < 2 || parts.front() != kTopKey) {
        return std::nullopt;
    }
    parts.erase(parts.begin());
    for (const auto& part : parts) {
        if (!IsStoreName(part)) {
            return std::nullopt;
        }
    }
    return parts;
}

}  // namespace duplexa::registry::posix_store
