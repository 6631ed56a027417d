// TEditsPanel: one row per variable of a request's list (check box, label, input), laid out
// in a scroll box.
#include <algorithm>

#include "configform/guigenerator.h"
#include "platform/ui/dialogs.h"
#include "snmpvars/qzsnmprequest2edits.h"

TEditsPanel::TEditsPanel(TComponent* Owner, QzSNMPRequest2Edits* request) : TPanel(Owner)
{
    scrollBox_ = new TScrollBox(this);
    scrollBox_->SetParent(this);
    scrollBox_->SetAlign(alClient);
    rows_.clear();
    editWidth_ = 121;
    defaultChecked_ = false;
    if (auto* parent = dynamic_cast<TWinControl*>(Owner)) SetParent(parent);
    if (request) BuildRows(request);
    for (TEditRow& row : rows_) {
        row.Label->SetParent(scrollBox_);
        row.Check->SetParent(scrollBox_);
        row.Input->SetParent(scrollBox_);
    }
    SetReadOnlyColors(clBlack, clBtnFace);
}

void TEditsPanel::BuildRows(QzSNMPRequest2Edits* request)
{
    request_ = request;
    QzSNMPVarList& list = request->Request.varList;
    rows_.assign(static_cast<size_t>(list.GetCount()), TEditRow());
    for (int i = 0; i < list.GetCount(); ++i) {
        TEditRow& row = rows_[static_cast<size_t>(i)];
        const bool readOnly = !list.IsWritable(i);
        if (list.Items(i).options) row.Kind = readOnly ? rkReadOnlyList : rkList;
        else row.Kind = readOnly ? rkReadOnlyText : rkText;
        row.Format = "%s";
    }
    for (int i = 0; i < list.GetCount(); ++i) {
        TEditRow& row = rows_[static_cast<size_t>(i)];
        row.Check = new TCheckBox(this);
        row.Check->SetParent(this);
        row.Check->SetWidth(20);
        row.Check->SetTag(i);
        row.Check->OnClick = TNotifyEvent(this, &TEditsPanel::CheckBoxClick);
        row.Check->SetTabStop(false);

        row.Label = new TLabel(this);
        row.Label->SetParent(this);
        row.Label->SetAutoSize(true);
        row.Label->SetCaption(list.Items(i).label);
        row.Label->SetTag(i);

        if (row.Kind == rkList) {
            auto* box = new TComboBox(this);
            box->SetParent(this);
            box->SetTag(i);
            row.Input = box;
            request->Associate(i, box);
        } else {
            auto* edit = new TEdit(this);
            edit->SetParent(this);
            edit->SetTag(i);
            row.Input = edit;
            request->AssociateFormat(i, row.Kind == rkReadOnlyList ? AnsiString("%s") : row.Format, edit);
        }
        // A variable kept out of sight shows nothing of its row.
        if (list.Items(i).access & acHidden) HideRow(i);
    }
    ResetRowStates(false);
    ArrangeRows(2, true);
}

const TEditRow& TEditsPanel::Row(int i) const
{
    static const TEditRow none;
    if (i < 0 || i >= RowCount()) return none;
    return rows_[static_cast<size_t>(i)];
}

bool TEditsPanel::IsReadOnlyRow(int i) const
{
    return !request_ || i < 0 || i >= request_->Request.varList.GetCount() || !request_->Request.varList.IsWritable(i);
}

bool TEditsPanel::IsKeyRow(int i) const { return request_ && i < request_->Request.varList.keyCount; }

bool TEditsPanel::IsHiddenRow(int i) const
{
    return request_ && i >= 0 && i < request_->Request.varList.GetCount() &&
           (request_->Request.varList.Items(i).access & acHidden) != 0;
}

bool TEditsPanel::IsCheckedRow(int i) const { return Row(i).Check && Row(i).Check->Checked(); }

