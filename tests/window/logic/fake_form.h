#pragma once
// A window stand-in for the window's handlers: every control starts with its design values,
// every operation is logged in order, and the labels that size themselves to their caption
// take a width from it at once (5 pixels a character plus 5, so "Layout:" is 40 wide).

#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "window/logic/form_view.h"

namespace duplexa::test {

struct FakeControl {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    std::string caption;
    bool visible = true;
    std::optional<OleColour> foreColour;
    std::optional<OleColour> backColour;
    bool underline = false;
    std::optional<bool> inForce;  // set without a log line: layouts and languages log enough
};

inline constexpr OleColour kButtonFace = 0x8000000F;  // the window's design back colour

class FakeForm final : public FormView {
  public:
    FakeForm();

    // FormView
    float Left(Control c) const override { return controls.at(c).left; }
    float Top(Control c) const override { return controls.at(c).top; }
    float Width(Control c) const override { return controls.at(c).width; }
    float Height(Control c) const override { return controls.at(c).height; }
    void SetLeft(Control c, float v) override { Set(c, &FakeControl::left, "Left", v); }
    void SetTop(Control c, float v) override { Set(c, &FakeControl::top, "Top", v); }
    void SetWidth(Control c, float v) override { Set(c, &FakeControl::width, "Width", v); }
    void SetHeight(Control c, float v) override { Set(c, &FakeControl::height, "Height", v); }
    void SetCaption(Control c, const std::string& caption) override;
    std::string Caption(Control c) const override { return controls.at(c).caption; }
    void SetVisible(Control c, bool visible) override;
    void SetForeColour(Control c, OleColour colour) override;
    void SetFontUnderline(Control c, bool underline) override;
    void SetBackColour(Control c, OleColour colour) override;
    void SetTimerEnabled(bool enabled) override;
    void SetInForce(Control c, bool inForce) override { controls.at(c).inForce = inForce; }
    void SetMapEdge(MapEdge edge) override { mapEdge = edge; }
    void AnnounceCaption(Control c) override { announced.push_back(controls.at(c).caption); }
    void SetWindowCaption(const std::string& caption) override;
    OleColour BackColour() const override { return formBackColour; }
    float ScaleWidth() const override { return scaleWidth; }
    TwipsRect OuterRectTwips() const override { return outerRect; }
    NativeWindowHandle WindowHandle() const override { return handle; }
    void Unload() override;
    void EndProgram() override;

    // What the run and the drop do beyond captions, colours and visibility.
    void SetCompareEnabled(bool enabled) override;
    void SetDropMode(int box, DropMode mode) override;
    void SetCloseEnabled(bool enabled) override;
    void SetDifferenceMap(const DiffCells* cells) override {
        map = cells != nullptr ? std::optional(*cells) : std::nullopt;
    }
    void SetResultDetail(const std::string& text) override { resultDetail = text; }

    const FakeControl& operator[](Control c) const { return controls.at(c); }
    // The logged operations that start with prefix, in order.
    std::vector<std::string> Entries(const std::string& prefix = "") const;
    // Every caption a control was given, in order.
    std::vector<std::string> Captions(Control c) const;

    static std::string Name(Control c);
    static std::string Number(float value);

    std::map<Control, FakeControl> controls;
    std::vector<std::string> log;
    std::function<void(const std::string&)> onLog;  // sees every entry as it is logged
    std::function<void()> onUnload;                 // the unload event, run by Unload()

    bool timerEnabled = false;
    std::string windowCaption = "frmMain";
    OleColour formBackColour = kButtonFace;
    float scaleWidth = 473;
    TwipsRect outerRect{1500, 3000, 7230, 5535};
    NativeWindowHandle handle = 0x5eed;
    int unloads = 0;
    bool ended = false;
    bool compareEnabled = false;
    bool closeEnabled = true;
    std::map<int, DropMode> dropMode{{0, DropMode::Manual}, {1, DropMode::Manual}};
    std::optional<DiffCells> map;
    std::string resultDetail;
    std::optional<MapEdge> mapEdge;
    std::vector<std::string> announced;  // the captions readers were told, in order

  private:
    void Set(Control c, float FakeControl::*field, const char* property, float value);
    void Log(std::string entry);
};

}  // namespace duplexa::test
