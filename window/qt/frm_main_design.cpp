// The main window as designed. Positions and sizes are pixels of the client area; everything
// that start-up or later events change is changed elsewhere.

#include <QPushButton>
#include <QTimer>

#include "window/logic/maker.h"
#include "window/qt/auto_size_label.h"
#include "window/qt/caption_button.h"
#include "window/qt/design_fonts.h"
#include "window/qt/drop_box.h"
#include "window/qt/frame_widget.h"
#include "window/qt/frm_main_controls.h"
#include "window/qt/image_box.h"
#include "window/qt/label.h"
#include "window/qt/line_widget.h"
#include "window/qt/ole_colour.h"
#include "window/qt/picture_store.h"
#include "window/qt/shape_widget.h"

namespace duplexa {
namespace {

template <typename Control>
Control* Named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

template <typename LabelType>
LabelType* MakeLabel(QWidget& parent, const char* name, QRect place, const char* caption) {
    auto* label = Named(new LabelType(&parent), name);
    label->setGeometry(place);
    label->SetCaption(QString::fromUtf8(caption));
    return label;
}

ImageBox* MakeImage(QWidget& parent, const char* name, QRect place, const char* picture) {
    auto* image = Named(new ImageBox(&parent, LoadPicture(QString::fromLatin1(picture))), name);
    image->setGeometry(place);
    return image;
}

LineWidget* MakeLine(QWidget& parent, const char* name, QPoint from, QPoint to, int width,
                     OleColour colour) {
    return Named(new LineWidget(&parent, from, to, width, colour), name);
}

ShapeWidget* MakeShape(QWidget& parent, const char* name, QRect place, OleColour colour) {
    auto* shape = Named(new ShapeWidget(&parent, colour), name);
    shape->setGeometry(place);
    return shape;
}

QPushButton* MakePictureButton(QWidget& parent, const char* name, QRect place,
                               const char* picture) {
    auto* button = Named(new QPushButton(&parent), name);
    button->setGeometry(place);
    button->setIcon(QIcon(LoadPicture(QString::fromLatin1(picture))));
    button->setIconSize(QSize(24, 18));
    return button;
}

CaptionButton* MakeButton(QWidget& parent, const char* name, QRect place, const char* caption) {
    auto* button = Named(new CaptionButton(QString::fromUtf8(caption), &parent), name);
    button->setGeometry(place);
    return button;
}

}  // namespace

frmMainControls BuildFrmMainControls(QWidget& form) {
    frmMainControls c;
    const QFont title = DesignFont(QStringLiteral("Georgia"), 15.75, false);
    const QFont arialBold10 = DesignFont(QStringLiteral("Arial"), 9.75, true);
    const QFont arialBold8 = DesignFont(QStringLiteral("Arial"), 8.25, true);

    // Labels, images, shapes and lines, created from back to front: a later sibling lies
    // above an earlier one.
    c.Shape3 = MakeShape(form, "Shape3", {0, 0, 729, 73}, kWhite);

    c.lblResult = MakeLabel<Label>(form, "lblResult", {16, 270, 441, 21}, "lblResult");
    c.lblResult->setFont(arialBold10);

    c.imgLangHUN = MakeImage(form, "imgLangHUN", {414, 4, 21, 20}, "flag_hu.png");
    c.imgLangENG = MakeImage(form, "imgLangENG", {390, 4, 21, 20}, "flag_en.png");

    c.lblHomepage = MakeLabel<Label>(form, "lblHomepage", {328, 52, 105, 17}, kHomepageCaption);
    c.lblHomepage->setFont(arialBold8);
    c.lblHomepage->SetBackColour(kSysWindow);
    c.lblHomepage->SetRightAligned(true);

    c.Image2 = MakeImage(form, "Image2", {98, 41, 16, 16}, "emblem.png");

    c.Label10 = MakeLabel<AutoSizeLabel>(form, "Label10", {120, 41, 106, 16}, kMakerLine);
    c.Label10->setFont(arialBold10);
    c.Label10->SetBackColour(kSysWindow);

    c.lblTitle = MakeLabel<AutoSizeLabel>(form, "lblTitle", {96, 8, 82, 25}, "Title text");
    c.lblTitle->setFont(title);
    c.lblTitle->SetBackColour(kSysWindow);

    c.Line3 = MakeLine(form, "Line3", {0, 70}, {728, 70}, 1, kSysButtonShadow);
    c.Image1 = MakeImage(form, "Image1", {16, 2, 64, 64}, "logo.png");

    c.lblVersion = MakeLabel<AutoSizeLabel>(form, "lblVersion", {376, 32, 57, 14}, "lblVersion");
    c.lblVersion->setFont(arialBold8);
    c.lblVersion->SetForeColour(kSilver);
    c.lblVersion->SetBackTransparent(true);
    c.lblVersion->SetRightAligned(true);

    c.lblLayout = MakeLabel<AutoSizeLabel>(form, "lblLayout", {8, 310, 42, 13}, "lblLayout");

    c.Line1 = MakeLine(form, "Line1", {0, 296}, {472, 296}, 1, kWhite);
    c.Line2 = MakeLine(form, "Line2", {0, 295}, {728, 295}, 1, kSysButtonShadow);
    c.imgLangENG_hl = MakeImage(form, "imgLangENG_hl", {304, 8, 21, 20}, "flag_en_pale.png");
    c.imgLangHUN_hl = MakeImage(form, "imgLangHUN_hl", {328, 8, 21, 20}, "flag_hu_pale.png");
    // The pale flags take clicks only: a pointer resting on one reaches no handler, so the
    // highlight it stands for stays until the pointer moves on.
    c.imgLangENG_hl->setMouseTracking(false);
    c.imgLangHUN_hl->setMouseTracking(false);

    // Boxes, the frame and the buttons lie above all of those.
    for (int box = 0; box < 2; ++box) {
        auto* dropBox = Named(new DropBox(&form), box == 0 ? "lblFile0" : "lblFile1");
        dropBox->SetText(box == 0 ? QStringLiteral("Text1") : QStringLiteral("Text2"));
        c.lblFile[static_cast<std::size_t>(box)] = dropBox;
    }
    c.lblFile[0]->setGeometry(8, 80, 185, 179);
    c.lblFile[1]->setGeometry(280, 80, 185, 177);

    c.frResult = Named(new FrameWidget(&form, kSysButtonShadow), "frResult");
    c.frResult->setGeometry(200, 120, 73, 65);
    // Inside the frame, from back to front: the stroke, then the bars over it.
    c.strikeLine = MakeLine(*c.frResult, "strikeLine", {16, 60}, {56, 4}, 4, kRed);
    c.sEqual1 = MakeShape(*c.frResult, "sEqual1", {13, 17, 47, 10}, kSignGreen);
    c.sEqual2 = MakeShape(*c.frResult, "sEqual2", {13, 37, 47, 10}, kSignGreen);
    c.strikeLine->hide();
    c.sEqual1->hide();
    c.sEqual2->hide();

    c.comCompare = MakeButton(form, "comCompare", {200, 216, 73, 41}, "Compare");
    c.comCompare->setEnabled(false);
    c.cmdOrder1 = MakePictureButton(form, "cmdOrder1", {80, 301, 33, 28}, "layout_side.png");
    c.cmdOrder2 = MakePictureButton(form, "cmdOrder2", {120, 301, 33, 28}, "layout_stacked.png");
    c.ComClose = MakeButton(form, "ComClose", {376, 304, 81, 25}, "Close");

    c.tmrLang = Named(new QTimer(&form), "tmrLang");
    c.tmrLang->setInterval(100);

    QWidget::setTabOrder(c.comCompare, c.ComClose);
    QWidget::setTabOrder(c.ComClose, c.cmdOrder1);
    QWidget::setTabOrder(c.cmdOrder1, c.cmdOrder2);
    QWidget::setTabOrder(c.cmdOrder2, c.lblFile[0]);
    QWidget::setTabOrder(c.lblFile[0], c.lblFile[1]);
    return c;
}

}  // namespace duplexa
