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

void DropBox::SetMap(const DiffCells* cells) {
    map_ = cells != nullptr ? std::optional(*cells) : std::nullopt;
    update();
}

void DropBox::SetMapEdge(MapEdge edge) {
    mapEdge_ = edge;
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
    const QRect inner = rect().adjusted(kBorder, kBorder, -kBorder, -kBorder);
    QRect textArea = inner;
    if (map_) {
        // The name keeps clear of the map.
        const PixelRect beside =
            BesideMapStrip(mapEdge_, {inner.x(), inner.y(), inner.width(), inner.height()},
                           kMapStripDepth, kMapStripGap);
        textArea = QRect(beside.left, beside.top, beside.width, beside.height);
    }
    painter.setClipRect(textArea);
    painter.drawText(QRectF(textArea.adjusted(kMargin, kMargin - 1, -kMargin, 0)), text_, layout);
    painter.setClipping(false);
    if (map_) {
        PaintMap(painter, inner, back);
    }

    if (hasFocus()) {
        // Keyboard users see which box Enter and Ctrl+V act on.
        PaintFocusMark(painter, rect().adjusted(kBorder, kBorder, -kBorder, -kBorder));
    }
}

// In device pixels, so that one differing cell shows as at least one pixel at any scaling.
void DropBox::PaintMap(QPainter& painter, const QRect& inner, Rgb back) const {
    const qreal ratio = devicePixelRatioF();
    const auto device = [ratio](int logical) { return qRound(logical * ratio); };
    const PixelRect innerDevice{device(inner.x()), device(inner.y()),
                                device(inner.x() + inner.width()) - device(inner.x()),
                                device(inner.y() + inner.height()) - device(inner.y())};
    painter.save();
    painter.scale(1 / ratio, 1 / ratio);
    const QColor colour = ToQColor(MapMarkColour(back, CurrentScheme()));
    for (const PixelRect& mark : MapMarks(mapEdge_, innerDevice, device(kMapStripDepth), *map_)) {
        painter.fillRect(QRect(mark.left, mark.top, mark.width, mark.height), colour);
    }
    painter.restore();
}

}  // namespace duplexa
