// A file for a box from the keyboard, with real key events on the real window: the chooser
// and the clipboard, handed to the same drop handler as a drag.

#include "window/qt/box_input.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "core/language.h"
#include "support/qt/synthetic_drop.h"
#include "support/settings_sandbox.h"
#include "support/temp_dir.h"
#include "window/qt/drop_box.h"
#include "window/qt/frm_main.h"

namespace duplexa {
namespace {

using enum Control;

class BoxInputTest : public testing::Test {
  protected:
    BoxInputTest() : savedLanguage_(currentLanguage) {
        frmMainServices services;
        services.settingsKey = settings.Maker();
        form = std::make_unique<frmMain>(std::move(services));
        form->Form_Load();
        form->ShowCentred();
    }
    ~BoxInputTest() override {
        CloseChooser();
        form.reset();
        FollowQtTranslation(false);
        currentLanguage = savedLanguage_;
    }

    DropBox& Box(int box) { return form->Box(box); }
    QFileDialog* Chooser() { return form->findChild<QFileDialog*>(QStringLiteral("chooser")); }
    QPushButton* ChooserButton(QDialogButtonBox::StandardButton which) {
        return Chooser()->findChild<QDialogButtonBox*>()->button(which);
    }
    void CloseChooser() {
        if (QFileDialog* chooser = Chooser()) {
            chooser->reject();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void Copy(const char* format, const QString& text) {
        auto* mime = new QMimeData;
        mime->setData(QString::fromLatin1(format), text.toUtf8());
        QGuiApplication::clipboard()->setMimeData(mime);
    }
    QString File(const char* name) { return QString::fromStdString(dir.Write(name, "abc")); }

    test::SettingsSandbox settings;
    test::TempDir dir;
    std::unique_ptr<frmMain> form;

  private:
    std::int32_t savedLanguage_;
};

TEST_F(BoxInputTest, EnterSpaceAndDoubleClickOpenAChooserWhoseFileIsTakenAsADrop) {
    const std::function<void(DropBox&)> opens[] = {
        [](DropBox& box) { QTest::keyClick(&box, Qt::Key_Return); },
        [](DropBox& box) { QTest::keyClick(&box, Qt::Key_Enter, Qt::KeypadModifier); },
        [](DropBox& box) { QTest::keyClick(&box, Qt::Key_Space); },
        [](DropBox& box) { QTest::mouseDClick(&box, Qt::LeftButton); },
    };
    const QString path = File("second.bin");
    for (const auto& open : opens) {
        form->SetBoxText(1, "");
        open(Box(1));
        ASSERT_NE(Chooser(), nullptr);
        EXPECT_EQ(Chooser()->windowTitle(), QStringLiteral("Choose the second file"));
        Chooser()->selectFile(path);
        ChooserButton(QDialogButtonBox::Open)->click();
        EXPECT_EQ(Box(1).text(), QStringLiteral("second.bin"));
        CloseChooser();
    }
}

// Beside the other box's file, else beside the box's own; all files are offered.
TEST_F(BoxInputTest, TheChooserOpensBesideTheFileOfTheOtherBox) {
    std::filesystem::create_directory(dir.path() / "photos");
    const std::string sub = dir.Write("photos/a.jpg", "abc");
    const QString folder = QString::fromStdString((dir.path() / "photos").string());
    DropFiles(Box(0), {QString::fromStdString(sub)});
    for (const int box : {1, 0}) {
        QTest::keyClick(&Box(box), Qt::Key_Return);
        ASSERT_NE(Chooser(), nullptr);
        EXPECT_EQ(Chooser()->directory().absolutePath(), folder) << box;
        EXPECT_EQ(Chooser()->nameFilters(), QStringList{"All files (*)"});
        CloseChooser();
    }
}

TEST_F(BoxInputTest, TheChooserSpeaksTheWindowsLanguage) {
    QTest::keyClick(&Box(0), Qt::Key_Return);
    const QString english = ChooserButton(QDialogButtonBox::Cancel)->text();
    CloseChooser();
    QTest::keyClick(&form->control(imgLangHUN), Qt::Key_Space);  // the flag, from the keyboard
    QTest::keyClick(&Box(0), Qt::Key_Return);
    EXPECT_EQ(Chooser()->windowTitle(), QStringLiteral("Az első fájl kiválasztása"));
    EXPECT_EQ(Chooser()->nameFilters(), QStringList{"Minden fájl (*)"});
    EXPECT_NE(ChooserButton(QDialogButtonBox::Cancel)->text(), english)
        << "Qt's Hungarian translations are not loaded";
}

TEST_F(BoxInputTest, CtrlVAndShiftInsertTakeTheFirstCopiedFileButNotDuringARun) {
    const QString uris = QUrl::fromLocalFile(File("first.bin")).toString() + "\r\n" +
                         QUrl::fromLocalFile(File("second.bin")).toString();
    const struct {
        Qt::Key key;
        Qt::KeyboardModifier modifier;
        const char* format;
        QString text;
    } cases[] = {
        {Qt::Key_V, Qt::ControlModifier, "text/uri-list", uris},
        {Qt::Key_Insert, Qt::ShiftModifier, "text/uri-list", uris},
        {Qt::Key_V, Qt::ControlModifier, "x-special/gnome-copied-files", "copy\n" + uris},
    };
    for (const auto& c : cases) {
        form->SetBoxText(1, "");
        Copy(c.format, c.text);
        QTest::keyClick(&Box(1), c.key, c.modifier);
        EXPECT_EQ(Box(1).text(), QStringLiteral("first.bin")) << c.format;
    }
    form->state().isRunning = true;  // as during a run
    QTest::keyClick(&Box(0), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&Box(0), Qt::Key_Return);
    EXPECT_TRUE(form->state().filePaths[0].empty());
    EXPECT_EQ(Chooser(), nullptr);
}

// In black and white dots, so that it reads on the light green and the red box alike.
TEST_F(BoxInputTest, AFocusedBoxShowsItsFocus) {
    QApplication::setActiveWindow(form.get());
    Box(0).setFocus();
    for (const OleColour back : {kLightGreen, kRed}) {
        Box(0).SetBackColour(back);
        const QImage image = Box(0).grab().toImage();
        const int edge = 2;  // inside the sunken border
        EXPECT_EQ(image.pixelColor(edge, edge), Qt::black) << back;
        EXPECT_EQ(image.pixelColor(edge + 1, edge), Qt::white) << back;
    }
    Box(1).setFocus();
    EXPECT_NE(Box(0).grab().toImage().pixelColor(2, 2), Qt::black);
}

}  // namespace
}  // namespace duplexa
