#include "runtime/local_file_uri.h"

#include <algorithm>
#include <optional>

#include "runtime/host_name.h"

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

// A broken escape, a NUL or an escaped slash would name some other file than the one given: the
// system's calls stop at a NUL, while the name shown and compared goes on past it; an escaped
// slash is a byte of a name, which no name holds, and taken as a separator it names another
// path.
std::optional<std::string> PercentDecoded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\0') {
            return std::nullopt;
        }
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size()) {
            return std::nullopt;
        }
        const auto high = HexDigit(text[i + 1]);
        const auto low = HexDigit(text[i + 2]);
        if (!high || !low) {
            return std::nullopt;
        }
        const char byte = static_cast<char>(*high * 16 + *low);
        if (byte == '\0' || byte == '/') {
            return std::nullopt;
        }
        out += byte;
        i += 2;
    }
    return out;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

}  // namespace

std::string LocalPathOfFileUri(std::string_view uri, std::string_view thisHost) {
    constexpr std::string_view kScheme = "file:";
    if (uri.size() < kScheme.size() || !EqualNoCase(uri.substr(0, kScheme.size()), kScheme)) {
        return {};
    }
    std::string_view rest = uri.substr(kScheme.size());
    if (rest.starts_with("//")) {
        rest.remove_prefix(2);
        const std::size_t slash = rest.find('/');
        if (slash == std::string_view::npos) {
            return {};
        }
        // file://HOST/path is a file of HOST: opened here it would be this machine's /path, or
        // on Windows a share of that machine.
        const std::string_view host = rest.substr(0, slash);
        if (!host.empty() && !EqualNoCase(host, "localhost") &&
            (thisHost.empty() || !EqualNoCase(host, thisHost))) {
            return {};
        }
        rest = rest.substr(slash);
    } else if (!rest.starts_with('/')) {
        // file:/path, with no host part at all, is local too (Java writes addresses so).
        return {};
    }
    // A query or fragment has no place in a local file's address: a # in a name comes as %23,
    // and the file an address into a document names is not guessed by cutting it off.
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

std::string LocalPathOfFileUri(std::string_view uri) {
    return LocalPathOfFileUri(uri, native::HostName());
}

}  // namespace duplexa
