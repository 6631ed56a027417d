// Menus: menu items (each one QAction, with a QMenu once it has sub-items), the main menu
// of a form and pop-up menus.
#pragma once

#include <QPointer>
#include <vector>

#include "platform/ui/classes.h"

class QAction;
class QMenu;
class WrappingMenuBar;
class QWidget;
class TControl;
class TForm;

// A menu item. Caption "-" makes a separator. A sub-item is destroyed with its parent item;
// an item destroyed first leaves its parent. OnClick runs when the operator picks the item,
// and for an item with sub-items when its sub-menu opens.
class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;
    void SetName(const AnsiString& name) override;

    AnsiString Caption() const { return caption_; }
    void SetCaption(const AnsiString& s);
    bool IsLine() const { return caption_ == "-"; }
    bool Visible() const;
    void SetVisible(bool v);
    bool Enabled() const;
    void SetEnabled(bool v);
    // Picking an item does not change its check mark; handlers set it.
    bool Checked() const { return checked_; }
    void SetChecked(bool v);

    TMenuItem* Parent() const { return parent_; }
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const;  // EListError outside 0..Count()-1
    TMenuItem* operator[](int index) const { return Items(index); }
    int IndexOf(const TMenuItem* item) const;
    int MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Delete(int index);  // takes the sub-item out without destroying it
    void Remove(TMenuItem* item);
    void Clear();            // destroys every sub-item
    // Runs OnClick as a pick does, when the item is enabled.
    virtual void Click();

    TNotifyEvent OnClick;

    // ---- the layer's side ----
    QAction* Action() const { return action_; }
    // The widget that shows the sub-items of a menu's root item.
    void SetContainer(QWidget* w) { container_ = w; }

private:
    QWidget* Container();
    QAction* action_;
    QMenu* subMenu_ = nullptr;
    QWidget* container_ = nullptr;
    TMenuItem* parent_ = nullptr;
    std::vector<TMenuItem*> items_;
    AnsiString caption_;
    bool checked_ = false;
    bool enabled_ = true;
};

class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;
    // The root item; its sub-items are the menu's entries.
    TMenuItem* Items() const { return items_; }

protected:
    TMenuItem* items_;
};

// A form's menu bar; a form shows it once given to TForm::SetMenu. Its items wrap onto more
// rows when the form is too narrow for one.
class TMainMenu : public TMenu {
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;

    // ---- the layer's side ----
    WrappingMenuBar* MenuBar() const;
    void SetForm(TForm* form) { form_ = form; }

private:
    QPointer<WrappingMenuBar> bar_;
    TForm* form_ = nullptr;
};

class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    // Runs OnPopup and opens the menu at the screen point; returns at once.
    void Popup(int x, int y);
    // The control the menu was last opened on by a right click (or as set).
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* c) { popupComponent_ = c; }
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool v) { autoPopup_ = v; }

    TNotifyEvent OnPopup;

    // ---- the layer's side ----
    QMenu* Menu() const { return menu_; }
    void AddUser(TControl* c);
    void ForgetUser(TControl* c);

private:
    QMenu* menu_;
    std::vector<TControl*> users_;
    TComponent* popupComponent_ = nullptr;
    bool autoPopup_ = true;
};
