// The edit binding: list view, associations and the hooks that drive the value transfer
// (the transfer itself is in qzsnmpeditstransfer.cpp).
#include "snmpvars/qzsnmprequest2edits.h"

#include <cstring>
#include <string>

#include "common/qzeditconstraint.h"
#include "common/qznumlist.h"
#include "common/qzoptionlist.h"
#include "platform/ui/comctrls.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "snmpvars/qzsnmperror.h"
#include "snmpvars/qzsnmpvaluetext.h"

namespace {

// Where a row keeps the index it was read under (its key cells may show it only in part).
const int kRowIndexRole = Qt::UserRole + 1;

// The event that the binding takes over on a control; null for controls it leaves alone.
TNotifyEvent* EventOf(TControl* c)
{
    if (auto* box = dynamic_cast<TComboBox*>(c)) return &box->OnChange;
    if (dynamic_cast<TCheckBox*>(c) || dynamic_cast<TRadioGroup*>(c)) return &c->OnClick;
    return nullptr;
}

}  // namespace

QzSNMPRequest2Edits::QzSNMPRequest2Edits(TForm* owner)
    : QzSNMPRequest2Controls(owner), constraint_(new QzEditConstraint(owner, true))
{
}

QzSNMPRequest2Edits::~QzSNMPRequest2Edits()
{
    ReleasePaint();
    delete paintCheck_;
    if (TListView* lv = BoundListView())
        if (lv->OnSelectItem == TLVSelectItemEvent(this, &QzSNMPRequest2Edits::ListViewSelectItem))
            lv->OnSelectItem = savedOnSelectItem_;
    // Newest first: a control held twice gets its handler back with its first association.
    while (!associations_.empty()) {
        std::unique_ptr<_EditAssociation_s> r = std::move(associations_.back());
        associations_.pop_back();
        for (int k = 0; k < r->count; ++k) GiveBack(*r, k);
    }
    delete constraint_;
}

QzSNMPVarItem& QzSNMPRequest2Edits::Var(int i) const
{
    if (i < 0 || i >= Request.varList.GetCount()) ListIndexError(i);
    return Request.varList.Items(i);
}

QzOptionList* QzSNMPRequest2Edits::OptionsInForce(const _EditAssociation_s& r) const
{
    if (r.options) return r.options;
    const QzSNMPVarItem& v = Var(r.varIndex);
    return r.offset == 0 && r.syntax == v.syntax ? v.options : nullptr;
}

void QzSNMPRequest2Edits::SetConstraintOwner(TWinControl* owner) { constraint_->SetOwner(owner); }

// ---- the list view ----

void QzSNMPRequest2Edits::BindListView(TListView* listView, bool enable)
{
    const TLVSelectItemEvent ours(this, &QzSNMPRequest2Edits::ListViewSelectItem);
    ReleasePaint();
    if (TListView* old = BoundListView())
        if (old != listView && old->OnSelectItem == ours) old->OnSelectItem = savedOnSelectItem_;
    if (!listView) {
        listView_ = nullptr;
        listViewAlive_ = nullptr;
        savedOnSelectItem_ = nullptr;
        return;
    }
    listView->SetReadOnly(true);
    listView->SetRowSelect(true);
    listView->SetHideSelection(false);
    listView->SetGridLines(true);
    listView->SetViewStyle(vsReport);
    if (listView->OnSelectItem != ours) {
        savedOnSelectItem_ = listView->OnSelectItem;
        listView->OnSelectItem = ours;
    }
    listView_ = listView;
    listViewAlive_ = listView;
    enableOnSelect = enable;
    BuildColumns();
}

void QzSNMPRequest2Edits::BuildColumns()
{
    TListView* lv = BoundListView();
    if (!lv) return;
    const QzSNMPVarList& list = Request.varList;
    const int needed = list.CountShownColumns() + list.CountHiddenColumns();
    if (needed <= lv->Columns()->Count()) return;  // laid out at design time
    lv->Columns()->Clear();
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < list.GetCount(); ++i) {
            if (pass == 0 ? !list.IsHiddenColumn(i) : !list.IsShownColumn(i)) continue;
            TListColumn* c = lv->Columns()->Add();
            c->SetCaption(list.Items(i).label);
            c->SetAutoSize(false);
            c->SetWidth(pass == 0 ? 0 : ColumnHeaderWidth);
        }
    }
}

