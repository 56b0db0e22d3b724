// The window tests need a QApplication for the whole run; they use the
// offscreen platform unless another one is asked for. The window reads and
// stores its settings, so the whole run gets a configuration folder of its own:
// no test reaches the user's settings. Nor the user's desktop: the run gets a
// private session bus that starts no service, so no dock, portal or screen
// saver of this machine hears it (without dbus-daemon, a bus that is not
// there).

#include <gtest/gtest.h>
#include <sys/prctl.h>

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QTemporaryDir settings;
    if (!settings.isValid()) {
        return 1;
    }
    qputenv("XDG_CONFIG_HOME", settings.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("HOME", settings.filePath(QStringLiteral("home")).toLocal8Bit());

    QApplication app(argc, argv);
    // Tests close windows with no event loop running; only the test that checks
    // the program's exit turns this on.
    QApplication::setQuitOnLastWindowClosed(false);

    QFile config(settings.filePath(QStringLiteral("bus.conf")));
    config.open(QIODevice::WriteOnly);
    config.write("<busconfig><listen>unix:dir=" + settings.path().toLocal8Bit() +
                 "</listen><policy context=\"default\"><allow send_destination=\"*\"/>"
                 "<allow receive_sender=\"*\"/><allow own=\"*\"/></policy></busconfig>");
    config.close();
    QProcess bus;
    bus.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    bus.start(QStringLiteral("dbus-daemon"),
              {"--nofork", "--print-address", "--config-file=" + config.fileName()});
    qputenv("DBUS_SESSION_BUS_ADDRESS",
            bus.waitForReadyRead() ? bus.readLine().trimmed()
                                   : "unix:path=" + settings.filePath("no-bus").toLocal8Bit());

    testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    bus.kill();
    bus.waitForFinished();
    return status;
}
