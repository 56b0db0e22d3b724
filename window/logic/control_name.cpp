#include "window/logic/control_name.h"

#include <stdexcept>

namespace duplexa {

const char* ControlName(Control control) {
    switch (control) {
        case Control::lblTitle:
            return "lblTitle";
        case Control::lblVersion:
            return "lblVersion";
        case Control::lblHomepage:
            return "lblHomepage";
        case Control::imgLangENG:
            return "imgLangENG";
        case Control::imgLangHUN:
            return "imgLangHUN";
        case Control::imgLangENG_hl:
            return "imgLangENG_hl";
        case Control::imgLangHUN_hl:
            return "imgLangHUN_hl";
        case Control::lblFile_0:
            return "lblFile0";
        case Control::lblFile_1:
            return "lblFile1";
        case Control::frResult:
            return "frResult";
        case Control::comCompare:
            return "comCompare";
        case Control::lblResult:
            return "lblResult";
        case Control::lblLayout:
            return "lblLayout";
        case Control::cmdOrder1:
            return "cmdOrder1";
        case Control::cmdOrder2:
            return "cmdOrder2";
        case Control::ComClose:
            return "ComClose";
    }
    throw std::invalid_argument("no such control");
}

}  // namespace duplexa
