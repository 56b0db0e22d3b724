#pragma once
// The window's pictures, compiled into the program as Qt resources under ":/pictures/".

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace duplexa {

// The picture of that file name ("logo.png"); a null pixmap when the program lacks it.
QPixmap LoadPicture(const QString& name);

// The program icon for the caption bar, the task list and the window switcher.
QIcon ProgramIcon();

}  // namespace duplexa
