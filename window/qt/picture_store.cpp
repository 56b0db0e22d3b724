#include "window/qt/picture_store.h"

#include <QFile>

// Resources compiled into a static library need their initialiser pulled in by name.
static void InitPictureResources() {
    Q_INIT_RESOURCE(pictures);
}

namespace duplexa {
namespace {

QString PicturePath(const QString& name) {
    static const bool initialised = (InitPictureResources(), true);
    (void)initialised;
    return QStringLiteral(":/pictures/") + name;
}

}  // namespace

QPixmap LoadPicture(const QString& name) {
    return QPixmap(PicturePath(name));
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const char* name : {"icon16.png", "icon32.png", "icon48.png", "icon256.png"}) {
        const QString path = PicturePath(QString::fromLatin1(name));
        if (QFile::exists(path)) {
            icon.addFile(path);
        }
    }
    return icon;
}

}  // namespace duplexa
