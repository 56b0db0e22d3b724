#pragma once
// The files a file manager put on the clipboard, read from the clipboard's text. Each entry is
// read by LocalPathOfFileUri, as a dragged address is: only local files count; other hosts, web
// addresses and malformed entries are skipped.

#include <string>
#include <string_view>
#include <vector>

namespace duplexa {

// text/uri-list: one address a line, lines starting with '#' are comments.
std::vector<std::string> PathsFromUriList(std::string_view uriList);

// GNOME's x-special/gnome-copied-files: "copy" or "cut" on the first line, then addresses.
std::vector<std::string> PathsFromGnomeCopiedFiles(std::string_view copied);

}  // namespace duplexa
