#include "forms/acl/IPMaskInformation.h"

#include "forms/acl/aclformkit.h"
#include "forms/layer2/textchecks.h"
#include "mib/acl.h"

namespace {

const TResComponent kComponents[] = {
    // class        name                      parent   left top   w    h  align
    {"TStatusBar",  "StatusBar1",             nullptr,   0,   0,   0,  19, alBottom, nullptr, "50"},
    {"TPanel",      "Panel1",                 nullptr,   0,   0,  99,   0, alRight, "", nullptr, rfBevelNone},
    {"TButton",     "BT_Get",                 "Panel1", 12,  16,  75,  25, alNone, "Refresh"},
    {"TBitBtn",     "SetBtn",                 "Panel1", 12,  48,  75,  25, alNone, "Set"},
    {"TButton",     "BT_Add",                 "Panel1", 12,  80,  75,  25, alNone, "Add"},
    {"TButton",     "BT_Delete",              "Panel1", 12, 112,  75,  25, alNone, "Delete"},
    {"TPanel",      "Panel2",                 nullptr,   0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TListView",   "ListView1",              "Panel2",  0,   0,   0, 200, alTop},
    {"TLabel",      "IPIDLabel",              "Panel2", 12, 214, 185,  16, alNone, "IP Mask ID"},
    {"TEdit",       "IPIDEdit",               "Panel2", 200, 210, 125, 21},
    {"TLabel",      "Label1",                 "Panel2", 12, 242, 185,  16, alNone, "Ip Address Mask State"},
    {"TComboBox",   "IpAddMaskStateComboBox", "Panel2", 200, 238, 125, 21},
    {"TLabel",      "Label2",                 "Panel2", 12, 270, 185,  16, alNone, "Ip Address Mask Source"},
    {"TEdit",       "IpAddMaskSrcEdit",       "Panel2", 200, 266, 125, 21},
    {"TLabel",      "Label3",                 "Panel2", 12, 298, 185,  16, alNone, "Ip Address Mask Destination"},
    {"TEdit",       "IpAddMaskDstEdit",       "Panel2", 200, 294, 125, 21},
    {"TLabel",      "Label4",                 "Panel2", 12, 326, 185,  16, alNone, "Use DSCP"},
    {"TComboBox",   "UseDSCPComBo",           "Panel2", 200, 322, 125, 21},
    {"TLabel",      "Label5",                 "Panel2", 12, 354, 185,  16, alNone, "Use Protocol Type"},
    {"TComboBox",   "UseProTypeComBo",        "Panel2", 200, 350, 125, 21},
    {"TLabel",      "Label14",                "Panel2", 12, 382, 185,  16, alNone, "Row Status"},
    {"TComboBox",   "RowStatusComBo",         "Panel2", 200, 378, 125, 21},
    {"TLabel",      "Label8",                 "Panel2", 345, 214, 215,  16, alNone, "TCP Option"},
    {"TComboBox",   "TCPOptionComBo",         "Panel2", 565, 210, 125, 21},
    {"TLabel",      "Label9",                 "Panel2", 345, 242, 215,  16, alNone, "UDP Option"},
    {"TComboBox",   "UDPOptionComBo",         "Panel2", 565, 238, 125, 21},
    {"TLabel",      "Label10",                "Panel2", 345, 270, 215,  16, alNone, "TCP or UDP Srouce Port Mask"},
    {"TEdit",       "TCPUDPSrcMaskEdit",      "Panel2", 565, 266, 125, 21},
    {"TLabel",      "Label11",                "Panel2", 345, 298, 215,  16, alNone, "TCP or UDP Destination Port Mask"},
    {"TEdit",       "TCPUDPDstPortMaskEdit",  "Panel2", 565, 294, 125, 21},
    {"TLabel",      "Label15",                "Panel2", 345, 326, 215,  16, alNone, "TCP Flag Bit Option"},
    {"TComboBox",   "TCPFlagBitOptionComBo",  "Panel2", 565, 322, 125, 21},
    {"TLabel",      "Label16",                "Panel2", 345, 354, 215,  16, alNone, "TCP Flag Bit Mask (0-63)"},
    {"TEdit",       "TCPFlagBitMaskEdit",     "Panel2", 565, 350, 125, 21},
    {"TLabel",      "Label12",                "Panel2", 345, 382, 215,  16, alNone, "Protocol ID Option"},
    {"TComboBox",   "ProOptionComBo",         "Panel2", 565, 378, 125, 21},
    {"TLabel",      "Label6",                 "Panel2", 345, 410, 215,  16, alNone, "ProtoID (0-255)"},
    {"TEdit",       "ProtoIDEdit",            "Panel2", 565, 406, 125, 21},
    {"TLabel",      "Label13",                "Panel2", 345, 438, 215,  16, alNone, "Protocol ID Mask"},
    {"TEdit",       "ProIDMaskEdit",          "Panel2", 565, 434, 125, 21},
    {nullptr},
};
const TResForm kLayout = {"IPMaskInformationForm", "IP Mask Information Form", 820, 530, poMainFormCenter,
                          bsSizeable, kComponents};

enum {
    oID, oMaskState, oSrcMask, oDstMask, oUseDscp, oProtoType, oTcpOption, oUdpOption, oSrcPortMask,
    oDstPortMask, oFlagBit, oFlagBitMask, oProtoIdOption, oProtoId, oProtoIdMask, oRowStatus
};

// Port-mask option item 0 is "other".
constexpr int kOptionOther = 0;

bool AddressPasses(TEdit* edit)
{
    return ParseIpv4Text(edit->Text()) || RefuseEntry("Please input a valid ip", edit);
}

bool HexMaskPasses(TEdit* edit, int digits)
{
    return IsHexDigits(edit->Text(), digits) || RefuseEntry("Invalid Mask!", edit);
}

// Text that is no number counts as -1.
bool NumberPasses(TEdit* edit, int max)
{
    const int v = edit->Text().ToIntDef(-1);
    return (v >= 0 && v <= max) || RefuseEntry("Please input a valid value", edit);
}

}  // namespace

TIPMaskInformationForm::TIPMaskInformationForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    BT_Get = C<TButton>("BT_Get");
    SetBtn = C<TButton>("SetBtn");
    BT_Add = C<TButton>("BT_Add");
    BT_Delete = C<TButton>("BT_Delete");
    ListView1 = C<TListView>("ListView1");
    IPIDEdit = C<TEdit>("IPIDEdit");
    IpAddMaskStateComboBox = C<TComboBox>("IpAddMaskStateComboBox");
    IpAddMaskSrcEdit = C<TEdit>("IpAddMaskSrcEdit");
    IpAddMaskDstEdit = C<TEdit>("IpAddMaskDstEdit");
    UseDSCPComBo = C<TComboBox>("UseDSCPComBo");
    UseProTypeComBo = C<TComboBox>("UseProTypeComBo");
    TCPOptionComBo = C<TComboBox>("TCPOptionComBo");
    UDPOptionComBo = C<TComboBox>("UDPOptionComBo");
    TCPUDPSrcMaskEdit = C<TEdit>("TCPUDPSrcMaskEdit");
    TCPUDPDstPortMaskEdit = C<TEdit>("TCPUDPDstPortMaskEdit");
    TCPFlagBitOptionComBo = C<TComboBox>("TCPFlagBitOptionComBo");
    TCPFlagBitMaskEdit = C<TEdit>("TCPFlagBitMaskEdit");
    ProOptionComBo = C<TComboBox>("ProOptionComBo");
    ProtoIDEdit = C<TEdit>("ProtoIDEdit");
    ProIDMaskEdit = C<TEdit>("ProIDMaskEdit");
    RowStatusComBo = C<TComboBox>("RowStatusComBo");
    StatusBar1 = C<TStatusBar>("StatusBar1");
    BT_Get->OnClick = TNotifyEvent(this, &TIPMaskInformationForm::BT_GetClick);
    SetBtn->OnClick = TNotifyEvent(this, &TIPMaskInformationForm::SetBtnClick);
    BT_Add->OnClick = TNotifyEvent(this, &TIPMaskInformationForm::BT_AddClick);
    BT_Delete->OnClick = TNotifyEvent(this, &TIPMaskInformationForm::BT_DeleteClick);
    ListView1->OnClick = TNotifyEvent(this, &TIPMaskInformationForm::ListView1Click);
    OnCreate = TNotifyEvent(this, &TIPMaskInformationForm::FormCreate);
    OnClose = TCloseEvent(this, &TIPMaskInformationForm::FormClose);
    DoCreate();
}

