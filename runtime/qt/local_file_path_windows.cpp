#include <QDir>
#include <QUrl>

#include "runtime/qt/local_file_path.h"

namespace duplexa {

std::string LocalFilePath(const QUrl& url) {
    // Windows names are UTF-16, which the URL's UTF-8 carries whole.
    return url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()).toStdString()
                             : std::string();
}

}  // namespace duplexa
