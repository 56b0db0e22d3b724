#pragma once
// The program's one window. It owns the shared window state, the comparison run and the drop
// handler, and lends them its controls through the view interfaces.

#include <QWidget>
#include <memory>
#include <string>

#include "core/comparison_run.h"
#include "core/window_state.h"
#include "runtime/homepage_opener.h"
#include "runtime/pointer_position.h"
#include "runtime/qt/qt_event_pump.h"
#include "runtime/qt/window_gone_watch.h"
#include "settings/registry_common.h"
#include "window/design/frm_main_design.h"
#include "window/logic/form_view.h"
#include "window/logic/frm_main_logic.h"
#include "window/logic/frm_main_services.h"
#include "window/qt/frm_main_controls.h"

namespace duplexa {

class CaptionThrottle;
class DropBox;
class Notice;
class ResultAnnouncer;

class frmMain final : public QWidget, public FormView {
    Q_OBJECT

  public:
    static constexpr int kClientWidth = kFrmMainForm.clientWidth;
    static constexpr int kClientHeight = kFrmMainForm.clientHeight;

    explicit frmMain(QWidget* parent = nullptr);
    explicit frmMain(frmMainServices services, QWidget* parent = nullptr);
    ~frmMain() override;

    // Start-up, once, before the window is first shown.
    void Form_Load();
    // Shows the window, frame included, in the middle of its screen.
    void ShowCentred();

    // Compare pressed: starts a run, or asks the run in progress to stop.
    void comCompare_Click();

    WindowState& state() { return state_; }
    // A control by its id, as the class its kind makes it.
    template <typename T = QWidget>
    T& control(Control id) const {
        return ControlAs<T>(controls_, id);
    }
    DropBox& Box(int box) const;
    // Puts a result caption that a run held back (to spare repaints) on the line now.
    void FlushResultCaption();

    // What the run and the drop do to the window beyond captions, colours and visibility.
    void SetCompareEnabled(bool enabled) override;
    void SetDropMode(int box, DropMode mode) override;
    void SetCloseEnabled(bool enabled) override;
    void SetDifferenceMap(const DiffCells* cells) override;
    void SetResultDetail(const std::string& text) override;

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

  signals:
    // Form_Unload has run: the window is going away for good.
    void unloaded();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void ConnectHandlers();
    void Control_Click(Control id);

    WindowState state_;
    frmMainControls controls_;
    QtEventPump pump_;
    ComparisonRun run_;
    frmMainServices services_;
    frmMainLogic logic_;
    std::unique_ptr<CaptionThrottle> resultCaption_;
    std::unique_ptr<ResultAnnouncer> resultAnnouncer_;
    Notice* notice_ = nullptr;  // what else a reader is told; it lies in the result line too
    // A window destroyed from outside ends the program as a close from the title bar does.
    std::unique_ptr<WindowGoneWatch> goneWatch_;
};

}  // namespace duplexa
