// The layout, language, hover and start-up handlers on the real window: what only real
// widgets can show (labels sizing themselves, the Compare caption breaking over two lines,
// mouse tracking, the close paths) and start-up from stored settings.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>
#include <utility>

#include "core/language.h"
#include "program_loop.h"
#include "settings/registry_common.h"
#include "support/qt/synthetic_drop.h"
#include "support/settings_sandbox.h"
#include "support/temp_dir.h"
#include "window/design/maker.h"
#include "window/qt/auto_size_label.h"
#include "window/qt/caption_button.h"
#include "window/qt/centred_placement.h"
#include "window/qt/drop_box.h"
#include "window/qt/frm_main.h"
#include "window/qt/image_box.h"
#include "window/qt/label.h"

namespace duplexa {
namespace {

using enum Control;

using test::Bytes;

class FakePointer final : public PointerPosition {
  public:
    bool GetCursorPos(std::int32_t& px, std::int32_t& py) override {
        px = x;
        py = y;
        return true;
    }
    std::int32_t x = 0;
    std::int32_t y = 0;
};

class FakeOpener final : public HomepageOpener {
  public:
    void Open(NativeWindowHandle owner, const std::string& address) override {
        opened.emplace_back(owner, address);
    }
    std::vector<std::pair<NativeWindowHandle, std::string>> opened;
};

// How many lines a button's caption is painted in: the rows where the button's picture
// differs from its picture without a caption, counted in runs.
int CaptionLines(QPushButton& button) {
    const QImage with = button.grab().toImage();
    const QString caption = button.text();
    button.setText(QString());
    const QImage without = button.grab().toImage();
    button.setText(caption);
    int lines = 0;
    bool inLine = false;
    for (int y = 0; y < with.height(); ++y) {
        bool painted = false;
        for (int x = 0; x < with.width() && !painted; ++x) {
            painted = with.pixel(x, y) != without.pixel(x, y);
        }
        lines += painted && !inLine ? 1 : 0;
        inLine = painted;
    }
    return lines;
}

class FrmMainHandlersTest : public testing::Test {
  protected:
    FrmMainHandlersTest() : savedLanguage_(currentLanguage) {
        auto fakePointer = std::make_unique<FakePointer>();
        auto fakeOpener = std::make_unique<FakeOpener>();
        pointer = fakePointer.get();
        opener = fakeOpener.get();
        form = std::make_unique<frmMain>(
            frmMainServices{std::move(fakePointer), std::move(fakeOpener), settings.Maker()});
        form->connect(form.get(), &frmMain::unloaded, [this] { ++unloads; });
    }
    ~FrmMainHandlersTest() override { currentLanguage = savedLanguage_; }

