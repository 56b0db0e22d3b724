#pragma once
// The program's one window. It owns the shared window state, the comparison run and the drop
// handler, and lends them its controls through the view interfaces.

#include <QStringList>
#include <QWidget>
#include <memory>

#include "core/comparison_run.h"
#include "core/run_view.h"
#include "core/window_state.h"
#include "intake/drop_view.h"
#include "intake/file_drop.h"
#include "runtime/qt/qt_event_pump.h"
#include "window/frm_main_controls.h"

namespace duplexa {

class CaptionThrottle;

class frmMain final : public QWidget, public RunView, public DropView {
    Q_OBJECT

  public:
    static constexpr int kClientWidth = 473;
    static constexpr int kClientHeight = 336;

    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Start-up, once, before the window is first shown.
    void Form_Load();
    // Shows the window in the middle of its screen.
    void ShowCentred();

    // Compare pressed: starts a run, or asks the run in progress to stop.
    void comCompare_Click();
    // Close pressed: closes the window, which ends the program.
    void ComClose_Click();

    WindowState& state() { return state_; }
    const frmMainControls& controls() const { return controls_; }
    FileDrop& fileDrop() { return fileDrop_; }
    OleColour backColour() const;
    // Puts a result caption that a run held back (to spare repaints) on the line now.
    void FlushResultCaption();

    // What the run and the drop do to the window.
    void SetResultCaption(const std::string& text) override;
    void SetShapeBackColour(Shape shape, OleColour colour) override;
    void SetShapeVisible(Shape shape, bool visible) override;
    void SetStrikeLineVisible(bool visible) override;
    void SetCompareEnabled(bool enabled) override;
    void SetDropMode(int box, DropMode mode) override;
    void SetBoxForeColour(int box, OleColour colour) override;
    void SetCompareCaption(const std::string& caption) override;
    void SetCloseEnabled(bool enabled) override;
    void SetBoxText(int box, const std::string& text) override;
    void SetBoxBackColour(int box, OleColour colour) override;

  signals:
    // Form_Unload has run: the window is going away for good.
    void unloaded();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // The one place where a closing window says goodbye; runs exactly once.
    void Form_Unload();
    void lblFile_Dropped(int index, const QStringList& paths);
    ShapeWidget& ShapeControl(Shape shape) const;
    DropBox& Box(int box) const;

    WindowState state_;
    frmMainControls controls_;
    QtEventPump pump_;
    ComparisonRun run_;
    FileDrop fileDrop_;
    std::unique_ptr<CaptionThrottle> resultCaption_;
    bool closeAsked_ = false;  // closed from the title bar during a run
    bool unloaded_ = false;
};

}  // namespace duplexa