void TIPMaskInformationForm::FormCreate(TObject*)
{
    try {
        Request = NewRequest(swACLIpEntry, MVT_UMV, 1);
        Request->Mode = 0;
        Request->BindListView(ListView1, true);
        Request->AssociateFormat(oID, "%i{n1x6l1}", IPIDEdit);
        Request->Associate(oMaskState, IpAddMaskStateComboBox);
        Request->AssociateFormat(oSrcMask, "%s", IpAddMaskSrcEdit);
        Request->AssociateFormat(oDstMask, "%s", IpAddMaskDstEdit);
        Request->Associate(oUseDscp, UseDSCPComBo);
        Request->Associate(oProtoType, UseProTypeComBo);
        Request->Associate(oTcpOption, TCPOptionComBo);
        Request->Associate(oUdpOption, UDPOptionComBo);
        Request->AssociateFormat(oSrcPortMask, "%s", TCPUDPSrcMaskEdit);
        Request->AssociateFormat(oDstPortMask, "%s", TCPUDPDstPortMaskEdit);
        Request->Associate(oFlagBit, TCPFlagBitOptionComBo);
        Request->AssociateFormat(oFlagBitMask, "%i", TCPFlagBitMaskEdit);
        Request->Associate(oProtoIdOption, ProOptionComBo);
        Request->AssociateFormat(oProtoId, "%i", ProtoIDEdit);
        Request->AssociateFormat(oProtoIdMask, "%s", ProIDMaskEdit);
        Request->Associate(oRowStatus, RowStatusComBo);
        Request->SetMessageControl(StatusBar1);
        IpAddMaskStateComboBox->SetItemIndex(0);
        UseDSCPComBo->SetItemIndex(1);
        UseProTypeComBo->SetItemIndex(0);
        TCPOptionComBo->SetItemIndex(0);
        UDPOptionComBo->SetItemIndex(0);
        TCPFlagBitOptionComBo->SetItemIndex(1);
        ProOptionComBo->SetItemIndex(1);
        RowStatusComBo->SetItemIndex(0);
        Request->Get();
        IdleState();
    } catch (...) {
        ShowInPanel(StatusBar1, CurrentExceptionText());
        IdleState();
    }
}

