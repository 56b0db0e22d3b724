#include "intake/file_drop.h"

#include "core/show_result.h"
#include "core/text_catalogue.h"
#include "intake/file_name_for_box.h"

namespace duplexa {
namespace {

// The path as the box takes it: spaces only are no path; around one they are trimmed where
// names cannot carry them. Only the space character: a tab or a line break is part of the path.
std::string TakenPath(const std::string& dropped) {
    const auto first = dropped.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    if (!kTrimDroppedPaths) {
        return dropped;
    }
    const auto last = dropped.find_last_not_of(' ');
    return dropped.substr(first, last - first + 1);
}

// Closes one file number when it goes out of scope; a number that is not open is left alone.
class CloseOnExit {
  public:
    CloseOnExit(FileTable& files, int fileNo) : files_(files), fileNo_(fileNo) {}
    CloseOnExit(const CloseOnExit&) = delete;
    CloseOnExit& operator=(const CloseOnExit&) = delete;
    ~CloseOnExit() { files_.Close(fileNo_); }

  private:
    FileTable& files_;
    int fileNo_;
};

}  // namespace

void FileDrop::lblFile_OLEDragDrop(std::int16_t index,
                                   const std::optional<std::vector<std::string>>& droppedFiles) {
    try {
        HandleDrop(index, droppedFiles);
    } catch (...) {
        // Whatever was done before the failure stays; the window gets no message and no
        // exception.
    }
}

void FileDrop::HandleDrop(std::int16_t index,
                          const std::optional<std::vector<std::string>>& droppedFiles) {
    if (!droppedFiles || droppedFiles->empty()) {
        return;  // dragged text or the like: nothing to take
    }
    const std::string& dropped = droppedFiles->front();
    if (dropped.find('\0') != std::string::npos) {
        return;  // no file has such a name: the system would open the part before the NUL
    }
    state_.droppedPath = TakenPath(dropped);
    if (state_.droppedPath.empty()) {
        return;
    }
    if (index != 0 && index != 1) {
        return;
    }
    const int box = index;
    const auto slot = static_cast<std::size_t>(box);
    state_.filePaths[slot] = state_.droppedPath;
    state_.promptShown[slot] = false;

    // A verdict never stays on screen beside a newly dropped file. The result pair is kept,
    // so a language switch still shows the last message.
    view_.SetShapeVisible(Shape::sEqual1, false);
    view_.SetShapeVisible(Shape::sEqual2, false);
    view_.SetShapeBackColour(Shape::sEqual1, kSignGreen);
    view_.SetShapeBackColour(Shape::sEqual2, kSignGreen);
    view_.SetStrikeLineVisible(false);
    view_.SetResultCaption("");
    ShowWhere(state_, view_, std::nullopt);
    view_.SetBoxText(box, FileNameForBox(state_.filePaths[slot], kPathSeparator));

    if (CanOpenFile(state_.droppedPath)) {
        view_.SetBoxBackColour(box, kLightGreen);
        state_.fileUsable[slot] = true;
    } else {
        view_.SetBoxBackColour(box, kRed);
        ShowResult(state_, view_, TXT_DROP_TOO_BIG);
        state_.fileUsable[slot] = false;
    }
    DecideCompare();
}

// Compare is possible only for two different usable paths. Paths are compared exactly as
// dropped: two spellings of one file count as two files.
void FileDrop::DecideCompare() {
    if (state_.filePaths[1] == state_.filePaths[0]) {
        ShowResult(state_, view_, TXT_SAME_FILE);
        view_.SetCompareEnabled(false);
        return;
    }
    view_.SetCompareEnabled(!state_.filePaths[0].empty() && !state_.filePaths[1].empty() &&
                            state_.fileUsable[0] && state_.fileUsable[1]);
}

bool FileDrop::CanOpenFile(const std::string& path) {
    const int fileNo = files_.FreeFile();
    const CloseOnExit closer(files_, fileNo);
    try {
        // The run's own open and length query, so a file that passes here opens there too.
        return files_.Open(fileNo, path) && files_.Length(fileNo).has_value();
    } catch (...) {
        return false;
    }
}

}  // namespace duplexa
