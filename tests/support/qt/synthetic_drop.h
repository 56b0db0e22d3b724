#pragma once
// Delivers a drag and a drop to a widget the way a file manager's drag arrives, through real
// drag-and-drop events, for the benchmark, the screenshots and the tests.

#include <QStringList>

class QMimeData;
class QWidget;

namespace duplexa {

struct SyntheticDropResult {
    bool enterAccepted = false;  // the widget showed a drop cursor
    bool dropAccepted = false;
};

// A drag of local files, as text/uri-list.
SyntheticDropResult DropFiles(QWidget& target, const QStringList& paths);
// A drag of any data.
SyntheticDropResult DropData(QWidget& target, QMimeData& data);

}  // namespace duplexa