void TIPMaskInformationForm::FormClose(TObject*, TCloseAction& Action)
{
    ReleaseRequest(Request);
    Action = caFree;
}

void TIPMaskInformationForm::IdleState()
{
    SetBtn->SetEnabled(false);
    BT_Delete->SetEnabled(false);
    BT_Add->SetEnabled(true);
    IPIDEdit->SetEnabled(true);
    ClearIpMaskEdits();
}

void TIPMaskInformationForm::ClearIpMaskEdits()
{
    for (TEdit* e : {IPIDEdit, IpAddMaskSrcEdit, IpAddMaskDstEdit, TCPUDPSrcMaskEdit, TCPUDPDstPortMaskEdit,
                     TCPFlagBitMaskEdit, ProIDMaskEdit, ProtoIDEdit})
        e->SetText("");
}

void TIPMaskInformationForm::BT_GetClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    try {
        Request->Get();
        IdleState();
    } catch (...) {
        ShowInPanel(StatusBar1, CurrentExceptionText());
        IdleState();
    }
}

void TIPMaskInformationForm::ListView1Click(TObject*)
{
    if (!ListView1->Selected()) {
        IdleState();
        return;
    }
    SetBtn->SetEnabled(true);
    BT_Delete->SetEnabled(true);
    BT_Add->SetEnabled(false);
    IPIDEdit->SetEnabled(false);
}

// Empty fields pass every check: they are left out of the write.
bool TIPMaskInformationForm::ValidateIpMaskEntry()
{
    if (IPIDEdit->Text().IsEmpty()) return RefuseEntry("IP Mask ID must be set.", IPIDEdit);
    const AnsiString state = IpAddMaskStateComboBox->Text();
    if ((state == "src-ip-addr" || state == "dst-src-ip-addr") && !IpAddMaskSrcEdit->Text().IsEmpty() &&
        !AddressPasses(IpAddMaskSrcEdit))
        return false;
    if ((state == "dst-ip-addr" || state == "dst-src-ip-addr") && !IpAddMaskDstEdit->Text().IsEmpty() &&
        !AddressPasses(IpAddMaskDstEdit))
        return false;
    const AnsiString proto = UseProTypeComBo->Text();
    if (proto == "protocolId") {
        if (ProOptionComBo->Text() == "enable" && !ProIDMaskEdit->Text().IsEmpty() && !HexMaskPasses(ProIDMaskEdit, 8))
            return false;
        if (!ProtoIDEdit->Text().IsEmpty() && !NumberPasses(ProtoIDEdit, 255)) return false;
    }
    if (proto == "tcp" || proto == "udp") {
        auto either = [&](const char* a, const char* b) {
            for (TComboBox* c : {TCPOptionComBo, UDPOptionComBo})
                if (c->Text() == a || c->Text() == b) return true;
            return false;
        };
        if (either("dst-addr", "dst-src-addr") && !TCPUDPDstPortMaskEdit->Text().IsEmpty() &&
            !HexMaskPasses(TCPUDPDstPortMaskEdit, 4))
            return false;
        if (either("src-addr", "dst-src-addr") && !TCPUDPSrcMaskEdit->Text().IsEmpty() &&
            !HexMaskPasses(TCPUDPSrcMaskEdit, 4))
            return false;
    }
    if (proto == "tcp" && TCPFlagBitOptionComBo->Text() == "enable" && !TCPFlagBitMaskEdit->Text().IsEmpty() &&
        !NumberPasses(TCPFlagBitMaskEdit, 63))
        return false;
    return true;
}

