#include "window/qt/box_input.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QTranslator>
#include <QUrl>

#include "core/language.h"
#include "intake/copied_files.h"
#include "runtime/qt/local_file_path.h"
#include "window/logic/frm_main_logic.h"
#include "window/qt/drop_box.h"

namespace duplexa {
namespace {

bool OpensChooser(const QKeyEvent& key) {
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    return mods == Qt::NoModifier && (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter ||
                                      key.key() == Qt::Key_Space);
}

}  // namespace

BoxInput::BoxInput(DropBox& box, int index, frmMainLogic& handlers)
    : QObject(&box), box_(box), index_(index), handlers_(handlers) {
    box.installEventFilter(this);
}

std::vector<std::string> BoxInput::CopiedFiles(const QMimeData* mime) {
    if (mime == nullptr) {
        return {};
    }
    const auto text = [mime](const char* format) {
        return mime->data(QString::fromLatin1(format)).toStdString();
    };
    // GNOME's list also says whether the files were cut; both name the same files.
    if (mime->hasFormat(QStringLiteral("x-special/gnome-copied-files"))) {
        return PathsFromGnomeCopiedFiles(text("x-special/gnome-copied-files"));
    }
    return PathsFromUriList(text("text/uri-list"));
}

bool BoxInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &box_) {
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (OpensChooser(key)) {
            OpenChooser();
            return true;
        }
        if (key.matches(QKeySequence::Paste)) {
            Paste();
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonDblClick &&
        static_cast<const QMouseEvent&>(*event).button() == Qt::LeftButton) {
        OpenChooser();
        return true;
    }
    return false;
}

void BoxInput::OpenChooser() {
    const std::optional<FileChooser> facts = handlers_.ChooserFor(index_);
    if (!facts) {
        QApplication::beep();
        return;
    }
    FollowQtTranslation(currentLanguage == 0);
    // Qt's own chooser rather than the desktop's: it speaks the window's language.
    auto* chooser = new QFileDialog(box_.window(), QString::fromStdString(facts->title));
    chooser->setObjectName(QStringLiteral("chooser"));
    chooser->setOption(QFileDialog::DontUseNativeDialog);
    chooser->setFileMode(QFileDialog::ExistingFile);
    chooser->setNameFilter(QStringLiteral("%1 (*)").arg(QString::fromStdString(facts->allFiles)));
    if (!facts->folder.empty()) {
        chooser->setDirectory(QString::fromStdString(facts->folder));
    }
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    connect(chooser, &QFileDialog::fileSelected, this,
            [this](const QString& path) { Take({LocalFilePath(QUrl::fromLocalFile(path))}); });
    chooser->open();
}

void BoxInput::Paste() {
    Take(CopiedFiles(QGuiApplication::clipboard()->mimeData()));
}

void BoxInput::Take(const std::vector<std::string>& paths) {
    if (!handlers_.lblFile_FilesFromKeyboard(index_, paths)) {
        QApplication::beep();
    }
}

void FollowQtTranslation(bool hungarian) {
    static QTranslator translator;
    static bool installed = false;
    if (hungarian && !installed) {
        installed = translator.load(QStringLiteral("qtbase_hu"),
                                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                    QCoreApplication::installTranslator(&translator);
    } else if (!hungarian && installed) {
        QCoreApplication::removeTranslator(&translator);
        installed = false;
    }
}

}  // namespace duplexa
