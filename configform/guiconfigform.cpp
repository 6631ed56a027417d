#include "configform/guiconfigform.h"

#include "snmpvars/qzsnmprequest2edits.h"

TConfigForm::TConfigForm(TComponent* Owner) : TForm(Owner)
{
    SetCaption("ConfigForm");
    OnClose = TCloseEvent(this, &TConfigForm::FormClose);
    CurrentRequest = nullptr;
    Requests = new TList;
    SetPosition(poMainFormCenter);
    FormType = 0;
    // Handled once the modal loop runs, after the caller has added its panel.
    PostMessage(WM_CONFIGFORM_REFRESH, 0, 0);
    DoCreate();
}

TConfigForm::~TConfigForm()
{
    // The controls the requests are bound to are still there.
    ReleaseRequests();
}

void TConfigForm::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_CONFIGFORM_REFRESH) RefreshForm();
    else TForm::Dispatch(Message);
}

void TConfigForm::CheckType(unsigned char type)
{
    if (FormType != 0) throw Exception("Can not change Type of a Config Form!");
    FormType = type;
    if (!Requests) Requests = new TList;
}

void TConfigForm::Grow(TControl* panel)
{
    if (ClientWidth() < panel->Width()) SetClientWidth(panel->Width());
    if (ClientHeight() < panel->Height()) SetClientHeight(panel->Height());
}

TSNMPEditorPanel* TConfigForm::AddEditorPanel(QzSNMPRequest2Edits* request)
{
    CheckType(1);
    Requests->Add(request);
    auto* panel = new TSNMPEditorPanel(this, request);
    panel->MsgPanel->Memo->SetReadOnly(true);
    panel->AttachToForm(this);
    Grow(panel);
    return panel;
}

TSNMPListViewPanel* TConfigForm::AddListViewPanel(QzSNMPRequest2Edits* request, int addColumn, const char* addValue,
                                                  int deleteColumn, const char* deleteValue)
{
    CheckType(2);
    Requests->Add(request);
    auto* panel = new TSNMPListViewPanel(this, request);
    panel->MsgPanel->Memo->SetReadOnly(true);
    if (addValue) panel->SetAddStatus(addColumn, addValue);
    if (deleteValue) panel->SetDeleteStatus(deleteColumn, deleteValue);
    panel->AttachToForm(this);
    Grow(panel);
    return panel;
}

void TConfigForm::RefreshForm()
{
    QzSNMPRequest2Edits* request = nullptr;
    switch (FormType) {
    case 0: return;
    case 1:
    case 2:
        // Nothing is read again once the form is closing or closed.
        if (closing_ || !Requests || Requests->Count() == 0) return;
        request = static_cast<QzSNMPRequest2Edits*>(Requests->First());
        break;
    default: throw Exception("Refresh a Form with unknown Form Type!");
    }
    if (CurrentRequest) CurrentRequest->Request.enabled = 0;
    CurrentRequest = request;
    request->Request.enabled = 1;
    try {
        request->Get();
    } catch (const Exception& e) {
        request->ShowResult(e.Message);
    }
}

void TConfigForm::FormClose(TObject*, TCloseAction& Action)
{
    // A close made while this one waits for its requests is refused; this one goes on.
    if (closing_) {
        Action = caNone;
        return;
    }
    ReleaseRequests();
}

void TConfigForm::ReleaseRequests()
{
    if (!Requests) return;
    closing_ = true;
    CurrentRequest = nullptr;
    // Every request withdrawn before any goes: no reply reaches a panel of the closing form.
    for (int i = 0; i < Requests->Count(); ++i) static_cast<QzSNMPRequest2Edits*>(Requests->Get(i))->Withdraw();
    while (Requests->Count() > 0) {
        auto* request = static_cast<QzSNMPRequest2Edits*>(Requests->First());
        Requests->Delete(0);
        delete request;
    }
    delete Requests;
    Requests = nullptr;
    closing_ = false;
}
