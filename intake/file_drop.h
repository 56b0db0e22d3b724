#pragma once
// Taking a file dropped on one of the two boxes: records its path, shows its name, checks
// that it can be opened and measured, and decides whether Compare may be pressed.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/window_state.h"
#include "intake/drop_view.h"
#include "runtime/file_table.h"

namespace duplexa {

class FileDrop {
  public:
    FileDrop(WindowState& state, DropView& view, FileTable& files)
        : state_(state), view_(view), files_(files) {}

    // The drop event of box index. droppedFiles holds the dropped paths (UTF-8) in the
    // shell's order, or nothing when the drag carried no file list. Only the first path is
    // taken. Never throws: a failure ends the handling where it happened.
    void lblFile_OLEDragDrop(std::int16_t index,
                             const std::optional<std::vector<std::string>>& droppedFiles);

    // True when path opens the way the comparison run opens its files and its length fits the
    // run's 32-bit sizes. Closes what it opened and shows nothing.
    bool CanOpenFile(const std::string& path);

  private:
    void HandleDrop(std::int16_t index,
                    const std::optional<std::vector<std::string>>& droppedFiles);
    void DecideCompare();

    WindowState& state_;
    DropView& view_;
    FileTable& files_;
};

}  // namespace duplexa
