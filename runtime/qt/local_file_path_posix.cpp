#include <QByteArray>
#include <QUrl>

#include "runtime/qt/local_file_path.h"

namespace duplexa {

std::string LocalFilePath(const QUrl& url) {
    if (!url.isLocalFile()) {
        return {};
    }
    // Decoding the URL into a QString would turn bytes that are not UTF-8 into replacement
    // characters and so name another file; undo only the percent-encoding.
    QByteArray path = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    if (!url.host().isEmpty()) {
        // As QUrl::toLocalFile spells a file on another host.
        if (!path.startsWith('/')) {
            path.prepend('/');
        }
        path.prepend("//" + url.host(QUrl::FullyEncoded).toLatin1());
    }
    return path.toStdString();
}

}  // namespace duplexa