void TIPMaskInformationForm::WriteIpMaskEntry()
{
    try {
        {
            TSavedAccessFlags flags(Request->Request.varList);
            const AnsiString state = IpAddMaskStateComboBox->Text();
            if (state == "other" || state == "dst-ip-addr") flags.LeaveOut(oSrcMask);
            if (state == "other" || state == "src-ip-addr") flags.LeaveOut(oDstMask);

            // A port mask goes when either option names its side, or neither option is "other".
            const AnsiString tcp = TCPOptionComBo->Text();
            const AnsiString udp = UDPOptionComBo->Text();
            const bool anyOther =
                TCPOptionComBo->ItemIndex() == kOptionOther || UDPOptionComBo->ItemIndex() == kOptionOther;
            auto named = [&](const char* side) {
                return tcp == side || udp == side || tcp == "dst-src-addr" || udp == "dst-src-addr";
            };
            if (anyOther && !named("src-addr")) flags.LeaveOut(oSrcPortMask);
            if (anyOther && !named("dst-addr")) flags.LeaveOut(oDstPortMask);

            if (TCPFlagBitOptionComBo->Text() == "disable") flags.LeaveOut(oFlagBitMask);
            if (ProOptionComBo->Text() == "disable") flags.LeaveOut(oProtoIdMask);

            const AnsiString proto = UseProTypeComBo->Text();
            if (proto == "none" || proto == "icmp" || proto == "igmp") {
                for (int i = oTcpOption; i <= oProtoIdMask; ++i) flags.LeaveOut(i);
            } else if (proto == "tcp") {
                for (int i : {oUdpOption, oProtoIdOption, oProtoId, oProtoIdMask}) flags.LeaveOut(i);
                if (tcp == "other") flags.LeaveOut(oTcpOption);
            } else if (proto == "udp") {
                for (int i : {oTcpOption, oFlagBit, oFlagBitMask, oProtoIdOption, oProtoId, oProtoIdMask})
                    flags.LeaveOut(i);
                if (udp == "other") flags.LeaveOut(oUdpOption);
            } else if (proto == "protocolId") {
                for (int i = oTcpOption; i <= oFlagBitMask; ++i) flags.LeaveOut(i);
            }

            const std::pair<TEdit*, int> edits[] = {
                {TCPFlagBitMaskEdit, oFlagBitMask}, {IpAddMaskSrcEdit, oSrcMask}, {IpAddMaskDstEdit, oDstMask},
                {TCPUDPSrcMaskEdit, oSrcPortMask}, {TCPUDPDstPortMaskEdit, oDstPortMask}, {ProtoIDEdit, oProtoId},
                {ProIDMaskEdit, oProtoIdMask},
            };
            for (const auto& e : edits)
                if (e.first->Text().IsEmpty()) flags.LeaveOut(e.second);
            WriteChosenObjects(Request);
        }
        Request->Get();
        IdleState();
    } catch (...) {
        ShowWriteFailure(CurrentExceptionText());
    }
}

void TIPMaskInformationForm::ShowWriteFailure(const AnsiString& text)
{
    try {
        Request->Get();
    } catch (...) {
        // The write's failure is the one to show.
    }
    IdleState();
    ShowInPanel(StatusBar1, text);
}

void TIPMaskInformationForm::SetBtnClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    if (!ValidateIpMaskEntry()) return;
    if (RowStatusComBo->ItemIndex() == kRowDestroy) BT_DeleteClick(this);
    else WriteIpMaskEntry();
}

void TIPMaskInformationForm::BT_AddClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    if (!ValidateIpMaskEntry()) return;
    if (HasListedRow(ListView1, IPIDEdit->Text())) {
        RefuseEntry("There is already a record with the same IP Mask ID. Please modified it.", IPIDEdit);
        return;
    }
    if (RowStatusComBo->ItemIndex() != kRowCreateAndGo) {
        RefuseEntry("Row Status must be createAndGo.", RowStatusComBo);
        return;
    }
    WriteIpMaskEntry();
}

void TIPMaskInformationForm::BT_DeleteClick(TObject*)
{
    if (!RequestIdle(Request)) return;
    try {
        {
            TSavedAccessFlags flags(Request->Request.varList);
            for (int i = oMaskState; i < oRowStatus; ++i) flags.LeaveOut(i);
            RowStatusComBo->SetItemIndex(kRowDestroy);
            WriteChosenObjects(Request);
        }
        Request->Get();
        IdleState();
    } catch (...) {
        ShowWriteFailure(CurrentExceptionText());
    }
}
