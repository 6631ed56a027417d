#include "forms/routing_security/ipstaticrouteeditform.h"

#include "forms/layer2/textchecks.h"
#include "forms/routing_security/ipstaticrouteform.h"
#include "mainwindow/mainunit.h"
#include "platform/ui/dialogs.h"

#include <string>
#include <vector>

TIpStaticRouteEditForm* IpStaticRouteEditForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class       name              parent   left top   w    h  align
    {"TLabel",     "lblDest",        nullptr,  16,  16,  90,  16, alNone, "Destination"},
    {"TEdit",      "DesEdit",        nullptr, 112,  14, 160,  21, alNone},
    {"TLabel",     "lblMask",        nullptr,  16,  46,  90,  16, alNone, "Mask"},
    {"TEdit",      "MaskEdit",       nullptr, 112,  44, 160,  21, alNone},
    {"TLabel",     "lblBakeup",      nullptr,  16,  76,  90,  16, alNone, "Bakeup State"},
    {"TComboBox",  "BakeupComboBox", nullptr, 112,  74, 160,  21, alNone, nullptr, nullptr, rfDropDownList},
    {"TLabel",     "lblNextHop",     nullptr,  16, 106,  90,  16, alNone, "Next Hop"},
    {"TEdit",      "NextHopEdit",    nullptr, 112, 104, 160,  21, alNone},
    {"TLabel",     "lblMetric",      nullptr,  16, 136,  90,  16, alNone, "Metric"},
    {"TEdit",      "MetricEdit",     nullptr, 112, 134, 160,  21, alNone},
    {"TLabel",     "lblStatus",      nullptr,  16, 166,  90,  16, alNone, "Status"},
    {"TComboBox",  "StatusComboBox", nullptr, 112, 164, 160,  21, alNone, nullptr, nullptr, rfDropDownList},
    {"TButton",    "SetButton",      nullptr,  60, 204,  75,  25, alNone, "Set"},
    {"TButton",    "CloseButton",    nullptr, 160, 204,  75,  25, alNone, "Close"},
    {nullptr},
};
const TResForm kLayout = {"IpStaticRouteEditForm", "Ip Static Route Edit", 300, 280, poMainFormCenter, bsDialog,
                          kComponents};

constexpr int kPrimaryItem = 0;
constexpr int kValidItem = 1;
constexpr int kMetric = 4;

}  // namespace

bool ValidateIpv4Mask(const AnsiString& text)
{
    for (const char* mask : {"255.0.0.0", "255.255.0.0", "255.255.255.0", "255.255.255.255"})
        if (text == mask) return true;
    ShowMessage("Please input a valid mask");
    return false;
}

bool MetricTextFits(const AnsiString& text)
{
    if (text.IsEmpty()) return true;
    const int metric = text.ToIntDef(-1);
    return metric >= 1 && metric <= 65535;
}

TIpStaticRouteEditForm::TIpStaticRouteEditForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    DesEdit = C<TEdit>("DesEdit");
    MaskEdit = C<TEdit>("MaskEdit");
    BakeupComboBox = C<TComboBox>("BakeupComboBox");
    NextHopEdit = C<TEdit>("NextHopEdit");
    MetricEdit = C<TEdit>("MetricEdit");
    StatusComboBox = C<TComboBox>("StatusComboBox");
    SetButton = C<TButton>("SetButton");
    CloseButton = C<TButton>("CloseButton");
    SetButton->OnClick = TNotifyEvent(this, &TIpStaticRouteEditForm::SetButtonClick);
    CloseButton->OnClick = TNotifyEvent(this, &TIpStaticRouteEditForm::CloseButtonClick);
    OnActivate = TNotifyEvent(this, &TIpStaticRouteEditForm::FormActivate);
    DoCreate();
}

TIpStaticRouteForm* TIpStaticRouteEditForm::ListForm() const { return dynamic_cast<TIpStaticRouteForm*>(Owner()); }

void TIpStaticRouteEditForm::FormActivate(TObject*)
{
    switch (Mode) {
    case modeEdit:
        DesEdit->SetEnabled(false);
        MaskEdit->SetEnabled(false);
        StatusComboBox->SetEnabled(false);
        break;
    case modeAdd:
        DesEdit->SetEnabled(true);
        MaskEdit->SetEnabled(true);
        // A default route before this one left the backup state locked.
        BakeupComboBox->SetEnabled(true);
        StatusComboBox->SetEnabled(false);
        for (TEdit* e : {DesEdit, MaskEdit, NextHopEdit, MetricEdit}) e->SetText("");
        StatusComboBox->SetItemIndex(kValidItem);
        break;
    case modeDefaultRoute:
        DesEdit->SetText("0.0.0.0");
        DesEdit->SetEnabled(false);
        MaskEdit->SetText("0.0.0.0");
        MaskEdit->SetEnabled(false);
        BakeupComboBox->SetItemIndex(kPrimaryItem);
        BakeupComboBox->SetEnabled(false);
        NextHopEdit->SetText("");
        MetricEdit->SetText("");
        StatusComboBox->SetItemIndex(kValidItem);
        StatusComboBox->SetEnabled(false);
        break;
    }
}

