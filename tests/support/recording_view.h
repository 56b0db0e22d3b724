#pragma once
// A window stand-in that records every operation in order and keeps the resulting state,
// so tests can check both the sequence of steps and where they leave the window.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/run_view.h"
#include "intake/drop_view.h"

namespace duplexa::test {

class RecordingView final : public RunView, public DropView {
  public:
    void SetResultCaption(const std::string& text) override {
        resultCaption = text;
        Log("lblResult.Caption=" + text);
    }
    void SetShapeBackColour(Shape shape, OleColour colour) override {
        shapeColour[Index(shape)] = colour;
        Log(Name(shape) + ".BackColor=" + std::to_string(colour));
    }
    void SetShapeVisible(Shape shape, bool visible) override {
        shapeVisible[Index(shape)] = visible;
        Log(Name(shape) + ".Visible=" + Bool(visible));
    }
    void SetStrikeLineVisible(bool visible) override {
        strikeVisible = visible;
        Log("strikeLine.Visible=" + Bool(visible));
    }
    void SetCompareEnabled(bool enabled) override {
        compareEnabled = enabled;
        Log("comCompare.Enabled=" + Bool(enabled));
    }
    void SetDifferenceMap(const DiffCells* cells) override {
        map = cells != nullptr ? std::optional(*cells) : std::nullopt;
        Log(std::string("map.Visible=") + Bool(cells != nullptr));
    }
    void SetResultDetail(const std::string& text) override {
        resultDetail = text;
        Log("lblResult.Detail=" + text);
    }
    void SetDropMode(int box, DropMode mode) override {
        dropMode.at(static_cast<std::size_t>(box)) = mode;
        Log(Box(box) + ".OLEDropMode=" + std::to_string(static_cast<int>(mode)));
    }
    void SetBoxForeColour(int box, OleColour colour) override {
        boxForeColour.at(static_cast<std::size_t>(box)) = colour;
        Log(Box(box) + ".ForeColor=" + std::to_string(colour));
    }
    void SetCompareCaption(const std::string& caption) override {
        compareCaption = caption;
        Log("comCompare.Caption=" + caption);
    }
    void SetCloseEnabled(bool enabled) override {
        closeEnabled = enabled;
        Log("ComClose.Enabled=" + Bool(enabled));
    }
    void SetBoxText(int box, const std::string& text) override {
        boxText.at(static_cast<std::size_t>(box)) = text;
        Log(Box(box) + ".Text=" + text);
    }
    void SetBoxBackColour(int box, OleColour colour) override {
        boxBackColour.at(static_cast<std::size_t>(box)) = colour;
        Log(Box(box) + ".BackColor=" + std::to_string(colour));
    }

    // How many logged operations start with prefix.
    int Count(const std::string& prefix) const {
        int n = 0;
        for (const auto& entry : log) {
            n += entry.rfind(prefix, 0) == 0 ? 1 : 0;
        }
        return n;
    }
    // Every caption the result line was given, in order.
    std::vector<std::string> ResultCaptions() const {
        std::vector<std::string> captions;
        const std::string prefix = "lblResult.Caption=";
        for (const auto& entry : log) {
            if (entry.rfind(prefix, 0) == 0) {
                captions.push_back(entry.substr(prefix.size()));
            }
        }
        return captions;
    }

    std::vector<std::string> log;
    std::string resultCaption;
    std::string resultDetail;
    std::optional<DiffCells> map;
    std::string compareCaption = "Compare";
    bool compareEnabled = true;  // as it is when pressed to start a run
    bool closeEnabled = true;
    bool strikeVisible = false;
    std::array<bool, 2> shapeVisible{};
    std::array<OleColour, 2> shapeColour{kSignGreen, kSignGreen};
    std::array<DropMode, 2> dropMode{DropMode::Manual, DropMode::Manual};
    std::array<std::optional<OleColour>, 2> boxForeColour{};
    std::array<std::optional<OleColour>, 2> boxBackColour{};
    std::array<std::string, 2> boxText{};

  private:
    static std::size_t Index(Shape shape) { return shape == Shape::sEqual1 ? 0 : 1; }
    static std::string Name(Shape shape) { return shape == Shape::sEqual1 ? "sEqual1" : "sEqual2"; }
    static std::string Box(int box) { return "lblFile(" + std::to_string(box) + ")"; }
    static std::string Bool(bool value) { return value ? "True" : "False"; }
    void Log(std::string entry) { log.push_back(std::move(entry)); }
};

}  // namespace duplexa::test
