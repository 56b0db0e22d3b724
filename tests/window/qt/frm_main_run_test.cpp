// Whole runs through the real window: drops, a press of Compare, the event-loop turns of the
// run, and the window closed in the middle of one.

#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>

#if !defined(_WIN32) && __has_include(<xcb/xcb.h>)
#include <xcb/xcb.h>
#endif

#include "program_loop.h"
#include "runtime/file_table.h"
#include "support/qt/synthetic_drop.h"
#include "support/temp_dir.h"
#include "window/qt/caption_button.h"
#include "window/qt/drop_box.h"
#include "window/qt/frm_main.h"
#include "window/qt/label.h"
#include "window/qt/line_widget.h"
#include "window/qt/shape_widget.h"

namespace duplexa {
namespace {

using enum Control;

constexpr std::int64_t kMiB = 1 << 20;

class FrmMainRunTest : public testing::Test {
  protected:
    FrmMainRunTest() {
        form.Form_Load();
        form.ShowCentred();
    }

    std::string File(const char* name, const std::vector<std::uint8_t>& bytes) {
        return dir.Write(name, bytes);
    }
    SyntheticDropResult Drop(int box, const std::string& path) {
        return DropFiles(Box(box), {QString::fromStdString(path)});
    }
    DropBox& Box(int box) { return form.Box(box); }
    QString Result() const { return form.control<Label>(lblResult).caption(); }
    // The first and last pixel of a box's map strip that are marked red; -1 for none.
    std::pair<int, int> RedAlong(int box, MapEdge edge) {
        const QImage image = Box(box).grab().toImage();
        const PixelRect strip =
            MapStrip(edge, {2, 2, image.width() - 4, image.height() - 4}, kMapStripDepth);
        std::pair marked{-1, -1};
        for (int at = 0; at < std::max(strip.width, strip.height); ++at) {
            const bool along = edge == MapEdge::Bottom;
            if (image.pixelColor(strip.left + (along ? at : 1), strip.top + (along ? 1 : at)) ==
                Qt::red) {
                marked = {marked.first < 0 ? at : marked.first, at};
            }
        }
        return marked;
    }

    // Presses Compare; during the first event-loop turn of the run, calls duringRun.
    void CompareWith(const std::function<void()>& duringRun) {
        QTimer firstTurn;
        firstTurn.setSingleShot(true);
        bool ran = false;
        QObject::connect(&firstTurn, &QTimer::timeout, [&] {
            ran = true;
            duringRun();
        });
        firstTurn.start(0);
        form.control<QPushButton>(comCompare).click();
        EXPECT_TRUE(ran) << "the run turned the event loop";
    }

    void ExpectIdleAfterRun() {
        EXPECT_FALSE(form.state().isRunning);
        EXPECT_FALSE(form.control(comCompare).isEnabled());
        EXPECT_EQ(form.control<QPushButton>(comCompare).text(), QStringLiteral("Compare"));
        EXPECT_TRUE(form.control(ComClose).isEnabled());
        EXPECT_EQ(Box(0).dropMode(), DropMode::Manual);
        EXPECT_EQ(Box(1).dropMode(), DropMode::Manual);
        EXPECT_EQ(Files().FreeFile(), 1);  // both files closed
    }

