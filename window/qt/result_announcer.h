#pragma once
// Tells screen readers about the result line's changes, as often as AnnouncePacer allows.
// Qt 6.4 hands readers a changed name or description as the object rather than the text, so
// Orca speaks neither; it does speak a notification that comes into view, and the control that
// takes the focus. So the progress of a run shows as a notification, and the verdict is read
// where the focus lands after the run (the result line), or as a notification when the focus
// is elsewhere; other changes tell the line's new name, as readers that look it up afresh do.

#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include "window/logic/announce_pacer.h"

namespace duplexa {

class Label;

// An empty widget that a reader knows as a notification, named by what it says; it lies in
// the result line, out of the way of the window's own controls.
class Notice final : public QWidget {
    Q_OBJECT

  public:
    explicit Notice(QWidget& line);
    void Say(const QString& text);
};

class ResultAnnouncer {
  public:
    explicit ResultAnnouncer(Label& line);

    // The line shows caption now; running tells whether a run is going on.
    void Landed(const QString& caption, bool running);
    // A run has ended: its verdict is on the line, and detail (where the files differ, or
    // nothing) is heard after it.
    void Settled(const QString& detail);

  private:
    Label& line_;
    Notice notice_;
    // A run's caption is said at the run's next event turn: the verdict lands in the run's last
    // turn and is said once, by Settled().
    QTimer sayNext_;
    QString toSay_;
    AnnouncePacer pacer_;
    QElapsedTimer clock_;
};

}  // namespace duplexa
