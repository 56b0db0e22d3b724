// Writes pictures of the window in its typical states, rendered off screen:
//   duplexa-screenshots OUTPUT_FOLDER

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "support/qt/synthetic_drop.h"
#include "window/qt/caption_button.h"
#include "window/qt/drop_box.h"
#include "window/qt/frm_main.h"

namespace {

using duplexa::Control;
using duplexa::frmMain;

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    }
    return path;
}

QByteArray Pattern(int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 131 + 7) & 0xFF);
    }
    return bytes;
}

// The desktop's colours in a dark scheme (as GTK's Adwaita dark gives them) and in a
// high-contrast one (white on black, yellow links, as Windows' High Contrast Black).
QPalette Scheme(QColor window, QColor base, QColor text, QColor shadow, QColor highlight,
                QColor link) {
    QPalette palette(text, window, window.lighter(130), shadow, shadow, text, text, base, window);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, base.lightness() < 128 ? Qt::black : Qt::white);
    palette.setColor(QPalette::Link, link);
    palette.setColor(QPalette::Disabled, QPalette::Text, shadow.lighter(200));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, shadow.lighter(200));
    return palette;
}

class Shooter {
  public:
    explicit Shooter(QString folder) : folder_(std::move(folder)) {}

    void SetFolder(const QString& folder) {
        folder_ = folder;
        QDir().mkpath(folder_);
    }

    // A fresh window after a first start (English, stacked), handed to prepare, then saved as
    // name.png. prepare may save the picture itself while the window is busy; then it returns
    // false. Each window keeps its settings in a folder of its own, so neither the user's
    // settings nor an earlier picture's choices reach it.
    void Shoot(const QString& name, const std::function<bool(frmMain&)>& prepare) {
        const QTemporaryDir settings;
        qputenv("XDG_CONFIG_HOME", settings.filePath(QStringLiteral("config")).toLocal8Bit());
        frmMain form;
        form.Form_Load();
        form.ShowCentred();
        if (prepare(form)) {
            Save(form, name);
        }
        form.close();
    }

    void Save(frmMain& form, const QString& name) {
        QApplication::processEvents();
        const QString path = QDir(folder_).filePath(name + QStringLiteral(".png"));
        if (!form.grab().save(path)) {
            std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
            ok_ = false;
            return;
        }
        std::printf("%s\n", qPrintable(path));
    }

    bool ok() const { return ok_; }

  private:
    QString folder_;
    bool ok_ = true;
};

void Drop(frmMain& form, int box, const QString& path) {
    duplexa::DropFiles(form.Box(box), {path});
}

// Hungarian, as Space on the Hungarian flag chooses it.
void SwitchToHungarian(frmMain& form) {
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(&form.control(Control::imgLangHUN), &space);
}

