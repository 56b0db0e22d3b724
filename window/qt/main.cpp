// Starting the program loads the window, runs its start-up and shows it.

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <thread>

#ifdef DUPLEXA_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include "window/qt/design_fonts.h"
#include "window/qt/frm_main.h"

namespace {

// Without a display Qt would abort with a platform-plugin error; say plainly what is wrong.
bool DisplayMissing(int argc, char** argv) {
#if defined(__unix__) && !defined(__APPLE__)
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0) {
            return false;
        }
    }
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return !set("DISPLAY") && !set("WAYLAND_DISPLAY") && !set("QT_QPA_PLATFORM");
#else
    (void)argc;
    (void)argv;
    return false;
#endif
}

// Before the first caption can be measured, fontconfig reads its whole configuration: a second
// thread does it while Qt connects to the display. Nothing of Qt's is touched there before the
// application exists (Qt sets its plugin paths up then, unguarded).
void ReadFontConfiguration() {
#ifdef DUPLEXA_FONTCONFIG
    FcInit();  // Qt's font database finds it done
#endif
}

// A thread for work that can go on beside the main one; none where the system refuses one, and
// the work is then done where it is first needed.
std::thread Started(void (*work)()) {
    try {
        return std::thread(work);
    } catch (const std::system_error&) {
        return {};
    }
}

void Joined(std::thread& thread) {
    if (thread.joinable()) {
        thread.join();
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (DisplayMissing(argc, argv)) {
        std::fputs("Duplexa needs a graphical session: no display was found.\n", stderr);
        return 1;
    }
    std::thread early = Started(ReadFontConfiguration);
    QApplication app(argc, argv);
    Joined(early);
    QApplication::setApplicationName(QStringLiteral("Duplexa"));
    QApplication::setDesktopFileName(QStringLiteral("hu.veltrimo.Duplexa"));

    std::thread fonts = Started(duplexa::LoadDesignFonts);  // while the window is made
    duplexa::frmMain form;
    Joined(fonts);
    QApplication::setWindowIcon(form.windowIcon());  // for its dialogs, decoded once
    form.Form_Load();
    form.ShowCentred();
    return QApplication::exec();
}
