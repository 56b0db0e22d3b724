// Runs the comparison of two files inside the real window under the offscreen platform: both
// files dropped through the drop handler, then a press of Compare. Prints the English result
// line, the seconds from the press to the end of the run and the processor seconds used.
// duplexa-bench --window starts it.

#include <QApplication>
#include <QPushButton>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "support/qt/synthetic_drop.h"
#include "window/qt/caption_button.h"
#include "window/qt/drop_box.h"
#include "window/qt/frm_main.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FILE1 FILE2\n", argv[0]);
        return 2;
    }
    const char* first = argv[1];
    const char* second = argv[2];
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    duplexa::frmMain form;
    form.Form_Load();
    form.ShowCentred();
    QApplication::processEvents();

    duplexa::DropFiles(form.Box(0), {QString::fromLocal8Bit(first)});
    duplexa::DropFiles(form.Box(1), {QString::fromLocal8Bit(second)});
    QApplication::processEvents();
    if (!form.control(duplexa::Control::comCompare).isEnabled()) {
        std::printf("%s\n", form.state().resultEn.c_str());
        std::fprintf(stderr, "the window did not take both files\n");
        return 1;
    }

    const std::clock_t cpuStart = std::clock();
    const auto start = std::chrono::steady_clock::now();
    form.control<QPushButton>(duplexa::Control::comCompare).click();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    std::printf("%s\n%.3f\n%.3f\n", form.state().resultEn.c_str(), elapsed.count(), cpu);
    return 0;
}
