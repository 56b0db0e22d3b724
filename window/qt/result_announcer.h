#pragma once
// Tells screen readers about the result line's changes, as often as AnnouncePacer allows.

#include <QElapsedTimer>
#include <QString>

#include "window/logic/announce_pacer.h"

namespace duplexa {

class Label;

class ResultAnnouncer {
  public:
    explicit ResultAnnouncer(Label& line);

    // The line shows caption now; running tells whether a run is going on.
    void Landed(const QString& caption, bool running);
    // A run has ended: its verdict is on the line.
    void Settled();

  private:
    void Announce();

    Label& line_;
    AnnouncePacer pacer_;
    QElapsedTimer clock_;
};

}  // namespace duplexa
