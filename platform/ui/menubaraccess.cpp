// WrappingMenuBar for accessibility clients, as a QMenuBar shows itself: a menu bar with one
// menu item per shown item (its caption, enabled state, a press action that opens its menu),
// each holding its menu's own interface, so that a client walks every menu and command
// without opening any and can press each of them.
#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "platform/ui/menubar.h"

namespace {

// A caption as read out: without its mnemonic marks ("&&" stays one ampersand).
QString Spoken(const QString& text)
{
    QString s;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        else if (text[i] == QLatin1Char('&')) continue;
        s += text[i];
    }
    return s;
}

class MenuBarItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuBarItemAccessible(WrappingMenuBar* bar, QAction* action) : bar_(bar), action_(action) {}

    bool isValid() const override { return bar_ && action_; }
    QObject* object() const override { return action_; }
    QWindow* window() const override { return bar_ ? bar_->window()->windowHandle() : nullptr; }

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(bar_); }
    int childCount() const override { return Menu() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 && Menu() ? QAccessible::queryAccessibleInterface(Menu()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && Menu() && child->object() == Menu() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        QMenu* menu = Menu();
        if (!menu || !menu->isVisible() || !menu->geometry().contains(x, y)) return nullptr;
        return QAccessible::queryAccessibleInterface(menu);
    }

    QString text(QAccessible::Text t) const override
    {
        if (!action_) return QString();
        if (t == QAccessible::Name) return Spoken(action_->text());
        if (t == QAccessible::Accelerator) return QKeySequence::mnemonic(action_->text()).toString(QKeySequence::NativeText);
        return QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!bar_ || !action_) return QRect();
        QRect r = bar_->ActionGeometry(action_);
        return r.isEmpty() ? QRect() : QRect(bar_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!bar_ || !action_) {
            s.invalid = true;
            return s;
        }
        if (!action_->isEnabled() || !bar_->isEnabled()) s.disabled = true;
        if (!bar_->isVisible()) s.invisible = true;
        s.focusable = true;
        s.hotTracked = bar_->ActiveAction() == action_;
        s.focused = s.hotTracked && bar_->KeyboardMode();
        if (Menu()) {
            s.hasPopup = true;
            s.expanded = Menu()->isVisible();
            s.collapsed = !s.expanded;
        }
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override
    {
        QStringList names{pressAction()};
        if (Menu()) names << showMenuAction();
        return names;
    }
    void doAction(const QString& name) override
    {
        if (!bar_ || !action_ || !action_->isEnabled()) return;
        if (name == pressAction() || name == showMenuAction()) bar_->Press(action_);
    }
    QStringList keyBindingsForAction(const QString& name) const override
    {
        QString key = text(QAccessible::Accelerator);
        return name == pressAction() && !key.isEmpty() ? QStringList{key} : QStringList();
    }

private:
    QMenu* Menu() const { return action_ ? action_->menu() : nullptr; }
    QPointer<WrappingMenuBar> bar_;
    QPointer<QAction> action_;
};

class MenuBarAccessible : public QAccessibleWidget {
public:
    explicit MenuBarAccessible(WrappingMenuBar* bar) : QAccessibleWidget(bar, QAccessible::MenuBar) {}

    int childCount() const override { return static_cast<int>(Bar()->Items().size()); }
    QAccessibleInterface* child(int index) const override
    {
        std::vector<QAction*> items = Bar()->Items();
        if (index < 0 || index >= static_cast<int>(items.size())) return nullptr;
        return ItemOf(items[static_cast<size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        std::vector<QAction*> items = Bar()->Items();
        for (size_t i = 0; child && i < items.size(); ++i)
            if (child->object() == items[i]) return static_cast<int>(i);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        QAction* a = Bar()->ActionAt(Bar()->mapFromGlobal(QPoint(x, y)));
        return a ? ItemOf(a) : nullptr;
    }

private:
    WrappingMenuBar* Bar() const { return static_cast<WrappingMenuBar*>(widget()); }
    // One interface per item, kept in Qt's cache under the item's action.
    QAccessibleInterface* ItemOf(QAction* action) const
    {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(action);
        if (iface && dynamic_cast<MenuBarItemAccessible*>(iface) && iface->parent() &&
            iface->parent()->object() == Bar())
            return iface;
        if (iface) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));  // left from elsewhere
        iface = new MenuBarItemAccessible(Bar(), action);
        QAccessible::registerAccessibleInterface(iface);
        return iface;
    }
};

QAccessibleInterface* MenuBarFactory(const QString&, QObject* object)
{
    auto* bar = qobject_cast<WrappingMenuBar*>(object);
    return bar ? new MenuBarAccessible(bar) : nullptr;
}

}  // namespace

void InstallMenuBarAccessibility() { QAccessible::installFactory(MenuBarFactory); }
