#pragma once
// Every control of the main window at its id; each also carries its design name as its
// objectName.

#include <QObject>
#include <optional>

#include "window/design/control_id.h"

class QWidget;

namespace duplexa {

using frmMainControls = PerControl<QObject*>;

// Builds the controls on form with their design values: places, sizes, texts, fonts,
// colours, pictures, visibility, stacking order and focus order.
frmMainControls BuildFrmMainControls(QWidget& form);

// The id a control of the window carries from its making on, so that it is known before the
// window holds it; none for any other object.
std::optional<Control> ControlIdOf(const QObject& object);

// The control at id as the class its kind makes it; any other class is a fault of the program.
template <typename T>
T& ControlAs(const frmMainControls& controls, Control id) {
    auto* control = qobject_cast<T*>(controls[id]);
    if (control == nullptr) {
        qFatal("Control %d is no %s", static_cast<int>(id), T::staticMetaObject.className());
    }
    return *control;
}

}  // namespace duplexa