    test::TempDir dir;
    frmMain form;
};

TEST_F(FrmMainRunTest, IdenticalFiles) {
    const auto bytes = test::PatternBytes(3000);
    EXPECT_TRUE(Drop(0, File("a.bin", bytes)).dropAccepted);
    EXPECT_FALSE(form.control(comCompare).isEnabled());
    Drop(1, File("b.bin", bytes));
    EXPECT_EQ(Box(0).backColour(), kLightGreen);
    EXPECT_EQ(Box(1).backColour(), kLightGreen);
    EXPECT_EQ(Box(1).text(), QStringLiteral("b.bin"));
    ASSERT_TRUE(form.control(comCompare).isEnabled());

    form.control<QPushButton>(comCompare).click();
    EXPECT_EQ(Result(), QStringLiteral("They are exactly the same."));
    EXPECT_FALSE(form.control(sEqual1).isHidden());
    EXPECT_FALSE(form.control(sEqual2).isHidden());
    EXPECT_EQ(form.control<ShapeWidget>(sEqual1).colour(), kSignGreen);
    EXPECT_TRUE(form.control(strikeLine).isHidden());
    ExpectIdleAfterRun();
}

TEST_F(FrmMainRunTest, DifferingFilesShowTheCountAndTheStruckSign) {
    auto bytes = test::PatternBytes(3000);
    Drop(0, File("a.bin", bytes));
    for (int i = 0; i < 12; ++i) {
        bytes[static_cast<std::size_t>(i * 250)] ^= 0x5A;
    }
    Drop(1, File("b.bin", bytes));
    form.control<QPushButton>(comCompare).click();
    EXPECT_EQ(Result(), QStringLiteral("Differ in 12 bytes of the total 3000 ! (0%)"));
    EXPECT_FALSE(form.control(sEqual1).isHidden());
    EXPECT_EQ(form.control<ShapeWidget>(sEqual1).colour(), kRed);
    EXPECT_EQ(form.control<ShapeWidget>(sEqual2).colour(), kRed);
    EXPECT_FALSE(form.control(strikeLine).isHidden());
    ExpectIdleAfterRun();
    // Where, in the boxes along the layout's edge and on the line, in the window's language.
    QWidget& line = form.control(lblResult);
    EXPECT_EQ(RedAlong(0, MapEdge::Bottom), std::pair(0, 415));
    EXPECT_EQ(line.toolTip(), QStringLiteral("First difference at byte 1, last at byte 2751."));
    form.control<QPushButton>(cmdOrder1).click();
    QMetaObject::invokeMethod(&form.control(imgLangHUN_hl), "clicked");
    EXPECT_EQ(RedAlong(1, MapEdge::Right), std::pair(0, 165));
    EXPECT_EQ(RedAlong(1, MapEdge::Bottom), std::pair(-1, -1));
    EXPECT_EQ(line.toolTip(), QStringLiteral("Első eltérés: 1. bájt, utolsó: 2751. bájt."));
    QMetaObject::invokeMethod(&form.control(imgLangENG_hl), "clicked");  // as the next test expects

    // The next drop clears the verdict.
    Drop(1, File("c.bin", test::PatternBytes(3000)));
    EXPECT_TRUE(Result().isEmpty());
    EXPECT_TRUE(form.control(sEqual1).isHidden());
    EXPECT_TRUE(form.control(strikeLine).isHidden());
    EXPECT_TRUE(form.control(comCompare).isEnabled());
    EXPECT_EQ(RedAlong(0, MapEdge::Right), std::pair(-1, -1));
    EXPECT_TRUE(line.toolTip().isEmpty());
}

TEST_F(FrmMainRunTest, CtrlCAndTheLinesMenuCopyTheVerdictAndWhere) {
    auto bytes = test::PatternBytes(3000);
    Drop(0, File("a.bin", bytes));
    bytes[7] ^= 1;
    Drop(1, File("b.bin", bytes));
    form.control<QPushButton>(comCompare).click();
    const QString copied = Result() + "\nFirst difference at byte 8, last at byte 8.";
    QWidget& line = form.control(lblResult);
    QApplication::setActiveWindow(&form);
    line.setFocus();
    QTest::keyClick(&line, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), copied);

    QGuiApplication::clipboard()->clear();
    QStringList entries;
    QTimer::singleShot(0, [&] {
        auto* menu = line.findChild<QMenu*>(QStringLiteral("resultMenu"));
        for (QAction* action : menu->actions()) {
            entries.append(action->text());
        }
        menu->actions().front()->trigger();
        menu->close();
    });
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {}, line.mapToGlobal(QPoint()));
    QApplication::sendEvent(&line, &menuKey);
    EXPECT_EQ(entries, QStringList{"Copy"});
    EXPECT_EQ(QGuiApplication::clipboard()->text(), copied);
}

TEST_F(FrmMainRunTest, SizesDiffer) {
    Drop(0, File("a.bin", test::PatternBytes(3000)));
    Drop(1, File("b.bin", test::PatternBytes(2000)));
    form.control<QPushButton>(comCompare).click();
    EXPECT_EQ(Result(), QStringLiteral("Different file size!"));
    EXPECT_FALSE(form.control(strikeLine).isHidden());
    EXPECT_EQ(form.control<ShapeWidget>(sEqual2).colour(), kRed);
    ExpectIdleAfterRun();
}

