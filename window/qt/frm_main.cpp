#include "window/qt/frm_main.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <optional>
#include <stdexcept>
#include <utility>

#include "runtime/file_table.h"
#include "runtime/window_rect.h"
#include "window/qt/accessibility.h"
#include "window/qt/auto_size_label.h"
#include "window/qt/box_input.h"
#include "window/qt/caption_button.h"
#include "window/qt/caption_throttle.h"
#include "window/qt/centred_placement.h"
#include "window/qt/design_fonts.h"
#include "window/qt/drop_box.h"
#include "window/qt/frame_widget.h"
#include "window/qt/image_box.h"
#include "window/qt/label.h"
#include "window/qt/line_widget.h"
#include "window/qt/ole_colour.h"
#include "window/qt/picture_store.h"
#include "window/qt/result_announcer.h"
#include "window/qt/shape_widget.h"

namespace duplexa {
namespace {

constexpr OleColour kFormBackColour = kFrmMainForm.backColour;

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The window's own font, which the boxes, the buttons and the layout label use. Fixed rather
// than the desktop's, so that captions fit the fixed-size window everywhere.
QFont FormFont() {
    const FontDesign& font = kFrmMainForm.font;
    return DesignFont(QString::fromLatin1(font.family), font.points, font.bold);
}

}  // namespace

frmMain::frmMain(QWidget* parent) : frmMain(frmMainServices{}, parent) {}

frmMain::frmMain(frmMainServices services, QWidget* parent)
    : QWidget(parent),
      run_(state_, *this, pump_, Files()),
      fileDrop_(state_, *this, Files()),
      services_(std::move(services)),
      logic_(state_, *this, *services_.pointer, *services_.opener, services_.settingsKey) {
    static const bool fallbacks = (InstallFontFallbacks(), true);
    (void)fallbacks;
    setObjectName(QString::fromLatin1(kFrmMainForm.name));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(FormFont());
    setWindowTitle(QString::fromLatin1(kFrmMainForm.caption));
    setWindowIcon(ProgramIcon());
    // Moves over the background (and the band and lines, which let them through) end a
    // highlight, also with no button pressed.
    setMouseTracking(true);

    InstallAccessibility();
    controls_ = BuildFrmMainControls(*this);
    resultCaption_ = std::make_unique<CaptionThrottle>(*controls_.lblResult);
    resultAnnouncer_ = std::make_unique<ResultAnnouncer>(*controls_.lblResult);
    ConnectHandlers();
    goneWatch_ = WatchForWindowGone(
        [this] { return static_cast<NativeWindowHandle>(internalWinId()); }, [this] { close(); });
}

void frmMain::ConnectHandlers() {
    const frmMainControls& c = controls_;
    connect(c.comCompare, &QPushButton::clicked, this, &frmMain::comCompare_Click);
    connect(c.ComClose, &QPushButton::clicked, this, &frmMain::ComClose_Click);
    for (int box = 0; box < 2; ++box) {
        connect(
            &Box(box), &DropBox::filesDropped, this,
            [this, box](const std::vector<std::string>& paths) { lblFile_Dropped(box, paths); });
        new BoxInput(Box(box), box);  // a chooser and the clipboard, handed on as a drop
    }
    ShowNameAsToolTip(*c.cmdOrder1);
    ShowNameAsToolTip(*c.cmdOrder2);
    connect(resultCaption_.get(), &CaptionThrottle::shown, this, [this](const QString& caption) {
        resultAnnouncer_->Landed(caption, state_.isRunning);
    });
    connect(c.cmdOrder1, &QPushButton::clicked, this, [this] { logic_.cmdOrder1_Click(); });
    connect(c.cmdOrder2, &QPushButton::clicked, this, [this] { logic_.cmdOrder2_Click(); });
    // Only the pale flags take clicks: they lie over the flags while the pointer is there.
    connect(c.imgLangENG_hl, &ImageBox::clicked, this,
            [this] { SwitchLanguage(&frmMainLogic::imgLangENG_hl_Click); });
    connect(c.imgLangHUN_hl, &ImageBox::clicked, this,
            [this] { SwitchLanguage(&frmMainLogic::imgLangHUN_hl_Click); });
    connect(c.imgLangENG, &ImageBox::mouseMoved, this, [this] { logic_.imgLangENG_MouseMove(); });
    connect(c.imgLangHUN, &ImageBox::mouseMoved, this, [this] { logic_.imgLangHUN_MouseMove(); });
    connect(c.lblHomepage, &Label::mouseMoved, this, [this] { logic_.lblHomepage_MouseMove(); });
    connect(c.lblHomepage, &Label::clicked, this, [this] { logic_.lblHomepage_Click(); });
    connect(c.tmrLang, &QTimer::timeout, this, [this] { logic_.tmrLang_Timer(); });
}

void frmMain::SwitchLanguage(void (frmMainLogic::*click)()) {
    (logic_.*click)();
    resultCaption_->Flush();  // also in the middle of a run, where the line is throttled
    AnnounceNewNames(*this);
}

frmMain::~frmMain() = default;

void frmMain::Form_Load() {
    logic_.Form_Load();
}

void frmMain::ShowCentred() {
    duplexa::ShowCentred(*this);
}

void frmMain::comCompare_Click() {
    run_.comCompare_Click();
    if (state_.isRunning) {
        return;  // a Stop press handled inside the run; the run goes on to its next check
    }
    resultCaption_->Flush();  // the verdict always lands
    resultAnnouncer_->Settled();
    if (closeAsked_) {
        closeAsked_ = false;
        close();
    }
}

void frmMain::ComClose_Click() {
    logic_.ComClose_Click();
}

OleColour frmMain::backColour() const {
    return kFormBackColour;
}

void frmMain::FlushResultCaption() {
    resultCaption_->Flush();
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (state_.isRunning) {
        // Closed from the title bar during a run: the run stops at its next check, closes its
        // files and tidies the window up; then comCompare_Click closes the window for good.
        state_.keepRunning = false;
        closeAsked_ = true;
        event->ignore();
        return;
    }
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
    }
    event->accept();
}

