#include "runtime/qt/local_file_path.h"

#include <QByteArray>
#include <QUrl>

#include "runtime/local_file_uri.h"

namespace duplexa {

std::string LocalFilePath(const QUrl& url) {
    // The encoded address, read as a paste reads the clipboard's: the same hosts count, and
    // bytes that are not UTF-8 stay the file system's own (a QString would turn them into
    // replacement characters and so name another file).
    const QByteArray encoded = url.toEncoded();
    return LocalPathOfFileUri(
        std::string_view(encoded.constData(), static_cast<std::size_t>(encoded.size())));
}

}  // namespace duplexa
