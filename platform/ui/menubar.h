// The bar a form's main menu shows its items in. Qt's own menu bar keeps them on one row and
// hides those that do not fit behind an overflow button; this one wraps them onto further
// rows, so that every item stays one click away. Items are the bar's actions, as on a
// QMenuBar: an action with a menu opens it below the item, any other is triggered.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

class QStyleOptionMenuItem;

class WrappingMenuBar : public QWidget {
public:
    explicit WrappingMenuBar(QWidget* parent = nullptr);

    // The item's place in the bar; empty for a hidden item or an action not in the bar.
    QRect ActionGeometry(QAction* action) const;
    QAction* ActionAt(const QPoint& p) const;
    // Rows the items take at the bar's width.
    int RowCount() const { return rows_; }
    // Runs when the height the bar needs at its width changes (items added, hidden, renamed).
    void SetOnHeightChanged(std::function<void()> f) { onHeightChanged_ = std::move(f); }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void actionEvent(QActionEvent* e) override;
    void changeEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

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
    void Open(QAction* action);
    void MenuHidden();

    std::vector<Placed> placed_;
    int rows_ = 0;
    QAction* hot_ = nullptr;
    QAction* open_ = nullptr;
    std::function<void()> onHeightChanged_;
};
