#include "window/qt/result_copy.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

#include "core/language.h"
#include "core/text_catalogue.h"
#include "window/logic/frm_main_logic.h"

namespace duplexa {

ResultCopy::ResultCopy(QWidget& line, const frmMainLogic& handlers)
    : QObject(&line), line_(line), handlers_(handlers) {
    line.installEventFilter(this);
}

bool ResultCopy::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &line_) {
        return false;
    }
    if (event->type() == QEvent::KeyPress &&
        static_cast<const QKeyEvent&>(*event).matches(QKeySequence::Copy)) {
        Copy();
        return true;
    }
    if (event->type() == QEvent::ContextMenu) {
        QMenu menu(&line_);
        menu.setObjectName(QStringLiteral("resultMenu"));
        QAction* copy = menu.addAction(QString::fromStdString(PickText(TXT_COPY.hu, TXT_COPY.en)),
                                       this, &ResultCopy::Copy);
        copy->setEnabled(!handlers_.ResultLineCopy().empty());
        menu.exec(static_cast<const QContextMenuEvent&>(*event).globalPos());
        return true;
    }
    return false;
}

void ResultCopy::Copy() {
    if (const std::string text = handlers_.ResultLineCopy(); !text.empty()) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    }
}

}  // namespace duplexa
