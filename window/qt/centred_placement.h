#pragma once
// Where the window opens: its outer rectangle, frame and title bar included, in the middle of
// the free area of its screen.

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace duplexa {

// The top-left corner of an outer rectangle of that size centred in available.
QPoint CentredFramePosition(const QRect& available, const QSize& outer);

// Shows window centred. Where the window system frames a window only once it is shown (X11),
// the frame is not known before: the window is centred again as soon as it is, unless it was
// moved in the meantime.
void ShowCentred(QWidget& window);

}  // namespace duplexa