void frmMain::Form_Unload() {
    logic_.Form_Unload();
    emit unloaded();
}

void frmMain::mouseMoveEvent(QMouseEvent* event) {
    logic_.Form_MouseMove();
    event->accept();
}

// Only the window as a whole: moving onto one of its controls is no leave.
void frmMain::leaveEvent(QEvent* event) {
    logic_.Form_MouseLeave();
    QWidget::leaveEvent(event);
}

void frmMain::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), ToQColor(kFormBackColour));
}

void frmMain::lblFile_Dropped(int index, const std::vector<std::string>& paths) {
    fileDrop_.lblFile_OLEDragDrop(static_cast<std::int16_t>(index), paths);
}

ShapeWidget& frmMain::ShapeControl(Shape shape) const {
    return shape == Shape::sEqual1 ? *controls_.sEqual1 : *controls_.sEqual2;
}

DropBox& frmMain::Box(int box) const {
    return *controls_.lblFile.at(static_cast<std::size_t>(box));
}

void frmMain::SetResultCaption(const std::string& text) {
    // During a run the line changes after every block; a person sees a few dozen a second.
    resultCaption_->Show(text, state_.isRunning);
}

void frmMain::SetShapeBackColour(Shape shape, OleColour colour) {
    ShapeControl(shape).SetColour(colour);
}

void frmMain::SetShapeVisible(Shape shape, bool visible) {
    ShapeControl(shape).setVisible(visible);
}

void frmMain::SetStrikeLineVisible(bool visible) {
    controls_.strikeLine->setVisible(visible);
}

void frmMain::SetCompareEnabled(bool enabled) {
    controls_.comCompare->setEnabled(enabled);
}

void frmMain::SetDropMode(int box, DropMode mode) {
    Box(box).SetDropMode(mode);
}

void frmMain::SetBoxForeColour(int box, OleColour colour) {
    Box(box).SetForeColour(colour);
}

void frmMain::SetCompareCaption(const std::string& caption) {
    controls_.comCompare->setText(FromUtf8(caption));
}

void frmMain::SetCloseEnabled(bool enabled) {
    controls_.ComClose->setEnabled(enabled);
}

void frmMain::SetBoxText(int box, const std::string& text) {
    Box(box).SetText(FromUtf8(text));
}

void frmMain::SetBoxBackColour(int box, OleColour colour) {
    Box(box).SetBackColour(colour);
}

}  // namespace duplexa

