#pragma once
// The path of a file:// address, the one reading of an address that a dragged or copied file
// list gives, whatever brought it: a drop, the clipboard.

#include <string>
#include <string_view>

namespace duplexa {

// The path of one file:// (or file:/) address, percent-decoded to the file system's own bytes
// (which need not be UTF-8), with native separators. Only files of this machine count: no host,
// "localhost" or thisHost (any letter case). Empty for anything else: another host, a query or
// fragment, a broken escape, or a NUL byte, raw or encoded, or an encoded slash, which would
// name some other file.
std::string LocalPathOfFileUri(std::string_view uri, std::string_view thisHost);

// The same with this machine's own host name.
std::string LocalPathOfFileUri(std::string_view uri);

}  // namespace duplexa
