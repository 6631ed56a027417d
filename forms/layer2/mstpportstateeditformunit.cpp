#include "forms/layer2/mstpportstateeditformunit.h"

#include <initializer_list>

#include "forms/layer2/mstpportstateformunit.h"

TMSTPPortStateEditForm* MSTPPortStateEditForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class        name                 parent   left top    w    h  align
    {"TLabel",      "Label1",            nullptr,   16,  18, 120,  16, alNone, "Port Index"},
    {"TEdit",       "edtPortIndex",      nullptr,  140,  16, 110,  21, alNone},
    {"TLabel",      "Label2",            nullptr,   16,  48, 120,  16, alNone, "Port Number"},
    {"TEdit",       "edtPortNumber",     nullptr,  140,  46, 110,  21, alNone},
    {"TLabel",      "Label3",            nullptr,   16,  78, 120,  16, alNone, "Admin Hello Time"},
    {"TEdit",       "edtAdminHelloTime", nullptr,  140,  76, 110,  21, alNone},
    {"TLabel",      "Label4",            nullptr,   16, 108, 120,  16, alNone, "Operate Hello Time"},
    {"TEdit",       "edtOperHelloTime",  nullptr,  140, 106, 110,  21, alNone},
    {"TLabel",      "Label5",            nullptr,   16, 138, 120,  16, alNone, "Port Enable"},
    {"TComboBox",   "cbxPortEnable",     nullptr,  140, 136, 110,  21, alNone, nullptr, nullptr, rfDropDownList},
    {"TLabel",      "Label6",            nullptr,   16, 168, 120,  16, alNone, "External Path Cost"},
    {"TEdit",       "edtExtPathCost",    nullptr,  140, 166, 110,  21, alNone},
    {"TLabel",      "Label7",            nullptr,  272,  18, 120,  16, alNone, "Migration"},
    {"TComboBox",   "cbxMigration",      nullptr,  396,  16, 110,  21, alNone, nullptr, nullptr, rfDropDownList},
    {"TLabel",      "Label8",            nullptr,  272,  48, 120,  16, alNone, "Admin Edge"},
    {"TComboBox",   "cbxAdminEdgePort",  nullptr,  396,  46, 110,  21, alNone, nullptr, nullptr, rfDropDownList},
    {"TLabel",      "Label9",            nullptr,  272,  78, 120,  16, alNone, "Operate Edge"},
    {"TComboBox",   "cbxOperEdgePort",   nullptr,  396,  76, 110,  21, alNone, nullptr, nullptr, rfDropDownList},
    {"TLabel",      "Label10",           nullptr,  272, 108, 120,  16, alNone, "Admin P2P"},
    {"TComboBox",   "cbxAdminP2P",       nullptr,  396, 106, 110,  21, alNone, nullptr, nullptr, rfDropDownList},
    {"TLabel",      "Label11",           nullptr,  272, 138, 120,  16, alNone, "Operate P2P"},
    {"TComboBox",   "cbxOperP2P",        nullptr,  396, 136, 110,  21, alNone, nullptr, nullptr, rfDropDownList},
    {"TLabel",      "Label12",           nullptr,  272, 168, 120,  16, alNone, "Loopback Detection"},
    {"TComboBox",   "cbxSTPlbd",         nullptr,  396, 166, 110,  21, alNone, nullptr, nullptr, rfDropDownList},
    {"TButton",     "btnEdit",           nullptr,  350, 208,  75,  25, alNone, "Set"},
    {"TButton",     "btnClose",          nullptr,  431, 208,  75,  25, alNone, "Close"},
    {nullptr},
};
const TResForm kLayout = {"MSTPPortStateEditForm", "MSTP Port State Edit ", 530, 250, poMainFormCenter, bsDialog,
                          kComponents};

constexpr int kAdminHelloTime = 2;

}  // namespace

TMSTPPortStateEditForm::TMSTPPortStateEditForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    edtPortIndex = C<TEdit>("edtPortIndex");
    edtPortNumber = C<TEdit>("edtPortNumber");
    edtAdminHelloTime = C<TEdit>("edtAdminHelloTime");
    edtOperHelloTime = C<TEdit>("edtOperHelloTime");
    cbxPortEnable = C<TComboBox>("cbxPortEnable");
    edtExtPathCost = C<TEdit>("edtExtPathCost");
    cbxMigration = C<TComboBox>("cbxMigration");
    cbxAdminEdgePort = C<TComboBox>("cbxAdminEdgePort");
    cbxOperEdgePort = C<TComboBox>("cbxOperEdgePort");
    cbxAdminP2P = C<TComboBox>("cbxAdminP2P");
    cbxOperP2P = C<TComboBox>("cbxOperP2P");
    cbxSTPlbd = C<TComboBox>("cbxSTPlbd");
    btnEdit = C<TButton>("btnEdit");
    btnClose = C<TButton>("btnClose");
    btnEdit->OnClick = TNotifyEvent(this, &TMSTPPortStateEditForm::btnEditClick);
    btnClose->OnClick = TNotifyEvent(this, &TMSTPPortStateEditForm::btnCloseClick);
    OnActivate = TNotifyEvent(this, &TMSTPPortStateEditForm::FormActivate);
}

void TMSTPPortStateEditForm::FormActivate(TObject*)
{
    for (TControl* c : std::initializer_list<TControl*>{edtPortIndex, edtPortNumber, edtOperHelloTime,
                                                         cbxOperEdgePort, cbxOperP2P})
        c->SetEnabled(false);
}

void TMSTPPortStateEditForm::btnEditClick(TObject*)
{
    TMSTPPortStateForm* list = MSTPPortStateForm;
    if (!list || !list->PortRequest) return;
    QzSNMPRequest2Edits* r = list->PortRequest;
    if (r->Busy) return;  // a write is still on its way
    try {
        const AnsiString version = list->lblSTPVersion->Caption();
        if (version == "stp" || version == "rstp") {
            // Only MSTP takes a port's hello time; the flags come back on every path out.
            TSavedAccessFlags saved(r->Request.varList);
            saved.LeaveOut(kAdminHelloTime);
            r->Request.enabled = true;
            r->Set(false, true);
            saved.Restore();
            r->Get();
        } else {
            r->Request.enabled = true;
            r->Set(true, true);
        }
    } catch (...) {
        ShowInMemo(list->memMsg, CurrentExceptionText());
    }
    Close();
}

void TMSTPPortStateEditForm::btnCloseClick(TObject*) { Close(); }
