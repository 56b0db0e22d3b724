#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QTimer>
#include <QVariantMap>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "runtime/desktop.h"

namespace duplexa {
namespace {

// Docks find the program's entry by its desktop file's name.
const QString kLauncherEntry = QStringLiteral("application://hu.veltrimo.Duplexa.desktop");
const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kScreenSaver = QStringLiteral("org.freedesktop.ScreenSaver");
constexpr uint kSuspendAndIdle = 4 | 8;

// Sleep held off for one run, or asked for: the answer may come after the run has ended.
struct SleepHold {
    bool released = false;
    QString request;             // the portal's, closed to let go
    std::optional<uint> cookie;  // the screen saver's
};

class DbusDesktop final : public Desktop {
  public:
    // Once the window is up, not before it shows: the first connection to the bus waits for
    // its answer, which a run then need not.
    void SetWindow(NativeWindowHandle window) override {
        window_ = window;
        QTimer::singleShot(0, &calls_, [this] { Bus(); });
    }

    void ShowProgress(double fraction) override {
        Update(
            {{QStringLiteral("progress"), fraction}, {QStringLiteral("progress-visible"), true}});
    }
    void HideProgress() override { Update({{QStringLiteral("progress-visible"), false}}); }

    // Through the portal where one answers, else through the screen saver.
    void HoldSleep(const std::string& reason) override {
        auto hold = std::make_shared<SleepHold>();
        hold_ = hold;
        const QString why = QString::fromStdString(reason);
        QDBusMessage portal = QDBusMessage::createMethodCall(
            kPortal, QStringLiteral("/org/freedesktop/portal/desktop"),
            QStringLiteral("org.freedesktop.portal.Inhibit"), QStringLiteral("Inhibit"));
        portal << QString() << kSuspendAndIdle << QVariantMap{{QStringLiteral("reason"), why}};
        Await(portal, [this, hold, why](const QDBusMessage& reply) {
            if (reply.type() == QDBusMessage::ReplyMessage) {
                hold->request = reply.arguments().value(0).value<QDBusObjectPath>().path();
                LetGoIfReleased(*hold);
                return;
            }
            QDBusMessage saver = ScreenSaverCall(QStringLiteral("Inhibit"));
            saver << QStringLiteral("Duplexa") << why;
            Await(saver, [this, hold](const QDBusMessage& granted) {
                if (granted.type() == QDBusMessage::ReplyMessage) {
                    hold->cookie = granted.arguments().value(0).toUInt();
                    LetGoIfReleased(*hold);
                }
            });
        });
    }
    void ReleaseSleep() override {
        if (hold_) {
            hold_->released = true;
            LetGoIfReleased(*hold_);
            hold_.reset();
        }
    }

    bool WindowActive() const override {
        const QWidget* window = QWidget::find(static_cast<WId>(window_));
        return window == nullptr || window->isActiveWindow();
    }
    void AskAttention() override {
        if (QWidget* window = QWidget::find(static_cast<WId>(window_))) {
            QApplication::alert(window);
        }
    }

  private:
    void Update(const QVariantMap& properties) {
        QDBusMessage update = QDBusMessage::createSignal(
            QStringLiteral("/hu/veltrimo/Duplexa"),
            QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"));
        update << kLauncherEntry << properties;
        Bus().send(update);
    }

    static QDBusMessage ScreenSaverCall(const QString& method) {
        return QDBusMessage::createMethodCall(
            kScreenSaver, QStringLiteral("/org/freedesktop/ScreenSaver"), kScreenSaver, method);
    }

    // What was granted goes back, without waiting for an answer.
    void LetGoIfReleased(SleepHold& hold) {
        if (!hold.released) {
            return;
        }
        if (!hold.request.isEmpty()) {
            Bus().send(QDBusMessage::createMethodCall(
                kPortal, std::exchange(hold.request, {}),
                QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Close")));
        }
        if (hold.cookie) {
            QDBusMessage let = ScreenSaverCall(QStringLiteral("UnInhibit"));
            let << *std::exchange(hold.cookie, std::nullopt);
            Bus().send(let);
        }
    }

    // then runs from the event loop when the answer (or an error) comes.
    void Await(const QDBusMessage& call, std::function<void(const QDBusMessage&)> then) {
        auto* watcher = new QDBusPendingCallWatcher(Bus().asyncCall(call), &calls_);
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &calls_,
                         [then = std::move(then)](QDBusPendingCallWatcher* done) {
                             then(done->reply());
                             done->deleteLater();
                         });
    }

    // Without a bus every call goes nowhere.
    QDBusConnection& Bus() {
        if (!bus_) {
            bus_ = QDBusConnection::sessionBus();
        }
        return *bus_;
    }

    std::optional<QDBusConnection> bus_;
    NativeWindowHandle window_ = 0;
    std::shared_ptr<SleepHold> hold_;
    QObject calls_;  // the calls in flight: gone with it, their answers reach nothing
};

}  // namespace

std::unique_ptr<Desktop> MakeSystemDesktop() {
    return std::make_unique<DbusDesktop>();
}

}  // namespace duplexa