void QzSNMPRequest2Edits::BeforeGet()
{
    given_.clear();
    ReleasePaint();
    TListView* lv = BoundListView();
    if (!lv) return;
    BuildColumns();
    lv->Items()->Clear();
    // Hidden columns first, then the shown ones: the order in which rows are filled.
    const QzSNMPVarList& list = Request.varList;
    rowVars_.clear();
    for (int i = 0; i < list.GetCount(); ++i)
        if (list.IsHiddenColumn(i)) rowVars_.push_back(i);
    for (int i = 0; i < list.GetCount(); ++i)
        if (list.IsShownColumn(i)) rowVars_.push_back(i);
}

bool QzSNMPRequest2Edits::ValuesToRow()
{
    TListView* lv = BoundListView();
    if (!lv || rowVars_.empty()) return true;
    TListItem* item = lv->Items()->Add();
    TStrings* sub = item->SubItems();
    for (size_t p = 1; p < rowVars_.size(); ++p) sub->Add(*Request.varList.Items(rowVars_[p]).value);
    item->setData(0, kRowIndexRole, QString::fromStdString(Request.HeldRowIndex().std()));
    // The caption fires the list view's change event on a complete row; its handler may
    // delete this binding.
    std::shared_ptr<bool> alive = Alive();
    item->SetCaption(*Request.varList.Items(rowVars_[0]).value);
    return *alive;
}

void QzSNMPRequest2Edits::RowToValues(std::vector<bool>* given)
{
    TListView* lv = BoundListView();
    if (!lv) return;
    TListItem* item = lv->Selected();
    if (!item) {
        Request.HoldRowIndex(AnsiString());  // the keys alone name the row
        return;
    }
    QzSNMPVarList& list = Request.varList;
    std::vector<int> vars = rowVars_;
    if (vars.empty()) {
        // Rows that no read of ours filled: a variable's column is its index.
        for (int i = 0; i < list.GetCount(); ++i)
            vars.push_back(list.IsHiddenColumn(i) || list.IsShownColumn(i) ? i : -1);
    }
    TStrings* sub = item->SubItems();
    for (size_t p = 0; p < vars.size(); ++p) {
        const int i = vars[p];
        if (i < 0 || i >= list.GetCount()) continue;
        if (p > 0 && static_cast<int>(p) - 1 >= sub->Count()) break;
        AnsiString text = p == 0 ? item->Caption() : sub->Get(static_cast<int>(p) - 1);
        if (given) {
            // A cell without a value ("(NULL)", "(NOTDONE)"), or of a column that is never
            // read, gives none to a write.
            if (qzsnmp::IsNoValue(text)) continue;
            if (list.IsReadable(i)) (*given)[static_cast<size_t>(i)] = true;
        }
        *list.Items(i).value = text;
    }
    // A write of the row, with its keys as shown, goes to the row the operator selected.
    Request.HoldRowIndex(AnsiString(item->data(0, kRowIndexRole).toString().toStdString()));
}

void QzSNMPRequest2Edits::ListViewSelectItem(TObject* Sender, TListItem* item, bool selected)
{
    std::shared_ptr<bool> alive = Alive();
    if (savedOnSelectItem_) {
        TLVSelectItemEvent saved = savedOnSelectItem_;  // the handler may delete this binding
        saved(Sender, item, selected);
        if (!*alive) return;
    }
    if (!selected) return;
    given_.clear();
    if (enableOnSelect) SetControlsEnabled(true);
    if (BoundListView()) RowToValues();
    ValuesToControls(-1);
}

// ---- hooks of the request ----

