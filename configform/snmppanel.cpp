// TSNMPPanel (buttons, content and message strip around one request) and TSNMPEditorPanel
// (its edits, written by Set Checked).
#include <algorithm>

#include "configform/guigenerator.h"
#include "platform/ui/dialogs.h"
#include "snmpvars/qzsnmprequest2edits.h"

// ---- TSNMPPanel ----

TSNMPPanel::TSNMPPanel(TComponent* Owner, TMsgPanel* messagePanel, QzSNMPRequest2Edits* request)
    : TPanel(Owner), Request(request), MsgPanel(nullptr), BottomSplitter(nullptr)
{
    Content = nullptr;
    BtnPanel = new TCtrlBtnPanel(this);
    BtnPanel->RefreshBtn->OnClick = TNotifyEvent(this, &TSNMPPanel::RefreshBtnClick);
    BtnPanel->CloseBtn->OnClick = TNotifyEvent(this, &TSNMPPanel::CloseBtnClick);

    RightSplitter = new TSplitter(this);
    RightSplitter->SetParent(this);
    RightSplitter->SetAlign(alRight);

    ClientPanel = new TPanel(this);
    ClientPanel->SetParent(this);
    ClientPanel->SetAlign(alClient);

    if (messagePanel) {
        Request->SetMessageControl(messagePanel->Memo);
    } else {
        MsgPanel = new TMsgPanel(ClientPanel);
        MsgPanel->SetAlign(alBottom);
        Request->SetMessageControl(MsgPanel->Memo);
        // Lets the operator give the result lines more room.
        BottomSplitter = new TSplitter(ClientPanel);
        BottomSplitter->SetParent(ClientPanel);
        BottomSplitter->SetAlign(alBottom);
        BottomSplitter->SetHeight(3);
    }
    if (auto* parent = dynamic_cast<TWinControl*>(Owner)) SetParent(parent);
    SetWidth(0);
    SetHeight(0);
}

void TSNMPPanel::SetContent(TControl* content)
{
    if (Content) {
        Content->Hide();
        Content->SetAlign(alNone);
    }
    Content = content;
    content->Show();
    content->SetAlign(alNone);
    content->SetParent(ClientPanel);
    SetAlign(alNone);

    const int width = content->Width() + BtnPanel->Width() + RightSplitter->Width() + 3;
    if (Width() != width) SetWidth(width);
    const int height = content->Height() + (MsgPanel ? MsgPanel->Height() : 0) +
                       (BottomSplitter ? BottomSplitter->Height() : 0);
    if (Height() != height) SetHeight(height);
    // The button column is never cut off.
    const int buttons = std::max(BtnPanel->Height(), BtnPanel->ArrangedHeight());
    if (buttons > Height()) SetHeight(buttons);
    content->SetAlign(alClient);
}

void TSNMPPanel::AttachToForm(TForm* form)
{
    SetAlign(alNone);
    Form = form;
    form->SetPosition(poMainFormCenter);
    if (form->ClientWidth() < Width()) form->SetClientWidth(Width());
    if (form->ClientHeight() < Height()) form->SetClientHeight(Height());
    if (form->ClientHeight() > 550) form->SetClientHeight(550);
    if (form->ClientWidth() > 800) form->SetClientWidth(800);
    SetAlign(alClient);
}

void TSNMPPanel::RefreshBtnClick(TObject*)
{
    try {
        Request->Get();
    } catch (const Exception& e) {
        Request->ShowResult(e.Message);
    }
}

void TSNMPPanel::CloseBtnClick(TObject*)
{
    if (!Form) {
        ShowMessage("Please initial close form");
        return;
    }
    Form->Close();
}

// ---- TSNMPEditorPanel ----

TSNMPEditorPanel::TSNMPEditorPanel(TComponent* Owner, QzSNMPRequest2Edits* request)
    : TSNMPPanel(Owner, nullptr, request)
{
    EditsPanel = new TEditsPanel(ClientPanel, request);
    BtnPanel->SetCheckedBtn->OnClick = TNotifyEvent(this, &TSNMPEditorPanel::SetCheckedClick);
    BtnPanel->SetCheckedBtn->SetEnabled(false);
    BtnPanel->CheckAllBtn->OnClick = TNotifyEvent(this, &TSNMPEditorPanel::CheckAllClick);
    BtnPanel->ClearChecksBtn->OnClick = TNotifyEvent(this, &TSNMPEditorPanel::ClearChecksClick);
    EditsPanel->ArrangeCtrlBtn(BtnPanel);
    SetContent(EditsPanel);
}

void TSNMPEditorPanel::SetEditWidth(int width)
{
    EditsPanel->SetEditWidth(width, 2);
    SetContent(EditsPanel);
    if (Form) AttachToForm(Form);
}

void TSNMPEditorPanel::SetVarFormat(int i, const char* format)
{
    Request->RemoveAssociation(i);
    const TEditRow& row = EditsPanel->Row(i);
    switch (row.Kind) {
    case rkReadOnlyText:
    case rkText:
        Request->AssociateFormat(i, format, static_cast<TEdit*>(row.Input));
        const_cast<TEditRow&>(row).Format = format;
        break;
    case rkList: throw Exception("Can not set Var format to a ComboBox!");
    default: throw Exception("Unknow UI Control type!");
    }
}

void TSNMPEditorPanel::SetCheckedClick(TObject* Sender)
{
    QzSNMPVarList& list = Request->Request.varList;
    const unsigned char mode = Request->Mode;
    Request->Mode = 0;
    bool empty = false;
    {
        // Unchecked rows are left out of this write: their controls are not even read, so a row
        // the operator did not choose (an empty drop-down list among them) cannot spoil it.
        QzSNMPItemsLeftOut unchecked(list);
        for (int i = 0; i < list.GetCount(); ++i)
            if (!EditsPanel->IsCheckedRow(i)) unchecked.LeaveOut(i);
        for (int i = 0; i < list.GetCount(); ++i)
            if (!(list.Items(i).access & acInvalid) && EditsPanel->IsRowEmpty(i)) empty = true;
        if (empty) {
            MessageDlg("Some items are empty!", mtWarning, TMsgDlgButtons() << mbOK, 0);
        } else {
            try {
                Request->PrepareSet();
                Request->Set(false, false, "", nullptr);
            } catch (const Exception& e) {
                Request->LastOperation = 1;  // also when the values could not be taken from the controls
                Request->ShowResult(e.Message);
            }
        }
    }
    Request->Mode = mode;
    // A page's Set closes the page; the result is in the message strip.
    auto* button = dynamic_cast<TControl*>(Sender);
    if (!empty && button && button->Tag() == 1)
        if (TForm* page = GetParentForm(button)) page->Close();
}

void TSNMPEditorPanel::CheckAllClick(TObject*)
{
    for (int i = 0; i < EditsPanel->RowCount(); ++i) {
        TCheckBox* check = EditsPanel->RowCheck(i);
        if (check->Enabled()) check->SetChecked(true);
    }
    EditsPanel->UpdateSetChecked();
}

void TSNMPEditorPanel::ClearChecksClick(TObject*)
{
    for (int i = 0; i < EditsPanel->RowCount(); ++i) {
        TCheckBox* check = EditsPanel->RowCheck(i);
        if (check->Enabled()) check->SetChecked(false);
    }
    EditsPanel->UpdateSetChecked();
}
