// Common controls: list views, status bars, page controls and progress bars.
#pragma once

#include <QFrame>
#include <QProgressBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <vector>

#include "platform/ui/controls.h"

class QItemSelectionModel;
class QLabel;
class QHBoxLayout;
class TListView;
class ListViewSelection;

// ---- list views ----

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
enum TItemChange { ctText, ctImage, ctState };

// A row of a list view: its caption (column 0) and sub-items (columns 1, 2, ...).
class TListItem : public QTreeWidgetItem, public TObject {
public:
    explicit TListItem(TListView* owner);
    TListItem(TListView* owner, int index);
    ~TListItem() override;

    AnsiString Caption() const { return FromQ(text(0)); }
    // Fires the list view's OnChange (ctText), as the class library's list view does.
    void SetCaption(const AnsiString& s);
    TStrings* SubItems() const { return subItems_; }
    int Index() const;
    bool Selected() const { return isSelected(); }
    void SetSelected(bool v);
    void* Data() const { return data_; }
    void SetData(void* p) { data_ = p; }
    void Delete() { delete this; }
    TListView* ListView() const;

private:
    TStrings* subItems_;
    void* data_ = nullptr;
};

class TListItems : public TObject {
public:
    explicit TListItems(TListView* owner) : lv_(owner) {}
    int Count() const;
    TListItem* Item(int index) const;  // EListError outside 0..Count()-1
    TListItem* operator[](int index) const { return Item(index); }
    TListItem* Add();
    TListItem* Insert(int index);
    void Delete(int index);
    // Removes every row; no selection events for them.
    void Clear();
    // Between the two the list view neither paints nor lays out appended rows.
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return updates_ > 0; }

private:
    TListView* lv_;
    int updates_ = 0;
};

// A column. Width 0 hides it; ColumnTextWidth (-1) fits the widest text, ColumnHeaderWidth
// (-2) the wider of the caption and the texts, at the time it is set. Reading Width gives
// pixels. A column whose width nobody gave in pixels is fitted again when a read into the
// list ends (TListView::FitColumns).
enum : int { ColumnTextWidth = -1, ColumnHeaderWidth = -2 };

class TListColumn : public TObject {
public:
    TListColumn(TListView* owner, int index) : lv_(owner), index_(index) {}
    int Index() const { return index_; }
    AnsiString Caption() const;
    void SetCaption(const AnsiString& s);
    int Width() const;
    void SetWidth(int w);
    // An auto-sized column takes a share of the width that the list view leaves.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    // False once a width in pixels was given.
    bool Fitted() const { return fitted_; }

private:
    friend class TListColumns;
    TListView* lv_;
    int index_;
    bool autoSize_ = false;
    bool fitted_ = true;
};

class TListColumns : public TObject {
public:
    explicit TListColumns(TListView* owner) : lv_(owner) {}
    ~TListColumns() override;
    int Count() const { return static_cast<int>(columns_.size()); }
    TListColumn* Items(int index) const;
    TListColumn* operator[](int index) const { return Items(index); }
    TListColumn* Add();
    void Clear();

private:
    TListView* lv_;
    std::vector<TListColumn*> columns_;
};

using TLVSelectItemEvent = TClosure<TObject*, TListItem*, bool>;
using TLVChangeEvent = TClosure<TObject*, TListItem*, TItemChange>;
using TLVChangingEvent = TClosure<TObject*, TListItem*, TItemChange, bool&>;

// A list view in report style on QTreeWidget.
//
// Selection events, whether the operator or code selects: first OnChanging (ctState) for
// each row whose selection would change, deselected rows first; any handler that refuses
// cancels the whole change. Then, per row, OnChange (ctState) and OnSelectItem, first for
// the rows that lost the selection (Selected false), then for those that gained it. Rows
// removed from the list raise no events. A left click on no row clears the selection, as in
// the class library; OnClick follows every left click.
class TListView : public TQtControl<QTreeWidget> {
public:
    explicit TListView(TComponent* owner);
    ~TListView() override;

    TListColumns* Columns() const { return columns_; }
    TListItems* Items() const { return items_; }
    void Clear() { items_->Clear(); }

    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle v) { viewStyle_ = v; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { readOnly_ = v; }
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool v);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool v);
    bool GridLines() const { return gridLines_; }
    void SetGridLines(bool v);
    bool MultiSelect() const { return selectionMode() == QAbstractItemView::ExtendedSelection; }
    void SetMultiSelect(bool v);
    bool ShowColumnHeaders() const { return !isHeaderHidden(); }
    void SetShowColumnHeaders(bool v) { setHeaderHidden(!v); }
    void SetColor(TColor c) override;

    // The first selected row; null when none. Setting it selects that row alone (null
    // clears the selection).
    TListItem* Selected() const;
    void SetSelected(TListItem* item);
    int SelCount() const;
    int ItemIndex() const;
    void SetItemIndex(int index);
    void ClearSelection() { SetSelected(nullptr); }

    // Hit-testing in the coordinates of the mouse events: the row under a point (null for
    // none) and the column under an x (-1 for none).
    TListItem* GetItemAt(int x, int y) const;
    int ColumnAt(int x) const;

    TLVSelectItemEvent OnSelectItem;
    TLVChangeEvent OnChange;
    TLVChangingEvent OnChanging;

    // ---- the layer's side ----
    bool Quiet() const { return quiet_ > 0; }
    void BeginQuiet() { ++quiet_; }
    void EndQuiet() { --quiet_; }
    // Runs the selection events around a selection change (see above); false when refused.
    bool AllowSelectionChange(const std::vector<int>& lost, const std::vector<int>& gained);
    void SelectionChanged(const std::vector<int>& lost, const std::vector<int>& gained);
    void ItemTextChanged(TListItem* item);
    int TextWidthOfColumn(int column) const { return sizeHintForColumn(column); }
    // Each shown column whose width was not given in pixels takes the wider of its caption and
    // its texts, up to a cap; the last column takes whatever width the view has left.
    void FitColumns();
    void LayOutDeferredRows();
    void reset() override;