TEST_F(FrmMainRunTest, AFileThatGrewPastTheLimitAfterItsDropIsTooBig) {
    Drop(0, File("a.bin", test::PatternBytes(100)));
    const std::string grows = File("b.bin", test::PatternBytes(100));
    Drop(1, grows);
    std::filesystem::resize_file(grows, std::uintmax_t{3} << 30);  // sparse, 3 GiB
    form.control<QPushButton>(comCompare).click();
    EXPECT_EQ(Result(), QStringLiteral("File is too big."));
    EXPECT_EQ(Box(1).foreColour(), kRed);
    EXPECT_FALSE(Box(0).foreColour() == kRed);
    EXPECT_TRUE(form.control(sEqual1).isHidden());
    ExpectIdleAfterRun();
}

#ifndef _WIN32
TEST_F(FrmMainRunTest, ANameThatIsNotUtf8IsDroppedOpenedAndCompared) {
    const auto bytes = test::PatternBytes(3000);
    const std::string odd = File("\xff\xfe.bin", bytes);
    QMimeData data;
    data.setUrls(
        {QUrl::fromEncoded("file://" + QByteArray::fromStdString(odd).toPercentEncoding("/"))});
    EXPECT_TRUE(DropData(Box(0), data).dropAccepted);
    EXPECT_EQ(Box(0).backColour(), kLightGreen);
    EXPECT_EQ(Box(0).text(), QStringLiteral("\uFFFD\uFFFD.bin"));  // shown as best it can be

    Drop(1, File("b.bin", bytes));
    form.control<QPushButton>(comCompare).click();
    EXPECT_EQ(Result(), QStringLiteral("They are exactly the same."));
    ExpectIdleAfterRun();
}
#endif

TEST_F(FrmMainRunTest, SameFileAndUnusableFileAreTurnedAwayAtTheDrop) {
    const std::string path = File("a.bin", test::PatternBytes(100));
    Drop(0, path);
    Drop(1, path);
    EXPECT_EQ(Result(), QStringLiteral("They are the same file."));
    EXPECT_FALSE(form.control(comCompare).isEnabled());

    const std::string folder = (dir.path() / "folder").string();
    std::filesystem::create_directory(folder);
    Drop(1, folder);
    EXPECT_EQ(Box(1).backColour(), kRed);
    EXPECT_EQ(Result(), QStringLiteral("File is too big!"));
    EXPECT_FALSE(form.control(comCompare).isEnabled());
}

TEST_F(FrmMainRunTest, DuringARunDropsAreRefusedAndStopEndsItAfterTheNextBlock) {
    Drop(0, dir.Sparse("a.bin", 8 * kMiB));
    Drop(1, dir.Sparse("b.bin", 8 * kMiB));
    const std::string other = File("c.bin", test::PatternBytes(10));
    std::int32_t stoppedAfter = 0;

    CompareWith([&] {
        ASSERT_TRUE(form.state().isRunning);
        EXPECT_EQ(form.control<QPushButton>(comCompare).text(), QStringLiteral("Stop"));
        EXPECT_TRUE(form.control(comCompare).isEnabled());
        EXPECT_FALSE(form.control(ComClose).isEnabled());

        // Neither a drag nor a drop that arrives anyway reaches the drop handler.
        EXPECT_FALSE(Drop(1, other).enterAccepted);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(other))});
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&Box(1), &drop);
        EXPECT_FALSE(drop.isAccepted());
        EXPECT_EQ(Box(1).text(), QStringLiteral("b.bin"));

        stoppedAfter = form.state().blockStart;
        QTest::mouseClick(&form.control(comCompare), Qt::LeftButton);  // a real press of Stop
    });

    EXPECT_EQ(Result(), QStringLiteral("Cancelled by user."));
    EXPECT_EQ(form.state().blockStart, stoppedAfter + kMiB);  // one more block, no more
    ExpectIdleAfterRun();
    EXPECT_TRUE(Drop(1, other).dropAccepted);  // drops are welcome again
    EXPECT_EQ(Box(1).text(), QStringLiteral("c.bin"));
}