void QzSNMPRequest2Edits::OnRowReceived()
{
    if (listView_) {
        TListView* lv = BoundListView();
        if (!lv) return;
        if (!ValuesToRow()) return;
        HoldPaint(lv);
        Application->ProcessMessages();  // the window stays live while a long walk fills it
        return;
    }
    ValuesToControls(-1);
}

void QzSNMPRequest2Edits::AfterGet()
{
    ReleasePaint();
    if (TListView* lv = BoundListView()) lv->FitColumns();
    if (BoundListView() && enableOnSelect && Request.varList.listType == MVT_FMV) SetControlsEnabled(false);
}

void QzSNMPRequest2Edits::OnGetError(QzSNMPError* result)
{
    ReleasePaint();
    if (TListView* lv = BoundListView()) lv->FitColumns();  // the rows read before stay
    QzSNMPRequest2Controls::OnGetError(result);
}

// Painting a full list view costs more than reading a row: while a walk fills it, the list
// view is painted every kPaintMs instead of after every row. The hold ends with the read, and
// at the latest two checks after the last row, however the read ended.
namespace {
const int kPaintMs = 250;
}

void QzSNMPRequest2Edits::HoldPaint(TListView* lv)
{
    ++rowsSinceCheck_;
    if (!paintHeld_) {
        lv->Items()->BeginUpdate();
        paintHeld_ = true;
        heldSince_.start();
        if (!paintCheck_) {
            paintCheck_ = new TTimer(nullptr);
            paintCheck_->SetInterval(kPaintMs);
            paintCheck_->OnTimer = TNotifyEvent(this, &QzSNMPRequest2Edits::PaintCheck);
        }
        rowsSinceCheck_ = 0;
        paintCheck_->SetEnabled(true);
    } else if (heldSince_.elapsed() >= kPaintMs) {
        std::shared_ptr<bool> alive = Alive();
        lv->Items()->EndUpdate();
        Application->ProcessMessages();  // paints now
        if (!*alive || !paintHeld_ || BoundListView() != lv) return;
        lv->Items()->BeginUpdate();
        heldSince_.restart();
    }
}

void QzSNMPRequest2Edits::ReleasePaint()
{
    if (paintCheck_) paintCheck_->SetEnabled(false);
    if (!paintHeld_) return;
    paintHeld_ = false;
    if (TListView* lv = BoundListView()) lv->Items()->EndUpdate();
}

void QzSNMPRequest2Edits::PaintCheck(TObject*)
{
    if (rowsSinceCheck_ == 0) ReleasePaint();  // the read is over or stalled
    rowsSinceCheck_ = 0;
}

void QzSNMPRequest2Edits::PrepareSet()
{
    QzSNMPVarList& list = Request.varList;
    given_.assign(static_cast<size_t>(list.GetCount()), false);
    for (int i = 0; i < list.GetCount(); ++i) list.Items(i).value->SetLength(0);
    if (listView_) RowToValues(&given_);
    ControlsToValuesOf(-1, &given_);
}

bool QzSNMPRequest2Edits::ValueMissing(int i) const
{
    if (given_.empty() || i >= static_cast<int>(given_.size())) return false;
    return !given_[static_cast<size_t>(i)] && Request.varList.Items(i).value->IsEmpty();
}

void QzSNMPRequest2Edits::SetControlsEnabled(bool enabled)
{
    for (auto& r : associations_)
        for (int k = 0; k < r->count; ++k)
            if (r->alive[static_cast<size_t>(k)]) r->controls[static_cast<size_t>(k)]->SetEnabled(enabled);
}

// ---- associations ----

void QzSNMPRequest2Edits::Associate(int i, TLabel* label) { AssociateOne(i, 0, Var(i).syntax, nullptr, label); }

void QzSNMPRequest2Edits::Associate(int i, TStaticText* text) { AssociateOne(i, 0, Var(i).syntax, nullptr, text); }

void QzSNMPRequest2Edits::Associate(int i, TCheckBox* box) { AssociateOne(i, 0, Var(i).syntax, nullptr, box); }

