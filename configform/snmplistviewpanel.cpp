// TSNMPListViewPanel: a table in a list view, with the Add and Edit pages (which borrow the
// hidden edits panel) and Delete.
#include <QTimer>
#include <algorithm>
#include <vector>

#include "configform/guigenerator.h"
#include "platform/ui/dialogs.h"
#include "snmpvars/qzsnmprequest2edits.h"
#include "snmpvars/qzsnmpsession.h"

// A modal page around the borrowed edits panel. Whatever happens, the edits panel goes back
// to the list panel's client area, the page is deleted and the edit constraints belong to the
// list's form again.
class TSNMPListViewPanel::Page {
public:
    Page(TSNMPListViewPanel* owner, const AnsiString& caption) : owner_(owner)
    {
        form_ = new TForm(Application);
        form_->SetPosition(poOwnerFormCenter);
        form_->SetCaption(caption);
        owner_->Request->SetConstraintOwner(form_);
        panel_ = new TSNMPPanel(form_, owner_->MsgPanel, owner_->Request);
        TCtrlBtnPanel* b = panel_->BtnPanel;
        b->SetCheckedBtn->OnClick = TNotifyEvent(static_cast<TSNMPEditorPanel*>(owner_), &TSNMPEditorPanel::SetCheckedClick);
        b->SetCheckedBtn->SetTag(1);
        b->CheckAllBtn->OnClick = TNotifyEvent(static_cast<TSNMPEditorPanel*>(owner_), &TSNMPEditorPanel::CheckAllClick);
        b->ClearChecksBtn->OnClick = TNotifyEvent(static_cast<TSNMPEditorPanel*>(owner_), &TSNMPEditorPanel::ClearChecksClick);
    }
    ~Page()
    {
        owner_->PagePanel = nullptr;
        TEditsPanel* edits = owner_->EditsPanel;
        edits->Hide();
        edits->SetAlign(alNone);
        edits->SetParent(owner_->ClientPanel);
        delete form_;
        owner_->Request->SetConstraintOwner(owner_->Form ? owner_->Form : owner_->Request->Owner);
    }
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;

    TSNMPPanel* Panel() const { return panel_; }

    // The edits panel onto the page, with the buttons it needs there (no Refresh).
    void Arrange()
    {
        TEditsPanel* edits = owner_->EditsPanel;
        edits->ArrangeCtrlBtn(panel_->BtnPanel);
        panel_->BtnPanel->RefreshBtn->Hide();
        panel_->BtnPanel->ArrangeButtons();
        edits->ArrangeRows(2, true);
        panel_->SetContent(edits);
        panel_->AttachToForm(form_);
    }

    void ShowModal()
    {
        owner_->PagePanel = panel_;
        form_->ShowModal();
    }

private:
    TSNMPListViewPanel* owner_;
    TForm* form_;
    TSNMPPanel* panel_;
};

namespace {

// The status values that an edit page must not offer (an existing row is neither created nor
// destroyed there) leave their drop-down lists while it lives; the lists get their items back
// in their order, and rows hidden for an empty list are shown again.
class TWithheldStatus {
public:
    explicit TWithheldStatus(TEditsPanel* edits) : edits_(edits) {}
    ~TWithheldStatus()
    {
        for (Saved& s : saved_) {
            AnsiString text = s.box->Text();
            s.box->Items()->Clear();
            for (const AnsiString& item : s.items) s.box->Items()->Add(item);
            int index = -1;
            for (size_t k = 0; k < s.items.size() && index < 0; ++k)
                if (s.items[k] == text && !text.IsEmpty()) index = static_cast<int>(k);
            s.box->SetItemIndex(index);
            if (s.hidden) edits_->ShowRow(s.column);
        }
    }
    TWithheldStatus(const TWithheldStatus&) = delete;
    TWithheldStatus& operator=(const TWithheldStatus&) = delete;

