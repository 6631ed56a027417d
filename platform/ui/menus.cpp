#include "platform/ui/menus.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

#include "platform/ui/controls.h"
#include "platform/ui/forms.h"
#include "platform/ui/menubar.h"

// ---- TMenuItem ----

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), action_(new QAction)
{
    QObject::connect(action_, &QAction::triggered, [this](bool) {
        action_->setChecked(checked_);
        FireEvent(OnClick, static_cast<TObject*>(this));
    });
}

TMenuItem::~TMenuItem()
{
    while (!items_.empty()) delete items_.back();  // each leaves this item's list
    if (parent_) parent_->Remove(this);
    delete subMenu_;
    delete action_;
}

void TMenuItem::SetName(const AnsiString& name)
{
    TComponent::SetName(name);
    action_->setObjectName(ToQ(name));
}

void TMenuItem::SetCaption(const AnsiString& s)
{
    caption_ = s;
    // Qt draws a separator's text as a section title; a separator has none.
    action_->setSeparator(s == "-");
    action_->setText(s == "-" ? QString() : ToQ(s));
}

bool TMenuItem::Visible() const { return action_->isVisible(); }

void TMenuItem::SetVisible(bool v)
{
    action_->setVisible(v);
    if (v) action_->setEnabled(enabled_);
}

// Qt disables a hidden action; the item keeps its own setting, so that a hidden item's
// command still runs by code and comes back as it was when the item is shown.
bool TMenuItem::Enabled() const { return enabled_; }

void TMenuItem::SetEnabled(bool v)
{
    enabled_ = v;
    action_->setEnabled(v);
}

void TMenuItem::SetChecked(bool v)
{
    checked_ = v;
    if (v) action_->setCheckable(true);
    action_->setChecked(v);
}

TMenuItem* TMenuItem::Items(int index) const
{
    if (index < 0 || index >= Count())
        ListIndexError(index);
    return items_[static_cast<size_t>(index)];
}

int TMenuItem::IndexOf(const TMenuItem* item) const
{
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

QWidget* TMenuItem::Container()
{
    if (container_) return container_;
    subMenu_ = new QMenu;
    // The class library clicks an item whose sub-menu opens.
    QObject::connect(subMenu_, &QMenu::aboutToShow,
                     [this] { FireEvent(OnClick, static_cast<TObject*>(this)); });
    action_->setMenu(subMenu_);
    container_ = subMenu_;
    return container_;
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (!item || item == this) return;
    if (index < 0 || index > Count())
        ListIndexError(index);
    if (item->parent_) {
        if (item->parent_ == this && IndexOf(item) < index) --index;
        item->parent_->Remove(item);
    }
    QAction* before = index < Count() ? items_[static_cast<size_t>(index)]->action_ : nullptr;
    Container()->insertAction(before, item->action_);
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
}

void TMenuItem::Delete(int index)
{
    TMenuItem* item = Items(index);
    if (container_) container_->removeAction(item->action_);
    items_.erase(items_.begin() + index);
    item->parent_ = nullptr;
}

void TMenuItem::Remove(TMenuItem* item)
{
    int i = IndexOf(item);
    if (i >= 0) Delete(i);
}

void TMenuItem::Clear()
{
    while (!items_.empty()) delete items_.back();
}

void TMenuItem::Click()
{
    if (Enabled()) FireEvent(OnClick, static_cast<TObject*>(this));
}

// ---- TMenu, TMainMenu, TPopupMenu ----

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) {}

TMenu::~TMenu() { delete items_; }

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner), bar_(new WrappingMenuBar)
{
    items_->SetContainer(bar_);
    bar_->SetOnHeightChanged([this] {
        if (form_) form_->Resized();
    });
}

WrappingMenuBar* TMainMenu::MenuBar() const { return bar_.data(); }

TMainMenu::~TMainMenu()
{
    items_->Clear();  // while the bar still shows them
    if (form_) form_->SetMenu(nullptr);
    delete bar_.data();
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner), menu_(new QMenu)
{
    items_->SetContainer(menu_);
}

TPopupMenu::~TPopupMenu()
{
    for (TControl* c : users_) c->PopupMenuGone();
    items_->Clear();
    delete menu_;
}

void TPopupMenu::Popup(int x, int y)
{
    FireEvent(OnPopup, static_cast<TObject*>(this));
    menu_->popup(QPoint(x, y));
}

void TPopupMenu::AddUser(TControl* c)
{
    if (std::find(users_.begin(), users_.end(), c) == users_.end()) users_.push_back(c);
}

void TPopupMenu::ForgetUser(TControl* c)
{
    users_.erase(std::remove(users_.begin(), users_.end(), c), users_.end());
    if (popupComponent_ == c) popupComponent_ = nullptr;
}
