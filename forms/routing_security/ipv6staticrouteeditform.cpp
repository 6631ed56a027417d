#include "forms/routing_security/ipv6staticrouteeditform.h"

#include "forms/layer2/textchecks.h"
#include "forms/routing_security/ipstaticrouteeditform.h"
#include "forms/routing_security/ipv6staticrouteform.h"
#include "platform/ui/dialogs.h"

TIpv6StaticRouteEditForm* Ipv6StaticRouteEditForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class       name          parent   left top   w    h  align
    {"TLabel",     "Label1",     nullptr,  16,  16,  80,  16, alNone, "Destination"},
    {"TEdit",      "edtDst",     nullptr, 100,  14, 260,  21, alNone},
    {"TLabel",     "Label2",     nullptr,  16,  46,  80,  16, alNone, "Mask"},
    {"TEdit",      "edtMask",    nullptr, 100,  44, 260,  21, alNone},
    {"TLabel",     "Label3",     nullptr,  16,  76,  80,  16, alNone, "Next Hop"},
    {"TEdit",      "edtNextHop", nullptr, 100,  74, 260,  21, alNone},
    {"TLabel",     "Label4",     nullptr,  16, 106,  80,  16, alNone, "Metric"},
    {"TEdit",      "edtMetric",  nullptr, 100, 104, 260,  21, alNone},
    {"TLabel",     "Label5",     nullptr,  16, 136,  80,  16, alNone, "Status"},
    {"TComboBox",  "cbxStatus",  nullptr, 100, 134, 260,  21, alNone, nullptr, nullptr, rfDropDownList | rfDisabled},
    {"TButton",    "btnSet",     nullptr, 100, 176,  75,  25, alNone, "Set"},
    {"TButton",    "btnClose",   nullptr, 200, 176,  75,  25, alNone, "Close"},
    {nullptr},
};
const TResForm kLayout = {"Ipv6StaticRouteEditForm", "Ipv6 Static Route Edit", 390, 250, poMainFormCenter, bsDialog,
                          kComponents};

constexpr int kValidItem = 1;
constexpr int kMetric = 3;
const char* const kZeros = "00000000000000000000000000000000";

bool IsF(char c) { return c == 'f' || c == 'F'; }

}  // namespace

bool ParseIpv6Text(const AnsiString& text)
{
    if (IsIpv6HexText(text)) return true;
    ShowMessage("Please input a valid IPv6 address");
    return false;
}

bool ValidateIpv6Mask(const AnsiString& text)
{
    const std::string& s = text.std();
    bool fits = s.size() == 32;
    if (fits) {
        size_t i = 0;
        while (i < s.size() && IsF(s[i])) ++i;
        if (i < s.size()) {
            fits = std::string("eEcC80").find(s[i]) != std::string::npos;
            for (++i; fits && i < s.size(); ++i) fits = s[i] == '0';
        }
    }
    if (!fits) ShowMessage("Please input a valid Mask");
    return fits;
}

TIpv6StaticRouteEditForm::TIpv6StaticRouteEditForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    edtDst = C<TEdit>("edtDst");
    edtMask = C<TEdit>("edtMask");
    edtNextHop = C<TEdit>("edtNextHop");
    edtMetric = C<TEdit>("edtMetric");
    cbxStatus = C<TComboBox>("cbxStatus");
    btnSet = C<TButton>("btnSet");
    btnClose = C<TButton>("btnClose");
    btnSet->OnClick = TNotifyEvent(this, &TIpv6StaticRouteEditForm::btnSetClick);
    btnClose->OnClick = TNotifyEvent(this, &TIpv6StaticRouteEditForm::btnCloseClick);
    OnActivate = TNotifyEvent(this, &TIpv6StaticRouteEditForm::FormActivate);
    DoCreate();
}

TIpv6StaticRouteForm* TIpv6StaticRouteEditForm::ListForm() const
{
    return dynamic_cast<TIpv6StaticRouteForm*>(Owner());
}

void TIpv6StaticRouteEditForm::FormActivate(TObject*)
{
    cbxStatus->SetItemIndex(kValidItem);
    const bool add = Mode == modeAdd;
    for (TEdit* e : {edtDst, edtMask}) {
        e->SetText(add ? "" : kZeros);
        e->SetEnabled(add);
    }
    edtNextHop->SetText("");
    edtMetric->SetText("");
}

bool TIpv6StaticRouteEditForm::Fail(const AnsiString& message, TWinControl* focus)
{
    if (!message.IsEmpty()) ShowMessage(message);
    if (focus && focus->CanFocus()) focus->SetFocus();
    return false;
}

bool TIpv6StaticRouteEditForm::ValidateIpv6StaticRoute()
{
    if (Mode == modeAdd) {
        if (edtDst->Text().IsEmpty()) return Fail("Please Set Destination Address", nullptr);
        if (!ParseIpv6Text(edtDst->Text())) return Fail("", edtDst);
        if (edtMask->Text().IsEmpty()) return Fail("Please Set Mask", nullptr);
        if (!ValidateIpv6Mask(edtMask->Text())) return Fail("", edtMask);
    }
    if (edtNextHop->Text().IsEmpty()) return Fail("Please Set Next Hop Address", nullptr);
    if (!ParseIpv6Text(edtNextHop->Text())) return Fail("", edtNextHop);
    if (edtNextHop->Text() == edtDst->Text())
        return Fail("Duplicate IP address, Please input a valid Next Hop", edtNextHop);
    if (!MetricTextFits(edtMetric->Text())) return Fail("Metric should between 1-65535", edtMetric);
    return NewRouteCheck();
}

// A route whose destination, mask and next hop are listed already would be written over, its
// metric replaced without a word.
bool TIpv6StaticRouteEditForm::NewRouteCheck()
{
    TIpv6StaticRouteForm* list = ListForm();
    if (!list) return true;
    TListItems* rows = list->ListView1->Items();
    for (int i = 0; i < rows->Count(); ++i) {
        TListItem* row = rows->Item(i);
        TStrings* cells = row->SubItems();
        if (cells->Count() < 3) continue;
        if (row->Caption().UpperCase() != edtDst->Text().UpperCase() ||
            cells->Strings(0).UpperCase() != edtMask->Text().UpperCase() ||
            cells->Strings(1).UpperCase() != edtNextHop->Text().UpperCase())
            continue;
        return Fail("Has already a record with the same Destination, Mask and Next Hop (" + row->Caption() + " " +
                        cells->Strings(0) + " " + cells->Strings(1) + ", Metric " + cells->Strings(2) +
                        "). Please change one of them.",
                    edtDst->Enabled() ? edtDst : edtNextHop);
    }
    return true;
}

void TIpv6StaticRouteEditForm::btnSetClick(TObject*)
{
    if (!ValidateIpv6StaticRoute()) return;
    TIpv6StaticRouteForm* list = ListForm();
    if (!list || !list->Request) return;
    QzSNMPRequest2Edits* request = list->Request;
    TSavedAccessFlags saved(request->Request.varList);
    try {
        if (edtMetric->Text().IsEmpty()) saved.LeaveOut(kMetric);
        request->Set(false, true);
        saved.Restore();
        request->Get();
    } catch (...) {
        saved.Restore();
        ShowInMemo(list->Memo1, CurrentExceptionText());
    }
    Close();
}

void TIpv6StaticRouteEditForm::btnCloseClick(TObject*) { Close(); }