    void Withhold(int column, const AnsiString& value)
    {
        auto* box = dynamic_cast<TComboBox*>(edits_->RowInput(column));
        if (column < 0 || !box) return;
        Saved* s = nullptr;
        for (Saved& k : saved_)
            if (k.column == column) s = &k;
        if (!s) {
            saved_.push_back(Saved{column, box, {}, false});
            s = &saved_.back();
            for (int k = 0; k < box->Items()->Count(); ++k) s->items.push_back(box->Items()->Get(k));
        }
        for (int k = 0; k < box->Items()->Count(); ++k) {
            if (box->Items()->Get(k) == value) {
                box->Items()->Delete(k);
                break;
            }
        }
        if (box->Items()->Count() == 0 && !s->hidden) {
            edits_->HideRow(column);
            s->hidden = true;
        }
    }

private:
    struct Saved {
        int column;
        TComboBox* box;
        std::vector<AnsiString> items;
        bool hidden;
    };
    TEditsPanel* edits_;
    std::vector<Saved> saved_;
};

}  // namespace

TSNMPListViewPanel::TSNMPListViewPanel(TComponent* Owner, QzSNMPRequest2Edits* request)
    : TSNMPEditorPanel(Owner, request)
{
    ListViewPanel = new TListViewPanel(ClientPanel, request);
    TListView* lv = ListViewPanel->ListView;
    lv->OnDblClick = TNotifyEvent(this, &TSNMPListViewPanel::ListViewDblClick);
    lv->OnClick = TNotifyEvent(this, &TSNMPListViewPanel::ListViewClick);
    lv->OnChange = TLVChangeEvent(this, &TSNMPListViewPanel::ListViewChange);
    lv->OnMouseMove = TMouseMoveEvent(this, &TSNMPListViewPanel::ListViewMouseMove);

    BtnPanel->RefreshBtn->OnClick = TNotifyEvent(this, &TSNMPListViewPanel::RefreshListClick);
    BtnPanel->EditBtn->OnClick = TNotifyEvent(this, &TSNMPListViewPanel::EditBtnClick);
    BtnPanel->AddBtn->OnClick = TNotifyEvent(this, &TSNMPListViewPanel::AddBtnClick);
    BtnPanel->DeleteBtn->OnClick = TNotifyEvent(this, &TSNMPListViewPanel::DeleteBtnClick);

    ListViewPanel->ArrangeCtrlBtn(BtnPanel);
    bool nothingToEdit = true;
    for (int i = 0; i < EditsPanel->RowCount(); ++i)
        if (!EditsPanel->IsReadOnlyRow(i) && !EditsPanel->IsKeyRow(i)) nothingToEdit = false;
    if (nothingToEdit) {
        BtnPanel->EditBtn->Hide();
        BtnPanel->ArrangeButtons();
    }
    SetContent(ListViewPanel);
    OnBeforeAdd = TNotifyEvent(this, &TSNMPListViewPanel::ClearEditRows);
}

void TSNMPListViewPanel::SetStatus(int column, const char* value, bool add)
{
    auto* box = dynamic_cast<TComboBox*>(EditsPanel->RowInput(column));
    bool listed = false;
    if (box && value)
        for (int k = 0; k < box->Items()->Count() && !listed; ++k) listed = box->Items()->Get(k) == value;
    if (!listed) {
        throw Exception(add ? AnsiString("TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:") + value
                            : AnsiString("TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:") + value);
    }
    if (add) {
        ListViewPanel->AddStatusColumn = column;
        ListViewPanel->AddStatusValue = value;
        BtnPanel->AddBtn->Show();
    } else {
        ListViewPanel->DeleteStatusColumn = column;
        ListViewPanel->DeleteStatusValue = value;
        BtnPanel->DeleteBtn->Show();
    }
    BtnPanel->ArrangeButtons();
}

void TSNMPListViewPanel::SetAddStatus(int column, const char* value) { SetStatus(column, value, true); }

void TSNMPListViewPanel::SetDeleteStatus(int column, const char* value) { SetStatus(column, value, false); }

void TSNMPListViewPanel::ClearEditRows(TObject*) { EditsPanel->ClearRows(); }

