// A dragged address turned into a path and dropped on a box, as a drag from any program
// delivers it.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/window_state.h"
#include "intake/drop_view.h"
#include "intake/file_drop.h"
#include "runtime/file_table.h"
#include "runtime/local_file_uri.h"

namespace {

class NoView final : public duplexa::DropView {
  public:
    void SetResultCaption(const std::string&) override {}
    void SetShapeBackColour(duplexa::Shape, duplexa::OleColour) override {}
    void SetShapeVisible(duplexa::Shape, bool) override {}
    void SetStrikeLineVisible(bool) override {}
    void SetCompareEnabled(bool) override {}
    void SetDifferenceMap(const duplexa::DiffCells*) override {}
    void SetResultDetail(const std::string&) override {}
    void SetBoxText(int, const std::string&) override {}
    void SetBoxBackColour(int, duplexa::OleColour) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view uri(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string path = duplexa::LocalPathOfFileUri(uri, "desk-7");
    if (!path.empty() && (path.find('\0') != std::string::npos || path.front() != '/')) {
        std::abort();
    }
    // The drop takes whatever the front end hands over, the converted path or the raw text.
    duplexa::WindowState state;
    NoView view;
    duplexa::FileTable files;
    duplexa::FileDrop drop(state, view, files);
    const std::string dropped = data[0] % 2 == 0 ? path : std::string(uri);
    drop.lblFile_OLEDragDrop(static_cast<std::int16_t>(data[0] % 3), {{dropped}});
    for (const auto& taken : state.filePaths) {
        if (taken.find('\0') != std::string::npos) {
            std::abort();
        }
    }
    if (files.FreeFile() != duplexa::FileTable::kFirstNumber) {
        std::abort();  // the check left a file open
    }
    return 0;
}