namespace duplexa {

QWidget& frmMain::Widget(Control control) const {
    const frmMainControls& c = controls_;
    switch (control) {
        case Control::lblTitle:
            return *c.lblTitle;
        case Control::lblVersion:
            return *c.lblVersion;
        case Control::lblHomepage:
            return *c.lblHomepage;
        case Control::imgLangENG:
            return *c.imgLangENG;
        case Control::imgLangHUN:
            return *c.imgLangHUN;
        case Control::imgLangENG_hl:
            return *c.imgLangENG_hl;
        case Control::imgLangHUN_hl:
            return *c.imgLangHUN_hl;
        case Control::lblFile_0:
            return *c.lblFile[0];
        case Control::lblFile_1:
            return *c.lblFile[1];
        case Control::frResult:
            return *c.frResult;
        case Control::comCompare:
            return *c.comCompare;
        case Control::lblResult:
            return *c.lblResult;
        case Control::lblLayout:
            return *c.lblLayout;
        case Control::cmdOrder1:
            return *c.cmdOrder1;
        case Control::cmdOrder2:
            return *c.cmdOrder2;
        case Control::ComClose:
            return *c.ComClose;
    }
    throw std::invalid_argument("no such control");
}

float frmMain::Left(Control control) const {
    return static_cast<float>(Widget(control).x());
}

float frmMain::Top(Control control) const {
    return static_cast<float>(Widget(control).y());
}

float frmMain::Width(Control control) const {
    return static_cast<float>(Widget(control).width());
}

float frmMain::Height(Control control) const {
    return static_cast<float>(Widget(control).height());
}

// Widgets sit on whole pixels; every place and size the handlers give is one.
void frmMain::SetLeft(Control control, float left) {
    QWidget& widget = Widget(control);
    widget.move(qRound(left), widget.y());
}

void frmMain::SetTop(Control control, float top) {
    QWidget& widget = Widget(control);
    widget.move(widget.x(), qRound(top));
}

void frmMain::SetWidth(Control control, float width) {
    QWidget& widget = Widget(control);
    widget.resize(qRound(width), widget.height());
}

void frmMain::SetHeight(Control control, float height) {
    QWidget& widget = Widget(control);
    widget.resize(widget.width(), qRound(height));
}

void frmMain::SetCaption(Control control, const std::string& caption) {
    const QString text = FromUtf8(caption);
    switch (control) {
        case Control::lblResult:
            SetResultCaption(caption);
            break;
        case Control::lblFile_0:
        case Control::lblFile_1:
            Box(control == Control::lblFile_0 ? 0 : 1).SetText(text);
            break;
        case Control::comCompare:
        case Control::ComClose:
        case Control::cmdOrder1:
        case Control::cmdOrder2:
            static_cast<QPushButton&>(Widget(control)).setText(text);
            break;
        case Control::lblTitle:
        case Control::lblVersion:
        case Control::lblHomepage:
        case Control::lblLayout:
            static_cast<Label&>(Widget(control)).SetCaption(text);  // a self-sizing one resizes
            break;
        default:
            throw std::invalid_argument("the control has no caption");
    }
}

std::string frmMain::Caption(Control control) const {
    switch (control) {
        case Control::lblTitle:
        case Control::lblVersion:
        case Control::lblHomepage:
        case Control::lblLayout:
        case Control::lblResult:
            return static_cast<const Label&>(Widget(control)).caption().toStdString();
        case Control::lblFile_0:
        case Control::lblFile_1:
            return Box(control == Control::lblFile_0 ? 0 : 1).text().toStdString();
        case Control::comCompare:
        case Control::ComClose:
        case Control::cmdOrder1:
        case Control::cmdOrder2:
            return static_cast<const QPushButton&>(Widget(control)).text().toStdString();
        default:
            throw std::invalid_argument("the control has no caption");
    }
}

void frmMain::SetVisible(Control control, bool visible) {
    Widget(control).setVisible(visible);
}

void frmMain::SetForeColour(Control control, OleColour colour) {
    if (control == Control::lblFile_0 || control == Control::lblFile_1) {
        Box(control == Control::lblFile_0 ? 0 : 1).SetForeColour(colour);
        return;
    }
    dynamic_cast<Label&>(Widget(control)).SetForeColour(colour);
}

void frmMain::SetFontUnderline(Control control, bool underline) {
    dynamic_cast<Label&>(Widget(control)).SetUnderline(underline);
}

void frmMain::SetBackColour(Control control, OleColour colour) {
    switch (control) {
        case Control::frResult:
            controls_.frResult->SetBackColour(colour);
            break;
        case Control::lblFile_0:
        case Control::lblFile_1:
            Box(control == Control::lblFile_0 ? 0 : 1).SetBackColour(colour);
            break;
        default:
            dynamic_cast<Label&>(Widget(control)).SetBackColour(colour);
            break;
    }
}

void frmMain::SetTimerEnabled(bool enabled) {
    if (enabled) {
        controls_.tmrLang->start();
    } else {
        controls_.tmrLang->stop();
    }
}

void frmMain::SetWindowCaption(const std::string& caption) {
    setWindowTitle(FromUtf8(caption));
}

OleColour frmMain::BackColour() const {
    return backColour();
}

float frmMain::ScaleWidth() const {
    return static_cast<float>(width());
}

TwipsRect frmMain::OuterRectTwips() const {
    // Where the system's pixels differ from the toolkit's (display scaling on Windows), its
    // own rectangle matches the pointer position.
    const std::optional<ScreenRect> native = NativeOuterRect(WindowHandle());
    const QRect outer =
        native ? QRect(native->left, native->top, native->width, native->height) : frameGeometry();
    const auto twips = [](int pixels) { return static_cast<float>(pixels * kTwipsPerPixel); };
    return {twips(outer.x()), twips(outer.y()), twips(outer.width()), twips(outer.height())};
}

NativeWindowHandle frmMain::WindowHandle() const {
    return static_cast<NativeWindowHandle>(winId());
}

// Closes the window, which runs Form_Unload once (closeEvent).
void frmMain::Unload() {
    close();
}

void frmMain::EndProgram() {
    QCoreApplication::quit();
}

}  // namespace duplexa
