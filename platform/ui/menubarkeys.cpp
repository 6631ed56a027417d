// WrappingMenuBar by keyboard: keyboard mode (F10, a lone Alt), moving along the items,
// opening their menus, mnemonics, and moving to the neighbouring menu from an open one.
#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QShortcutEvent>
#include <algorithm>

#include "platform/ui/menubar.h"

namespace {

// The upper-case letter after a caption's single '&' ("&&" is an ampersand); empty without.
QString MnemonicOf(const QString& text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text.mid(i + 1, 1).toUpper();
    }
    return QString();
}

// Whether `menu` is `tree` or one of the menus under its items.
bool Holds(QMenu* tree, QMenu* menu, int depth = 0)
{
    if (tree == menu) return true;
    if (depth > 16) return false;  // a menu that holds itself
    for (QAction* a : tree->actions())
        if (a->menu() && Holds(a->menu(), menu, depth + 1)) return true;
    return false;
}

}  // namespace

bool WrappingMenuBar::InWindow(QObject* watched) const
{
    auto* w = qobject_cast<QWidget*>(watched);
    return w && isVisible() && isEnabled() && !isWindow() && w->window() == window();
}

void WrappingMenuBar::SetHot(QAction* action)
{
    if (action == hot_) return;
    hot_ = action;
    update();
    if (keyboard_) NotifyAccessible(QAccessible::Focus, hot_);
}

void WrappingMenuBar::SetKeyboardMode(bool on)
{
    if (on) {
        if (placed_.empty() || !isVisible() || !isEnabled()) return;
        if (!keyboard_) {
            QWidget* focus = window()->focusWidget();
            focusBefore_ = focus != this ? focus : nullptr;
            keyboard_ = true;
            NotifyAccessible(QAccessible::MenuStart, nullptr);
        }
        if (!hot_ || ActionGeometry(hot_).isEmpty()) hot_ = placed_.front().action;
        setFocus(Qt::MenuBarFocusReason);
        update();
        NotifyAccessible(QAccessible::Focus, hot_);
        return;
    }
    if (!keyboard_) return;
    keyboard_ = false;
    if (!open_) hot_ = nullptr;
    QPointer<QWidget> before = focusBefore_;
    focusBefore_ = nullptr;
    // Back to the control that had the focus before the bar took it.
    if (window()->focusWidget() == this) {
        if (before && before->isVisible() && before->isEnabled() && before->window() == window())
            before->setFocus(Qt::MenuBarFocusReason);
        else
            clearFocus();
    }
    update();
    NotifyAccessible(QAccessible::MenuEnd, nullptr);
}

QAction* WrappingMenuBar::Neighbour(QAction* from, int step) const
{
    const int n = static_cast<int>(placed_.size());
    if (n == 0) return nullptr;
    int i = step > 0 ? -1 : 0;
    for (int k = 0; k < n; ++k)
        if (placed_[static_cast<size_t>(k)].action == from) i = k;
    return placed_[static_cast<size_t>(((i + step) % n + n) % n)].action;
}

QAction* WrappingMenuBar::MnemonicAction(const QString& text) const
{
    if (text.size() != 1 || !text[0].isPrint()) return nullptr;
    for (const Placed& p : placed_)
        if (MnemonicOf(p.action->text()) == text.toUpper()) return p.action;
    return nullptr;
}

void WrappingMenuBar::GrabMnemonics()
{
    for (const auto& m : mnemonics_) releaseShortcut(m.first);
    mnemonics_.clear();
    for (const Placed& p : placed_) {
        QKeySequence key = QKeySequence::mnemonic(p.action->text());
        if (!key.isEmpty()) mnemonics_[grabShortcut(key, Qt::WindowShortcut)] = p.action;
    }
}

bool WrappingMenuBar::event(QEvent* e)
{
    if (e->type() == QEvent::Shortcut) {
        auto it = mnemonics_.find(static_cast<QShortcutEvent*>(e)->shortcutId());
        if (it != mnemonics_.end()) {
            lonelyAlt_ = false;
            QAction* a = it->second;
            SetHot(a);
            SetKeyboardMode(true);
            if (a->isEnabled() && !open_) Open(a, true);
            return true;
        }
    }
    return QWidget::event(e);
}

