#include "window/qt/frm_main.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <stdexcept>
#include <utility>

#include "core/show_result.h"
#include "runtime/file_table.h"
#include "window/qt/accessibility.h"
#include "window/qt/box_input.h"
#include "window/qt/caption_throttle.h"
#include "window/qt/centred_placement.h"
#include "window/qt/clickable_widget.h"
#include "window/qt/design_fonts.h"
#include "window/qt/drop_box.h"
#include "window/qt/frame_widget.h"
#include "window/qt/image_box.h"
#include "window/qt/label.h"
#include "window/qt/ole_colour.h"
#include "window/qt/picture_store.h"
#include "window/qt/result_announcer.h"
#include "window/qt/result_copy.h"
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
      services_(std::move(services)),
      logic_(state_, *this, *services_.pointer, *services_.opener, services_.settingsKey) {
    InstallFontFallbacks();
    setObjectName(QString::fromLatin1(kFrmMainForm.name));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(FormFont());
    setWindowTitle(QString::fromLatin1(kFrmMainForm.caption));
    // The native window before the icon: an icon set ahead of it goes to the display twice.
    winId();
    setWindowIcon(ProgramIcon());
    // Moves over the background (and the band and lines, which let them through) end a
    // highlight, also with no button pressed.
    setMouseTracking(true);

    InstallAccessibility();
    controls_ = BuildFrmMainControls(*this);
    resultCaption_ = std::make_unique<CaptionThrottle>(control<Label>(Control::lblResult));
    resultAnnouncer_ = std::make_unique<ResultAnnouncer>(control<Label>(Control::lblResult));
    notice_ = new Notice(control(Control::lblResult));
    ConnectHandlers();
    goneWatch_ = WatchForWindowGone(
        [this] { return static_cast<NativeWindowHandle>(internalWinId()); }, [this] { close(); });
    run_.ShowOnDesktop(*services_.desktop);
}

// Every click and pointer move goes to the handlers, which know what it concerns.
void frmMain::ConnectHandlers() {
    for (const ControlDesign& design : FrmMainControlDesigns()) {
        const Control id = design.id;
        if (auto* button = qobject_cast<QAbstractButton*>(controls_[id])) {
            connect(button, &QAbstractButton::clicked, this, [this, id] { Control_Click(id); });
            button->installEventFilter(this);  // Enter presses it too
        } else if (auto* clickable = qobject_cast<ClickableWidget*>(controls_[id])) {
            connect(clickable, &ClickableWidget::clicked, this, [this, id] { Control_Click(id); });
            connect(clickable, &ClickableWidget::mouseMoved, this,
                    [this, id] { logic_.Control_MouseMove(id); });
            connect(clickable, &ClickableWidget::keyPressed, this,
                    [this, id] { Control_Click(PressTarget(id)); });
        }
        if (design.kind == ControlKind::PictureButton) {
            ShowNameAsToolTip(control(id));
        }
    }
    for (int box = 0; box < 2; ++box) {
        connect(&Box(box), &DropBox::filesDropped, this,
                [this, box](const std::vector<std::string>& paths) {
                    logic_.lblFile_FilesGiven(box, paths);
                });
        new BoxInput(Box(box), box, logic_);  // a chooser and the clipboard, handed on as a drop
    }
    new ResultCopy(control(Control::lblResult), logic_);
    connect(resultCaption_.get(), &CaptionThrottle::shown, this, [this](const QString& caption) {
        resultAnnouncer_->Landed(caption, state_.isRunning);
    });
    connect(&control<QTimer>(Control::tmrLang), &QTimer::timeout, this,
            [this] { logic_.tmrLang_Timer(); });
}

// Compare's click is the run's; a flag's click switches the language, which the result line
// shows at once, also in the middle of a run, where the line is throttled.
void frmMain::Control_Click(Control id) {
    if (id == Control::comCompare) {
        comCompare_Click();
        return;
    }
    logic_.Control_Click(id);
    if (id == Control::imgLangENG_hl || id == Control::imgLangHUN_hl) {
        resultCaption_->Flush();
        AnnounceNewNames(*this);
    }
}

