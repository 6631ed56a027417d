#include "forms/routing_security/aaasrvctrlform.h"

#include "mib/securityforms.h"
#include "platform/ui/dialogs.h"

TAAASrvCtrlForm* AAASrvCtrlForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class         name              parent      left top   w    h  align
    {"TStatusBar",   "stbResult",      nullptr,      0,   0,   0,  19, alBottom, nullptr, "50"},
    {"TPanel",       "pnlBottom",      nullptr,      0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TPanel",       "pnlBtn",         "pnlBottom",  0,   0,  97,   0, alRight, "", nullptr, rfBevelNone},
    {"TButton",      "btnSet",         "pnlBtn",    11,  14,  75,  25, alNone, "Set"},
    {"TButton",      "btnClose",       "pnlBtn",    11,  48,  75,  25, alNone, "Close"},
    {"TSplitter",    "splV_Ctrl_Btn",  "pnlBottom",  0,   0,   4,   0, alRight},
    {"TPanel",       "pnlCtrl",        "pnlBottom",  0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TLabel",       "lblSrvGrpName",  "pnlCtrl",   10,  16, 190,  16, alNone, "Server Group Name"},
    {"TEdit",        "edtSrvGrpName",  "pnlCtrl",  200,  14, 140,  21, alNone},
    {"TLabel",       "lblSrvHostIP",   "pnlCtrl",   10,  44, 190,  16, alNone, "Server IP Address"},
    {"TEdit",        "edtSrvIP",       "pnlCtrl",  200,  42, 140,  21, alNone},
    {"TLabel",       "lblAuthPtcl",    "pnlCtrl",   10,  72, 190,  16, alNone, "Server Authentication Protocol"},
    {"TComboBox",    "cbxAuthPtcl",    "pnlCtrl",  200,  70, 140,  21, alNone, nullptr,
     "tacacs|xtacacs|tacacs-plus|radius", rfDropDownList},
    {"TLabel",       "lblSrvRowState", "pnlCtrl",   10, 100, 190,  16, alNone, "Operate"},
    {"TComboBox",    "cbxOper",        "pnlCtrl",  200,  98, 140,  21, alNone, nullptr, "add|delete", rfDropDownList},
    {"TListView",    "lvOper",         "pnlCtrl",    0,   0,  10,  10, alNone, nullptr, nullptr, rfHidden},
    {nullptr},
};
const TResForm kLayout = {"AAASrvCtrlForm", "Server Control Form", 470, 190, poScreenCenter, bsSizeable,
                          kComponents};

}  // namespace

TAAASrvCtrlForm::TAAASrvCtrlForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    stbResult = C<TStatusBar>("stbResult");
    edtSrvGrpName = C<TEdit>("edtSrvGrpName");
    edtSrvIP = C<TEdit>("edtSrvIP");
    cbxAuthPtcl = C<TComboBox>("cbxAuthPtcl");
    cbxOper = C<TComboBox>("cbxOper");
    lvOper = C<TListView>("lvOper");
    btnSet = C<TButton>("btnSet");
    btnClose = C<TButton>("btnClose");
    btnSet->OnClick = TNotifyEvent(this, &TAAASrvCtrlForm::btnSetClick);
    btnClose->OnClick = TNotifyEvent(this, &TAAASrvCtrlForm::btnCloseClick);
    OnCreate = TNotifyEvent(this, &TAAASrvCtrlForm::FormCreate);
    OnClose = TCloseEvent(this, &TAAASrvCtrlForm::FormClose);
    DoCreate();
}

void TAAASrvCtrlForm::FormCreate(TObject*)
{
    try {
        Request = NewRequest(swAACCtrlServerEntry, MVT_UMV, 3);
        Request->BindListView(lvOper, true);
        Request->AssociateFormat(0, "%s{l15}", edtSrvGrpName);
        Request->AssociateFormat(1, "%s{l16}", edtSrvIP);
        Request->Associate(2, cbxAuthPtcl);
        Request->Associate(3, cbxOper);
        cbxAuthPtcl->SetItemIndex(-1);
        cbxOper->SetItemIndex(-1);
        Request->SetMessageControl(stbResult);
        Request->Get();
    } catch (...) {
        ShowInPanel(stbResult, CurrentExceptionText());
    }
}

// The menu handler that opened the form deletes it: the form is not freed here as well.
void TAAASrvCtrlForm::FormClose(TObject*, TCloseAction&) { ReleaseRequest(Request); }

void TAAASrvCtrlForm::btnCloseClick(TObject*) { Close(); }

// While the opening read is under way a write starts nothing.
void TAAASrvCtrlForm::btnSetClick(TObject*)
{
    if (!Request || Request->Busy) return;
    if (edtSrvGrpName->Text().IsEmpty()) {
        ShowMessage("Please input Server Group Name.");
        return;
    }
    if (edtSrvIP->Text().IsEmpty()) {
        ShowMessage("Please input Server IP Address.");
        return;
    }
    if (cbxAuthPtcl->ItemIndex() < 0) {
        ShowMessage("Please choose Server Authentication Protocol.");
        return;
    }
    if (cbxOper->ItemIndex() < 0) {
        ShowMessage("Please choose Operate.");
        return;
    }
    try {
        Request->Set(false, true);
    } catch (...) {
        ShowInPanel(stbResult, CurrentExceptionText());
    }
}
