#include "window/frm_main.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QStyle>
#include <QTimer>

#include "core/language.h"
#include "core/text_catalogue.h"
#include "runtime/file_table.h"
#include "window/auto_size_label.h"
#include "window/caption_button.h"
#include "window/caption_throttle.h"
#include "window/design_fonts.h"
#include "window/drop_box.h"
#include "window/frame_widget.h"
#include "window/image_box.h"
#include "window/label.h"
#include "window/line_widget.h"
#include "window/ole_colour.h"
#include "window/picture_store.h"
#include "window/shape_widget.h"

namespace duplexa {
namespace {

constexpr OleColour kFormBackColour = kSysButtonFace;
constexpr int kCornerMargin = 4;  // between the right-hand corner controls and the edge

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The window's own font, which the boxes, the buttons and the layout label use. Fixed rather
// than the desktop's, so that captions fit the fixed-size window everywhere.
QFont FormFont() {
    return DesignFont(QStringLiteral("Arial"), 8.25, false);
}

}  // namespace

frmMain::frmMain(QWidget* parent)
    : QWidget(parent), run_(state_, *this, pump_, Files()), fileDrop_(state_, *this, Files()) {
    static const bool fallbacks = (InstallFontFallbacks(), true);
    (void)fallbacks;
    setObjectName(QStringLiteral("frmMain"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(FormFont());
    setWindowTitle(QStringLiteral("frmMain"));
    setWindowIcon(ProgramIcon());

    controls_ = BuildFrmMainControls(*this);
    resultCaption_ = std::make_unique<CaptionThrottle>(*controls_.lblResult);

    connect(controls_.comCompare, &QPushButton::clicked, this, &frmMain::comCompare_Click);
    connect(controls_.ComClose, &QPushButton::clicked, this, &frmMain::ComClose_Click);
    for (int box = 0; box < 2; ++box) {
        connect(&Box(box), &DropBox::filesDropped, this,
                [this, box](const QStringList& paths) { lblFile_Dropped(box, paths); });
    }
}

frmMain::~frmMain() = default;

void frmMain::Form_Load() {
    const frmMainControls& c = controls_;
    const int width = kClientWidth;
    c.lblVersion->SetCaption(QStringLiteral("v%1.%2.%3")
                                 .arg(DUPLEXA_VERSION_MAJOR)
                                 .arg(DUPLEXA_VERSION_MINOR)
                                 .arg(DUPLEXA_VERSION_PATCH));
    // The flags and the two labels of the top-right corner keep to the right edge.
    c.imgLangHUN->move(width - kCornerMargin - c.imgLangENG->width(), c.imgLangHUN->y());
    c.imgLangENG->move(width - 7 - 2 * c.imgLangENG->width(), c.imgLangENG->y());
    c.lblHomepage->move(width - kCornerMargin - c.lblHomepage->width(), c.lblHomepage->y());
    c.lblVersion->move(width - kCornerMargin - c.lblVersion->width(), c.lblVersion->y());
    c.frResult->SetBackColour(backColour());
    state_.promptShown = {true, true};
    state_.isRunning = false;
    c.lblResult->SetCaption(QString());

    // Until stored settings exist: the stacked layout, the rest state of the hover spots and
    // English. The layout, hover and language code replaces these steps.
    state_.layoutMode = 2;
    c.lblFile[0]->setGeometry(8, 80, 457, 57);
    c.lblFile[1]->setGeometry(8, 208, 457, 57);
    c.frResult->move(200, 140);
    c.comCompare->move(16, 152);
    c.imgLangHUN_hl->move(c.imgLangHUN->pos());
    c.imgLangENG_hl->move(c.imgLangENG->pos());
    c.imgLangENG_hl->hide();
    c.imgLangHUN_hl->hide();
    c.lblHomepage->SetForeColour(kLinkBlue);
    c.lblHomepage->SetUnderline(false);
    c.tmrLang->stop();
    state_.hoverTarget = 0;
    currentLanguage = 1;
    c.lblTitle->SetCaption(FromUtf8(TXT_TITLE.en));
    c.comCompare->setText(FromUtf8(TXT_COMPARE.en));
    c.ComClose->setText(FromUtf8(TXT_CLOSE.en));
    c.lblLayout->SetCaption(FromUtf8(TXT_LAYOUT.en));
    c.lblFile[0]->SetText(FromUtf8(TXT_DROP_FIRST.en));
    c.lblFile[1]->SetText(FromUtf8(TXT_DROP_SECOND.en));
    c.lblResult->SetCaption(FromUtf8(state_.resultEn));
    setWindowTitle(c.lblTitle->caption());
}

void frmMain::ShowCentred() {
    if (const QScreen* where = screen()) {
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        where->availableGeometry()));
    }
    show();
}

void frmMain::comCompare_Click() {
    run_.comCompare_Click();
    if (state_.isRunning) {
        return;  // a Stop press handled inside the run; the run goes on to its next check
    }
    resultCaption_->Flush();  // the verdict always lands
    if (closeAsked_) {
        closeAsked_ = false;
        close();
    }
}

void frmMain::ComClose_Click() {
    close();
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
    // Storing the layout belongs here once the settings store is wired in.
    emit unloaded();
}

void frmMain::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), ToQColor(kFormBackColour));
}

void frmMain::lblFile_Dropped(int index, const QStringList& paths) {
    std::vector<std::string> files;
    files.reserve(static_cast<std::size_t>(paths.size()));
    for (const QString& path : paths) {
        files.push_back(path.toStdString());
    }
    fileDrop_.lblFile_OLEDragDrop(static_cast<std::int16_t>(index), files);
}

ShapeWidget& frmMain::ShapeControl(Shape shape) const {
    return shape == Shape::sEqual1 ? *controls_.sEqual1 : *controls_.sEqual2;
}

DropBox& frmMain::Box(int box) const {
    return *controls_.lblFile.at(static_cast<std::size_t>(box));
}

void frmMain::SetResultCaption(const std::string& text) {
    // During a run the line changes after every block; a person sees a few dozen a second.
    resultCaption_->Show(FromUtf8(text), state_.isRunning);
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