// Space presses a focused button as Qt does; Enter does the same here, as in a dialog.
bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (button != nullptr && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const bool plain = (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)) {
            button->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

frmMain::~frmMain() = default;

void frmMain::Form_Load() {
    logic_.Form_Load();
}

// The focus starts where Tab starts, not on whichever control was made first.
void frmMain::ShowCentred() {
    duplexa::ShowCentred(*this);
    services_.desktop->SetWindow(WindowHandle());
    for (const Control id : FrmMainTabOrder()) {
        if (control(id).isEnabled()) {
            control(id).setFocus(Qt::TabFocusReason);
            break;
        }
    }
}

void frmMain::comCompare_Click() {
    run_.comCompare_Click();
    if (state_.isRunning) {
        return;  // a Stop press handled inside the run; the run goes on to its next check
    }
    resultCaption_->Flush();  // the verdict always lands
    resultAnnouncer_->Settled(FromUtf8(WhereText(state_)));
    logic_.AfterCompare();
}

DropBox& frmMain::Box(int box) const {
    return control<DropBox>(lblFile(box));
}

void frmMain::FlushResultCaption() {
    resultCaption_->Flush();
}

// Closed from the title bar during a run, the window stays until the run has stopped;
// comCompare_Click then closes it for good.
void frmMain::closeEvent(QCloseEvent* event) {
    const bool unloadedBefore = logic_.Unloaded();
    if (!logic_.Form_QueryUnload()) {
        event->ignore();
        return;
    }
    if (!unloadedBefore) {
        emit unloaded();
    }
    event->accept();
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

void frmMain::SetCompareEnabled(bool enabled) {
    QWidget& compare = control(Control::comCompare);
    if (!enabled && compare.hasFocus()) {
        // Not on to whatever follows: the verdict is read where the focus lands.
        resultCaption_->Flush();
        control(kFocusAfterRun).setFocus(Qt::OtherFocusReason);
    }
    compare.setEnabled(enabled);
}

void frmMain::SetDropMode(int box, DropMode mode) {
    Box(box).SetDropMode(mode);
}

void frmMain::SetCloseEnabled(bool enabled) {
    control(Control::ComClose).setEnabled(enabled);
}

void frmMain::SetDifferenceMap(const DiffCells* cells) {
    for (int box = 0; box < 2; ++box) {
        Box(box).SetMap(cells);
    }
}

// Read as the line's description too (accessibility.cpp).
void frmMain::SetResultDetail(const std::string& text) {
    QWidget& line = control(Control::lblResult);
    line.setToolTip(FromUtf8(text));
    QAccessibleEvent changed(&line, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

float frmMain::Left(Control control) const {
    return static_cast<float>(this->control(control).x());
}

float frmMain::Top(Control control) const {
    return static_cast<float>(this->control(control).y());
}

float frmMain::Width(Control control) const {
    return static_cast<float>(this->control(control).width());
}

float frmMain::Height(Control control) const {
    return static_cast<float>(this->control(control).height());
}

// Widgets sit on whole pixels; every place and size the handlers give is one.
void frmMain::SetLeft(Control control, float left) {
    QWidget& widget = this->control(control);
    widget.move(qRound(left), widget.y());
}

void frmMain::SetTop(Control control, float top) {
    QWidget& widget = this->control(control);
    widget.move(widget.x(), qRound(top));
}

void frmMain::SetWidth(Control control, float width) {
    QWidget& widget = this->control(control);
    widget.resize(qRound(width), widget.height());
}

void frmMain::SetHeight(Control control, float height) {
    QWidget& widget = this->control(control);
    widget.resize(widget.width(), qRound(height));
}

void frmMain::SetCaption(Control control, const std::string& caption) {
    if (control == Control::lblResult) {
        // During a run the line changes after every block; a person sees a few dozen a second.
        resultCaption_->Show(caption, state_.isRunning);
        return;
    }
    const QString text = FromUtf8(caption);
    QObject* target = controls_[control];
    if (auto* label = qobject_cast<Label*>(target)) {
        label->SetCaption(text);  // a self-sizing one resizes
    } else if (auto* box = qobject_cast<DropBox*>(target)) {
        box->SetText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        button->setText(text);
    } else {
        throw std::invalid_argument("the control has no caption");
    }
}

std::string frmMain::Caption(Control control) const {
    const QObject* target = controls_[control];
    if (const auto* label = qobject_cast<const Label*>(target)) {
        return label->caption().toStdString();
    }
    if (const auto* box = qobject_cast<const DropBox*>(target)) {
        return box->text().toStdString();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(target)) {
        return button->text().toStdString();
    }
    throw std::invalid_argument("the control has no caption");
}

void frmMain::SetVisible(Control control, bool visible) {
    this->control(control).setVisible(visible);
}

void frmMain::SetForeColour(Control control, OleColour colour) {
    if (auto* box = qobject_cast<DropBox*>(controls_[control])) {
        box->SetForeColour(colour);
        return;
    }
    this->control<Label>(control).SetForeColour(colour);
}

void frmMain::SetFontUnderline(Control control, bool underline) {
    this->control<Label>(control).SetUnderline(underline);
}

void frmMain::SetBackColour(Control control, OleColour colour) {
    QObject* target = controls_[control];
    if (auto* frame = qobject_cast<FrameWidget*>(target)) {
        frame->SetBackColour(colour);
    } else if (auto* shape = qobject_cast<ShapeWidget*>(target)) {
        shape->SetColour(colour);
    } else if (auto* box = qobject_cast<DropBox*>(target)) {
        box->SetBackColour(colour);
    } else {
        this->control<Label>(control).SetBackColour(colour);
    }
}

void frmMain::SetInForce(Control control, bool inForce) {
    QObject* target = controls_[control];
    if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        button->setCheckable(true);
        button->setChecked(inForce);
    } else {
        this->control<ImageBox>(control).SetMarked(inForce);
    }
    QAccessible::State checked;
    checked.checked = true;
    QAccessibleStateChangeEvent changed(target, checked);
    QAccessible::updateAccessibility(&changed);
}

void frmMain::SetMapEdge(MapEdge edge) {
    for (int box = 0; box < 2; ++box) {
        Box(box).SetMapEdge(edge);
    }
}

void frmMain::AnnounceCaption(Control control) {
    notice_->Say(FromUtf8(Caption(control)));
}

void frmMain::SetTimerEnabled(bool enabled) {
    QTimer& timer = control<QTimer>(Control::tmrLang);
    if (enabled) {
        timer.start();
    } else {
        timer.stop();
    }
}

void frmMain::SetWindowCaption(const std::string& caption) {
    setWindowTitle(FromUtf8(caption));
}

OleColour frmMain::BackColour() const {
    return kFormBackColour;
}

float frmMain::ScaleWidth() const {
    return static_cast<float>(width());
}

// The toolkit's frame and the pointer position share one coordinate space.
TwipsRect frmMain::OuterRectTwips() const {
    const QRect outer = frameGeometry();
    const auto twips = [](int pixels) { return static_cast<float>(pixels * kTwipsPerPixel); };
    return {twips(outer.x()), twips(outer.y()), twips(outer.width()), twips(outer.height())};
}

NativeWindowHandle frmMain::WindowHandle() const {
    return static_cast<NativeWindowHandle>(winId());
}

// Closes the window as its title bar does (closeEvent).
void frmMain::Unload() {
    close();
}

void frmMain::EndProgram() {
    QCoreApplication::quit();
}

}  // namespace duplexa
