#pragma once
// The program's one window on the plain Win32 API. It owns the shared window state, the
// comparison run and the drop handler, lends them its controls through the view interfaces,
// and hands every message to a small handler.

#include <optional>
#include <string>
#include <vector>

#include "core/comparison_run.h"
#include "core/window_state.h"
#include "window/logic/form_view.h"
#include "window/logic/frm_main_logic.h"
#include "window/logic/frm_main_services.h"
#include "window/win32/control_subclass.h"
#include "window/win32/font_cache.h"
#include "window/win32/form_controls.h"
#include "window/win32/message_pump.h"
#include "window/win32/scale.h"

namespace duplexa::win32 {

class frmMain final : public FormView, private DropBoxOwner {
  public:
    // dotsPerInch 0 takes the screen's; tests give others to see the window scaled.
    explicit frmMain(frmMainServices services = {}, int dotsPerInch = 0);
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;
    ~frmMain();

    // Start-up, once, before the window is first shown.
    void Form_Load();
    // Shows the window in the middle of the work area.
    void ShowCentred(int showCommand = SW_SHOWNORMAL);

    HWND Handle() const { return window_; }
    WindowState& state() { return state_; }
    // The real window of a box, button or opaque label; its child-window ID stands for its id.
    HWND ControlWindow(Control id) const { return controls_.at(id).window; }
    bool Unloaded() const { return logic_.Unloaded(); }
    // Files given to a box by a drop, or from the keyboard (Ctrl+V, the file dialog); taken
    // while it takes drops.
    void FilesGiven(HWND box, const std::vector<std::string>& paths) override;
    void FilesFromKeyboard(HWND box, const std::vector<std::string>& paths) override;
    // The file dialog for a box, titled for it, in the folder of the other box's file.
    void ChooserAsked(HWND box) override;
    // The map of differences over a box.
    void PaintOver(HWND box, HDC dc) override;

    // What the run and the drop do to the window beyond captions, colours and visibility.
    void SetCompareEnabled(bool enabled) override;
    void SetDifferenceMap(const DiffCells* cells) override;
    void SetResultDetail(const std::string& text) override;
    void SetDropMode(int box, DropMode mode) override;
    void SetCloseEnabled(bool enabled) override;

    // What the layout, language, hover and start-up handlers do to the window.
    float Left(Control control) const override;
    float Top(Control control) const override;
    float Width(Control control) const override;
    float Height(Control control) const override;
    void SetLeft(Control control, float left) override;
    void SetTop(Control control, float top) override;
    void SetWidth(Control control, float width) override;
    void SetHeight(Control control, float height) override;
    void SetCaption(Control control, const std::string& caption) override;
    std::string Caption(Control control) const override;
    void SetVisible(Control control, bool visible) override;
    void SetForeColour(Control control, OleColour colour) override;
    void SetFontUnderline(Control control, bool underline) override;
    void SetBackColour(Control control, OleColour colour) override;
    void SetTimerEnabled(bool enabled) override;
    void SetInForce(Control control, bool inForce) override;
    void SetMapEdge(MapEdge edge) override;
    void AnnounceCaption(Control control) override;
    void SetWindowCaption(const std::string& caption) override;
    OleColour BackColour() const override;
    float ScaleWidth() const override;
    TwipsRect OuterRectTwips() const override;
    NativeWindowHandle WindowHandle() const override;
    void Unload() override;
    void EndProgram() override;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void CreateChildWindows();
    void OnPaint();
    void OnMouseMove(LPARAM where);
    void OnMouseUp(LPARAM where);
    void OnCommand(WPARAM wParam);
    // The result line's menu, from a right-click on it or the keyboard while it has the focus;
    // false when the menu was asked for elsewhere.
    bool OnContextMenu(HWND from, LPARAM where);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    LRESULT OnBoxColour(HDC dc, HWND box);
    // A move to a monitor of another scaling: its resolution and the rectangle Windows suggests.
    void OnDpiChanged(int dotsPerInch, const RECT& suggested);
    void OnClose();
    void OnDestroy();

    void comCompare_Click();
    void Control_Click(Control id);

    std::optional<Control> IdOf(HWND child) const;
    std::optional<Control> HitTest(LPARAM where) const;
    void Repaint(int index);
    void MoveEdge(Control control, float LogicalRect::*edge, float value);
    void PlaceWindow(int index);
    // A picture button's picture, made at the window's scaling.
    void ScalePicture(int index);
    void FitToCaption(int index);
    // The caption's extent in the label's font at dotsPerInch.
    SIZE CaptionSize(const FormControl& label, int dotsPerInch);
    void RefreshBoxBrush(int index);
    // A box's text keeps out of the map's strip while a map shows.
    void FitBoxText(int index);
    // The result line's tip follows the line's place at this scaling.
    void PlaceResultTip();

    WindowState state_;
    FormControls controls_;
    FontCache fonts_;
    Scale scale_;
    HWND window_ = nullptr;
    Win32EventPump pump_;
    ComparisonRun run_;
    frmMainServices services_;
    frmMainLogic logic_;
    std::optional<Control> pressed_;  // the control a left press began on
    std::optional<DiffCells> map_;    // where the files differ, while the boxes show it
    MapEdge mapEdge_ = MapEdge::Bottom;
    HWND resultTip_ = nullptr;
};

}  // namespace duplexa::win32
