// The window tests need a QApplication for the whole run; they use the offscreen platform
// unless another one is asked for. The window reads and stores its settings, so the whole run
// gets a configuration folder of its own: no test reaches the user's settings.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

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
    // Tests close windows with no event loop running; only the test that checks the
    // program's exit turns this on.
    QApplication::setQuitOnLastWindowClosed(false);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
