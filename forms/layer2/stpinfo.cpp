#include "forms/layer2/stpinfo.h"

#include <memory>

#include "mainwindow/mainunit.h"
#include "mainwindow/progressunit.h"
#include "mib/stpforms.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/sysutils.h"

TSTP_Info* STP_Info = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class        name                parent   left top    w    h  align
    {"TStatusBar",  "StatusBar1",       nullptr,    0,   0,   0,  19, alBottom, nullptr, "50"},
    {"TLabel",      "Label5",           nullptr,   16,  16, 180,  16, alNone, "STP Version"},
    {"TComboBox",   "Combo_STPVersion", nullptr,  200,  12, 120,  21, alNone, nullptr, nullptr, rfDropDownList},
    {"TLabel",      "Label2",           nullptr,   16,  44, 180,  16, alNone, "Maxi Age (600-4000)"},
    {"TEdit",       "ET_AgingTime",     nullptr,  200,  40, 120,  21, alNone},
    {"TLabel",      "Label3",           nullptr,   16,  72, 180,  16, alNone, "Hello Time(100-1000)"},
    {"TEdit",       "ET_HelloTime",     nullptr,  200,  68, 120,  21, alNone},
    {"TLabel",      "Label4",           nullptr,   16, 100, 180,  16, alNone, "Forward Delay(400-3000)"},
    {"TEdit",       "ET_ForwardDelay",  nullptr,  200,  96, 120,  21, alNone},
    {"TLabel",      "Label1",           nullptr,   16, 128, 180,  16, alNone, "Max Hops[1-20]"},
    {"TEdit",       "ET_Priority",      nullptr,  200, 124, 120,  21, alNone},
    {"TLabel",      "Label6",           nullptr,   16, 156, 180,  16, alNone, "TX Hold Count (1-10)"},
    {"TEdit",       "ED_TxHoldCount",   nullptr,  200, 152, 120,  21, alNone},
    {"TLabel",      "Label7",           nullptr,   16, 184, 180,  16, alNone, "Forwarding BPDU"},
    {"TComboBox",   "Combo_BPDU",       nullptr,  200, 180, 120,  21, alNone, nullptr, nullptr, rfDropDownList},
    {"TLabel",      "Label8",           nullptr,   16, 212, 180,  16, alNone, "Stp LBD"},
    {"TComboBox",   "Combo_LBD",        nullptr,  200, 208, 120,  21, alNone, nullptr, nullptr, rfDropDownList},
    {"TLabel",      "Label9",           nullptr,   16, 240, 180,  16, alNone, "Stp LBD Recover time"},
    {"TEdit",       "ET_LBDRecover",    nullptr,  200, 236, 120,  21, alNone},
    {"TLabel",      "Label10",          nullptr,   16, 270, 330,  16, alNone, "Max Age>= 2*(Hello Time + 100)"},
    {"TLabel",      "Label11",          nullptr,   16, 290, 330,  16, alNone, "Notes : 2*(Forward Delay - 100) >= Max Age"},
    {"TButton",     "BT_Get",           nullptr,  340,  12,  75,  25, alNone, "Refresh"},
    {"TButton",     "BT_Set",           nullptr,  340,  46,  75,  25, alNone, "Set"},
    {"TLabel",      "lbMSTPState",      nullptr,  340, 100,  60,  16, alNone, "", nullptr, rfHidden},
    {"TListView",   "ListView1",        nullptr,  340, 130,  60,  60, alNone, nullptr, nullptr, rfHidden},
    {nullptr},
};
const TResForm kLayout = {"STP_Info", "Spanning Tree Information", 440, 360, poMainFormCenter, bsSingle, kComponents};

}  // namespace

TSTP_Info::TSTP_Info(TComponent* Owner) : TFeatureFormBase(Owner, kLayout, fscNone)
{
    Combo_STPVersion = C<TComboBox>("Combo_STPVersion");
    ET_AgingTime = C<TEdit>("ET_AgingTime");
    ET_HelloTime = C<TEdit>("ET_HelloTime");
    ET_ForwardDelay = C<TEdit>("ET_ForwardDelay");
    ET_Priority = C<TEdit>("ET_Priority");
    ED_TxHoldCount = C<TEdit>("ED_TxHoldCount");
    Combo_BPDU = C<TComboBox>("Combo_BPDU");
    Combo_LBD = C<TComboBox>("Combo_LBD");
    ET_LBDRecover = C<TEdit>("ET_LBDRecover");
    lbMSTPState = C<TLabel>("lbMSTPState");
    ListView1 = C<TListView>("ListView1");
    BT_Get = C<TButton>("BT_Get");
    BT_Set = C<TButton>("BT_Set");
    StatusBar1 = C<TStatusBar>("StatusBar1");
    BT_Get->OnClick = TNotifyEvent(this, &TSTP_Info::BT_GetClick);
    BT_Set->OnClick = TNotifyEvent(this, &TSTP_Info::BT_SetClick);
    Combo_STPVersion->OnChange = TNotifyEvent(this, &TSTP_Info::Combo_STPVersionChange);
    OnCreate = TNotifyEvent(this, &TSTP_Info::FormCreate);
    DoCreate();
}

AnsiString TSTP_Info::MainVersion() const
{
    return MainForm && MainForm->ST_STPVersion ? MainForm->ST_STPVersion->Caption() : AnsiString();
}

void TSTP_Info::HelloTimeEditable(bool editable, const AnsiString& text)
{
    ET_HelloTime->SetEnabled(editable);
    ET_HelloTime->SetColor(editable ? clWindow : clMenu);
    ET_HelloTime->SetText(text);
}