bool TIpStaticRouteEditForm::Fail(const AnsiString& message, TWinControl* focus)
{
    if (!message.IsEmpty()) ShowMessage(message);
    if (focus && focus->CanFocus()) focus->SetFocus();
    return false;
}

bool TIpStaticRouteEditForm::AddCheck()
{
    desText_ = DesEdit->Text();
    if (desText_.IsEmpty()) return Fail("Destination Ip should be Set!", DesEdit);
    if (desText_.Length() > 16) return Fail("Ip should be 16 bit", DesEdit);
    if (desText_ == "0.0.0.0") {
        const int answer = PlatformMessageBox(
            "If you want to add a default route which Destination ip and Mask both are 0.0.0.0, you should use Add "
            "Default Route button. If not, you can not add a static route with 0.0.0.0 as Mask. Do you want to add a "
            "defaut route?",
            Application->Title(), MB_ICONQUESTION | MB_OKCANCEL);
        if (answer == IDOK) {
            Close();
            return false;
        }
        return Fail("", DesEdit);
    }
    if (desText_ == "255.255.255.255") return Fail("Destination ip can not be 255.255.255.255", DesEdit);
    if (!ParseIpv4Text(desText_)) return Fail("Please input a valid ip", DesEdit);
    maskText_ = MaskEdit->Text();
    if (maskText_.IsEmpty()) return Fail("Mask should be Set", MaskEdit);
    if (maskText_.Length() > 16) return Fail("Ip should be 16 bit", MaskEdit);
    if (!ValidateIpv4Mask(maskText_)) return Fail("", MaskEdit);
    return DefaultRouteCheck();
}

bool TIpStaticRouteEditForm::DefaultRouteCheck()
{
    nextHopText_ = NextHopEdit->Text();
    if (nextHopText_.IsEmpty()) return Fail("Next Hop should be Set", NextHopEdit);
    if (nextHopText_.Length() > 16) return Fail("Next Hop should be 16 bit", NextHopEdit);
    if (nextHopText_ == "0.0.0.0") return Fail("Next Hop can not be 0.0.0.0", NextHopEdit);
    if (MainForm && nextHopText_ == MainForm->AgentAddress) return Fail("Next Hop can not be itself", NextHopEdit);
    if (!ParseIpv4Text(nextHopText_)) return Fail("Please input a valid ip", NextHopEdit);
    if (!MetricCheck()) return false;
    if (StatusComboBox->ItemIndex() != kValidItem) return Fail("Status should be createAndGo!", StatusComboBox);
    return true;
}

namespace {

// The four numbers of a dotted address; a typed "010" names the same address as "10".
std::vector<int> Ipv4Numbers(const AnsiString& text)
{
    std::vector<int> out;
    std::string group;
    for (char c : text.std() + ".") {
        if (c != '.') {
            group += c;
            continue;
        }
        out.push_back(AnsiString(group.c_str()).ToIntDef(-1));
        group.clear();
    }
    return out;
}

AnsiString Cell(TListItem* row, int column)
{
    if (column == 0) return row->Caption();
    return row->SubItems()->Count() >= column ? row->SubItems()->Strings(column - 1) : AnsiString();
}

}  // namespace

// A route whose destination, mask and backup state are listed already would be written over,
// its next hop and metric replaced without a word.
bool TIpStaticRouteEditForm::NewRouteCheck()
{
    TIpStaticRouteForm* list = ListForm();
    if (!list) return true;
    TListItems* rows = list->ListView1->Items();
    for (int i = 0; i < rows->Count(); ++i) {
        TListItem* row = rows->Item(i);
        if (Ipv4Numbers(Cell(row, 0)) != Ipv4Numbers(DesEdit->Text()) ||
            Ipv4Numbers(Cell(row, 1)) != Ipv4Numbers(MaskEdit->Text()) || Cell(row, 2) != BakeupComboBox->Text())
            continue;
        return Fail("Has already a record with the same Destination, Mask and Bakeup State (" + Cell(row, 0) + " " +
                        Cell(row, 1) + " " + Cell(row, 2) + ", Next Hop " + Cell(row, 3) + ", Metric " +
                        Cell(row, 4) + "). Please change one of them.",
                    DesEdit->Enabled() ? DesEdit : NextHopEdit);
    }
    return true;
}

bool TIpStaticRouteEditForm::MetricCheck()
{
    if (!MetricTextFits(MetricEdit->Text())) return Fail("Metric should between 1-65535", MetricEdit);
    return true;
}

void TIpStaticRouteEditForm::SetButtonClick(TObject*)
{
    const bool passed = Mode == modeEdit ? MetricCheck() : Mode == modeAdd ? AddCheck() : DefaultRouteCheck();
    if (!passed || (Mode != modeEdit && !NewRouteCheck())) return;
    TIpStaticRouteForm* list = ListForm();
    if (!list || !list->Request) return;
    QzSNMPRequest2Edits* request = list->Request;
    TSavedAccessFlags saved(request->Request.varList);
    try {
        if (MetricEdit->Text().IsEmpty()) saved.LeaveOut(kMetric);
        request->Set(false, true);
        saved.Restore();
        request->Get();
    } catch (...) {
        saved.Restore();
        ShowInMemo(list->Memo1, CurrentExceptionText());
    }
    Close();
}

void TIpStaticRouteEditForm::CloseButtonClick(TObject*) { Close(); }
