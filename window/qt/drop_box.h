#pragma once
// A read-only text box that takes file lists dragged from a file manager. It accepts a drag
// only while its drop mode is Manual and only when the drag carries at least one local file;
// it never takes dragged text into itself, and the user cannot type into it.

#include <QString>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "core/colours.h"
#include "core/diff_where.h"
#include "core/run_view.h"
#include "window/logic/difference_strip.h"
#include "window/logic/scheme_colours.h"

class QMimeData;
class QPainter;

namespace duplexa {

class DropBox final : public QWidget {
    Q_OBJECT

  public:
    explicit DropBox(QWidget* parent = nullptr);

    const QString& text() const { return text_; }
    void SetText(const QString& text);
    OleColour backColour() const { return backColour_; }
    void SetBackColour(OleColour colour);
    OleColour foreColour() const { return foreColour_; }
    void SetForeColour(OleColour colour);

    // The map of where the compared files differ, along one inner edge; none while null.
    void SetMap(const DiffCells* cells);
    void SetMapEdge(MapEdge edge);

    DropMode dropMode() const { return dropMode_; }
    void SetDropMode(DropMode mode);

    // The local files of a drag in their dropped order, as the file services take them
    // (runtime/qt/local_file_path.h); empty when the drag carries no local file (text, web
    // addresses).
    static std::vector<std::string> LocalFiles(const QMimeData* mime);

  signals:
    // A drop was accepted; the list holds at least one path.
    void filesDropped(const std::vector<std::string>& paths);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    bool Accepts(const QMimeData* mime) const;
    void PaintMap(QPainter& painter, const QRect& inner, Rgb back) const;

    QString text_;
    OleColour backColour_;
    OleColour foreColour_;
    DropMode dropMode_ = DropMode::Manual;
    std::optional<DiffCells> map_;
    MapEdge mapEdge_ = MapEdge::Bottom;
};

}  // namespace duplexa
