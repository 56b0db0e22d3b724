// The window as a screen reader sees it, through Qt's own accessibility API: every control's
// role, name, value, state and actions, in both languages, and the result line's news.

#include <gtest/gtest.h>

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QAccessible>
#include <QHelpEvent>
#include <QPushButton>
#include <QTest>

#include "core/language.h"
#include "support/settings_sandbox.h"
#include "support/temp_dir.h"
#include "window/qt/caption_button.h"
#include "window/qt/drop_box.h"
#include "window/qt/frm_main.h"
#include "window/qt/label.h"
#include "window/qt/synthetic_drop.h"

namespace duplexa {
namespace {

QAccessibleInterface* Accessible(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

class AccessibilityTest : public testing::Test {
  protected:
    AccessibilityTest() : savedLanguage_(currentLanguage) {
        // As a screen reader on the bus would: without one, no change event is sent at all.
        if (QPlatformAccessibility* platform =
                QGuiApplicationPrivate::platformIntegration()->accessibility()) {
            platform->setActive(true);
        }
        frmMainServices services;
        services.settingsKey = settings.Maker();
        form = std::make_unique<frmMain>(std::move(services));
        form->Form_Load();
        form->ShowCentred();
    }
    ~AccessibilityTest() override {
        form.reset();
        QAccessible::installUpdateHandler(nullptr);
        if (QPlatformAccessibility* platform =
                QGuiApplicationPrivate::platformIntegration()->accessibility()) {
            platform->setActive(false);
        }
        currentLanguage = savedLanguage_;
    }

    // Each child of the window by its control name, in the order a reader walks them.
    std::vector<std::pair<QString, QAccessibleInterface*>> Tree() const {
        std::vector<std::pair<QString, QAccessibleInterface*>> tree;
        QAccessibleInterface* window = Accessible(form.get());
        for (int i = 0; i < window->childCount(); ++i) {
            QAccessibleInterface* child = window->child(i);
            EXPECT_EQ(window->indexOfChild(child), i);
            EXPECT_EQ(child->parent(), window);
            tree.emplace_back(child->object()->objectName(), child);
        }
        return tree;
    }
    QAccessibleInterface* Child(const char* name) const {
        for (const auto& [objectName, child] : Tree()) {
            if (objectName == QLatin1String(name)) {
                return child;
            }
        }
        ADD_FAILURE() << name << " is not in the tree";
        return Accessible(form.get());
    }
    void Press(const char* name) {
        QAccessibleActionInterface* actions = Child(name)->actionInterface();
        ASSERT_NE(actions, nullptr) << name;
        ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
    }
    void Drop(int box, const std::string& path) {
        DropFiles(*form->controls().lblFile.at(static_cast<std::size_t>(box)),
                  {QString::fromStdString(path)});
    }

    test::SettingsSandbox settings;
    test::TempDir dir;
    std::unique_ptr<frmMain> form;

  private:
    std::int32_t savedLanguage_;
};

TEST_F(AccessibilityTest, EveryControlIsInTheTreeInReadingOrderAndDecorationIsNot) {
    std::vector<QString> order;
    for (const auto& [name, child] : Tree()) {
        order.push_back(name);
    }
    // Stacked layout: the header, the first box, Compare and the sign, the second box, the
    // result line, the bottom row.
    const std::vector<QString> expected = {"imgLangENG", "imgLangHUN",  "lblTitle",  "lblVersion",
                                           "Label10",    "lblHomepage", "lblFile0",  "frResult",
                                           "comCompare", "lblFile1",    "lblResult", "cmdOrder1",
                                           "cmdOrder2",  "ComClose",    "lblLayout"};
    EXPECT_EQ(order, expected);
}

TEST_F(AccessibilityTest, RolesAndNamesInBothLanguages) {
    const struct {
        const char* control;
        QAccessible::Role role;
        const char* en;
        const char* hu;
    } cases[] = {
        {"lblTitle", QAccessible::StaticText, "Duplexa", "Duplexa"},
        {"Label10", QAccessible::StaticText, "Veltrimo \u00a9 2024", "Veltrimo \u00a9 2024"},
        {"lblLayout", QAccessible::StaticText, "Layout:", "Elrendez\u00e9s:"},
        {"lblHomepage", QAccessible::Link, "www.veltrimo.hu", "www.veltrimo.hu"},
        {"lblFile0", QAccessible::EditableText, "First file", "Els\u0151 f\u00e1jl"},
        {"lblFile1", QAccessible::EditableText, "Second file", "M\u00e1sodik f\u00e1jl"},
        {"imgLangENG", QAccessible::Button, "English", "English"},
        {"imgLangHUN", QAccessible::Button, "Magyar", "Magyar"},
        {"cmdOrder1", QAccessible::Button, "Side by side", "Egym\u00e1s mellett"},
        {"cmdOrder2", QAccessible::Button, "Stacked", "Egym\u00e1s alatt"},
        {"ComClose", QAccessible::Button, "Close", "Bez\u00e1r"},
    };
    for (const bool hungarian : {false, true}) {
        Press(hungarian ? "imgLangHUN" : "imgLangENG");  // the flags switch as a click does
        EXPECT_EQ(currentLanguage, hungarian ? 0 : 1);
        for (const auto& c : cases) {
            QAccessibleInterface* child = Child(c.control);
            EXPECT_EQ(child->role(), c.role) << c.control;
            EXPECT_EQ(child->text(QAccessible::Name), QString::fromUtf8(hungarian ? c.hu : c.en))
                << c.control;
        }
        // The same words as tooltips, in the language in force when they show.
        QPushButton& side = *form->controls().cmdOrder1;
        QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), side.mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(&side, &tip);
        EXPECT_EQ(side.toolTip(), Child("cmdOrder1")->text(QAccessible::Name));
    }
}

TEST_F(AccessibilityTest, BoxesAreReadOnlyTextTellingHowToFillThem) {
    QAccessibleInterface* box = Child("lblFile0");
    EXPECT_EQ(box->text(QAccessible::Value), "Drag and drop the first file here");
    ASSERT_NE(box->textInterface(), nullptr);
    EXPECT_EQ(box->textInterface()->text(0, -1), box->text(QAccessible::Value));
    EXPECT_TRUE(box->state().readOnly);
    EXPECT_TRUE(box->state().focusable);
    EXPECT_TRUE(box->text(QAccessible::Description).contains("Ctrl+V"));

    Drop(0, dir.Write("report.pdf", "abc"));
    Drop(1, dir.path().string());  // a folder: refused, red
    EXPECT_EQ(box->text(QAccessible::Value), "report.pdf");
    EXPECT_TRUE(box->text(QAccessible::Description).endsWith("The file can be used."));
    EXPECT_TRUE(Child("lblFile1")->text(QAccessible::Description).endsWith("cannot be used."));
}

TEST_F(AccessibilityTest, PressesDoWhatClicksDo) {
    Press("cmdOrder1");
    EXPECT_EQ(form->state().layoutMode, 1);
    Press("cmdOrder2");
    EXPECT_EQ(form->state().layoutMode, 2);
}

TEST_F(AccessibilityTest, SignIsHiddenUntilAVerdictAndEachVerdictIsAnnouncedOnce) {
    static std::vector<QString> heard;
    heard.clear();
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        if (event->type() == QAccessible::NameChanged &&
            event->object()->objectName() == QLatin1String("lblResult")) {
            heard.push_back(static_cast<Label*>(event->object())->caption());
        }
    });
    QAccessibleInterface* sign = Child("frResult");
    EXPECT_EQ(sign->role(), QAccessible::Graphic);
    EXPECT_TRUE(sign->state().invisible);
    EXPECT_EQ(sign->childCount(), 0) << "bars and stroke are one picture";

    const auto bytes = test::PatternBytes(3000);
    Drop(0, dir.Write("a.bin", bytes));
    Drop(1, dir.Write("b.bin", bytes));
    form->controls().comCompare->click();
    EXPECT_FALSE(sign->state().invisible);
    EXPECT_EQ(sign->text(QAccessible::Name), "Identical");
    EXPECT_EQ(std::count(heard.begin(), heard.end(), "They are exactly the same."), 1);
    EXPECT_EQ(Child("lblResult")->text(QAccessible::Name), "They are exactly the same.");

    auto changed = bytes;
    changed[10] ^= 1;
    Drop(1, dir.Write("c.bin", changed));
    EXPECT_TRUE(sign->state().invisible) << "a drop clears the sign";
    form->controls().comCompare->click();
    EXPECT_EQ(sign->text(QAccessible::Name), "Different");
    EXPECT_EQ(heard.back(), form->controls().lblResult->caption());
    EXPECT_TRUE(heard.back().startsWith("Differ in 1 bytes"));
}

}  // namespace
}  // namespace duplexa