protected:
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool viewportEvent(QEvent* e) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    TListColumns* columns_;
    TListItems* items_;
    ListViewSelection* selection_;
    TViewStyle viewStyle_ = vsIcon;
    bool readOnly_ = false;
    bool rowSelect_ = false;
    bool hideSelection_ = true;
    bool gridLines_ = false;
    bool rowsDeferred_ = false;
    int firstDeferredRow_ = 0;
    int quiet_ = 0;
};

// ---- status bars ----

class TStatusBar;

class TStatusPanel : public TObject {
public:
    TStatusPanel(TStatusBar* bar, QLabel* label) : bar_(bar), label_(label) {}
    AnsiString Text() const { return text_; }
    void SetText(const AnsiString& s);
    int Width() const { return width_; }
    void SetWidth(int w);
    int Index() const;
    QLabel* Label() const { return label_; }

private:
    TStatusBar* bar_;
    QLabel* label_;
    AnsiString text_;
    int width_ = 50;
};

class TStatusPanels : public TObject {
public:
    explicit TStatusPanels(TStatusBar* bar) : bar_(bar) {}
    ~TStatusPanels() override;
    int Count() const { return static_cast<int>(panels_.size()); }
    TStatusPanel* Items(int index) const;
    TStatusPanel* operator[](int index) const { return Items(index); }
    TStatusPanel* Add();
    void Delete(int index);
    void Clear();
    int IndexOf(const TStatusPanel* p) const;

private:
    TStatusBar* bar_;
    std::vector<TStatusPanel*> panels_;
};

// A status bar, aligned to the bottom at first. It shows its panels (the last one reaches
// to the right end), or SimpleText alone when SimplePanel is set or there are no panels.
class TStatusBar : public TQtControl<QFrame> {
public:
    explicit TStatusBar(TComponent* owner);
    ~TStatusBar() override;
    TStatusPanels* Panels() const { return panels_; }
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool v);
    AnsiString SimpleText() const { return simpleText_; }
    void SetSimpleText(const AnsiString& s);

    // ---- the layer's side ----
    void Relayout();
    QHBoxLayout* Layout() const { return layout_; }

private:
    TStatusPanels* panels_;
    QHBoxLayout* layout_;
    QLabel* simple_;
    bool simplePanel_ = false;
    AnsiString simpleText_;
};

// ---- page controls ----

class TPageControl;

// A page of a page control: it joins one with SetPageControl (or SetParent). A hidden tab
// (TabVisible false) keeps the page in Pages.
class TTabSheet : public TQtControl<QWidget> {
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;
    AnsiString Caption() const { return caption_; }
    void SetCaption(const AnsiString& s);
    TPageControl* PageControl() const { return pageControl_; }
    void SetPageControl(TPageControl* pc);
    void SetParent(TWinControl* parent) override;
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool v);
    int PageIndex() const;

    // ---- the layer's side ----
    void ForgetPageControl() { pageControl_ = nullptr; }

private:
    TPageControl* pageControl_ = nullptr;
    AnsiString caption_;
    bool tabVisible_ = true;
};

// OnChange runs when the operator picks another tab, never when code changes the page.
class TPageControl : public TQtControl<QTabWidget> {
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;
    int PageCount() const { return count(); }
    TTabSheet* Pages(int index) const;
    TTabSheet* ActivePage() const;
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const { return currentIndex(); }
    void SetActivePageIndex(int index);

    TNotifyEvent OnChange;

    // ---- the layer's side ----
    void InsertSheet(TTabSheet* sheet);
    void RemoveSheet(TTabSheet* sheet);
    void SheetChanged(TTabSheet* sheet);

private:
    int quiet_ = 0;
};

// ---- progress bars ----

class TProgressBar : public TQtControl<QProgressBar> {
public:
    explicit TProgressBar(TComponent* owner);
    int Min() const { return minimum(); }
    void SetMin(int v) { setMinimum(v); }
    int Max() const { return maximum(); }
    void SetMax(int v) { setMaximum(v); }
    int Position() const { return value(); }
    void SetPosition(int v);  // kept within Min..Max
    int Step() const { return step_; }
    void SetStep(int v) { step_ = v; }
    void StepIt() { SetPosition(Position() + step_); }
    void StepBy(int delta) { SetPosition(Position() + delta); }

private:
    int step_ = 10;
};
