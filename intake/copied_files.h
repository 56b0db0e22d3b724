#pragma once
// The files a file manager put on the clipboard, read from the clipboard's text. Only local
// files count: other hosts, web addresses and malformed entries are skipped.

#include <string>
#include <string_view>
#include <vector>

namespace duplexa {

// text/uri-list: one address a line, lines starting with '#' are comments.
std::vector<std::string> PathsFromUriList(std::string_view uriList);

// GNOME's x-special/gnome-copied-files: "copy" or "cut" on the first line, then addresses.
std::vector<std::string> PathsFromGnomeCopiedFiles(std::string_view copied);

// The path of one file:// address, percent-decoded to the file system's own bytes (which need
// not be UTF-8), with native separators; empty when it is not a local file.
std::string LocalPathOfFileUri(std::string_view uri);

}  // namespace duplexa
