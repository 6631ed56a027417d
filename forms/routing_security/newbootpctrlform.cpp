#include "forms/routing_security/newbootpctrlform.h"

#include "forms/routing_security/bootctrltableform.h"
#include "platform/ui/dialogs.h"

TNewBootpCtrlForm* NewBootpCtrlForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class      name        parent    left top   w    h  align
    {"TPanel",    "Panel1",   nullptr,    0,   0,   0,  44, alBottom, "", nullptr, rfBevelNone},
    {"TBitBtn",   "DeleteBtn", "Panel1",  60,  10,  75,  25, alNone, "Set"},
    {"TBitBtn",   "BitBtn1",  "Panel1",  160,  10,  75,  25, alNone, "Close"},
    {"TPanel",    "Panel2",   nullptr,    0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TLabel",    "Label1",   "Panel2",  16,  18, 100,  16, alNone, "Interface Name"},
    {"TEdit",     "Edit1",    "Panel2", 120,  16, 160,  21, alNone},
    {"TLabel",    "Label2",   "Panel2",  16,  50, 100,  16, alNone, "Bootp Server IP"},
    {"TEdit",     "Edit2",    "Panel2", 120,  48, 160,  21, alNone},
    {nullptr},
};
const TResForm kLayout = {"NewBootpCtrlForm", "New Bootp Ctrl Entry", 310, 170, poMainFormCenter, bsDialog,
                          kComponents};

constexpr int kServersPerInterface = 4;
constexpr int kValidItem = 1;

}  // namespace

TNewBootpCtrlForm::TNewBootpCtrlForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    DeleteBtn = C<TBitBtn>("DeleteBtn");
    BitBtn1 = C<TBitBtn>("BitBtn1");
    Edit1 = C<TEdit>("Edit1");
    Edit2 = C<TEdit>("Edit2");
    DeleteBtn->OnClick = TNotifyEvent(this, &TNewBootpCtrlForm::DeleteBtnClick);
    BitBtn1->OnClick = TNotifyEvent(this, &TNewBootpCtrlForm::BitBtn1Click);
    OnCreate = TNotifyEvent(this, &TNewBootpCtrlForm::FormCreate);
    OnActivate = TNotifyEvent(this, &TNewBootpCtrlForm::FormActivate);
    DoCreate();
}

TBOOTCtrlTableForm* TNewBootpCtrlForm::ListForm() const { return dynamic_cast<TBOOTCtrlTableForm*>(Owner()); }

void TNewBootpCtrlForm::FormCreate(TObject*) { activated_ = false; }

void TNewBootpCtrlForm::FormActivate(TObject*)
{
    Edit1->SetEnabled(true);
    Edit2->SetEnabled(true);
    if (activated_) return;
    activated_ = true;
    Edit1->SetText("");
    Edit2->SetText("");
}

void TNewBootpCtrlForm::DeleteBtnClick(TObject*)
{
    TBOOTCtrlTableForm* list = ListForm();
    if (!list || !list->Request || list->Request->Busy) return;
    int servers = 0;
    for (int i = 0; i < list->ListView1->Items()->Count(); ++i) {
        if (list->ListView1->Items()->Item(i)->Caption() != Edit1->Text()) continue;
        if (++servers >= kServersPerInterface) {
            MessageDlg("One interface can support four bootp servers at most.", mtWarning, TMsgDlgButtons() << mbOK, 0);
            return;
        }
    }
    try {
        list->ComboBox1->SetItemIndex(kValidItem);
        list->Request->Set(true, true);
    } catch (...) {
        ShowInMemo(list->Memo1, CurrentExceptionText());
    }
    Edit1->SetText("");
    Edit2->SetText("");
    Close();
}

void TNewBootpCtrlForm::BitBtn1Click(TObject*) { Close(); }
