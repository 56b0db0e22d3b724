// Where two files differ, on the real window: the map in both boxes along the layout's edge,
// the where-line as the result line's tooltip, and Copy on the result line.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/language.h"
#include "support/settings_sandbox.h"
#include "support/temp_dir.h"
#include "window/qt/drop_box.h"
#include "window/qt/frm_main.h"
#include "window/qt/synthetic_drop.h"

namespace duplexa {
namespace {

using enum Control;

class WhereTest : public testing::Test {
  protected:
    WhereTest() : savedLanguage_(currentLanguage) {
        frmMainServices services;
        services.settingsKey = settings.Maker();
        form = std::make_unique<frmMain>(std::move(services));
        form->Form_Load();
        form->ShowCentred();
        currentLanguage = 1;
    }
    ~WhereTest() override {
        form.reset();
        currentLanguage = savedLanguage_;
    }

    // Compares two 3000-byte files that differ in their first and last byte.
    void CompareDiffering() {
        auto bytes = test::PatternBytes(3000);
        DropFiles(form->Box(0), {QString::fromStdString(dir.Write("a.bin", bytes))});
        bytes.front() ^= 1;
        bytes.back() ^= 1;
        DropFiles(form->Box(1), {QString::fromStdString(dir.Write("b.bin", bytes))});
        form->control<QPushButton>(comCompare).click();
    }
    // The pixels of a box's strip that are red, as "first,last" positions along the strip.
    std::pair<int, int> RedAlong(int box, MapEdge edge) {
        const QImage image = form->Box(box).grab().toImage();
        const PixelRect strip =
            MapStrip(edge, {2, 2, image.width() - 4, image.height() - 4}, kMapStripDepth);
        const int length = edge == MapEdge::Bottom ? strip.width : strip.height;
        int first = -1;
        int last = -1;
        for (int at = 0; at < length; ++at) {
            const QPoint p = edge == MapEdge::Bottom ? QPoint(strip.left + at, strip.top + 1)
                                                     : QPoint(strip.left + 1, strip.top + at);
            if (image.pixelColor(p) == QColor(255, 0, 0)) {
                first = first < 0 ? at : first;
                last = at;
            }
        }
        return {first, last};
    }

    test::SettingsSandbox settings;
    test::TempDir dir;
    std::unique_ptr<frmMain> form;

  private:
    std::int32_t savedLanguage_;
};

TEST_F(WhereTest, BothBoxesMapTheDifferencesAlongTheLayoutsEdgeUntilTheNextDrop) {
    CompareDiffering();
    const int end = 457 - 4 - 1;
    EXPECT_EQ(RedAlong(0, MapEdge::Bottom), std::pair(0, end));
    EXPECT_EQ(RedAlong(1, MapEdge::Bottom), std::pair(0, end));
    form->control<QPushButton>(cmdOrder1).click();
    EXPECT_EQ(RedAlong(1, MapEdge::Right), std::pair(0, 185 - 4 - 1));
    EXPECT_EQ(RedAlong(1, MapEdge::Bottom), std::pair(-1, -1)) << "only along the new edge";

    DropFiles(form->Box(0), {QString::fromStdString(dir.Write("c.bin", "c"))});
    EXPECT_EQ(RedAlong(0, MapEdge::Right), std::pair(-1, -1));
    EXPECT_EQ(RedAlong(1, MapEdge::Right), std::pair(-1, -1));
}

TEST_F(WhereTest, TheLineTellsWhereInItsTooltipInTheWindowsLanguage) {
    CompareDiffering();
    QWidget& line = form->control(lblResult);
    EXPECT_EQ(line.toolTip(), "First difference at byte 1, last at byte 3000.");
    QMetaObject::invokeMethod(&form->control(imgLangHUN_hl), "clicked");
    EXPECT_EQ(line.toolTip(), "Első eltérés: 1. bájt, utolsó: 3000. bájt.");
    DropFiles(form->Box(0), {QString::fromStdString(dir.Write("c.bin", "c"))});
    EXPECT_EQ(line.toolTip(), "");
}

TEST_F(WhereTest, CtrlCAndTheMenuCopyTheVerdictAndWhere) {
    CompareDiffering();
    const QString copied =
        "Differ in 2 bytes of the total 3000 ! (0%)\nFirst difference at byte 1, last at byte "
        "3000.";
    QWidget& line = form->control(lblResult);
    QApplication::setActiveWindow(form.get());
    line.setFocus();
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&line, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), copied);

    QGuiApplication::clipboard()->clear();
    QStringList entries;
    QTimer::singleShot(0, [&] {
        auto* menu = line.findChild<QMenu*>(QStringLiteral("resultMenu"));
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            entries.append(action->text());
        }
        menu->actions().front()->trigger();
        menu->close();
    });
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(5, 5),
                              line.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&line, &menuKey);
    EXPECT_EQ(entries, QStringList{"Copy"});
    EXPECT_EQ(QGuiApplication::clipboard()->text(), copied);
}

}  // namespace
}  // namespace duplexa
