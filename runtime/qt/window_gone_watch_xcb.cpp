#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <QTimer>
#include <utility>

#include "runtime/qt/window_gone_watch.h"

namespace duplexa {
namespace {

class XcbWindowGoneWatch final : public WindowGoneWatch, public QAbstractNativeEventFilter {
  public:
    XcbWindowGoneWatch(std::function<NativeWindowHandle()> window, std::function<void()> gone)
        : window_(std::move(window)), gone_(std::move(gone)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~XcbWindowGoneWatch() override {
        if (QCoreApplication* app = QCoreApplication::instance()) {
            app->removeNativeEventFilter(this);
        }
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (reported_ || eventType != "xcb_generic_event_t") {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) != XCB_DESTROY_NOTIFY) {
            return false;
        }
        const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
        const NativeWindowHandle watched = window_();
        if (watched != 0 && destroyed->window == watched) {
            reported_ = true;
            // Not from inside the toolkit's own event handling: the handler may close windows.
            QTimer::singleShot(0, QCoreApplication::instance(), gone_);
        }
        return false;  // the toolkit still sees the event
    }

  private:
    std::function<NativeWindowHandle()> window_;
    std::function<void()> gone_;
    bool reported_ = false;
};

}  // namespace

std::unique_ptr<WindowGoneWatch> WatchForWindowGone(std::function<NativeWindowHandle()> window,
                                                    std::function<void()> gone) {
    return std::make_unique<XcbWindowGoneWatch>(std::move(window), std::move(gone));
}

}  // namespace duplexa
