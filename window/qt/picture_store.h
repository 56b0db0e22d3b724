#pragma once
// The window's pictures, compiled into the program as Qt resources under ":/pictures/".

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace duplexa {

// The picture of that file name ("logo.png"); a null pixmap when the program lacks it.
QPixmap LoadPicture(const QString& name);

// The program icon in every size the program carries, for the caption bar and the desktop.
QIcon ProgramIcon();

}  // namespace duplexa
