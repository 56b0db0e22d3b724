// Which handler a click, a key press, a pointer move or a file for a box concerns.

#include <filesystem>

#include "core/language.h"
#include "core/show_result.h"
#include "core/text_catalogue.h"
#include "window/logic/frm_main_logic.h"

namespace duplexa {

std::optional<bool> InForce(Control id, const WindowState& state) {
    switch (id) {
        case Control::cmdOrder1:
            return state.layoutMode == 1;
        case Control::cmdOrder2:
            return state.layoutMode == 2;
        case Control::imgLangENG:
            return currentLanguage != 0;
        case Control::imgLangHUN:
            return currentLanguage == 0;
        default:
            return std::nullopt;
    }
}

void frmMainLogic::ShowInForce(std::initializer_list<Control> choices) {
    for (const Control id : choices) {
        view_.SetInForce(id, InForce(id, state_).value_or(false));
    }
}

void frmMainLogic::Control_Click(Control id) {
    switch (id) {
        case Control::cmdOrder1:
            return cmdOrder1_Click();
        case Control::cmdOrder2:
            return cmdOrder2_Click();
        // Only the pale flags take clicks: they lie over the flags while the pointer is there.
        case Control::imgLangENG_hl:
            return imgLangENG_hl_Click();
        case Control::imgLangHUN_hl:
            return imgLangHUN_hl_Click();
        case Control::lblHomepage:
            return lblHomepage_Click();
        case Control::ComClose:
            return ComClose_Click();
        default:
            return;
    }
}

void frmMainLogic::Control_MouseMove(Control id) {
    switch (id) {
        case Control::imgLangENG:
            return imgLangENG_MouseMove();
        case Control::imgLangHUN:
            return imgLangHUN_MouseMove();
        case Control::lblHomepage:
            return lblHomepage_MouseMove();
        default:
            return;
    }
}

std::optional<FileChooser> frmMainLogic::ChooserFor(int box) const {
    if (state_.isRunning) {
        return std::nullopt;
    }
    const TextPair& title = box == 0 ? TXT_CHOOSE_FIRST : TXT_CHOOSE_SECOND;
    FileChooser chooser{
        PickText(title.hu, title.en), PickText(TXT_ALL_FILES.hu, TXT_ALL_FILES.en), {}};
    for (const int from : {1 - box, box}) {
        const std::string& path = state_.filePaths[static_cast<std::size_t>(from)];
        if (!path.empty()) {
            const std::filesystem::path folder =
                std::filesystem::path(std::u8string(path.begin(), path.end())).parent_path();
            const std::u8string text = folder.u8string();
            chooser.folder.assign(text.begin(), text.end());
            break;
        }
    }
    return chooser;
}

bool frmMainLogic::lblFile_FilesGiven(int box, const std::vector<std::string>& paths) {
    if (state_.isRunning || paths.empty() || paths.front().empty()) {
        return false;
    }
    fileDrop_.lblFile_OLEDragDrop(static_cast<std::int16_t>(box), paths);
    return true;
}

bool frmMainLogic::lblFile_FilesFromKeyboard(int box, const std::vector<std::string>& paths) {
    if (!lblFile_FilesGiven(box, paths)) {
        return false;
    }
    view_.AnnounceCaption(lblFile(box));
    return true;
}

std::string frmMainLogic::ResultLineCopy() const {
    std::string text = view_.Caption(Control::lblResult);
    if (const std::string where = WhereText(state_); !text.empty() && !where.empty()) {
        text += '\n';
        text += where;
    }
    return text;
}

}  // namespace duplexa
