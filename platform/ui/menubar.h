// The bar a form's main menu shows its items in. Qt's own menu bar keeps them on one row and
// hides those that do not fit behind an overflow button; this one wraps them onto further
// rows, so that every item stays one click away. Items are the bar's actions, as on a
// QMenuBar: an action with a menu opens it below the item, any other is triggered.
//
// The keyboard as on a QMenuBar: F10 or a lone Alt puts the bar in keyboard mode (it takes
// the focus, the first item lit), Left and Right move along the items in reading order (from
// the end of one row to the start of the next), Down, Up, Enter and Space open the lit item's
// menu, Esc leaves; in an open menu Left and Right go to the neighbouring menu. A caption's
// '&' letter opens its item with Alt+letter (or the letter alone in keyboard mode).
// Accessibility clients see a menu bar whose items carry their menus (menubaraccess.cpp).
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <vector>

class QMenu;
class QStyleOptionMenuItem;

class WrappingMenuBar : public QWidget {
    Q_OBJECT  // its own class name, by which the accessibility factory knows it
public:
    explicit WrappingMenuBar(QWidget* parent = nullptr);

    // The item's place in the bar; empty for a hidden item or an action not in the bar.
    QRect ActionGeometry(QAction* action) const;
    QAction* ActionAt(const QPoint& p) const;
    // The items shown, in reading order.
    std::vector<QAction*> Items() const;
    // Rows the items take at the bar's width.
    int RowCount() const { return rows_; }
    // Runs when the height the bar needs at its width changes (items added, hidden, renamed).
    void SetOnHeightChanged(std::function<void()> f) { onHeightChanged_ = std::move(f); }

    // The lit item (under the mouse, chosen by keys, or open), and whether keys drive the bar.
    QAction* ActiveAction() const { return hot_; }
    bool KeyboardMode() const { return keyboard_; }
    // Opens the item's menu with its first entry lit (an item without a menu is triggered);
    // an item whose menu is open closes it. Nothing for a disabled item.
    void Press(QAction* action);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void actionEvent(QActionEvent* e) override;
    void changeEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    struct Placed {
        QAction* action;
        QRect rect;
    };
    // The items' places at a width, and the rows they take.
    std::vector<Placed> Place(int width, int* rows) const;
    QSize ItemSize(QAction* action) const;
    void InitOption(QStyleOptionMenuItem* option, QAction* action, const QRect& rect) const;
    void Relayout();
    void Open(QAction* action, bool byKeys);
    void MenuHidden();
    void SetKeyboardMode(bool on);
    void SetHot(QAction* action);
    // The shown item `step` places from `from`, wrapping round.
    QAction* Neighbour(QAction* from, int step) const;
    // A key pressed in the open menu or one of its sub-menus; true when the bar took it.
    bool MenuKey(QMenu* menu, QKeyEvent* e);
    bool InWindow(QObject* watched) const;
    void GrabMnemonics();
    QAction* MnemonicAction(const QString& text) const;
    void NotifyAccessible(int type, QAction* action);

    std::vector<Placed> placed_;
    int rows_ = 0;
    QAction* hot_ = nullptr;
    QAction* open_ = nullptr;
    bool keyboard_ = false;
    bool lonelyAlt_ = false;   // Alt is down and nothing else came with it
    bool escaped_ = false;     // the open menu was left with Esc: back to the bar
    bool switching_ = false;   // the open menu makes room for its neighbour
    QPointer<QWidget> focusBefore_;
    std::map<int, QAction*> mnemonics_;  // shortcut id -> item
    std::function<void()> onHeightChanged_;
};

// Makes accessibility clients see WrappingMenuBar as a menu bar; idempotent.
void InstallMenuBarAccessibility();
