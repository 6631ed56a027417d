// Descriptor tables of the table commands of the "Single IP" menu.
#include "common/qzoptionlist.h"
#include "mib/mibareas.h"
#include "mib/mibshared.h"
#include "snmpvars/uisnmpvar.h"

namespace {

// SingleIPControl1: "Single IP Control"
const QzOptionEntry kSingleIPRole[] = {{1, "cs"}, {2, "cas"}, {3, "mS"}, {0, nullptr}};
QzOptionList SingleIPRoleOptions(kSingleIPRole);
const UISnmpVar SingleIPControl1Vars[] = {
    {"1.3.6.1.4.1.171.12.8.1.2.1", "SingleIP Status", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.12.8.1.2.2", "SingleIP Role", sxInteger, acReadWrite, &SingleIPRoleOptions},
    {"1.3.6.1.4.1.171.12.8.1.2.3", "SingleIP Holdtime[100-255]", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.8.1.2.4", "Time Interval[30-90]", sxInteger, acReadWrite},
    {nullptr},
};
const MibVarFormat kSingleIPControl1Formats[] = {{2, "%i{n100x255l3}"}, {3, "%i{n30x90l2}"},
    {0, nullptr}};

// MyInformation1: "My Information"
const UISnmpVar MyInformation1Vars[] = {
    {"1.3.6.1.4.1.171.12.8.1.1.1", "Version", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.1.2", "Capability", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.1.3", "Platform", sxDisplayStr, acReadOnly},
    {nullptr},
};

// MemberSwitch1: "Member Switch"
const UISnmpVar MemberSwitch1Vars[] = {
    {"1.3.6.1.4.1.171.12.8.1.3.1.1", "Member ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.8.1.3.1.2", "Member Name", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.3.1.3", "Member MAC Addr", sxMacAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.3.1.4", "Member Firmware Verion", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.3.1.5", "Member Capability", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.3.1.6", "Member Platform", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.3.1.7", "Member Holdtime", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.3.1.8", "Member Candidate Source", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.8.1.3.1.9", "Member Password", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.8.1.3.1.10", "Member Row Status", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};
const MibVarFormat kMemberSwitch1Formats[] = {{8, "%s{l16}"}, {0, nullptr}};

// CandidateSwitch1: "Candidate Switch"
const UISnmpVar CandidateSwitch1Vars[] = {
    {"1.3.6.1.4.1.171.12.8.1.4.1.1", "CaS ID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.8.1.4.1.2", "Device Name", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.4.1.3", "MAC Addr", sxMacAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.4.1.4", "Firmware Version", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.4.1.5", "Capability", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.4.1.6", "Platform", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.4.1.7", "Holdtime", sxInteger, acReadOnly},
    {nullptr},
};

// GroupInformation1: "Group Information"
const UISnmpVar GroupInformation1Vars[] = {
    {"1.3.6.1.4.1.171.12.8.1.5.1.1", "Group Mac Address", sxMacAddress, acNotAccess},
    {"1.3.6.1.4.1.171.12.8.1.5.1.2", "Group Name", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.5.1.3", "Device Name", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.5.1.4", "Member Count", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.5.1.5", "Firmware Version", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.5.1.6", "Capability", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.5.1.7", "Platform", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.8.1.5.1.8", "Holdtime", sxInteger, acReadOnly},
    {nullptr},
};

// NeighborSwitch1: "Neighbor Switch"
const QzOptionEntry kRole[] = {{1, "commander"}, {2, "candidate"}, {3, "member"}, {0, nullptr}};
QzOptionList RoleOptions(kRole);
const UISnmpVar NeighborSwitch1Vars[] = {
    {"1.3.6.1.4.1.171.12.8.1.6.1.1", "Received Port", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.8.1.6.1.2", "MAC Address", sxMacAddress, acNotAccess},
    {"1.3.6.1.4.1.171.12.8.1.6.1.3", "Role", sxInteger, acReadOnly, &RoleOptions},
    {nullptr},
};

// MSTrapMessage1: "MS Trap Message"
const UISnmpVar MSTrapMessage1Vars[] = {
    {"1.3.6.1.4.1.171.12.8.6.1.1", "swSingleIPMSTrapMessage", sxDisplayStr, acReadOnly},
    {nullptr},
};

}  // namespace

extern const MibCommand kSingleIpCommands[] = {
    {"SingleIPControl1", "Single IP Control", SingleIPControl1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, kSingleIPControl1Formats},
    {"MyInformation1", "My Information", MyInformation1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"MemberSwitch1", "Member Switch", MemberSwitch1Vars, MVT_UMV, 1, mpListView,
     {9, "createAndGo"}, {9, "destroy"}, kMemberSwitch1Formats},
    {"CandidateSwitch1", "Candidate Switch", CandidateSwitch1Vars, MVT_FMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"GroupInformation1", "Group Information", GroupInformation1Vars, MVT_FMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"NeighborSwitch1", "Neighbor Switch", NeighborSwitch1Vars, MVT_FMV, 2, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"MSTrapMessage1", "MS Trap Message", MSTrapMessage1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {nullptr},
};
