#include "intake/copied_files.h"

#include <algorithm>
#include <optional>

namespace duplexa {
namespace {

std::optional<int> HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return std::nullopt;
}

// A broken escape or an encoded NUL would name some other file than the one copied.
std::optional<std::string> PercentDecoded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size()) {
            return std::nullopt;
        }
        const auto high = HexDigit(text[i + 1]);
        const auto low = HexDigit(text[i + 2]);
        if (!high || !low || (*high == 0 && *low == 0)) {
            return std::nullopt;
        }
        out += static_cast<char>(*high * 16 + *low);
        i += 2;
    }
    return out;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const char c = text[i];
        const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != prefix[i]) {
            return false;
        }
    }
    return true;
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return lines;
}

std::vector<std::string> PathsFromLines(const std::vector<std::string_view>& lines,
                                        std::size_t first) {
    std::vector<std::string> paths;
    for (std::size_t i = first; i < lines.size(); ++i) {
        if (lines[i].empty() || lines[i].front() == '#') {
            continue;
        }
        std::string path = LocalPathOfFileUri(lines[i]);
        if (!path.empty()) {
            paths.push_back(std::move(path));
        }
    }
    return paths;
}

}  // namespace

std::string LocalPathOfFileUri(std::string_view uri) {
    if (!StartsWithNoCase(uri, "file://")) {
        return {};
    }
    std::string_view rest = uri.substr(7);
    const std::size_t slash = rest.find('/');
    if (slash == std::string_view::npos) {
        return {};
    }
    const std::string_view host = rest.substr(0, slash);
    const bool thisMachine =
        host.empty() || (host.size() == 9 && StartsWithNoCase(host, "localhost"));
    if (!thisMachine) {
        return {};
    }
    rest = rest.substr(slash);
    // A query or fragment has no place in a local file's address.
    if (rest.find_first_of("?#") != std::string_view::npos) {
        return {};
    }
    std::optional<std::string> path = PercentDecoded(rest);
    if (!path) {
        return {};
    }
#ifdef _WIN32
    // file:///C:/dir/name is C:\dir\name.
    if (path->size() >= 3 && (*path)[2] == ':') {
        path->erase(0, 1);
        std::replace(path->begin(), path->end(), '/', '\\');
    }
#endif
    return *path;
}

std::vector<std::string> PathsFromUriList(std::string_view uriList) {
    return PathsFromLines(Lines(uriList), 0);
}

std::vector<std::string> PathsFromGnomeCopiedFiles(std::string_view copied) {
    const std::vector<std::string_view> lines = Lines(copied);
    if (lines.empty() || (lines.front() != "copy" && lines.front() != "cut")) {
        return {};
    }
    return PathsFromLines(lines, 1);
}

}  // namespace duplexa
