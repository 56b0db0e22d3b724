#include "window/qt/drop_box.h"

#include <qdrawutil.h>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QTextOption>
#include <QUrl>
#include <utility>

#include "runtime/qt/local_file_path.h"
#include "window/qt/clickable_widget.h"
#include "window/qt/ole_colour.h"

namespace duplexa {
namespace {

constexpr int kBorder = 2;  // the sunken edge of a text box
constexpr int kMargin = 2;  // between the edge and the text

}  // namespace

DropBox::DropBox(QWidget* parent)
    : QWidget(parent), backColour_(kSysWindow), foreColour_(kSysWindowText) {
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
}

void DropBox::SetText(const QString& text) {
    text_ = text;
    update();
}

void DropBox::SetBackColour(OleColour colour) {
    backColour_ = colour;
    update();
}

void DropBox::SetForeColour(OleColour colour) {
    foreColour_ = colour;
    update();
}

void DropBox::SetDropMode(DropMode mode) {
    dropMode_ = mode;
    // Without drops the drag falls through to the window, which takes none: no drop cursor.
    setAcceptDrops(mode == DropMode::Manual);
}

std::vector<std::string> DropBox::LocalFiles(const QMimeData* mime) {
    std::vector<std::string> files;
    if (mime == nullptr || !mime->hasUrls()) {
        return files;
    }
    for (const QUrl& url : mime->urls()) {
        if (std::string path = LocalFilePath(url); !path.empty()) {
            files.push_back(std::move(path));
        }
    }
    return files;
}

bool DropBox::Accepts(const QMimeData* mime) const {
    return dropMode_ == DropMode::Manual && !LocalFiles(mime).empty();
}

void DropBox::dragEnterEvent(QDragEnterEvent* event) {
    if (Accepts(event->mimeData())) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void DropBox::dragMoveEvent(QDragMoveEvent* event) {
    if (Accepts(event->mimeData())) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void DropBox::dropEvent(QDropEvent* event) {
    if (!Accepts(event->mimeData())) {
        event->ignore();
        return;
    }
    // The file manager keeps its files: we only read them.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit filesDropped(LocalFiles(event->mimeData()));
}

void DropBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colours = palette();
    const ColourScheme scheme = CurrentScheme();
    const Rgb back = Resolve(backColour_, scheme);
    painter.fillRect(rect(), ToQColor(back));
    qDrawWinPanel(&painter, rect(), colours, /*sunken=*/true);

    QTextOption layout(Qt::AlignLeft | Qt::AlignTop);
    layout.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);  // long names stay readable
    painter.setPen(ToQColor(ReadableText(foreColour_, back, scheme)));
    painter.setClipRect(rect().adjusted(kBorder, kBorder, -kBorder, -kBorder));
    painter.drawText(QRectF(rect().adjusted(kBorder + kMargin, kBorder + kMargin - 1,
                                            -(kBorder + kMargin), -kBorder)),
                     text_, layout);

    if (hasFocus()) {
        // Keyboard users see which box Enter and Ctrl+V act on.
        painter.setClipping(false);
        PaintFocusMark(painter, rect().adjusted(kBorder, kBorder, -kBorder, -kBorder));
    }
}

}  // namespace duplexa
