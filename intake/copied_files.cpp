#include "intake/copied_files.h"

#include "runtime/local_file_uri.h"

namespace duplexa {
namespace {

std::vector<std::string_view> Lines(std::string_view text) {
    // Some file managers (pcmanfm) end the list with a NUL: a terminator, not part of a name.
    if (!text.empty() && text.back() == '\0') {
        text.remove_suffix(1);
    }
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
