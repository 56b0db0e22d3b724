#include "fake_form.h"

#include "window/design/frm_main_design.h"

namespace duplexa::test {
namespace {

std::string Bool(bool value) {
    return value ? "True" : "False";
}

bool SizesItself(Control c) {
    return (FrmMainDesign(c).flags & kAutoSize) != 0;
}

// Characters, not bytes: "Elrendezés:" is 11 wide.
float CaptionWidth(const std::string& caption) {
    int characters = 0;
    for (const unsigned char byte : caption) {
        characters += (byte & 0xC0) != 0x80 ? 1 : 0;
    }
    return static_cast<float>(5 * characters + 5);
}

}  // namespace

// Places, sizes and texts as the window is designed.
FakeForm::FakeForm() {
    for (const ControlDesign& design : FrmMainControlDesigns()) {
        FakeControl& control = controls[design.id];
        control.left = static_cast<float>(design.place.left);
        control.top = static_cast<float>(design.place.top);
        control.width = static_cast<float>(design.place.width);
        control.height = static_cast<float>(design.place.height);
        control.caption = design.caption != nullptr ? design.caption : "";
    }
}

void FakeForm::Set(Control c, float FakeControl::*field, const char* property, float value) {
    controls.at(c).*field = value;
    Log(Name(c) + "." + property + "=" + Number(value));
}

void FakeForm::SetCaption(Control c, const std::string& caption) {
    FakeControl& control = controls.at(c);
    control.caption = caption;
    if (SizesItself(c)) {
        control.width = CaptionWidth(caption);
    }
    Log(Name(c) + ".Caption=" + caption);
}

void FakeForm::SetVisible(Control c, bool visible) {
    controls.at(c).visible = visible;
    Log(Name(c) + ".Visible=" + Bool(visible));
}

void FakeForm::SetForeColour(Control c, OleColour colour) {
    controls.at(c).foreColour = colour;
    Log(Name(c) + ".ForeColor=" + std::to_string(colour));
}

void FakeForm::SetFontUnderline(Control c, bool underline) {
    controls.at(c).underline = underline;
    Log(Name(c) + ".FontUnderline=" + Bool(underline));
}

void FakeForm::SetBackColour(Control c, OleColour colour) {
    controls.at(c).backColour = colour;
    Log(Name(c) + ".BackColor=" + std::to_string(colour));
}

void FakeForm::SetTimerEnabled(bool enabled) {
    timerEnabled = enabled;
    Log("tmrLang.Enabled=" + Bool(enabled));
}

void FakeForm::SetWindowCaption(const std::string& caption) {
    windowCaption = caption;
    Log("frmMain.Caption=" + caption);
}

void FakeForm::Unload() {
    ++unloads;
    Log("Unload");
    if (onUnload) {
        onUnload();
    }
}

void FakeForm::EndProgram() {
    ended = true;
    Log("End");
}

void FakeForm::SetCompareEnabled(bool enabled) {
    compareEnabled = enabled;
    Log("comCompare.Enabled=" + Bool(enabled));
}

void FakeForm::SetDropMode(int box, DropMode mode) {
    dropMode[box] = mode;
    Log(Name(lblFile(box)) + ".OLEDropMode=" + std::to_string(static_cast<int>(mode)));
}

void FakeForm::SetCloseEnabled(bool enabled) {
    closeEnabled = enabled;
    Log("ComClose.Enabled=" + Bool(enabled));
}

std::vector<std::string> FakeForm::Entries(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const auto& entry : log) {
        if (entry.rfind(prefix, 0) == 0) {
            found.push_back(entry);
        }
    }
    return found;
}

std::vector<std::string> FakeForm::Captions(Control c) const {
    const std::string prefix = Name(c) + ".Caption=";
    std::vector<std::string> found;
    for (const auto& entry : Entries(prefix)) {
        found.push_back(entry.substr(prefix.size()));
    }
    return found;
}

std::string FakeForm::Name(Control c) {
    // The log writes the boxes as the control array they are.
    if (c == Control::lblFile_0 || c == Control::lblFile_1) {
        return c == Control::lblFile_0 ? "lblFile(0)" : "lblFile(1)";
    }
    return FrmMainDesign(c).name;
}

std::string FakeForm::Number(float value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

void FakeForm::Log(std::string entry) {
    log.push_back(entry);
    if (onLog) {
        onLog(log.back());
    }
}

}  // namespace duplexa::test
