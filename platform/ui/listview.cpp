// TListView on QTreeWidget: rows, columns and the class library's selection events.
#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyle>
#include <QItemSelectionModel>
#include <QPersistentModelIndex>
#include <QSignalBlocker>
#include <QToolTip>
#include <algorithm>
#include <set>

#include "platform/ui/comctrls.h"

// Every selection change of the list view, by the operator or by code, passes here, so the
// list view can ask OnChanging first and report each row afterwards.
class ListViewSelection : public QItemSelectionModel {
public:
    ListViewSelection(QAbstractItemModel* model, TListView* lv) : QItemSelectionModel(model, lv), lv_(lv) {}
    void Detach() { lv_ = nullptr; }

    void select(const QModelIndex& index, SelectionFlags command) override
    {
        select(QItemSelection(index, index), command);
    }

    void select(const QItemSelection& selection, SelectionFlags command) override
    {
        if (!lv_ || lv_->Quiet()) {
            QItemSelectionModel::select(selection, command);
            return;
        }
        std::vector<int> before = Rows(), lost, gained;
        if (lv_->OnChanging) {
            // Try it silently to learn which rows would change, then ask.
            QItemSelection keep = this->selection();
            {
                QSignalBlocker quiet(this);
                QItemSelectionModel::select(selection, command);
                Diff(before, Rows(), lost, gained);
                QItemSelectionModel::select(keep, ClearAndSelect);
            }
            if ((!lost.empty() || !gained.empty()) && !lv_->AllowSelectionChange(lost, gained)) return;
        }
        QItemSelectionModel::select(selection, command);
        Diff(before, Rows(), lost, gained);
        if (lv_ && (!lost.empty() || !gained.empty())) lv_->SelectionChanged(lost, gained);
    }

private:
    std::vector<int> Rows() const
    {
        std::set<int> rows;
        for (const QItemSelectionRange& r : selection())
            for (int i = r.top(); i <= r.bottom(); ++i) rows.insert(i);
        return std::vector<int>(rows.begin(), rows.end());
    }
    static void Diff(const std::vector<int>& before, const std::vector<int>& after,
                     std::vector<int>& lost, std::vector<int>& gained)
    {
        lost.clear();
        gained.clear();
        std::set_difference(before.begin(), before.end(), after.begin(), after.end(), std::back_inserter(lost));
        std::set_difference(after.begin(), after.end(), before.begin(), before.end(), std::back_inserter(gained));
    }
    TListView* lv_;
};

namespace {

// The sub-items of a row: columns 1, 2, ... of its tree item.
class SubItemStrings : public TStringList {
public:
    explicit SubItemStrings(QTreeWidgetItem* item) : item_(item) {}
    void Put(int index, const AnsiString& s) override
    {
        TStringList::Put(index, s);
        item_->setText(index + 1, ToQ(s));
    }
    void Insert(int index, const AnsiString& s) override
    {
        TStringList::Insert(index, s);
        if (index == Count() - 1) {
            // Appending, as a table walk does column by column.
            item_->setText(index + 1, ToQ(s));
            shown_ = Count();
        } else {
            Sync();
        }
    }
    void Delete(int index) override { TStringList::Delete(index); Sync(); }
    void Clear() override { TStringList::Clear(); Sync(); }

private:
    void Sync()
    {
        int n = Count();
        for (int i = 0; i < n; ++i) item_->setText(i + 1, ToQ(Get(i)));
        for (int i = n; i < shown_; ++i) item_->setText(i + 1, QString());
        shown_ = n;
    }
    QTreeWidgetItem* item_;
    int shown_ = 0;
};

}  // namespace

// ---- TListItem ----

TListItem::TListItem(TListView* owner) : QTreeWidgetItem(owner), subItems_(new SubItemStrings(this)) {}

TListItem::TListItem(TListView* owner, int index) : QTreeWidgetItem(), subItems_(new SubItemStrings(this))
{
    owner->insertTopLevelItem(index, this);
}

TListItem::~TListItem()
{
    if (QTreeWidget* t = treeWidget()) {
        auto* lv = dynamic_cast<TListView*>(t);
        if (lv) lv->BeginQuiet();
        t->takeTopLevelItem(t->indexOfTopLevelItem(this));
        if (lv) lv->EndQuiet();
    }
    delete subItems_;
}

