#include "platform/ui/menubar.h"

#include <QAccessible>
#include <QActionEvent>
#include <QKeyEvent>
#include <QApplication>
#include <QCursor>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <QStyle>
#include <QStyleOptionMenuItem>
#include <algorithm>

WrappingMenuBar::WrappingMenuBar(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_Hover);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setFocusPolicy(Qt::NoFocus);  // it takes the focus only in keyboard mode
    // F10 and Alt reach whichever control has the focus; the bar watches for them.
    qApp->installEventFilter(this);
    InstallMenuBarAccessibility();
}

QSize WrappingMenuBar::ItemSize(QAction* action) const
{
    QStyleOptionMenuItem opt;
    InitOption(&opt, action, QRect());
    QSize size = fontMetrics().size(Qt::TextShowMnemonic, action->text());
    opt.rect = QRect(QPoint(0, 0), size);
    return style()->sizeFromContents(QStyle::CT_MenuBarItem, &opt, size, this);
}

std::vector<WrappingMenuBar::Placed> WrappingMenuBar::Place(int width, int* rows) const
{
    const int frame = style()->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, this);
    const int hmargin = style()->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, this);
    const int vmargin = style()->pixelMetric(QStyle::PM_MenuBarVMargin, nullptr, this);
    const int spacing = style()->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, this);
    std::vector<Placed> placed;
    int itemHeight = 0;
    for (QAction* a : actions()) {
        if (!a->isVisible() || a->isSeparator()) continue;
        QSize size = ItemSize(a);
        placed.push_back({a, QRect(QPoint(0, 0), size)});
        itemHeight = std::max(itemHeight, size.height());
    }
    if (itemHeight == 0) itemHeight = fontMetrics().height();
    const int left = frame + hmargin + spacing;
    const int right = width - frame - hmargin;
    int x = left, row = 0;
    for (Placed& p : placed) {
        int w = p.rect.width();
        // An item wider than the bar still gets a row of its own.
        if (x > left && x + w > right) {
            x = left;
            ++row;
        }
        p.rect = QRect(x, frame + vmargin + row * itemHeight, w, itemHeight);
        x += w + spacing;
    }
    *rows = row + 1;
    return placed;
}

int WrappingMenuBar::heightForWidth(int width) const
{
    const int frame = style()->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, this);
    const int vmargin = style()->pixelMetric(QStyle::PM_MenuBarVMargin, nullptr, this);
    int rows = 0;
    std::vector<Placed> placed = Place(width, &rows);
    int itemHeight = placed.empty() ? fontMetrics().height() : placed.front().rect.height();
    return rows * itemHeight + 2 * (frame + vmargin);
}

QSize WrappingMenuBar::sizeHint() const
{
    // One row, as wide as the items need.
    int rows = 0;
    std::vector<Placed> placed = Place(QWIDGETSIZE_MAX, &rows);
    const int frame = style()->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, this);
    const int hmargin = style()->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, this);
    int width = placed.empty() ? 0 : placed.back().rect.right() + 1;
    return QSize(width + frame + hmargin, heightForWidth(QWIDGETSIZE_MAX));
}

QSize WrappingMenuBar::minimumSizeHint() const { return QSize(0, heightForWidth(QWIDGETSIZE_MAX)); }

QRect WrappingMenuBar::ActionGeometry(QAction* action) const
{
    for (const Placed& p : placed_)
        if (p.action == action) return p.rect;
    return QRect();
}

QAction* WrappingMenuBar::ActionAt(const QPoint& point) const
{
    for (const Placed& p : placed_)
        if (p.rect.contains(point)) return p.action;
    return nullptr;
}

std::vector<QAction*> WrappingMenuBar::Items() const
{
    std::vector<QAction*> items;
    for (const Placed& p : placed_) items.push_back(p.action);
    return items;
}

void WrappingMenuBar::Relayout()
{
    int before = rows_;
    placed_ = Place(width(), &rows_);
    update();
    updateGeometry();
    if ((rows_ != before || height() != heightForWidth(width())) && onHeightChanged_) onHeightChanged_();
}

void WrappingMenuBar::actionEvent(QActionEvent* e)
{
    if (e->type() == QEvent::ActionRemoved) {
        if (hot_ == e->action()) hot_ = nullptr;
        if (open_ == e->action()) open_ = nullptr;
    }
    Relayout();
    if (keyboard_ && (!hot_ || ActionGeometry(hot_).isEmpty())) SetKeyboardMode(false);
    GrabMnemonics();
    // Items come, go, are hidden or renamed: clients read the children again.
    NotifyAccessible(QAccessible::ObjectReorder, nullptr);
}