void QzSNMPRequest2Edits::Associate(int i, TComboBox* box)
{
    const int syntax = Var(i).syntax;
    if (box) box->SetStyle(csDropDownList);
    AssociateOne(i, 0, syntax, nullptr, box);
}

void QzSNMPRequest2Edits::Associate(int i, TRadioGroup* group, int)
{
    AssociateOne(i, 0, Var(i).syntax, nullptr, group);
}

void QzSNMPRequest2Edits::AssociatePart(int i, int offset, int syntax, QzOptionList* options, TComboBox* box)
{
    Var(i);
    if (box) box->SetStyle(csDropDownList);
    AssociateOne(i, offset, syntax, options, box);
}

void QzSNMPRequest2Edits::AssociateOne(int i, int offset, int syntax, QzOptionList* options, TControl* control)
{
    Var(i);
    if (!control) QzSNMPThrowOwn(qzsBadControlType);
    auto r = std::make_unique<_EditAssociation_s>();
    r->varIndex = i;
    r->offset = offset;
    r->syntax = syntax;
    r->options = options;
    r->count = 1;
    r->controls.push_back(control);
    QzOptionList* opts = OptionsInForce(*r);
    auto* box = dynamic_cast<TComboBox*>(control);
    auto* group = dynamic_cast<TRadioGroup*>(control);
    if ((box || group) && !opts) QzSNMPThrowOwn(qzsNoOptionList);
    if (box) {
        opts->FillComboBox(box);
        // A prefix list needs a second control for the text behind the prefix.
        if (opts->Kind() == QzOptionList::TextPrefix) QzSNMPThrowOwn(qzsTooFewControls);
    } else if (group) {
        opts->FillRadioGroup(group);
    }
    Append(std::move(r));
}

void QzSNMPRequest2Edits::AssociateFormatList(int i, int offset, int syntax, QzOptionList* options,
                                              const AnsiString& format, const std::vector<TEdit*>& edits)
{
    const QzSNMPVarItem& v = Var(i);
    if (syntax < 0) {
        offset = 0;
        syntax = v.syntax;
    }
    // One edit per conversion with a letter of "shiufn"; "%%" takes none.
    const std::string& f = format.std();
    size_t n = 0;
    for (size_t p = f.find('%'); p != std::string::npos && p + 1 < f.size(); p = f.find('%', p + 2))
        if (std::strchr("shiufn", f[p + 1])) ++n;
    if (n == 0 || edits.size() < n) QzSNMPThrowOwn(qzsTooFewControls);
    TList list;
    std::vector<TCustomEdit*> added;
    for (size_t k = 0; k < n; ++k) {
        if (!edits[k]) QzSNMPThrowOwn(qzsBadControlType);
        list.Add(static_cast<TCustomEdit*>(edits[k]));
        if (!QzEditConstraint::FindRecord(constraint_->Records(), edits[k])) added.push_back(edits[k]);
    }
    try {
        constraint_->AddMulti(format, &list);
    } catch (...) {
        for (TCustomEdit* e : added) constraint_->Remove(e);
        throw;
    }
    auto r = std::make_unique<_EditAssociation_s>();
    r->varIndex = i;
    r->offset = offset;
    r->syntax = syntax;
    r->options = options;
    r->count = static_cast<int>(n);
    for (size_t k = 0; k < n; ++k) r->controls.push_back(edits[k]);
    Append(std::move(r));
}

void QzSNMPRequest2Edits::AssociateIndexBoxes(int i, const AnsiString& indexList, const std::vector<TCheckBox*>& boxes)
{
    const QzSNMPVarItem& v = Var(i);
    QzNumList<int> bits;
    bits.delimiter = ',';
    bits.Parse(indexList.c_str());
    if (bits.count == 0) QzSNMPThrowOwn(qzsTooFewControls);
    if (static_cast<int>(boxes.size()) < bits.count) ListIndexError(static_cast<int>(boxes.size()));
    auto r = std::make_unique<_EditAssociation_s>();
    r->varIndex = i;
    r->syntax = v.syntax;
    r->count = bits.count;
    for (int k = 0; k < bits.count; ++k) {
        if (!boxes[static_cast<size_t>(k)]) QzSNMPThrowOwn(qzsBadControlType);
        r->bitIndexes.push_back(bits.items[k]);
        r->controls.push_back(boxes[static_cast<size_t>(k)]);
    }
    Append(std::move(r));
}

