// The real window and desktop service on the test run's private session bus,
// whose other side stands in for a dock (it records the launcher entry's Update
// signals), the screen saver and the sleep portal (they record who holds sleep
// off), with runs slowed to a disk's pace.

#include <gtest/gtest.h>

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <vector>

#include "core/language.h"
#include "core/text_catalogue.h"
#include "support/qt/synthetic_drop.h"
#include "support/temp_dir.h"
#include "window/qt/drop_box.h"
#include "window/qt/frm_main.h"

namespace duplexa {
namespace {

const QString kSaver = "/org/freedesktop/ScreenSaver";
const QString kPortal = "/org/freedesktop/portal/desktop";
const QString kRequest = kPortal + "/request/1";

// Calls are kept as "path member arguments", a portal's options by their
// reason.
class StandIn final : public QDBusVirtualObject {
    Q_OBJECT

  public:
    explicit StandIn(bool portal)
        : bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus, "stand-in")) {
        bus_.registerService("org.freedesktop.ScreenSaver");
        bus_.registerVirtualObject(kSaver, this);
        if (portal) {
            bus_.registerService("org.freedesktop.portal.Desktop");
            bus_.registerVirtualObject(kPortal, this, QDBusConnection::SubPath);
        }
        bus_.connect({}, {}, "com.canonical.Unity.LauncherEntry", "Update", this,
                     SLOT(Update(QString, QVariantMap)));
    }
    ~StandIn() override { QDBusConnection::disconnectFromBus("stand-in"); }

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& call, const QDBusConnection& bus) override {
        QString entry = call.path() + ' ' + call.member();
        for (const QVariant& argument : call.arguments()) {
            entry += ' ' + (argument.canConvert<QDBusArgument>()
                                ? qdbus_cast<QVariantMap>(argument).value("reason").toString()
                                : argument.toString());
        }
        holds << entry;
        const QVariant handle =
            call.path() == kSaver ? QVariant(7u) : QVariant::fromValue(QDBusObjectPath(kRequest));
        bus.send(call.member() == "Inhibit" ? call.createReply(handle) : call.createReply());
        return true;
    }

    QStringList holds;
    std::vector<QVariantMap> updates;

  public slots:
    void Update(const QString& entry, const QVariantMap& properties) {
        if (entry == "application://hu.veltrimo.Duplexa.desktop") {
            updates.push_back(properties);
        }
    }

  private:
    QDBusConnection bus_;
};

constexpr std::int64_t kBlock = 1 << 20;
constexpr std::int64_t kSize = 24 * kBlock;

TEST(DesktopBusTest, EveryEndOfARunHidesTheProgressAndLetsSleepGo) {
    if (!QDBusConnection::sessionBus().isConnected()) {
        GTEST_SKIP() << "no private session bus: dbus-daemon (Debian package dbus-daemon)";
    }
    const struct {
        const char* name;
        bool portal;
        std::int64_t secondSize;
        std::function<void(frmMain&, const std::string& second)> atTurn12;
        const char* result;
    } ends[] = {
        {"verdict", true, kSize, nullptr, "They are exactly the same."},
        {"stop", false, kSize, [](frmMain& form, auto&) { form.comCompare_Click(); },
         "Cancelled by user."},
        {"failure", false, kSize,
         [](frmMain&, auto& second) { std::filesystem::resize_file(second, kBlock + 10); },
         "File cannot be read."},
        {"close", false, kSize, [](frmMain& form, auto&) { form.close(); }, "Cancelled by user."},
        // Over before the bus answers: what it grants then goes back at once.
        {"sizes differ", false, kSize - 1, nullptr, "Different file size!"},
    };
    const test::TempDir dir;
    const std::string first = dir.Write("a.bin", test::PatternBytes(kSize));
    for (const auto& end : ends) {
        SCOPED_TRACE(end.name);
        StandIn standIn(end.portal);
        const auto second = dir.Write("b.bin", test::PatternBytes(std::size_t(end.secondSize)));
        frmMain form;
        form.Form_Load();
        form.ShowCentred();
        DropFiles(form.Box(0), {QString::fromStdString(first)});
        DropFiles(form.Box(1), {QString::fromStdString(second)});
        // Each event-loop turn of the run waits as long as a slow disk's block would.
        int turns = 0;
        QTimer disk;
        QObject::connect(&disk, &QTimer::timeout, [&] {
            QThread::msleep(40);
            if (++turns == 12 && end.atTurn12) {
                end.atTurn12(form, second);
            }
        });
        disk.start(0);
        QElapsedTimer clock;
        clock.start();
        form.control<QPushButton>(Control::comCompare).click();
        const double seconds = static_cast<double>(clock.elapsed()) / 1000;
        disk.stop();
        EXPECT_EQ(form.state().resultEn, end.result);

        const auto& updates = standIn.updates;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return standIn.holds.size() >= 2 && !updates.empty() &&
                   !updates.back().value("progress-visible").toBool();
        }));
        const QString why =
            QString::fromStdString(PickText(TXT_COMPARING_FILES.hu, TXT_COMPARING_FILES.en));
        const QStringList holds =
            end.portal ? QStringList{kPortal + " Inhibit  12 " + why, kRequest + " Close"}
                       : QStringList{kSaver + " Inhibit Duplexa " + why, kSaver + " UnInhibit 7"};
        EXPECT_EQ(standIn.holds, holds);
        // Shown at 0, then rising, no more than 4 times a second, then hidden once.
        ASSERT_GE(updates.size(), end.secondSize == kSize ? 3u : 2u);
        EXPECT_LE(static_cast<double>(updates.size() - 1), 1 + 4 * seconds);
        EXPECT_EQ(updates[0].value("progress").toDouble(), 0.0);
        for (std::size_t i = 0; i + 1 < updates.size(); ++i) {
            EXPECT_TRUE(updates[i].value("progress-visible").toBool()) << i;
            EXPECT_TRUE(i == 0 || updates[i].value("progress").toDouble() >
                                      updates[i - 1].value("progress").toDouble())
                << i;
        }
    }
}

}  // namespace
}  // namespace duplexa

#include "desktop_bus_test.moc"
