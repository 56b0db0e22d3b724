// The window as a screen reader sees it, through Qt's own accessibility API.

#include <gtest/gtest.h>

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "core/language.h"
#include "support/qt/synthetic_drop.h"
#include "support/settings_sandbox.h"
#include "support/temp_dir.h"
#include "window/qt/caption_button.h"
#include "window/qt/drop_box.h"
#include "window/qt/frm_main.h"
#include "window/qt/label.h"
#include "window/qt/result_announcer.h"

namespace duplexa {
namespace {

using enum Control;

// As a screen reader on the bus does: with none, Qt sends no change event at all.
void SetReaderListening(bool listening) {
    if (QPlatformAccessibility* platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility()) {
        platform->setActive(listening);
    }
}

class AccessibilityTest : public testing::Test {
  protected:
    AccessibilityTest() : savedLanguage_(currentLanguage) {
        SetReaderListening(true);
        frmMainServices services;
        services.settingsKey = settings.Maker();
        form = std::make_unique<frmMain>(std::move(services));
        form->Form_Load();
        form->ShowCentred();
    }
    ~AccessibilityTest() override {
        form.reset();
        QAccessible::installUpdateHandler(nullptr);
        SetReaderListening(false);
        currentLanguage = savedLanguage_;
    }

    // The window's children by control name, in the order a reader walks them.
    QStringList Order() const {
        QStringList names;
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
        for (int i = 0; i < window->childCount(); ++i) {
            EXPECT_EQ(window->indexOfChild(window->child(i)), i);
            names.append(window->child(i)->object()->objectName());
        }
        return names;
    }
    QAccessibleInterface* Child(const char* name) const {
        return QAccessible::queryAccessibleInterface(
            form->findChild<QWidget*>(QString::fromLatin1(name)));
    }
    void Press(const char* name) {
        Child(name)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    void Drop(int box, const std::string& path) {
        DropFiles(form->Box(box), {QString::fromStdString(path)});
    }

    test::SettingsSandbox settings;
    test::TempDir dir;
    std::unique_ptr<frmMain> form;

  private:
    std::int32_t savedLanguage_;
};

TEST_F(AccessibilityTest, ControlsInReadingOrderWithRolesAndNamesInBothLanguages) {
    EXPECT_EQ(Order(), QString("imgLangENG imgLangHUN lblTitle lblVersion Label10 lblHomepage "
                               "lblFile0 frResult comCompare lblFile1 lblResult cmdOrder1 "
                               "cmdOrder2 ComClose lblLayout")
                           .split(' '))
        << "decoration is left out";
    const struct {
        const char* control;
        QAccessible::Role role;
        const char* en;
        const char* hu;
    } cases[] = {
        {"Label10", QAccessible::StaticText, "Veltrimo \u00a9 2024", "Veltrimo \u00a9 2024"},
        {"lblLayout", QAccessible::StaticText, "Layout:", "Elrendez\u00e9s:"},
        {"lblHomepage", QAccessible::Link, "www.veltrimo.hu", "www.veltrimo.hu"},
        {"lblFile1", QAccessible::EditableText, "Second file", "M\u00e1sodik f\u00e1jl"},
        // One of two choices each, which readers say is taken or not.
        {"imgLangHUN", QAccessible::RadioButton, "Magyar", "Magyar"},
        {"cmdOrder1", QAccessible::RadioButton, "Side by side", "Egym\u00e1s mellett"},
        {"cmdOrder2", QAccessible::RadioButton, "Stacked", "Egym\u00e1s alatt"},
    };
    static QStringList renamed;  // readers that keep names hear of new ones
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        if (event->type() == QAccessible::NameChanged) {
            renamed.append(event->object()->objectName());
        }
    });
    for (const bool hungarian : {true, false}) {
        renamed.clear();
        Press(hungarian ? "imgLangHUN" : "imgLangENG");  // as a click on the flag does
        EXPECT_EQ(renamed.count("cmdOrder2"), 1);
        ASSERT_EQ(currentLanguage == 0, hungarian);
        EXPECT_EQ(Child("imgLangHUN")->state().checked, hungarian);
        EXPECT_EQ(Child("imgLangENG")->state().checked, !hungarian);
        EXPECT_TRUE(Child("cmdOrder2")->state().checked && !Child("cmdOrder1")->state().checked);
        for (const auto& c : cases) {
            EXPECT_EQ(Child(c.control)->role(), c.role) << c.control;
            EXPECT_EQ(Child(c.control)->text(QAccessible::Name),
                      QString::fromUtf8(hungarian ? c.hu : c.en));
        }
        QPushButton& side = form->control<QPushButton>(cmdOrder1);  // tooltips say the same
        QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), side.mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(&side, &tip);
        EXPECT_EQ(side.toolTip(), Child("cmdOrder1")->text(QAccessible::Name));
    }
    Press("cmdOrder1");
    EXPECT_EQ(form->state().layoutMode, 1);
    EXPECT_TRUE(Child("cmdOrder1")->state().checked && !Child("cmdOrder2")->state().checked);
}