void TSNMPListViewPanel::ShowCount()
{
    BtnPanel->CountBox->SetCaption(AnsiString(ListViewPanel->ListView->Items()->Count()));
}

void TSNMPListViewPanel::RefreshListClick(TObject* Sender)
{
    if (Request->Mode == 1 && Request->Busy) return;
    BtnPanel->EditBtn->SetEnabled(false);
    BtnPanel->DeleteBtn->SetEnabled(false);
    RefreshBtnClick(Sender);
    ShowCount();
}

void TSNMPListViewPanel::AddBtnClick(TObject* Sender)
{
    if (OnBeforeAdd) OnBeforeAdd(Sender);
    AddPage();
    if (OnAfterAdd) OnAfterAdd(Sender);
}

void TSNMPListViewPanel::EditBtnClick(TObject* Sender)
{
    if (OnBeforeEdit) OnBeforeEdit(Sender);
    EditPage();
    if (OnAfterEdit) OnAfterEdit(Sender);
}

AnsiString TSNMPListViewPanel::PageCaption() const
{
    if (auto* form = dynamic_cast<TForm*>(Parent())) return form->Caption();
    if (auto* sheet = dynamic_cast<TTabSheet*>(Parent())) return sheet->Caption();
    return Form ? Form->Caption() : AnsiString();
}

void TSNMPListViewPanel::AddPage()
{
    {
        Page page(this, PageCaption() + " (Add)");
        // The index columns are always written, and typed in here.
        const int keys = std::min(Request->Request.varList.keyCount, EditsPanel->RowCount());
        for (int i = 0; i < keys; ++i) {
            EditsPanel->EnableRow(i);
            TCheckBox* check = EditsPanel->RowCheck(i);
            check->SetChecked(true);
            check->Show();
            check->SetEnabled(false);
            EditsPanel->RowInput(i)->SetEnabled(true);
        }
        // The status that creates the row is written as it is.
        const int status = ListViewPanel->AddStatusColumn;
        if (auto* box = dynamic_cast<TComboBox*>(EditsPanel->RowInput(status))) {
            box->SetEnabled(false);
            TCheckBox* check = EditsPanel->RowCheck(status);
            check->SetEnabled(false);
            check->SetChecked(true);
            int index = -1;
            for (int k = 0; k < box->Items()->Count() && index < 0; ++k)
                if (box->Items()->Get(k) == ListViewPanel->AddStatusValue) index = k;
            box->SetItemIndex(index);
        }
        page.Arrange();
        ListViewPanel->ListView->ClearSelection();
        BtnPanel->EditBtn->SetEnabled(false);
        BtnPanel->DeleteBtn->SetEnabled(false);
        page.ShowModal();
    }
    RefreshListClick(BtnPanel->RefreshBtn);
}

bool TSNMPListViewPanel::WaitForRead()
{
    if (Request->Mode != 1 || !Request->Busy) return true;
    // The form is not closed under the wait; a close asked for meanwhile is made afterwards.
    TForm* form = Form;
    bool closeAsked = false;
    TCloseQueryEvent saved;
    if (form) {
        saved = form->OnCloseQuery;
        form->OnCloseQuery = TCloseQueryEvent(std::function<void(TObject*, bool&)>([&closeAsked](TObject*, bool& canClose) {
            canClose = false;
            closeAsked = true;
        }));
    }
    const unsigned char enabled = Request->Request.enabled;
    const bool idle = Request->StopAndWait();
    Request->Request.enabled = enabled;
    if (form) form->OnCloseQuery = saved;
    if (!idle) {
        // Asked from inside the walk's own delivery: the Edit page opens once it has unwound.
        DeferEdit();
        return false;
    }
    if (closeAsked) {
        form->Close();
        return false;
    }
    return true;
}

void TSNMPListViewPanel::DeferEdit()
{
    if (editDeferred_) return;
    editDeferred_ = true;
    auto* poll = new QTimer(this);
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, this, [this, poll] {
        if (QzSNMPInsidePump()) return;
        poll->deleteLater();
        poll->stop();
        editDeferred_ = false;
        EditBtnClick(BtnPanel->EditBtn);
    });
    poll->start();
}