void TEditsPanel::ArrangeRows(int mode, bool resize)
{
    for (TEditRow& row : rows_) row.Input->SetWidth(editWidth_);
    if (mode == 1) {
        int x = 0;
        for (int i = 0; i < RowCount(); ++i) {
            if (IsHiddenRow(i)) continue;
            TEditRow& row = rows_[static_cast<size_t>(i)];
            const int h = row.Input->Height();
            row.Input->SetTop(20);
            row.Check->SetTop(20 + (h - row.Check->Height()) / 2);
            row.Label->SetTop(20 + (h - row.Label->Height()) / 2);
            row.Check->SetLeft(x + 5);
            row.Label->SetLeft(row.Check->Left() + row.Check->Width() + 5);
            row.Input->SetLeft(row.Label->Left() + row.Label->Width() + 5);
            x = std::max(x, row.Input->Left() + row.Input->Width());
        }
    } else if (mode == 2) {
        int widest = 0;
        for (const TEditRow& row : rows_) widest = std::max(widest, row.Label->Width());
        int y = 20;
        bool first = true;
        for (int i = 0; i < RowCount(); ++i) {
            if (IsHiddenRow(i)) continue;
            TEditRow& row = rows_[static_cast<size_t>(i)];
            // The first visible row sits at the top; every further one moves the line down by
            // its own height, so hidden rows leave no gap.
            if (!first) {
                if (row.Input->Height() < 20) row.Input->SetHeight(21);
                y += row.Input->Height() + 5;
            }
            first = false;
            const int h = row.Input->Height();
            row.Input->SetTop(y);
            row.Check->SetTop(y + (h - row.Check->Height()) / 2);
            row.Label->SetTop(y + (h - row.Label->Height()) / 2);
            row.Check->SetLeft(20);
            row.Label->SetLeft(20 + row.Check->Width() + 5);
            row.Input->SetLeft(widest + row.Label->Left() + 5);
        }
    } else {
        return;
    }
    int right = 0, bottom = 0;
    for (int i = 0; i < RowCount(); ++i) {
        if (IsHiddenRow(i)) continue;
        const TControl* input = rows_[static_cast<size_t>(i)].Input;
        right = std::max(right, input->Left() + input->Width());
        bottom = std::max(bottom, input->Top() + input->Height());
    }
    if (resize) {
        SetAlign(alNone);
        SetWidth(right + 40);
        SetHeight(bottom + 40);
    }
}

