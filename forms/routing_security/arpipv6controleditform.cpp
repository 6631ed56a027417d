#include "forms/routing_security/arpipv6controleditform.h"

#include "forms/layer2/textchecks.h"
#include "forms/routing_security/arpipv6controlform.h"
#include "forms/routing_security/ipv6staticrouteeditform.h"
#include "platform/ui/dialogs.h"

TARPIPv6ControlEditForm* ARPIPv6ControlEditForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class       name          parent   left top   w    h  align
    {"TLabel",     "Label1",     nullptr,  16,  16,  90,  16, alNone, "Index"},
    {"TEdit",      "edtIndex",   nullptr, 110,  14, 250,  21, alNone},
    {"TLabel",     "Label2",     nullptr,  16,  46,  90,  16, alNone, "IPV6 Address"},
    {"TEdit",      "edtAddress", nullptr, 110,  44, 250,  21, alNone},
    {"TLabel",     "Label4",     nullptr,  16,  76,  90,  16, alNone, "Mac Address"},
    {"TEdit",      "edtMac",     nullptr, 110,  74, 250,  21, alNone},
    {"TLabel",     "Label5",     nullptr,  16, 106,  90,  16, alNone, "Type"},
    {"TComboBox",  "cbxType",    nullptr, 110, 104, 250,  21, alNone, nullptr, nullptr, rfDropDownList | rfDisabled},
    {"TButton",    "btnSet",     nullptr, 100, 146,  75,  25, alNone, "Set"},
    {"TButton",    "btnClose",   nullptr, 200, 146,  75,  25, alNone, "Close"},
    {nullptr},
};
const TResForm kLayout = {"ARPIPv6ControlEditForm", "IPV6 ARP Control Edit", 390, 220, poMainFormCenter, bsDialog,
                          kComponents};

constexpr int kStaticItem = 3;

}  // namespace

bool ValidateMacText(const AnsiString& text)
{
    const THexTextCheck check = text.IsEmpty() ? htBadDigit : CheckMacText(text);
    if (check == htBadDigit) ShowMessage("Invalid Macaddrss");
    if (check == htBadLength) ShowMessage("Invalid Macaddress");
    return check == htOk;
}

TARPIPv6ControlEditForm::TARPIPv6ControlEditForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    edtIndex = C<TEdit>("edtIndex");
    edtAddress = C<TEdit>("edtAddress");
    edtMac = C<TEdit>("edtMac");
    cbxType = C<TComboBox>("cbxType");
    btnSet = C<TButton>("btnSet");
    btnClose = C<TButton>("btnClose");
    btnSet->OnClick = TNotifyEvent(this, &TARPIPv6ControlEditForm::btnSetClick);
    btnClose->OnClick = TNotifyEvent(this, &TARPIPv6ControlEditForm::btnCloseClick);
    OnActivate = TNotifyEvent(this, &TARPIPv6ControlEditForm::FormActivate);
    DoCreate();
}

TARPIPV6ControlForm* TARPIPv6ControlEditForm::ListForm() const
{
    return dynamic_cast<TARPIPV6ControlForm*>(Owner());
}

void TARPIPv6ControlEditForm::FormActivate(TObject*)
{
    cbxType->SetItemIndex(kStaticItem);
    edtIndex->SetText("5121");
    edtIndex->SetEnabled(false);
    edtAddress->SetText("");
    edtMac->SetText("");
    cbxType->SetEnabled(false);
}

bool TARPIPv6ControlEditForm::Fail(const AnsiString& message, TWinControl* focus)
{
    if (!message.IsEmpty()) ShowMessage(message);
    if (focus && focus->CanFocus()) focus->SetFocus();
    return false;
}

bool TARPIPv6ControlEditForm::Check()
{
    if (edtIndex->Text().IsEmpty()) return Fail("Please input an index first", edtIndex);
    const int index = edtIndex->Text().ToIntDef(-1);
    if (index < 1 || index > 65535) return Fail("Index should between 1-65535", edtIndex);
    if (edtAddress->Text().IsEmpty()) return Fail("Please Set IPV6Address", nullptr);
    if (!ParseIpv6Text(edtAddress->Text())) return Fail("", edtAddress);
    if (edtMac->Text().IsEmpty()) return Fail("Please Set Mac Address", nullptr);
    if (!ValidateMacText(edtMac->Text())) return Fail("", edtMac);
    return true;
}

void TARPIPv6ControlEditForm::btnSetClick(TObject*)
{
    if (!Check()) return;
    TARPIPV6ControlForm* list = ListForm();
    if (!list || !list->Request) return;
    try {
        list->Request->Set(false, true);
        list->Request->Get();
    } catch (...) {
        ShowInMemo(list->Memo1, CurrentExceptionText());
    }
    Close();
}

void TARPIPv6ControlEditForm::btnCloseClick(TObject*) { Close(); }