// The pointer moved onto a control.
void PointAt(frmMain& form, Control control) {
    QWidget& target = form.control(control);
    const QPointF inside(2, 2);
    QMouseEvent move(QEvent::MouseMove, inside, target.mapToGlobal(inside), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &move);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QDir().mkpath(QString::fromLocal8Bit(argv[1]));

    QTemporaryDir dir;
    const QByteArray pattern = Pattern(3000);
    QByteArray changed = pattern;
    for (int i = 0; i < 12; ++i) {
        changed[i * 200] = static_cast<char>(~changed[i * 200]);
    }
    const QString first = WriteFile(dir, QStringLiteral("report-2023.pdf"), pattern);
    const QString copy = WriteFile(dir, QStringLiteral("report-2023 (copy).pdf"), pattern);
    const QString edited = WriteFile(dir, QStringLiteral("report-2023 edited.pdf"), changed);
    const QString shorter =
        WriteFile(dir, QStringLiteral("report-2023 draft.pdf"), pattern.left(2000));
    const QString big1 =
        WriteFile(dir, QStringLiteral("disk-image-a.iso"), QByteArray(64 << 20, 'x'));
    const QString big2 =
        WriteFile(dir, QStringLiteral("disk-image-b.iso"), QByteArray(64 << 20, 'x'));
    const QString folder = dir.filePath(QStringLiteral("photos"));
    QDir().mkpath(folder);

    const QString out = QString::fromLocal8Bit(argv[1]);
    Shooter shooter{out};
    const auto compare = [](frmMain& form) {
        form.control<QPushButton>(Control::comCompare).click();
    };

    // Every state but the progress, which looks alike in every scheme, also in a dark and in a
    // high-contrast scheme.
    const auto shootStates = [&] {
        shooter.Shoot(QStringLiteral("1-start"), [](frmMain&) { return true; });
        // Two drops, and a press of Compare where the verdict is the picture.
        const struct {
            QString name;
            const QString* second;
            bool compared;
        } pairs[] = {
            {QStringLiteral("2-dropped"), &copy, false},
            {QStringLiteral("3-identical"), &copy, true},
            {QStringLiteral("4-different"), &edited, true},
            {QStringLiteral("5-size-differs"), &shorter, true},
            {QStringLiteral("6-same-file"), &first, false},
            {QStringLiteral("7-unusable"), &folder, false},
        };
        for (const auto& pair : pairs) {
            shooter.Shoot(pair.name, [&](frmMain& form) {
                Drop(form, 0, first);
                Drop(form, 1, *pair.second);
                if (pair.compared) {
                    compare(form);
                }
                return true;
            });
        }
        shooter.Shoot(QStringLiteral("9-side-by-side"), [&](frmMain& form) {
            form.control<QPushButton>(Control::cmdOrder1).click();
            Drop(form, 0, first);
            Drop(form, 1, edited);
            compare(form);
            return true;
        });
        shooter.Shoot(QStringLiteral("10-hungarian"), [&](frmMain& form) {
            SwitchToHungarian(form);
            Drop(form, 0, first);
            Drop(form, 1, edited);
            compare(form);
            PointAt(form, Control::imgLangHUN);
            return true;
        });
        shooter.Shoot(QStringLiteral("11-hungarian-side-by-side"), [&](frmMain& form) {
            SwitchToHungarian(form);
            form.control<QPushButton>(Control::cmdOrder1).click();
            Drop(form, 0, first);
            PointAt(form, Control::lblHomepage);
            return true;
        });
        shooter.Shoot(QStringLiteral("12-keyboard-focus"), [&](frmMain& form) {
            QApplication::setActiveWindow(&form);
            form.Box(0).setFocus(Qt::TabFocusReason);
            return true;
        });
    };
    shootStates();
    const QPalette light = QApplication::palette();
    QApplication::setPalette(Scheme(QColor(0x35, 0x35, 0x35), QColor(0x2d, 0x2d, 0x2d),
                                    QColor(0xee, 0xee, 0xec), QColor(0x1b, 0x1b, 0x1b),
                                    QColor(0x15, 0x53, 0x9e), QColor(0x35, 0x84, 0xe4)));
    shooter.SetFolder(QDir(out).filePath(QStringLiteral("dark")));
    shootStates();
    QApplication::setPalette(Scheme(Qt::black, Qt::black, Qt::white, QColor(0x80, 0x80, 0x80),
                                    QColor(0x1a, 0xeb, 0xff), Qt::yellow));
    shooter.SetFolder(QDir(out).filePath(QStringLiteral("high-contrast")));
    shootStates();
    QApplication::setPalette(light);
    shooter.SetFolder(out);
    shooter.Shoot(QStringLiteral("8-progress"), [&](frmMain& form) {
        Drop(form, 0, big1);
        Drop(form, 1, big2);
        // Taken during the event-loop turn after a block past the middle of the files.
        QTimer during;
        bool taken = false;
        QObject::connect(&during, &QTimer::timeout, [&] {
            if (!taken && form.state().blockStart > (32 << 20)) {
                taken = true;
                form.FlushResultCaption();
                shooter.Save(form, QStringLiteral("8-progress"));
                form.control<QPushButton>(Control::comCompare).click();  // Stop
            }
        });
        during.start(0);
        compare(form);
        return false;
    });
    return shooter.ok() ? 0 : 1;
}
