#include "support/qt/synthetic_drop.h"

#include <QApplication>
#include <QDropEvent>
#include <QList>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace duplexa {

SyntheticDropResult DropFiles(QWidget& target, const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths) {
        urls.append(QUrl::fromLocalFile(path));
    }
    data.setUrls(urls);
    return DropData(target, data);
}

SyntheticDropResult DropData(QWidget& target, QMimeData& data) {
    const QPointF centre = QRectF(target.rect()).center();
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    SyntheticDropResult result;

    QDragEnterEvent enter(centre.toPoint(), actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    result.enterAccepted = enter.isAccepted();
    if (!result.enterAccepted) {
        QDragLeaveEvent leave;
        QApplication::sendEvent(&target, &leave);
        return result;
    }
    QDropEvent drop(centre, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
    result.dropAccepted = drop.isAccepted();
    return result;
}

}  // namespace duplexa
