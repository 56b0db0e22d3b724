#pragma once
// The path of a dropped or chosen local file as the file services take it.

#include <string>

class QUrl;

namespace duplexa {

// The path of a file: URL with native separators: on POSIX the file system's own bytes, which
// need not be valid UTF-8 (a file manager percent-encodes them); on Windows UTF-8. Empty when
// the URL names no file of this machine or holds a NUL (see LocalPathOfFileUri).
std::string LocalFilePath(const QUrl& url);

}  // namespace duplexa
