// Makes the main window's controls from its design table, in the table's order, so that a later
// control lies above an earlier one.

#include <QHash>
#include <QPushButton>
#include <QTimer>

#include "window/design/frm_main_design.h"
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

QRect ToRect(const PlaceDesign& place) {
    return {place.left, place.top, place.width, place.height};
}

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8 != nullptr ? utf8 : "");
}

QPixmap Picture(const ControlDesign& design) {
    return LoadPicture(QString::fromLatin1(design.picture != nullptr ? design.picture : ""));
}

Label* MakeLabel(QWidget& parent, const ControlDesign& design) {
    Label* label =
        (design.flags & kAutoSize) != 0 ? new AutoSizeLabel(&parent) : new Label(&parent);
    label->setGeometry(ToRect(design.place));
    label->SetCaption(Text(design.caption));
    if (design.font != nullptr) {
        label->setFont(DesignFont(QString::fromLatin1(design.font->family), design.font->points,
                                  design.font->bold));
    }
    if (design.foreColour) {
        label->SetForeColour(*design.foreColour);
    }
    if (design.backColour) {
        label->SetBackColour(*design.backColour);
    }
    if ((design.flags & kTransparentBack) != 0) {
        label->SetBackTransparent(true);
    }
    if ((design.flags & kRightAligned) != 0) {
        label->SetRightAligned(true);
    }
    return label;
}

QPushButton* MakePictureButton(QWidget& parent, const ControlDesign& design) {
    auto* button = new QPushButton(&parent);
    button->setGeometry(ToRect(design.place));
    button->setIcon(QIcon(Picture(design)));
    // The pictograms' own size, drawn unscaled.
    button->setIconSize(QSize(24, 18));
    return button;
}

QObject* Make(QWidget& parent, const ControlDesign& design) {
    const QRect place = ToRect(design.place);
    switch (design.kind) {
        case ControlKind::Shape: {
            auto* shape = new ShapeWidget(&parent, design.backColour.value_or(kWhite));
            shape->setGeometry(place);
            return shape;
        }
        case ControlKind::Label:
            return MakeLabel(parent, design);
        case ControlKind::Image: {
            auto* image = new ImageBox(&parent, Picture(design));
            image->setGeometry(place);
            return image;
        }
        case ControlKind::Line: {
            const LineDesign& line = design.line;
            return new LineWidget(&parent, {line.x1, line.y1}, {line.x2, line.y2}, line.width,
                                  design.foreColour.value_or(kSysWindowText));
        }
        case ControlKind::DropBox: {
            auto* box = new DropBox(&parent);
            box->SetText(Text(design.caption));
            box->setGeometry(place);
            return box;
        }
        case ControlKind::Frame: {
            auto* frame = new FrameWidget(&parent, design.backColour.value_or(kSysButtonFace));
            frame->setGeometry(place);
            return frame;
        }
        case ControlKind::Button: {
            auto* button = new CaptionButton(Text(design.caption), &parent);
            button->setGeometry(place);
            return button;
        }
        case ControlKind::PictureButton:
            return MakePictureButton(parent, design);
        case ControlKind::Timer: {
            auto* timer = new QTimer(&parent);
            timer->setInterval(design.intervalMs);
            return timer;
        }
    }
    qFatal("Unknown control kind for %s", design.name);
}

void ApplyStates(QObject& control, const ControlDesign& design) {
    control.setObjectName(QString::fromLatin1(design.name));
    if (auto* timer = qobject_cast<QTimer*>(&control)) {
        if (design.enabled) {
            timer->start();
        }
        return;
    }
    auto& widget = static_cast<QWidget&>(control);
    if ((design.flags & kNoMouseTracking) != 0) {
        widget.setMouseTracking(false);
    }
    if (!design.enabled) {
        widget.setEnabled(false);
    }
    if (!design.visible) {
        widget.hide();
    }
}

class MadeControls {
  public:
    void Add(const char* name, QObject* control) { byName_.insert(QLatin1String(name), control); }

    QWidget& Container(const char* name, QWidget& form) const {
        return name == nullptr ? form : Take<QWidget>(name);
    }

    // Every control the window reaches by name must be in the table, with the kind it expects.
    template <typename Control>
    Control& Take(const char* name) const {
        auto* control = qobject_cast<Control*>(byName_.value(QLatin1String(name)));
        if (control == nullptr) {
            qFatal("The window's design lacks the control %s", name);
        }
        return *control;
    }

  private:
    QHash<QString, QObject*> byName_;
};

}  // namespace

frmMainControls BuildFrmMainControls(QWidget& form) {
    MadeControls made;
    for (const ControlDesign& design : FrmMainControlDesigns()) {
        QObject* control = Make(made.Container(design.container, form), design);
        ApplyStates(*control, design);
        made.Add(design.name, control);
    }

    const auto tabOrder = FrmMainTabOrder();
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        QWidget::setTabOrder(&made.Take<QWidget>(tabOrder[i - 1]),
                             &made.Take<QWidget>(tabOrder[i]));
    }

    frmMainControls c;
    c.Shape3 = &made.Take<ShapeWidget>("Shape3");
    c.Image1 = &made.Take<ImageBox>("Image1");
    c.lblTitle = &made.Take<AutoSizeLabel>("lblTitle");
    c.Image2 = &made.Take<ImageBox>("Image2");
    c.Label10 = &made.Take<AutoSizeLabel>("Label10");
    c.lblVersion = &made.Take<AutoSizeLabel>("lblVersion");
    c.lblHomepage = &made.Take<Label>("lblHomepage");
    c.imgLangENG = &made.Take<ImageBox>("imgLangENG");
    c.imgLangHUN = &made.Take<ImageBox>("imgLangHUN");
    c.imgLangENG_hl = &made.Take<ImageBox>("imgLangENG_hl");
    c.imgLangHUN_hl = &made.Take<ImageBox>("imgLangHUN_hl");
    c.Line3 = &made.Take<LineWidget>("Line3");
    c.lblFile = {&made.Take<DropBox>("lblFile0"), &made.Take<DropBox>("lblFile1")};
    c.frResult = &made.Take<FrameWidget>("frResult");
    c.sEqual1 = &made.Take<ShapeWidget>("sEqual1");
    c.sEqual2 = &made.Take<ShapeWidget>("sEqual2");
    c.strikeLine = &made.Take<LineWidget>("strikeLine");
    c.comCompare = &made.Take<CaptionButton>("comCompare");
    c.lblResult = &made.Take<Label>("lblResult");
    c.Line2 = &made.Take<LineWidget>("Line2");
    c.Line1 = &made.Take<LineWidget>("Line1");
    c.lblLayout = &made.Take<AutoSizeLabel>("lblLayout");
    c.cmdOrder1 = &made.Take<QPushButton>("cmdOrder1");
    c.cmdOrder2 = &made.Take<QPushButton>("cmdOrder2");
    c.ComClose = &made.Take<CaptionButton>("ComClose");
    c.tmrLang = &made.Take<QTimer>("tmrLang");
    return c;
}

}  // namespace duplexa
