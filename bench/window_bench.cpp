#include "bench/window_bench.h"

#include <QApplication>
#include <QPushButton>
#include <chrono>
#include <cstdio>

#include "window/qt/caption_button.h"
#include "window/qt/drop_box.h"
#include "window/qt/frm_main.h"
#include "window/qt/synthetic_drop.h"

int RunInWindow(int argc, char** argv, const char* first, const char* second) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    duplexa::frmMain form;
    form.Form_Load();
    form.ShowCentred();
    QApplication::processEvents();

    const auto& boxes = form.controls().lblFile;
    duplexa::DropFiles(*boxes[0], {QString::fromLocal8Bit(first)});
    duplexa::DropFiles(*boxes[1], {QString::fromLocal8Bit(second)});
    QApplication::processEvents();
    if (!form.controls().comCompare->isEnabled()) {
        std::printf("%s\n", form.state().resultEn.c_str());
        std::fprintf(stderr, "the window did not take both files\n");
        return 1;
    }

    const auto start = std::chrono::steady_clock::now();
    form.controls().comCompare->click();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

    std::printf("%s\n%.3f\n", form.state().resultEn.c_str(), elapsed.count());
    return 0;
}
