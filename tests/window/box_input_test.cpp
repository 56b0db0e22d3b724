// A file for a box from the keyboard: the chooser and the clipboard, with real key events on
// the real window, handed to the same drop handler as a drag.

#include "window/qt/box_input.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include "core/language.h"
#include "support/settings_sandbox.h"
#include "support/temp_dir.h"
#include "window/qt/drop_box.h"
#include "window/qt/frm_main.h"

namespace duplexa {
namespace {

class BoxInputTest : public testing::Test {
  protected:
    BoxInputTest() : savedLanguage_(currentLanguage) {
        frmMainServices services;
        services.settingsKey = settings.Maker();
        form = std::make_unique<frmMain>(std::move(services));
        form->Form_Load();
        form->ShowCentred();
        first = QString::fromStdString(dir.Write("first.bin", "abc"));
        second = QString::fromStdString(dir.Write("second.bin", "abd"));
    }
    ~BoxInputTest() override {
        CloseChooser();
        form.reset();
        FollowQtTranslation(false);
        currentLanguage = savedLanguage_;
    }

    DropBox& Box(int box) { return *form->controls().lblFile.at(static_cast<std::size_t>(box)); }
    QFileDialog* Chooser() { return form->findChild<QFileDialog*>(QStringLiteral("chooser")); }
    void CloseChooser() {
        if (QFileDialog* chooser = Chooser()) {
            chooser->reject();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString CancelText() {
        QFileDialog* chooser = Chooser();
        EXPECT_NE(chooser, nullptr);
        auto* buttons = chooser != nullptr ? chooser->findChild<QDialogButtonBox*>() : nullptr;
        return buttons != nullptr ? buttons->button(QDialogButtonBox::Cancel)->text() : QString();
    }
    void Copy(const char* format, const QString& text) {
        auto* mime = new QMimeData;
        mime->setData(QString::fromLatin1(format), text.toUtf8());
        QGuiApplication::clipboard()->setMimeData(mime);
    }
    QString Uri(const QString& path) { return QUrl::fromLocalFile(path).toString(); }

    test::SettingsSandbox settings;
    test::TempDir dir;
    std::unique_ptr<frmMain> form;
    QString first;
    QString second;

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
    for (const auto& open : opens) {
        form->SetBoxText(1, "");
        open(Box(1));
        QFileDialog* chooser = Chooser();
        ASSERT_NE(chooser, nullptr);
        EXPECT_EQ(chooser->windowTitle(), QStringLiteral("Choose the second file"));
        chooser->selectFile(second);
        chooser->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open)->click();
        EXPECT_EQ(Box(1).text(), QStringLiteral("second.bin"));
        EXPECT_EQ(form->state().filePaths[1], second.toStdString());
        CloseChooser();
    }
}

TEST_F(BoxInputTest, TheChooserSpeaksTheWindowsLanguage) {
    QTest::keyClick(&Box(0), Qt::Key_Return);
    const QString english = CancelText();
    CloseChooser();

    form->logic().imgLangHUN_hl_Click();
    QTest::keyClick(&Box(0), Qt::Key_Return);
    EXPECT_EQ(Chooser()->windowTitle(), QStringLiteral("Az első fájl kiválasztása"));
    EXPECT_NE(CancelText(), english) << "Qt's Hungarian translations are not loaded";
    CloseChooser();

    form->logic().imgLangENG_hl_Click();
    QTest::keyClick(&Box(0), Qt::Key_Return);
    EXPECT_EQ(CancelText(), english);
}

TEST_F(BoxInputTest, CtrlVAndShiftInsertTakeTheFirstCopiedFile) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifier modifier;
        const char* format;
        QString text;
    } cases[] = {
        {Qt::Key_V, Qt::ControlModifier, "text/uri-list", Uri(first) + "\r\n" + Uri(second)},
        {Qt::Key_Insert, Qt::ShiftModifier, "text/uri-list", Uri(first) + "\r\n" + Uri(second)},
        {Qt::Key_V, Qt::ControlModifier, "x-special/gnome-copied-files",
         "copy\n" + Uri(first) + "\n" + Uri(second)},
    };
    for (const auto& c : cases) {
        form->SetBoxText(1, "");
        Copy(c.format, c.text);
        QTest::keyClick(&Box(1), c.key, c.modifier);
        EXPECT_EQ(Box(1).text(), QStringLiteral("first.bin")) << c.format;
    }
    // Copied text is not a file: the box keeps what it shows.
    Copy("text/plain", first);
    QTest::keyClick(&Box(1), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Box(1).text(), QStringLiteral("first.bin"));
}

TEST_F(BoxInputTest, NeitherWorksWhileTheBoxTakesNoDrops) {
    form->SetDropMode(0, DropMode::None);  // as a run does
    QTest::keyClick(&Box(0), Qt::Key_Return);
    EXPECT_EQ(Chooser(), nullptr);
    Copy("text/uri-list", Uri(first));
    QTest::keyClick(&Box(0), Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(form->state().filePaths[0].empty());
}

TEST_F(BoxInputTest, AFocusedBoxShowsItsFocus) {
    QApplication::setActiveWindow(form.get());
    Box(1).setFocus();
    const QImage unfocused = Box(0).grab().toImage();
    Box(0).setFocus();
    ASSERT_TRUE(Box(0).hasFocus());
    EXPECT_NE(Box(0).grab().toImage(), unfocused);
}

}  // namespace
}  // namespace duplexa