TListView* TListItem::ListView() const { return dynamic_cast<TListView*>(treeWidget()); }

void TListItem::SetCaption(const AnsiString& s)
{
    setText(0, ToQ(s));
    if (TListView* lv = ListView()) lv->ItemTextChanged(this);
}

int TListItem::Index() const
{
    QTreeWidget* t = treeWidget();
    return t ? t->indexOfTopLevelItem(const_cast<TListItem*>(this)) : -1;
}

void TListItem::SetSelected(bool v)
{
    TListView* lv = ListView();
    if (!lv) return;
    QModelIndex idx = lv->model()->index(Index(), 0);
    QItemSelectionModel* sm = lv->selectionModel();
    if (!v) sm->select(idx, QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    else if (lv->MultiSelect()) sm->select(idx, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    else sm->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// ---- TListItems ----

int TListItems::Count() const { return lv_->topLevelItemCount(); }

TListItem* TListItems::Item(int index) const
{
    if (index < 0 || index >= Count())
        ListIndexError(index);
    return dynamic_cast<TListItem*>(lv_->topLevelItem(index));
}

TListItem* TListItems::Add() { return new TListItem(lv_); }

TListItem* TListItems::Insert(int index)
{
    if (index < 0 || index > Count())
        ListIndexError(index);
    return new TListItem(lv_, index);
}

void TListItems::Delete(int index) { delete Item(index); }

void TListItems::Clear()
{
    lv_->BeginQuiet();
    lv_->clear();
    lv_->EndQuiet();
}

void TListItems::BeginUpdate()
{
    if (updates_++ == 0) lv_->setUpdatesEnabled(false);
}

void TListItems::EndUpdate()
{
    if (updates_ > 0 && --updates_ == 0) {
        lv_->LayOutDeferredRows();
        lv_->setUpdatesEnabled(true);
    }
}

// ---- columns ----

AnsiString TListColumn::Caption() const { return FromQ(lv_->headerItem()->text(index_)); }

void TListColumn::SetCaption(const AnsiString& s) { lv_->headerItem()->setText(index_, ToQ(s)); }

int TListColumn::Width() const { return lv_->isColumnHidden(index_) ? 0 : lv_->columnWidth(index_); }

void TListColumn::SetWidth(int w)
{
    if (w > 0) fitted_ = false;
    else if (w < 0) fitted_ = true;
    if (w == 0) {
        lv_->setColumnHidden(index_, true);
        return;
    }
    lv_->setColumnHidden(index_, false);
    if (w == ColumnTextWidth) lv_->setColumnWidth(index_, std::max(8, lv_->TextWidthOfColumn(index_)));
    else if (w == ColumnHeaderWidth) lv_->resizeColumnToContents(index_);
    else if (w > 0) lv_->setColumnWidth(index_, w);
}

void TListColumn::SetAutoSize(bool v)
{
    autoSize_ = v;
    lv_->header()->setSectionResizeMode(index_, v ? QHeaderView::Stretch : QHeaderView::Interactive);
}

TListColumns::~TListColumns()
{
    for (TListColumn* c : columns_) delete c;
}

TListColumn* TListColumns::Items(int index) const
{
    if (index < 0 || index >= Count())
        ListIndexError(index);
    return columns_[static_cast<size_t>(index)];
}

TListColumn* TListColumns::Add()
{
    int i = Count();
    lv_->setColumnCount(i + 1);
    lv_->headerItem()->setText(i, QString());
    auto* c = new TListColumn(lv_, i);
    columns_.push_back(c);
    c->SetWidth(50);
    c->fitted_ = true;  // a default, not a width anybody gave
    return c;
}

void TListColumns::Clear()
{
    for (TListColumn* c : columns_) delete c;
    columns_.clear();
    lv_->setColumnCount(0);
}

// ---- TListView ----

TListView::TListView(TComponent* owner)
    : TQtControl<QTreeWidget>(owner), columns_(new TListColumns(this)), items_(new TListItems(this))
{
    color_ = clWindow;
    selection_ = new ListViewSelection(model(), this);
    QItemSelectionModel* old = selectionModel();
    setSelectionModel(selection_);
    delete old;
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setStretchLastSection(true);
    header()->setSectionsMovable(false);
    setColumnCount(0);
    viewport()->setMouseTracking(true);
    resize(250, 150);
}

TListView::~TListView()
{
    // The rows go now, while the events have somewhere to go; none is fired for them.
    selection_->Detach();
    BeginQuiet();
    clear();
    delete items_;
    delete columns_;
}

void TListView::SetRowSelect(bool v)
{
    rowSelect_ = v;
    setAllColumnsShowFocus(v);
}

void TListView::SetHideSelection(bool v)
{
    hideSelection_ = v;
    QPalette pal = palette();
    QPalette app = QApplication::palette();
    for (QPalette::ColorRole r : {QPalette::Highlight, QPalette::HighlightedText})
        pal.setColor(QPalette::Inactive, r, app.color(v ? QPalette::Inactive : QPalette::Active, r));
    setPalette(pal);
}

void TListView::SetMultiSelect(bool v)
{
    setSelectionMode(v ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

void TListView::SetGridLines(bool v)
{
    gridLines_ = v;
    viewport()->update();
}

void TListView::FitColumns()
{
    LayOutDeferredRows();
    // Wide enough for a 32-digit IPv6 address; a longer text is elided rather than pushing
    // every other column out of sight.
    const int cap = fontMetrics().horizontalAdvance(QLatin1Char('0')) * 40;
    for (int i = 0; i < columns_->Count(); ++i) {
        if (!columns_->Items(i)->Fitted() || isColumnHidden(i)) continue;
        const int w = std::max(header()->sectionSizeHint(i), sizeHintForColumn(i));
        setColumnWidth(i, std::min(w, std::max(cap, header()->sectionSizeHint(i))));
    }
}

void TListView::drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QTreeWidget::drawRow(painter, option, index);
    if (!gridLines_) return;
    const QColor color(static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this)));
    painter->save();
    painter->setPen(color);
    const QRect r = option.rect;
    painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    for (int i = 0; i < header()->count(); ++i) {
        if (isColumnHidden(i)) continue;
        const int x = header()->sectionViewportPosition(i) + header()->sectionSize(i) - 1;
        painter->drawLine(x, r.top(), x, r.bottom());
    }
    painter->restore();
}

void TListView::SetColor(TColor c)
{
    color_ = c;
    QPalette pal = palette();
    pal.setColor(QPalette::Base, ColorToQ(c));
    setPalette(pal);
}

TListItem* TListView::Selected() const
{
    std::set<int> rows;
    for (const QItemSelectionRange& r : selectionModel()->selection())
        for (int i = r.top(); i <= r.bottom(); ++i) rows.insert(i);
    return rows.empty() ? nullptr : dynamic_cast<TListItem*>(topLevelItem(*rows.begin()));
}

void TListView::SetSelected(TListItem* item)
{
    if (!item) {
        selectionModel()->clearSelection();
        return;
    }
    selectionModel()->setCurrentIndex(indexFromItem(item),
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

int TListView::SelCount() const
{
    std::set<int> rows;
    for (const QItemSelectionRange& r : selectionModel()->selection())
        for (int i = r.top(); i <= r.bottom(); ++i) rows.insert(i);
    return static_cast<int>(rows.size());
}

int TListView::ItemIndex() const
{
    TListItem* s = Selected();
    return s ? s->Index() : -1;
}

void TListView::SetItemIndex(int index)
{
    SetSelected(index >= 0 && index < items_->Count() ? items_->Item(index) : nullptr);
}

TListItem* TListView::GetItemAt(int x, int y) const
{
    return dynamic_cast<TListItem*>(itemAt(QPoint(x, y)));
}

int TListView::ColumnAt(int x) const { return columnAt(x); }

bool TListView::AllowSelectionChange(const std::vector<int>& lost, const std::vector<int>& gained)
{
    for (const std::vector<int>* rows : {&lost, &gained}) {
        for (int row : *rows) {
            auto* item = dynamic_cast<TListItem*>(topLevelItem(row));
            if (!item) continue;
            bool allow = true;
            if (!FireEvent(OnChanging, static_cast<TObject*>(this), item, ctState, allow) || !allow)
                return false;
        }
    }
    return true;
}

void TListView::SelectionChanged(const std::vector<int>& lost, const std::vector<int>& gained)
{
    // Handlers may change the list: each row is looked up again before its events.
    std::vector<std::pair<QPersistentModelIndex, bool>> rows;
    for (int r : lost) rows.emplace_back(model()->index(r, 0), false);
    for (int r : gained) rows.emplace_back(model()->index(r, 0), true);
    QPointer<QObject> alive(this);
    for (auto& [index, selected] : rows) {
        if (!alive) return;
        if (!index.isValid()) continue;
        auto* item = dynamic_cast<TListItem*>(itemFromIndex(index));
        if (!item) continue;
        FireEvent(OnChange, static_cast<TObject*>(this), item, ctState);
        if (!alive || !index.isValid()) continue;
        FireEvent(OnSelectItem, static_cast<TObject*>(this), item, selected);
    }
}

// Rows appended while the items are being updated are laid out once, when the update ends,
// instead of the whole list once per row; until then they are neither shown nor hit.
void TListView::rowsInserted(const QModelIndex& parent, int start, int end)
{
    if (items_->Updating() && !parent.isValid() && start == topLevelItemCount() - (end - start + 1)) {
        QAbstractItemView::rowsInserted(parent, start, end);
        if (!rowsDeferred_) firstDeferredRow_ = start;
        rowsDeferred_ = true;
        return;
    }
    LayOutDeferredRows();
    QTreeWidget::rowsInserted(parent, start, end);
}

void TListView::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end)
{
    LayOutDeferredRows();
    QTreeWidget::rowsAboutToBeRemoved(parent, start, end);
}

void TListView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles)
{
    // A row not laid out yet has nothing on the screen to change.
    if (rowsDeferred_ && !topLeft.parent().isValid() && topLeft.row() >= firstDeferredRow_) return;
    QTreeWidget::dataChanged(topLeft, bottomRight, roles);
}

void TListView::reset()
{
    rowsDeferred_ = false;  // the view lays out every row again
    QTreeWidget::reset();
}

void TListView::LayOutDeferredRows()
{
    if (!rowsDeferred_) return;
    rowsDeferred_ = false;
    doItemsLayout();
}

void TListView::ItemTextChanged(TListItem* item)
{
    if (!Quiet()) FireEvent(OnChange, static_cast<TObject*>(this), item, ctText);
}

void TListView::mousePressEvent(QMouseEvent* e)
{
    QPointer<QObject> alive(this);
    TQtControl<QTreeWidget>::mousePressEvent(e);
    // A click on no row clears the selection, as in the class library.
    if (alive && e->button() == Qt::LeftButton && !itemAt(e->position().toPoint())) SetSelected(nullptr);
}

void TListView::mouseReleaseEvent(QMouseEvent* e)
{
    QPointer<QObject> alive(this);
    TQtControl<QTreeWidget>::mouseReleaseEvent(e);
    if (alive && e->button() == Qt::LeftButton) FireEvent(OnClick, static_cast<TObject*>(this));
}

void TListView::mouseMoveEvent(QMouseEvent* e)
{
    QPointer<QObject> alive(this);
    TQtControl<QTreeWidget>::mouseMoveEvent(e);
    // A handler that changed the hint sees it follow the mouse at once.
    if (alive && QToolTip::isVisible()) {
        if (ShowHint() && !Hint().IsEmpty())
            QToolTip::showText(e->globalPosition().toPoint(), ToQ(Hint()), viewport());
        else
            QToolTip::hideText();
    }
}

bool TListView::viewportEvent(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        // The list view's own hint, not the rows' tool tips.
        auto* he = static_cast<QHelpEvent*>(e);
        if (ShowHint() && !Hint().IsEmpty()) QToolTip::showText(he->globalPos(), ToQ(Hint()), viewport());
        else QToolTip::hideText();
        return true;
    }
    return QTreeWidget::viewportEvent(e);
}