void TSNMPListViewPanel::EditPage()
{
    // A running read ends before the page opens, so that it cannot change the row under it.
    if (!WaitForRead()) return;
    {
        Page page(this, Form ? Form->Caption() : AnsiString());
        page.Panel()->BtnPanel->SetCheckedBtn->SetEnabled(false);
        EditsPanel->ResetRowStates(false);
        TWithheldStatus withheld(EditsPanel);
        if (ListViewPanel->AddStatusColumn >= 0)
            withheld.Withhold(ListViewPanel->AddStatusColumn, ListViewPanel->AddStatusValue);
        if (ListViewPanel->DeleteStatusColumn >= 0)
            withheld.Withhold(ListViewPanel->DeleteStatusColumn, ListViewPanel->DeleteStatusValue);
        page.Arrange();
        page.ShowModal();
    }
    RefreshListClick(BtnPanel->RefreshBtn);
}

void TSNMPListViewPanel::DeleteBtnClick(TObject*)
{
    const int status = ListViewPanel->DeleteStatusColumn;
    if (status < 0 || !ListViewPanel->ListView->Selected()) return;
    if (MessageDlg("Are you sure to delete it?", mtConfirmation, mbOKCancel, 0) != mrOk) return;
    QzSNMPVarList& list = Request->Request.varList;
    const unsigned char mode = Request->Mode;
    Request->Mode = 0;
    {
        // The keys and the status alone are written.
        QzSNMPItemsLeftOut others(list);
        for (int i = 0; i < list.GetCount(); ++i)
            if (i >= list.keyCount && i != status) others.LeaveOut(i);
        try {
            Request->PrepareSet();
            if (status < list.GetCount()) *list.Items(status).value = ListViewPanel->DeleteStatusValue;
            Request->Set(false, false, "", nullptr);
        } catch (const Exception& e) {
            Request->LastOperation = 1;  // also when the values could not be taken from the controls
            Request->ShowResult(e.Message);
        }
    }
    TNotifyEvent refresh = BtnPanel->RefreshBtn->OnClick;
    refresh(BtnPanel->RefreshBtn);
    Request->Mode = mode;
}

void TSNMPListViewPanel::ListViewDblClick(TObject*)
{
    if (!ListViewPanel->ListView->Selected()) return;
    TNotifyEvent edit = BtnPanel->EditBtn->OnClick;
    edit(BtnPanel->EditBtn);
}

void TSNMPListViewPanel::ListViewClick(TObject*)
{
    const bool selected = ListViewPanel->ListView->Selected() != nullptr;
    BtnPanel->EditBtn->SetEnabled(selected);
    BtnPanel->DeleteBtn->SetEnabled(selected);
    if (!selected) EditsPanel->ClearRows();
}

void TSNMPListViewPanel::ListViewChange(TObject*, TListItem*, TItemChange) { ShowCount(); }

AnsiString TSNMPListViewPanel::RowHint(TListItem* item) const
{
    TListColumns* columns = ListViewPanel->ListView->Columns();
    int widest = 0;
    for (int c = 0; c < columns->Count(); ++c) widest = std::max(widest, columns->Items(c)->Caption().Length());
    AnsiString hint;
    for (int c = 0; c < columns->Count(); ++c) {
        AnsiString caption = columns->Items(c)->Caption();
        AnsiString text;
        if (c == 0) text = item->Caption();
        else if (c - 1 < item->SubItems()->Count()) text = item->SubItems()->Get(c - 1);
        hint += caption + AnsiString::StringOfChar('\t', widest - caption.Length()) + "  " + text + "\n";
    }
    return hint;
}

void TSNMPListViewPanel::ListViewMouseMove(TObject*, TShiftState, int X, int Y)
{
    TListView* lv = ListViewPanel->ListView;
    TListItem* item = lv->GetItemAt(X, Y);
    if (!item) {
        lv->SetShowHint(false);
        return;
    }
    lv->SetHint(RowHint(item));
    lv->SetShowHint(true);
}