void TEditsPanel::SetEditWidth(int width, int mode)
{
    editWidth_ = width;
    ArrangeRows(mode, true);
}

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons)
{
    if (!request_) throw Exception("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
    for (TControl* c : std::initializer_list<TControl*>{buttons->SamplesLabel, buttons->CountBox, buttons->EditBtn,
                                                        buttons->AddBtn, buttons->DeleteBtn})
        c->Hide();
    for (TControl* c : std::initializer_list<TControl*>{buttons->RefreshBtn, buttons->SetCheckedBtn,
                                                        buttons->CheckAllBtn, buttons->ClearChecksBtn, buttons->CloseBtn})
        c->Show();

    bool nothingToWrite = true;
    int choices = 0;
    for (int i = 0; i < RowCount(); ++i) {
        if (!IsReadOnlyRow(i) && !IsKeyRow(i)) nothingToWrite = false;
        const TCheckBox* check = rows_[static_cast<size_t>(i)].Check;
        if (check->Visible() && check->Enabled()) ++choices;
    }
    if (nothingToWrite) {
        buttons->SetCheckedBtn->Hide();
        buttons->CheckAllBtn->Hide();
        buttons->ClearChecksBtn->Hide();
    } else if (choices <= 1) {
        // One thing to write: a plain Set button and no check boxes.
        buttons->CheckAllBtn->Hide();
        buttons->ClearChecksBtn->Hide();
        buttons->SetCheckedBtn->SetCaption("Set");
        buttons->SetCheckedBtn->SetEnabled(true);
        for (TEditRow& row : rows_)
            if (row.Check->Visible() && row.Check->Enabled()) row.Check->SetChecked(true);
        for (TEditRow& row : rows_) row.Check->Hide();
    }
    buttons->ArrangeButtons();
}

void TEditsPanel::SetReadOnlyColors(TColor font, TColor background)
{
    readOnlyFont_ = font;
    readOnlyBackground_ = background;
    for (int i = 0; i < RowCount(); ++i)
        if (IsReadOnlyRow(i)) DisableRow(i);
}

void TEditsPanel::ResetRowStates(bool checked)
{
    defaultChecked_ = checked;
    for (int i = 0; i < RowCount(); ++i) {
        if (!IsReadOnlyRow(i) && !IsKeyRow(i)) EnableRow(i);
        else DisableRow(i);
    }
}

bool TEditsPanel::CheckIndex(int i) const
{
    if (i >= 0 && i < RowCount()) return true;
    ShowMessage(AnsiString("aIdx is overtop!\n you may define < ") + AnsiString(RowCount()));
    return false;
}

void TEditsPanel::DisableRow(int i)
{
    if (!CheckIndex(i)) return;
    TEditRow& row = rows_[static_cast<size_t>(i)];
    row.Check->SetEnabled(false);
    row.Check->Hide();
    row.Check->SetChecked(false);
    if (auto* edit = dynamic_cast<TEdit*>(row.Input)) {
        edit->SetReadOnly(true);
        edit->SetTabStop(false);
        edit->Font()->SetColor(readOnlyFont_);
        edit->SetColor(readOnlyBackground_);
    } else if (auto* box = dynamic_cast<TComboBox*>(row.Input)) {
        box->SetEnabled(false);
        box->Font()->SetColor(readOnlyFont_);
        box->SetColor(readOnlyBackground_);
    }
}

void TEditsPanel::EnableRow(int i)
{
    if (!CheckIndex(i)) return;
    TEditRow& row = rows_[static_cast<size_t>(i)];
    row.Check->SetEnabled(true);
    if (!IsHiddenRow(i)) row.Check->Show();
    row.Check->SetChecked(defaultChecked_);
    if (auto* edit = dynamic_cast<TEdit*>(row.Input)) {
        edit->SetReadOnly(false);
        edit->Font()->SetColor(clBlack);
        edit->SetColor(clWhite);
        edit->SetTabStop(true);
    } else if (auto* box = dynamic_cast<TComboBox*>(row.Input)) {
        box->SetEnabled(true);
        box->Font()->SetColor(clBlack);
        box->SetColor(clWhite);
    }
}

void TEditsPanel::HideRow(int i)
{
    if (!CheckIndex(i)) return;
    TEditRow& row = rows_[static_cast<size_t>(i)];
    if (request_) request_->Request.varList.Items(i).access |= acHidden;
    row.Input->Hide();
    row.Check->Hide();
    row.Label->Hide();
}

void TEditsPanel::ShowRow(int i)
{
    if (!CheckIndex(i)) return;
    TEditRow& row = rows_[static_cast<size_t>(i)];
    if (request_) request_->Request.varList.Items(i).access &= ~acHidden;
    row.Input->Show();
    row.Check->Show();
    row.Label->Show();
}

void TEditsPanel::UncheckRow(int i)
{
    if (!CheckIndex(i)) return;
    rows_[static_cast<size_t>(i)].Check->SetChecked(false);
}

void TEditsPanel::ClearRow(int i)
{
    if (!CheckIndex(i)) return;
    TEditRow& row = rows_[static_cast<size_t>(i)];
    if (auto* edit = dynamic_cast<TEdit*>(row.Input)) edit->SetText("");
    else if (auto* box = dynamic_cast<TComboBox*>(row.Input)) box->SetItemIndex(-1);
    if (request_) request_->Request.varList.Items(i).value->SetLength(0);
}

void TEditsPanel::ClearRows()
{
    for (int i = 0; i < RowCount(); ++i) ClearRow(i);
}

void TEditsPanel::SetRowText(int i, const AnsiString& text)
{
    if (!CheckIndex(i)) return;
    TEditRow& row = rows_[static_cast<size_t>(i)];
    if (auto* edit = dynamic_cast<TEdit*>(row.Input)) {
        edit->SetText(text);
    } else if (auto* box = dynamic_cast<TComboBox*>(row.Input)) {
        int found = -1;
        for (int k = 0; k < box->Items()->Count() && found < 0; ++k)
            if (box->Items()->Get(k) == text) found = k;
        box->SetItemIndex(found);
    }
    if (request_) *request_->Request.varList.Items(i).value = text;
}

bool TEditsPanel::IsRowEmpty(int i)
{
    if (!CheckIndex(i)) return true;
    const TEditRow& row = rows_[static_cast<size_t>(i)];
    if (row.Kind == rkCustom) {
        auto* panel = dynamic_cast<TPanel*>(row.Input);
        return !panel || panel->Caption().IsEmpty();
    }
    if (auto* edit = dynamic_cast<TEdit*>(row.Input)) return edit->Text().IsEmpty();
    if (auto* box = dynamic_cast<TComboBox*>(row.Input)) return box->Text().IsEmpty();
    return true;
}

void TEditsPanel::ReplaceRowInput(int i, TControl* input)
{
    if (!CheckIndex(i) || !input) return;
    TEditRow& row = rows_[static_cast<size_t>(i)];
    TControl* generated = row.Input;
    if (request_) request_->RemoveAssociation(i);  // no binding may outlive its edit
    input->SetParent(generated->Parent());
    input->SetBounds(generated->Left(), generated->Top(), generated->Width(), generated->Height());
    input->SetEnabled(generated->Enabled());
    input->SetVisible(generated->Visible());
    input->SetTag(i);
    row.Input = input;
    row.Kind = rkCustom;
    delete generated;
}

TSNMPPanel* TEditsPanel::HolderPanel() const
{
    for (TWinControl* p = Parent(); p; p = p->Parent())
        if (auto* panel = dynamic_cast<TSNMPPanel*>(p)) return panel;
    return nullptr;
}

void TEditsPanel::UpdateSetChecked()
{
    TSNMPPanel* holder = HolderPanel();
    if (!holder) return;
    bool any = false;
    for (const TEditRow& row : rows_)
        if (row.Check->Visible() && row.Check->Checked()) any = true;
    holder->BtnPanel->SetCheckedBtn->SetEnabled(any);
}

void TEditsPanel::CheckBoxClick(TObject*) { UpdateSetChecked(); }
