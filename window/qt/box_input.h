#pragma once
// A file for a box without a mouse drag: Enter, Space or a double-click opens a file chooser,
// Ctrl+V or Shift+Insert takes files copied in a file manager. Either hands its files to the
// box as a drop would, so the same handler checks them; neither works while the handlers take
// no files (during a run).

#include <QObject>
#include <string>
#include <vector>

class QMimeData;

namespace duplexa {

class DropBox;
class frmMainLogic;

class BoxInput final : public QObject {
    Q_OBJECT

  public:
    // Watches box number index (0 or 1) and hands its files to handlers.
    BoxInput(DropBox& box, int index, frmMainLogic& handlers);

    // The local files a clipboard's contents name, in order, as the file services take them.
    static std::vector<std::string> CopiedFiles(const QMimeData* mime);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OpenChooser();
    void Paste();
    void Take(const std::vector<std::string>& paths);

    DropBox& box_;
    int index_;
    frmMainLogic& handlers_;
};

// Loads Qt's own translations of its dialogs for Hungarian, and drops them for English.
void FollowQtTranslation(bool hungarian);

}  // namespace duplexa