bool WrappingMenuBar::eventFilter(QObject* watched, QEvent* e)
{
    switch (e->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(e);
        if (e->type() == QEvent::KeyPress && open_) {
            if (auto* menu = qobject_cast<QMenu*>(watched))
                if (MenuKey(menu, k)) return true;
        }
        if (k->key() == Qt::Key_Alt) {
            lonelyAlt_ = InWindow(watched) && (k->modifiers() & ~Qt::AltModifier) == Qt::NoModifier;
            break;
        }
        lonelyAlt_ = false;
        if (e->type() == QEvent::KeyPress && k->key() == Qt::Key_F10 &&
            (k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && InWindow(watched)) {
            SetKeyboardMode(!keyboard_);
            return true;
        }
        break;
    }
    case QEvent::KeyRelease: {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Alt && lonelyAlt_ && InWindow(watched)) {
            lonelyAlt_ = false;
            SetKeyboardMode(!keyboard_);
            return true;
        }
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::WindowDeactivate:
        lonelyAlt_ = false;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, e);
}

bool WrappingMenuBar::MenuKey(QMenu* menu, QKeyEvent* e)
{
    QMenu* top = open_ ? open_->menu() : nullptr;
    if (!top || !top->isVisible() || !Holds(top, menu)) return false;
    int step = 0;
    switch (e->key()) {
    case Qt::Key_Left:
        if (menu != top) return false;  // a sub-menu closes back to its parent
        step = -1;
        break;
    case Qt::Key_Right: {
        QAction* a = menu->activeAction();
        if (a && a->menu() && a->isEnabled()) return false;  // opens the sub-menu
        step = 1;
        break;
    }
    case Qt::Key_Escape:
        if (menu == top) escaped_ = true;
        return false;
    default:
        return false;
    }
    QAction* next = Neighbour(open_, step);
    // Close the open menus, innermost first, without leaving the bar.
    switching_ = true;
    for (int guard = 0; guard < 32; ++guard) {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!popup || !Holds(top, popup)) break;
        popup->hide();
    }
    top->hide();
    switching_ = false;
    open_ = nullptr;
    SetKeyboardMode(true);
    SetHot(next);
    if (next && next->isEnabled() && next->menu()) Open(next, true);
    return true;
}

void WrappingMenuBar::keyPressEvent(QKeyEvent* e)
{
    if (!keyboard_) {
        QWidget::keyPressEvent(e);
        return;
    }
    switch (e->key()) {
    case Qt::Key_Left: SetHot(Neighbour(hot_, -1)); break;
    case Qt::Key_Right: SetHot(Neighbour(hot_, 1)); break;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (hot_ && hot_->isEnabled()) Open(hot_, true);
        break;
    case Qt::Key_Escape: SetKeyboardMode(false); break;
    default:
        if (QAction* a = MnemonicAction(e->text())) {
            SetHot(a);
            if (a->isEnabled()) Open(a, true);
            break;
        }
        e->ignore();
        return;
    }
    e->accept();
}

void WrappingMenuBar::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    // An opening menu takes the focus for a while; anything else ends keyboard mode.
    if (!keyboard_ || open_ || e->reason() == Qt::PopupFocusReason) return;
    keyboard_ = false;
    focusBefore_ = nullptr;
    hot_ = nullptr;
    update();
    NotifyAccessible(QAccessible::MenuEnd, nullptr);
}

void WrappingMenuBar::NotifyAccessible(int type, QAction* action)
{
    if (!QAccessible::isActive()) return;
    QAccessibleEvent ev(this, static_cast<QAccessible::Event>(type));
    if (action) {
        std::vector<QAction*> items = Items();
        auto it = std::find(items.begin(), items.end(), action);
        if (it == items.end()) return;
        ev.setChild(static_cast<int>(it - items.begin()));
    }
    QAccessible::updateAccessibility(&ev);
}