TEST_F(FrmMainRunTest, ProgressIsShownDuringTheRunAndTheVerdictLandsLast) {
    Drop(0, dir.Sparse("a.bin", 4 * kMiB));
    Drop(1, dir.Sparse("b.bin", 4 * kMiB));
    CompareWith([&] {
        form.FlushResultCaption();
        EXPECT_EQ(Result(), QStringLiteral("Working...   0%,  differ in 0 byte(s)"));
    });
    EXPECT_EQ(Result(), QStringLiteral("They are exactly the same."));
}

TEST_F(FrmMainRunTest, ClosingWhenIdleUnloadsOnce) {
    int unloads = 0;
    QObject::connect(&form, &frmMain::unloaded, [&] { ++unloads; });
    EXPECT_TRUE(form.close());
    EXPECT_TRUE(form.isHidden());
    form.show();
    form.close();
    EXPECT_EQ(unloads, 1);
}

// Closing the window from its title bar in the middle of a run: the run stops at its next
// check and tidies up, the window closes after it, and the program leaves its event loop
// with status 0.
TEST_F(FrmMainRunTest, ClosingDuringARunStopsItThenClosesAndExitsCleanly) {
    Drop(0, dir.Sparse("a.bin", 16 * kMiB));
    Drop(1, dir.Sparse("b.bin", 16 * kMiB));
    int unloads = 0;
    QObject::connect(&form, &frmMain::unloaded, [&] { ++unloads; });
    bool stillShownAfterClose = false;

    const int status = test::RunProgramLoop(
        [&] {
            CompareWith([&] {
                EXPECT_FALSE(form.close());  // asked to close; the run must finish first
                stillShownAfterClose = form.isVisible();
                EXPECT_EQ(unloads, 0);
            });
        },
        test::LastWindowClosed::Quits);

    EXPECT_EQ(status, 0);
    EXPECT_TRUE(stillShownAfterClose);
    EXPECT_TRUE(form.isHidden());
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(form.state().resultEn, "Cancelled by user.");
    EXPECT_LT(form.state().blockStart, 16 * kMiB);
    ExpectIdleAfterRun();
}

#if !defined(_WIN32) && __has_include(<xcb/xcb.h>)
// What the X server tells the program when another client destroyed its window
// (xdotool windowclose), handed to the program's native event filters.
void DestroyedFromOutside(const QWidget& window) {
    xcb_destroy_notify_event_t event{};
    event.response_type = XCB_DESTROY_NOTIFY;
    event.event = event.window = static_cast<xcb_window_t>(window.winId());
    qintptr result = 0;
    QAbstractEventDispatcher::instance()->filterNativeEvent("xcb_generic_event_t", &event, &result);
}

// As a close from the title bar: idle or during a run (which stops first), the layout is
// stored once and the program leaves its event loop with status 0.
TEST_F(FrmMainRunTest, AWindowDestroyedFromOutsideEndsTheProgramAsACloseDoes) {
    int unloads = 0;
    QObject::connect(&form, &frmMain::unloaded, [&] { ++unloads; });
    DestroyedFromOutside(form.control<Label>(lblResult));  // not the window: nothing happens
    QApplication::processEvents();
    EXPECT_TRUE(form.isVisible());

    Drop(0, dir.Sparse("a.bin", 16 * kMiB));
    Drop(1, dir.Sparse("b.bin", 16 * kMiB));
    const int status = test::RunProgramLoop(
        [&] { CompareWith([&] { DestroyedFromOutside(form); }); }, test::LastWindowClosed::Quits);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(form.isHidden());
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(form.state().resultEn, "Cancelled by user.");
    ExpectIdleAfterRun();
}

TEST_F(FrmMainRunTest, AWindowDestroyedFromOutsideWhenIdleEndsTheProgram) {
    int unloads = 0;
    QObject::connect(&form, &frmMain::unloaded, [&] { ++unloads; });
    EXPECT_EQ(
        test::RunProgramLoop([&] { DestroyedFromOutside(form); }, test::LastWindowClosed::Quits),
        0);
    EXPECT_EQ(unloads, 1);
}
#endif

}  // namespace
}  // namespace duplexa