void QzSNMPRequest2Edits::AssociateIndexList(int i, const AnsiString& indexList, TList* controls)
{
    Var(i);
    QzNumList<int> bits;
    bits.delimiter = ',';
    const int n = bits.CountItems(indexList.c_str());
    if (!controls) ListIndexError(0);
    std::vector<TCheckBox*> boxes;
    for (int k = 0; k < n; ++k) boxes.push_back(static_cast<TCheckBox*>(controls->Get(k)));
    AssociateIndexBoxes(i, indexList, boxes);
}

void QzSNMPRequest2Edits::Append(std::unique_ptr<_EditAssociation_s> r)
{
    r->savedHandlers.resize(static_cast<size_t>(r->count));
    for (TControl* c : r->controls) r->alive.emplace_back(c->Widget());
    for (int k = 0; k < r->count; ++k) Take(*r, k);
    associations_.push_back(std::move(r));
}

void QzSNMPRequest2Edits::RemoveAssociation(int i)
{
    for (size_t n = 0; n < associations_.size();) {
        _EditAssociation_s& r = *associations_[n];
        if (r.varIndex != i) {
            ++n;
            continue;
        }
        for (int k = 0; k < r.count; ++k) GiveBack(r, k);
        associations_.erase(associations_.begin() + static_cast<long>(n));
    }
}

// ---- the controls' events ----

bool QzSNMPRequest2Edits::HeldElsewhere(const _EditAssociation_s* except, TControl* control) const
{
    for (const auto& r : associations_) {
        if (r.get() == except) continue;
        for (int k = 0; k < r->count; ++k)
            if (r->controls[static_cast<size_t>(k)] == control && r->alive[static_cast<size_t>(k)]) return true;
    }
    return false;
}

void QzSNMPRequest2Edits::Take(_EditAssociation_s& r, int k)
{
    TControl* c = r.controls[static_cast<size_t>(k)];
    TNotifyEvent* event = EventOf(c);
    if (!event) return;
    const TNotifyEvent ours(this, &QzSNMPRequest2Edits::ControlEvent);
    if (*event != ours) {
        r.savedHandlers[static_cast<size_t>(k)] = *event;
        *event = ours;
        return;
    }
    // Already ours through another association: keep the handler that one saved.
    for (const auto& other : associations_)
        for (int j = 0; j < other->count; ++j)
            if (other->controls[static_cast<size_t>(j)] == c) {
                r.savedHandlers[static_cast<size_t>(k)] = other->savedHandlers[static_cast<size_t>(j)];
                return;
            }
}

void QzSNMPRequest2Edits::GiveBack(_EditAssociation_s& r, int k)
{
    if (!r.alive[static_cast<size_t>(k)]) return;
    TControl* c = r.controls[static_cast<size_t>(k)];
    if (HeldElsewhere(&r, c)) return;
    if (auto* edit = dynamic_cast<TCustomEdit*>(c)) constraint_->Remove(edit);
    TNotifyEvent* event = EventOf(c);
    if (event && *event == TNotifyEvent(this, &QzSNMPRequest2Edits::ControlEvent))
        *event = r.savedHandlers[static_cast<size_t>(k)];
}

// Passes the event on to the handler the control had before; adds nothing of its own.
void QzSNMPRequest2Edits::ControlEvent(TObject* Sender)
{
    for (const auto& r : associations_)
        for (int k = 0; k < r->count; ++k)
            if (static_cast<TObject*>(r->controls[static_cast<size_t>(k)]) == Sender) {
                TNotifyEvent saved = r->savedHandlers[static_cast<size_t>(k)];
                if (saved) saved(Sender);
                return;
            }
}