TEST_F(AccessibilityTest, BoxesAreReadOnlyTextTellingHowToFillThemAndWhetherTheFileIsUsable) {
    QAccessibleInterface* box = Child("lblFile0");
    EXPECT_EQ(box->text(QAccessible::Value), "Drag and drop the first file here");
    EXPECT_EQ(box->textInterface()->text(0, -1), box->text(QAccessible::Value));
    int start = -1;
    int end = -1;
    box->textInterface()->attributes(5, &start, &end);
    EXPECT_EQ(std::pair(start, end), std::pair(0, 33)) << "one run: readers speak it whole";
    EXPECT_TRUE(box->state().readOnly && box->state().focusable);
    EXPECT_TRUE(box->text(QAccessible::Description).contains("Ctrl+V"));

    Drop(0, dir.Write("report.pdf", "abc"));
    Drop(1, dir.path().string());  // a folder: refused
    EXPECT_EQ(box->text(QAccessible::Value), "report.pdf");
    EXPECT_TRUE(box->text(QAccessible::Description).endsWith("The file can be used."));
    EXPECT_TRUE(Child("lblFile1")->text(QAccessible::Description).endsWith("cannot be used."));
}

TEST_F(AccessibilityTest, SignIsHiddenUntilAVerdictAndEachVerdictIsAnnouncedOnce) {
    static QStringList heard;
    heard.clear();
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        if (event->type() == QAccessible::NameChanged &&
            event->object()->objectName() == QLatin1String("lblResult")) {
            heard.append(static_cast<Label*>(event->object())->caption());
        }
    });
    QAccessibleInterface* sign = Child("frResult");
    EXPECT_TRUE(sign->state().invisible);
    EXPECT_EQ(sign->childCount(), 0) << "bars and stroke are one picture";

    auto bytes = test::PatternBytes(3000);
    Drop(0, dir.Write("a.bin", bytes));
    Drop(1, dir.Write("b.bin", bytes));
    form->control<QPushButton>(comCompare).click();
    EXPECT_EQ(sign->role(), QAccessible::Graphic);
    EXPECT_FALSE(sign->state().invisible);
    EXPECT_EQ(sign->text(QAccessible::Name), "Identical");
    EXPECT_EQ(heard.count("They are exactly the same."), 1);

    bytes[10] ^= 1;
    Drop(1, dir.Write("c.bin", bytes));
    form->control<QPushButton>(comCompare).click();
    EXPECT_EQ(sign->text(QAccessible::Name), "Different");
    EXPECT_TRUE(heard.back().startsWith("Differ in 1 bytes"));
}

// A reader hears a verdict once: where the focus is, or else as a notification; a run's
// progress as a notification at the run's next event turn.
TEST_F(AccessibilityTest, EachVerdictIsSaidOnceWhereverTheFocusIs) {
    static QStringList said;
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        if (event->type() == QAccessible::ObjectShow &&
            event->object()->objectName() == QLatin1String("notice")) {
            said.append(static_cast<QWidget*>(event->object())->accessibleName());
        }
    });
    const struct {
        bool lineFocused;
        bool verdictInTheRun;  // landed while the run went on, in its last turn
        QString detail;
        QStringList expected;
    } cases[] = {
        {true, true, "", {}},
        {true, false, "", {}},
        {false, true, "", {"Same."}},
        {false, false, "", {"Same."}},
        {true, true, "Where.", {"Where."}},
        {false, true, "Where.", {"Same. Where."}},
    };
    for (const auto& c : cases) {
        said.clear();
        Label& line = form->control<Label>(lblResult);
        ResultAnnouncer announcer(line);
        QApplication::setActiveWindow(form.get());
        form->control(c.lineFocused ? lblResult : ComClose).setFocus();
        announcer.Landed("Working...", true);
        QApplication::processEvents();
        EXPECT_EQ(said, QStringList{"Working..."});
        said.clear();
        line.SetCaption("Same.");
        if (c.verdictInTheRun) {
            announcer.Landed("Same.", true);
        }
        announcer.Settled(c.detail);
        QApplication::processEvents();
        EXPECT_EQ(said, c.expected) << c.lineFocused << c.verdictInTheRun;
    }
}

// Orca says a box's name on Tab but not a file that lands in it without a drag.
TEST_F(AccessibilityTest, AFileGivenFromTheKeyboardIsSaidOnceAndWhereAfterTheVerdict) {
    static QStringList said;
    said.clear();
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        if (event->type() == QAccessible::ObjectShow) {
            said.append(static_cast<QWidget*>(event->object())->accessibleName());
        }
    });
    auto bytes = test::PatternBytes(3000);
    const std::string first = dir.Write("first.bin", bytes);
    bytes[99] ^= 1;
    const std::string second = dir.Write("second.bin", bytes);
    auto* copied = new QMimeData;
    copied->setUrls({QUrl::fromLocalFile(QString::fromStdString(first))});
    QGuiApplication::clipboard()->setMimeData(copied);
    QTest::keyClick(&form->Box(0), Qt::Key_V, Qt::ControlModifier);
    Drop(1, second);
    EXPECT_EQ(said, QStringList{"first.bin"});
    form->control<QPushButton>(comCompare).click();
    EXPECT_EQ(Child("lblResult")->text(QAccessible::Description),
              "First difference at byte 100, last at byte 100.");
}

}  // namespace
}  // namespace duplexa
