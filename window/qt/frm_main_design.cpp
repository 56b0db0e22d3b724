// Makes the main window's controls from its design table, in the table's order, so that a later
// control lies above an earlier one.

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

constexpr char kIdProperty[] = "duplexaControl";

void ApplyStates(QObject& control, const ControlDesign& design) {
    control.setObjectName(QString::fromLatin1(design.name));
    control.setProperty(kIdProperty, static_cast<int>(design.id));
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

}  // namespace

std::optional<Control> ControlIdOf(const QObject& object) {
    const QVariant id = object.property(kIdProperty);
    return id.isValid() ? std::optional(static_cast<Control>(id.toInt())) : std::nullopt;
}

frmMainControls BuildFrmMainControls(QWidget& form) {
    frmMainControls made;
    for (const ControlDesign& design : FrmMainControlDesigns()) {
        QWidget& parent = design.container ? ControlAs<QWidget>(made, *design.container) : form;
        QObject* control = Make(parent, design);
        ApplyStates(*control, design);
        made[design.id] = control;
    }

    // The flags and the link take the focus only from the keyboard. The result line takes it
    // only after a run; from there Tab goes on where the design's full order puts it, after
    // Compare.
    const auto tabOrder = FrmMainTabOrder();
    for (const Control id : tabOrder) {
        QWidget& widget = ControlAs<QWidget>(made, id);
        if (widget.focusPolicy() == Qt::NoFocus) {
            widget.setFocusPolicy(Qt::TabFocus);
        }
    }
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        QWidget::setTabOrder(&ControlAs<QWidget>(made, tabOrder[i - 1]),
                             &ControlAs<QWidget>(made, tabOrder[i]));
    }
    QWidget& afterRun = ControlAs<QWidget>(made, kFocusAfterRun);
    afterRun.setFocusPolicy(Qt::ClickFocus);  // Tab passes it by
    QWidget::setTabOrder(&ControlAs<QWidget>(made, tabOrder[0]), &afterRun);
    QWidget::setTabOrder(&afterRun, &ControlAs<QWidget>(made, tabOrder[1]));
    return made;
}

}  // namespace duplexa
