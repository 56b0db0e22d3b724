#pragma once
// A desktop stand-in that records every call in order; the window is active unless a test says
// it is not.

#include <sstream>
#include <string>
#include <vector>

#include "runtime/desktop.h"

namespace duplexa::test {

class RecordingDesktop final : public Desktop {
  public:
    void SetWindow(NativeWindowHandle window) override {
        log.push_back("window " + std::to_string(window));
    }
    void ShowProgress(double fraction) override {
        std::ostringstream text;
        text << "show " << fraction;
        log.push_back(text.str());
    }
    void HideProgress() override { log.push_back("hide"); }
    void HoldSleep(const std::string& reason) override { log.push_back("hold " + reason); }
    void ReleaseSleep() override { log.push_back("release"); }
    bool WindowActive() const override { return active; }
    void AskAttention() override { log.push_back("attention"); }

    std::vector<std::string> log;
    bool active = true;
};

}  // namespace duplexa::test