void TSTP_Info::FormCreate(TObject*)
{
    try {
        SetCaption("Spanning Tree Control : " + (MainForm ? MainForm->AgentAddress : AnsiString()));
        TStatusPanel* panel = StatusBar1->Panels()->Items(0);

        MSTPRequest = NewRequest(swMSTPCtrl, SVT_SV, 0);
        MSTPRequest->Mode = 0;
        MSTPRequest->Request.timeout = 300;
        MSTPRequest->BindListView(ListView1, true);
        MSTPRequest->SetMessageControl(panel);

        StateRequest = NewRequest(swL2DevCtrlStpState, SVT_SV, 0);
        StateRequest->Mode = 0;
        StateRequest->Associate(0, lbMSTPState);
        StateRequest->SetMessageControl(panel);

        STPRequest = NewRequest(swSTPCtrl, SVT_SV, 0);
        STPRequest->Mode = 0;
        STPRequest->Request.timeout = 300;
        STPRequest->Associate(0, Combo_STPVersion);
        STPRequest->AssociateFormat(1, "%i{n600x4000l4a}", ET_AgingTime);
        STPRequest->AssociateFormat(2, "%i{n100x1000l4a}", ET_HelloTime);
        STPRequest->AssociateFormat(3, "%i{n400x3000l4a}", ET_ForwardDelay);
        STPRequest->AssociateFormat(4, "%i{n1x20l2a}", ET_Priority);
        STPRequest->AssociateFormat(5, "%i{n1x10l2a}", ED_TxHoldCount);
        STPRequest->Associate(6, Combo_BPDU);
        STPRequest->Associate(7, Combo_LBD);
        STPRequest->AssociateFormat(8, "%i", ET_LBDRecover);
        STPRequest->SetMessageControl(panel);

        MSTPRequest->Get();
        StateRequest->Get();
        STPRequest->Get();
        if (MainVersion() == "mstp") HelloTimeEditable(false, "");
    } catch (...) {
        if (STPRequest) STPRequest->ShowResult(CurrentExceptionText());
        else ShowInPanel(StatusBar1, CurrentExceptionText());
    }
}

void TSTP_Info::BT_GetClick(TObject*)
{
    try {
        if (MainVersion() == "mstp") {
            STPRequest->Get();
            MSTPRequest->Get();
            StateRequest->Get();
            HelloTimeEditable(false, "");
        } else {
            STPRequest->Get();
            StateRequest->Get();
            ET_HelloTime->SetEnabled(true);
            ET_HelloTime->SetColor(clWindow);
        }
    } catch (...) {
        STPRequest->ShowResult(CurrentExceptionText());
    }
}

void TSTP_Info::Combo_STPVersionChange(TObject*)
{
    if (Combo_STPVersion->Text() == "mstp") HelloTimeEditable(false, "");
    else HelloTimeEditable(true, "200");
}

void TSTP_Info::Refuse(const AnsiString& text) { ShowInPanel(StatusBar1, text); }

void TSTP_Info::BT_SetClick(TObject*)
{
    const AnsiString version = Combo_STPVersion->Text();
    bool written = false;
    try {
        const int h = StrToInt(ET_Priority->Text());
        const int a = StrToInt(ET_AgingTime->Text());
        const int f = StrToInt(ET_ForwardDelay->Text());
        const int r = StrToIntDef(ET_LBDRecover->Text(), -1);
        if (ET_Priority->Text().IsEmpty() || ET_AgingTime->Text().IsEmpty() || ET_ForwardDelay->Text().IsEmpty() ||
            ET_LBDRecover->Text().IsEmpty())
            return Refuse("Don't Leave Empty Fileds !");
        if (a > 2 * f - 200) return Refuse("Data Error !");
        if (h > 65535) return Refuse("Priority value is wrong!");
        if (r != 0 && (r < 60 || r > 1000000)) {
            Refuse("LBD recover time value is wrong!");
            ShowMessage("LBD recover time should be equal to 0 or between 60-1000000");
            return;
        }
        if (version == "mstp") {
            // The hidden row of the MSTP group carries the values; without it there is nothing
            // to write into.
            if (ListView1->Items()->Count() == 0) return Refuse("Get data not complete");
            TListItem* row = ListView1->Items()->Item(0);
            ListView1->SetSelected(row);
            row->SetCaption(version);
            const AnsiString cells[] = {IntToStr(a),          IntToStr(f),       IntToStr(h),
                                        ED_TxHoldCount->Text(), Combo_BPDU->Text(), Combo_LBD->Text(),
                                        ET_LBDRecover->Text()};
            TStrings* sub = row->SubItems();
            for (int k = 0; k < 7; ++k) {
                if (k < sub->Count()) sub->Put(k, cells[k]);
                else sub->Add(cells[k]);
            }
            MSTPRequest->Set(true, true);
        } else {
            if (ET_HelloTime->Text().IsEmpty()) return Refuse("Don't Leave Empty Fileds !");
            const int e = StrToInt(ET_HelloTime->Text());
            if (a < 2 * e + 200) return Refuse("Data Error !");
            STPRequest->Set(true, true);
        }
        written = true;
        if (version != MainVersion() && lbMSTPState->Caption() == "enabled") {
            struct Shown {
                std::unique_ptr<TProgressForm2> form;
                ~Shown() { ProgressForm2 = nullptr; }
            } shown{std::unique_ptr<TProgressForm2>(new TProgressForm2(Application, this))};
            ProgressForm2 = shown.form.get();
            ProgressForm2->SetCaption("Set STP Progress");
            ProgressForm2->LB_Prompt->SetCaption("Change STP Version is doing...");
            ProgressForm2->ShowModal();
        }
    } catch (...) {
        STPRequest->ShowResult(CurrentExceptionText());
    }
    // The main window believes only in a version the switch took.
    if (written && MainForm && MainForm->ST_STPVersion) MainForm->ST_STPVersion->SetCaption(version);
}
