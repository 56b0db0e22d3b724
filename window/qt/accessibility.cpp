#include "window/qt/accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QEvent>
#include <QMetaObject>
#include <algorithm>
#include <optional>
#include <vector>

#include "window/logic/accessible_facts.h"
#include "window/qt/drop_box.h"
#include "window/qt/frm_main.h"
#include "window/qt/label.h"

namespace duplexa {
namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

frmMain* FormOf(const QWidget& widget) {
    return qobject_cast<frmMain*>(widget.window());
}

// The sign's bars and stroke lie inside its frame.
bool PartShown(const QWidget& widget, Control part) {
    for (const QWidget* child : widget.findChildren<const QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (ControlIdOf(*child) == part) {
            return !child->isHidden();
        }
    }
    return false;
}

// Whatever is not one of the window's controls is left out.
std::optional<AccessibleFacts> FactsOf(const QWidget& widget) {
    const std::optional<Control> id = ControlIdOf(widget);
    if (!id) {
        return AccessibleFacts{};
    }
    ControlLook look;
    if (const auto* label = qobject_cast<const Label*>(&widget)) {
        look.caption = label->caption().toStdString();
    } else if (const auto* box = qobject_cast<const DropBox*>(&widget)) {
        look.caption = box->text().toStdString();
    }
    look.signShown = PartShown(widget, Control::sEqual1);
    look.signCrossed = PartShown(widget, Control::strikeLine);
    static const WindowState noWindow;
    frmMain* form = FormOf(widget);
    return DescribeControl(*id, look, form != nullptr ? form->state() : noWindow);
}

QAccessible::Role RoleOf(AccessibleKind kind) {
    switch (kind) {
        case AccessibleKind::StaticText:
            return QAccessible::StaticText;
        case AccessibleKind::Link:
            return QAccessible::Link;
        case AccessibleKind::ReadOnlyText:
            return QAccessible::EditableText;
        case AccessibleKind::Image:
            return QAccessible::Graphic;
        case AccessibleKind::Button:
            return QAccessible::Button;
        case AccessibleKind::Hidden:
        case AccessibleKind::ToolkitOwn:
            break;
    }
    return QAccessible::NoRole;
}

// One of the window's described controls. A file box also offers its text, read-only.
class ControlAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    ControlAccessible(QWidget* widget, AccessibleKind kind)
        : QAccessibleWidget(widget, RoleOf(kind)) {}

    AccessibleFacts Facts() const { return FactsOf(*widget()).value_or(AccessibleFacts{}); }

    // A layout button or a flag is one of two choices, and readers say whether it is taken.
    QAccessible::Role role() const override {
        const AccessibleFacts facts = Facts();
        return facts.inForce ? QAccessible::RadioButton : RoleOf(facts.kind);
    }

    QString text(QAccessible::Text t) const override {
        const AccessibleFacts facts = Facts();
        switch (t) {
            case QAccessible::Name:
                return FromUtf8(facts.name);
            case QAccessible::Description:
                return FromUtf8(facts.description);
            case QAccessible::Value:
                return facts.kind == AccessibleKind::ReadOnlyText ? BoxText() : QString();
            default:
                return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const AccessibleFacts facts = Facts();
        s.readOnly = facts.kind == AccessibleKind::ReadOnlyText;
        s.multiLine = s.readOnly;
        s.linked = facts.kind == AccessibleKind::Link;
        s.invisible = s.invisible || !facts.shown;
        s.checkable = facts.inForce.has_value();
        s.checked = facts.inForce.value_or(false);
        return s;
    }

    // The sign is one picture: its bars and stroke are not separate things to read.
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface && Facts().kind == AccessibleKind::ReadOnlyText) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QStringList actionNames() const override {
        const AccessibleKind kind = Facts().kind;
        if (kind == AccessibleKind::Button || kind == AccessibleKind::Link) {
            return {pressAction()};
        }
        return QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action != pressAction() || !widget()->isEnabled()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        const AccessibleFacts facts = Facts();
        if (auto* button = qobject_cast<QAbstractButton*>(widget())) {
            button->click();
            return;
        }
        // A flag's press is a click on the pale flag that takes its clicks.
        QObject* target = widget();
        if (facts.pressTarget && FormOf(*widget()) != nullptr) {
            target = &FormOf(*widget())->control(*facts.pressTarget);
        }
        QMetaObject::invokeMethod(target, "clicked");
    }