    void Start() {
        form->Form_Load();
        form->ShowCentred();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void MoveTo(const QWidget& control) {
        QTest::mouseMove(form.get(), control.geometry().center());
    }
    void MoveToBackground() { QTest::mouseMove(form.get(), QPoint(300, 40)); }  // the band
    void Click(QWidget& control) { QTest::mouseClick(&control, Qt::LeftButton); }
    // As the window system delivers one: a click, then a press, its double-click and a release.
    void DoubleClick(QWidget& control) {
        Click(control);
        QTest::mousePress(&control, Qt::LeftButton);
        QTest::mouseDClick(&control, Qt::LeftButton);
        QTest::mouseRelease(&control, Qt::LeftButton);
    }

    test::SettingsSandbox settings;  // first: the window reads and stores through it
    FakePointer* pointer = nullptr;
    FakeOpener* opener = nullptr;
    std::unique_ptr<frmMain> form;
    int unloads = 0;

  private:
    std::int32_t savedLanguage_;
};

TEST_F(FrmMainHandlersTest, StartsInTheStoredLayoutAndLanguage) {
    ASSERT_EQ(modRegistryCommon::WriteSettingAt(settings.Maker(), "Kitrune", "Duplexa-Align", 1),
              0);
    ASSERT_TRUE(modRegistryCommon::SaveLanguageAt(settings.Maker(), 0));
    Start();
    EXPECT_EQ(form->Box(1).geometry(), QRect(280, 80, 185, 185));
    EXPECT_EQ(form->control<QPushButton>(ComClose).text(), QStringLiteral("Bezár"));
    EXPECT_EQ(form->Box(0).text(), QStringLiteral("Dobd ide az első fájlt"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Duplexa"));
}

// From the keyboard alone: the focus starts where Tab does, Space and Enter press the flags,
// the link and the buttons, what is in force shows, and after a run the verdict has the focus.
TEST_F(FrmMainHandlersTest, TheKeyboardReachesEverythingAndTheFocusLandsOnTheVerdict) {
    Start();
    QApplication::setActiveWindow(form.get());
    EXPECT_EQ(form->focusWidget(), &form->control(ComClose)) << "Compare is disabled";
    const auto marked = [this](Control flag) { return form->control<ImageBox>(flag).marked(); };
    const auto checked = [this](Control button) {
        return form->control<QPushButton>(button).isChecked();
    };
    EXPECT_TRUE(marked(imgLangENG) && !marked(imgLangHUN));
    EXPECT_TRUE(checked(cmdOrder2) && !checked(cmdOrder1));

    QTest::keyClick(&form->control(imgLangHUN), Qt::Key_Space);
    EXPECT_EQ(currentLanguage, 0);
    EXPECT_TRUE(marked(imgLangHUN) && !marked(imgLangENG));
    QTest::keyClick(&form->control(lblHomepage), Qt::Key_Return);
    EXPECT_EQ(opener->opened.size(), 1u);
    QTest::keyClick(&form->control(cmdOrder1), Qt::Key_Return);
    EXPECT_EQ(form->state().layoutMode, 1);
    EXPECT_TRUE(checked(cmdOrder1) && !checked(cmdOrder2));

    test::TempDir dir;
    const std::string same = dir.Write("a.bin", "abc");
    DropFiles(form->Box(0), {QString::fromStdString(same)});
    DropFiles(form->Box(1), {QString::fromStdString(dir.Write("b.bin", "abc"))});
    form->control(comCompare).setFocus();
    QTest::keyClick(&form->control(comCompare), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(form->control<Label>(lblResult).caption(), "A két fájl egyezik egymással.");
    EXPECT_EQ(form->focusWidget(), &form->control(lblResult));
}

TEST_F(FrmMainHandlersTest, TheWindowOpensWithItsFrameCentredOnTheScreen) {
    Start();
    const QRect outer = form->frameGeometry();
    const QRect screen = form->screen()->availableGeometry();
    EXPECT_EQ(outer.topLeft(), CentredFramePosition(screen, outer.size()));
    // A framed window of the design's client size on a 1280 x 1024 screen.
    EXPECT_EQ(CentredFramePosition({0, 0, 1280, 1024}, {475, 357}), QPoint(403, 334));
}

TEST_F(FrmMainHandlersTest, TheLayoutButtonsFollowTheLayoutLabelAsItSizesItself) {
    Start();
    const auto expectFollowing = [this] {
        const QFontMetrics metrics(form->control(lblLayout).font());
        EXPECT_EQ(form->control(lblLayout).width(),
                  metrics.horizontalAdvance(form->control<Label>(lblLayout).caption()));
        EXPECT_EQ(form->control(cmdOrder1).x(),
                  form->control(lblLayout).x() + form->control(lblLayout).width() + 8);
        EXPECT_EQ(form->control(cmdOrder2).x(), form->control(cmdOrder1).x() + 33 + 6);
        EXPECT_EQ(form->control(cmdOrder1).y(), 301);
    };
    expectFollowing();
    const int englishWidth = form->control(lblLayout).width();

    MoveTo(form->control(imgLangHUN));
    Click(form->control(imgLangHUN_hl));
    EXPECT_EQ(form->control<Label>(lblLayout).caption(), QStringLiteral("Elrendezés:"));
    EXPECT_GT(form->control(lblLayout).width(), englishWidth);
    expectFollowing();
}

TEST_F(FrmMainHandlersTest, TheHungarianCompareCaptionBreaksAtItsSpace) {
    Start();
    EXPECT_EQ(CaptionLines(form->control<QPushButton>(comCompare)), 1);
    QTest::keyClick(&form->control(imgLangHUN), Qt::Key_Space);
    ASSERT_EQ(form->control<QPushButton>(comCompare).text(), QStringLiteral("Össze- hasonlítás"));
    EXPECT_EQ(CaptionLines(form->control<QPushButton>(comCompare)), 2);
    // Each half fits the button on its own, so the break is at the space and nowhere else.
    const QFontMetrics metrics(form->control(comCompare).font());
    EXPECT_LT(metrics.horizontalAdvance(QStringLiteral("hasonlítás")),
              form->control(comCompare).width());
}

TEST_F(FrmMainHandlersTest, MovesAreTrackedOnTheSpotsAndTheBackgroundButNotOnThePaleFlags) {
    EXPECT_TRUE(form->hasMouseTracking());
    EXPECT_TRUE(form->control(imgLangENG).hasMouseTracking());
    EXPECT_TRUE(form->control(imgLangHUN).hasMouseTracking());
    EXPECT_TRUE(form->control(lblHomepage).hasMouseTracking());
    EXPECT_FALSE(form->control(imgLangENG_hl).hasMouseTracking());
    EXPECT_FALSE(form->control(imgLangHUN_hl).hasMouseTracking());
}

TEST_F(FrmMainHandlersTest, PointerMovesHighlightAFlagUntilTheBackgroundIsReached) {
    Start();
    MoveTo(form->control(imgLangENG));
    EXPECT_TRUE(form->control(imgLangENG_hl).isVisible());
    EXPECT_TRUE(form->control<QTimer>(tmrLang).isActive());
    // Now the pale flag lies over the flag and takes the moves: nothing changes.
    QTest::mouseMove(form.get(), form->control(imgLangENG).geometry().center() + QPoint(2, 1));
    EXPECT_TRUE(form->control(imgLangENG_hl).isVisible());

    MoveTo(form->control(imgLangHUN));
    EXPECT_FALSE(form->control(imgLangENG_hl).isVisible());
    EXPECT_TRUE(form->control(imgLangHUN_hl).isVisible());

    MoveToBackground();
    EXPECT_FALSE(form->control(imgLangHUN_hl).isVisible());
    EXPECT_FALSE(form->control<QTimer>(tmrLang).isActive());
    EXPECT_EQ(form->state().hoverTarget, 0);
}

TEST_F(FrmMainHandlersTest, LeavingTheWindowClearsAHighlightWhereverThePointerIsReported) {
    Start();
    const QPoint stale = form->frameGeometry().center();  // as Wayland leaves it
    pointer->x = stale.x();
    pointer->y = stale.y();
    MoveTo(form->control(imgLangENG));
    MoveTo(form->control(lblHomepage));  // from one spot to another, not leaving the window
    ASSERT_EQ(form->state().hoverTarget, 3);
    QTest::mouseMove(form.get(), QPoint(form->width() + 40, 10));
    EXPECT_EQ(form->state().hoverTarget, 0);
    EXPECT_FALSE(form->control(lblHomepage).font().underline());
    EXPECT_FALSE(form->control<QTimer>(tmrLang).isActive());
}

TEST_F(FrmMainHandlersTest, TheLinkStaysLitOverOtherControlsAndOpensTheHomePageOnce) {
    Start();
    MoveTo(form->control(lblHomepage));
    EXPECT_EQ(form->control<Label>(lblHomepage).foreColour(), kLinkHoverBlue);
    EXPECT_TRUE(form->control(lblHomepage).font().underline());

    MoveTo(*&form->Box(0));  // a control with no move handling
    MoveTo(form->control(lblResult));
    EXPECT_EQ(form->state().hoverTarget, 3);

    MoveTo(form->control(lblHomepage));
    Click(form->control(lblHomepage));
    ASSERT_EQ(opener->opened.size(), 1u);
    EXPECT_EQ(opener->opened[0].first, form->WindowHandle());
    EXPECT_EQ(opener->opened[0].second, kHomepageAddress);
    EXPECT_TRUE(form->control(lblHomepage).font().underline()) << "the link keeps its highlight";

    MoveToBackground();
    EXPECT_EQ(form->control<Label>(lblHomepage).foreColour(), kLinkBlue);
    EXPECT_FALSE(form->control(lblHomepage).font().underline());
}

TEST_F(FrmMainHandlersTest, ADoubleClickOnTheLinkOrAPaleFlagActsOnceAndTheNextClickAgain) {
    Start();
    MoveTo(form->control(lblHomepage));
    DoubleClick(form->control(lblHomepage));
    EXPECT_EQ(opener->opened.size(), 1u);
    Click(form->control(lblHomepage));
    EXPECT_EQ(opener->opened.size(), 2u);

    for (const auto& [flag, pale] :
         {std::pair{&form->control<ImageBox>(imgLangHUN), &form->control<ImageBox>(imgLangHUN_hl)},
          std::pair{&form->control<ImageBox>(imgLangENG),
                    &form->control<ImageBox>(imgLangENG_hl)}}) {
        MoveTo(*flag);
        const QSignalSpy switches(pale, &ImageBox::clicked);
        DoubleClick(*pale);
        EXPECT_EQ(switches.count(), 1) << pale->objectName().toStdString();
    }
    MoveToBackground();  // the pointer stays where a test leaves it
}

TEST_F(FrmMainHandlersTest, TheTimerClearsAHighlightOnceThePointerReachesTheRightOrBottomEdge) {
    Start();
    MoveTo(form->control(imgLangENG));
    const QRect frame = form->frameGeometry();
    const auto tickAt = [this](int x, int y) {
        pointer->x = x;
        pointer->y = y;
        QTimerEvent tick(form->control<QTimer>(tmrLang).timerId());
        QCoreApplication::sendEvent(&form->control<QTimer>(tmrLang), &tick);
        return form->state().hoverTarget != 0;
    };
    EXPECT_TRUE(tickAt(frame.x(), frame.y()));
    EXPECT_TRUE(tickAt(frame.x() + frame.width() - 1, frame.y() + frame.height() - 1));
    EXPECT_FALSE(tickAt(frame.x() + frame.width(), frame.y()));
    EXPECT_FALSE(form->control(imgLangENG_hl).isVisible());
    EXPECT_FALSE(form->control<QTimer>(tmrLang).isActive());
}

TEST_F(FrmMainHandlersTest, APaleFlagsClickStoresTheLanguageAndSwitchesTheWindow) {
    Start();
    MoveTo(form->control(imgLangHUN));
    Click(form->control(imgLangHUN_hl));
    EXPECT_EQ(settings.StoredLanguage(), (Bytes{0x00, 0x00}));
    EXPECT_EQ(form->control<QPushButton>(ComClose).text(), QStringLiteral("Bezár"));
    EXPECT_EQ(form->Box(1).text(), QStringLiteral("Dobd ide az második fájlt"));
    Click(form->control(imgLangENG));  // the flag itself takes no click
    EXPECT_EQ(form->control<QPushButton>(ComClose).text(), QStringLiteral("Bezár"));
}

TEST_F(FrmMainHandlersTest, TheLayoutIsStoredOnceWhenTheTitleBarClosesTheWindow) {
    Start();
    Click(form->control(cmdOrder1));
    EXPECT_EQ(form->Box(1).geometry(), QRect(280, 80, 185, 185));
    EXPECT_TRUE(form->close());
    EXPECT_EQ(settings.StoredLayout(), (Bytes{0x01, 0x00}));
    EXPECT_EQ(unloads, 1);
    form->show();
    form->close();
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(settings.StoredLanguage(), std::nullopt) << "unload stores only the layout";
}

TEST_F(FrmMainHandlersTest, TheCloseButtonStoresTheLayoutAndEndsTheProgram) {
    Start();
    Click(form->control(cmdOrder1));
    // Close must end the program itself: closing the last window alone would not.
    EXPECT_EQ(test::RunProgramLoop([this] { form->control<QPushButton>(ComClose).click(); },
                                   test::LastWindowClosed::KeepsRunning),
              0);
    EXPECT_TRUE(form->isHidden());
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(settings.StoredLayout(), (Bytes{0x01, 0x00}));
}

TEST_F(FrmMainHandlersTest, ClosingDuringARunStoresTheLayoutOnceTheRunHasStopped) {
    Start();
    test::TempDir dir;
    DropFiles(*&form->Box(0), {QString::fromStdString(dir.Sparse("a.bin", 16 << 20))});
    DropFiles(*&form->Box(1), {QString::fromStdString(dir.Sparse("b.bin", 16 << 20))});
    Click(form->control(cmdOrder1));

    const int status = test::RunProgramLoop(
        [this] {
            QTimer::singleShot(0, [this] {
                EXPECT_TRUE(form->state().isRunning);
                form->close();  // the title bar's close while the run goes on
                EXPECT_EQ(settings.StoredLayout(), std::nullopt) << "not before the run has ended";
            });
            form->control<QPushButton>(comCompare).click();
        },
        test::LastWindowClosed::Quits);

    EXPECT_EQ(status, 0);
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(settings.StoredLayout(), (Bytes{0x01, 0x00}));
}

}  // namespace
}  // namespace duplexa
