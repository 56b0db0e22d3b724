#pragma once
// Copy on the result line: Ctrl+C while it has the focus, or its context menu's one entry, puts
// what the line tells on the clipboard as plain text.

#include <QObject>

class QWidget;

namespace duplexa {

class frmMainLogic;

class ResultCopy final : public QObject {
    Q_OBJECT

  public:
    ResultCopy(QWidget& line, const frmMainLogic& handlers);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Copy();

    QWidget& line_;
    const frmMainLogic& handlers_;
};

}  // namespace duplexa