void WrappingMenuBar::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange) Relayout();
    QWidget::changeEvent(e);
}

void WrappingMenuBar::resizeEvent(QResizeEvent*) { Relayout(); }

void WrappingMenuBar::InitOption(QStyleOptionMenuItem* option, QAction* action, const QRect& rect) const
{
    option->initFrom(this);
    option->state = QStyle::State_None;
    if (isEnabled() && action->isEnabled()) option->state |= QStyle::State_Enabled;
    else option->palette.setCurrentColorGroup(QPalette::Disabled);
    option->fontMetrics = fontMetrics();
    if (hot_ == action) {
        option->state |= QStyle::State_Selected;
        // Styles that light a hovered item only when pressed (Fusion) still show the item
        // the keys are on.
        if (open_ == action || keyboard_) option->state |= QStyle::State_Sunken;
    }
    if (open_ || keyboard_) option->state |= QStyle::State_HasFocus;
    option->menuRect = this->rect();
    option->menuItemType = QStyleOptionMenuItem::Normal;
    option->checkType = QStyleOptionMenuItem::NotCheckable;
    option->text = action->text();
    option->icon = action->icon();
    option->rect = rect;
}

void WrappingMenuBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionMenuItem empty;
    empty.initFrom(this);
    empty.menuItemType = QStyleOptionMenuItem::EmptyArea;
    empty.checkType = QStyleOptionMenuItem::NotCheckable;
    empty.rect = rect();
    empty.menuRect = rect();
    style()->drawControl(QStyle::CE_MenuBarEmptyArea, &empty, &painter, this);
    for (const Placed& p : placed_) {
        QStyleOptionMenuItem opt;
        InitOption(&opt, p.action, p.rect);
        style()->drawControl(QStyle::CE_MenuBarItem, &opt, &painter, this);
    }
}

void WrappingMenuBar::Open(QAction* action, bool byKeys)
{
    SetHot(action);
    QMenu* menu = action->menu();
    if (!menu) {
        if (keyboard_) SetKeyboardMode(false);
        update();
        action->trigger();
        return;
    }
    open_ = action;
    update();
    connect(menu, &QMenu::aboutToHide, this, &WrappingMenuBar::MenuHidden, Qt::UniqueConnection);
    menu->popup(mapToGlobal(ActionGeometry(action).bottomLeft() + QPoint(0, 1)));
    if (byKeys) {
        // The first entry lit, as Down lights it: setActiveAction would open its sub-menu too.
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QCoreApplication::sendEvent(menu, &down);
    }
}

void WrappingMenuBar::Press(QAction* action)
{
    if (!action || !action->isEnabled() || ActionGeometry(action).isEmpty()) return;
    if (open_ == action) {
        action->menu()->hide();
        return;
    }
    if (open_) {
        switching_ = true;
        open_->menu()->hide();
        switching_ = false;
        open_ = nullptr;
    }
    Open(action, true);
}

void WrappingMenuBar::MenuHidden()
{
    if (switching_) return;
    QAction* was = open_;
    open_ = nullptr;
    if (escaped_ && was) {
        // Esc closes the menu and leaves its item lit in keyboard mode, as on a QMenuBar.
        escaped_ = false;
        SetHot(was);
        SetKeyboardMode(true);
        update();
        return;
    }
    escaped_ = false;
    SetKeyboardMode(false);
    hot_ = underMouse() ? ActionAt(mapFromGlobal(QCursor::pos())) : nullptr;
    update();
}

void WrappingMenuBar::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) return;
    QAction* a = ActionAt(e->position().toPoint());
    if (a && a->isEnabled() && a != open_) Open(a, false);
}

void WrappingMenuBar::mouseMoveEvent(QMouseEvent* e)
{
    QAction* a = ActionAt(e->position().toPoint());
    if (a != hot_ && !open_ && !keyboard_) {
        hot_ = a && a->isEnabled() ? a : nullptr;
        update();
    }
}

void WrappingMenuBar::leaveEvent(QEvent*)
{
    if (!open_ && !keyboard_ && hot_) {
        hot_ = nullptr;
        update();
    }
}