    // Read-only text: the box's text, no caret to move and nothing to select.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        const QString all = BoxText();
        start = std::clamp(start, 0, static_cast<int>(all.size()));
        end = end < 0 ? static_cast<int>(all.size())
                      : std::clamp(end, start, static_cast<int>(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(BoxText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    // One run without attributes over the whole text: a reader that speaks a line run by run
    // (Orca) would drop the last character after an empty one.
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

  private:
    QString BoxText() const {
        const auto* box = qobject_cast<const DropBox*>(widget());
        return box != nullptr ? box->text() : QString();
    }
};

// The window lists its described and toolkit-described controls in reading order, top to
// bottom and left to right, and leaves decoration out.
class WindowAccessible final : public QAccessibleWidget {
  public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(Children().size()); }

    QAccessibleInterface* child(int index) const override {
        const std::vector<QWidget*> children = Children();
        if (index < 0 || index >= static_cast<int>(children.size())) {
            return nullptr;
        }
        return QAccessible::queryAccessibleInterface(children[static_cast<std::size_t>(index)]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<QWidget*> children = Children();
        const auto found = std::find(children.begin(), children.end(),
                                     child != nullptr ? child->object() : nullptr);
        return found == children.end() ? -1 : static_cast<int>(found - children.begin());
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        for (QWidget* widget : Children()) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
            if (iface != nullptr && !widget->isHidden() && iface->rect().contains(x, y)) {
                return iface;
            }
        }
        return nullptr;
    }

  private:
    std::vector<QWidget*> Children() const {
        std::vector<QWidget*> children;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child == nullptr || child->isWindow()) {
                continue;
            }
            const std::optional<AccessibleFacts> facts = FactsOf(*child);
            if (!facts || facts->kind != AccessibleKind::Hidden) {
                children.push_back(child);
            }
        }
        std::stable_sort(children.begin(), children.end(), [](QWidget* a, QWidget* b) {
            return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
        });
        return children;
    }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    if (className == QLatin1String("duplexa::frmMain")) {
        return new WindowAccessible(widget);
    }
    if (className == QLatin1String("duplexa::Notice")) {
        return new QAccessibleWidget(widget, QAccessible::Notification);
    }
    // Our own controls, and the picture buttons whose captions are empty.
    const bool ours = className.startsWith(QLatin1String("duplexa::"));
    if (!ours && className != QLatin1String("QPushButton")) {
        return nullptr;
    }
    const std::optional<AccessibleFacts> facts = FactsOf(*widget);
    if (!facts || (!ours && facts->kind != AccessibleKind::Button)) {
        return nullptr;
    }
    return new ControlAccessible(widget, facts->kind);
}

// Sets the tooltip just before it shows, so it follows a language switch at once.
class NameAsToolTip final : public QObject {
  public:
    explicit NameAsToolTip(QWidget& widget) : QObject(&widget) { widget.installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::ToolTip && widget != nullptr) {
            if (const std::optional<AccessibleFacts> facts = FactsOf(*widget)) {
                widget->setToolTip(FromUtf8(facts->name));
            }
        }
        return false;
    }
};

}  // namespace

void AnnounceNewNames(QWidget& window) {
    if (!QAccessible::isActive()) {
        return;
    }
    for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const std::optional<AccessibleFacts> facts = FactsOf(*control);
        if (facts && facts->kind != AccessibleKind::Hidden &&
            ControlIdOf(*control) != Control::lblResult) {
            QAccessibleEvent renamed(control, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&renamed);
        }
    }
}

void ShowNameAsToolTip(QWidget& widget) {
    new NameAsToolTip(widget);
}

void InstallAccessibility() {
    static const bool installed = (QAccessible::installFactory(&Factory), true);
    (void)installed;
}

}  // namespace duplexa
