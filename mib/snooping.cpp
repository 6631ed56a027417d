// Descriptor tables of the table commands of the "Layer 2 Management" menu: IGMP snooping, packet
// storm control and MLD snooping.
#include "common/qzoptionlist.h"
#include "mib/mibareas.h"
#include "mib/mibshared.h"
#include "snmpvars/uisnmpvar.h"

namespace {

// IGMPGeneral1: "IGMP General Information"
const UISnmpVar IGMPGeneral1Vars[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.11.1", "swL2IGMPMaxSupportedVlans", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.70.2.2.11.2", "swL2IGMPMaxIpGroupNumPerVlan", sxInteger, acReadOnly},
    {nullptr},
};

// IGMPControlTable1: "IGMP Control"
const QzOptionEntry kSwL2IGMPCurrentState[] = {{2, "querier"}, {3, "non-querier"}, {0, nullptr}};
QzOptionList SwL2IGMPCurrentStateOptions(kSwL2IGMPCurrentState);
const UISnmpVar IGMPControlTable1Vars[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.11.3.1.1", "swL2IGMPCtrlVid", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.70.2.2.11.3.1.2", "swL2IGMPQueryInterval", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.70.2.2.11.3.1.3", "swL2IGMPMaxResponseTime", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.70.2.2.11.3.1.4", "swL2IGMPRobustness", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.70.2.2.11.3.1.5", "swL2IGMPLastMemberQueryInterval", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.70.2.2.11.3.1.6", "swL2IGMPHostTimeout", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.70.2.2.11.3.1.7", "swL2IGMPRouteTimeout", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.70.2.2.11.3.1.8", "swL2IGMPLeaveTimer", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.70.2.2.11.3.1.9", "swL2IGMPQueryState", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.11.70.2.2.11.3.1.10", "swL2IGMPCurrentState", sxInteger, acReadOnly, &SwL2IGMPCurrentStateOptions},
    {"1.3.6.1.4.1.171.11.70.2.2.11.3.1.11", "swL2IGMPCtrlState", sxInteger, acReadWrite, &mibDisable2Enable3Options},
    {"1.3.6.1.4.1.171.11.70.2.2.11.3.1.12", "swL2IGMPFastLeaveState", sxInteger, acReadWrite, &mibDisable2Enable3Options},
    {nullptr},
};

// IGMPQuery1: "IGMP Query Information"
const UISnmpVar IGMPQuery1Vars[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.11.4.1.1", "swL2IGMPInfoVid", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.70.2.2.11.4.1.2", "swL2IGMPInfoQueryCount", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.70.2.2.11.4.1.3", "swL2IGMPInfoTxQueryCount", sxInteger, acReadOnly},
    {nullptr},
};

// IGMPInformation1: "IGMP Information"
const UISnmpVar IGMPInformation1Vars[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.11.5.1.1", "swL2IGMPVid", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.70.2.2.11.5.1.2", "swL2IGMPGroupIpAddr", sxIpAddress, acNotAccess},
    {"1.3.6.1.4.1.171.11.70.2.2.11.5.1.3", "swL2IGMPMacAddr", sxMacAddress, acReadOnly},
    {"1.3.6.1.4.1.171.11.70.2.2.11.5.1.4", "swL2IGMPPortMap", sxBitStr, acReadOnly},
    {"1.3.6.1.4.1.171.11.70.2.2.11.5.1.5", "swL2IGMPIpGroupReportCount", sxInteger, acReadOnly},
    {nullptr},
};

// PacketStormControlTable1: "Traffic Control Table"
const QzOptionEntry kSwPktStormCtrlActionStatus[] = {{1, "shutdown"}, {2, "drop"}, {0, nullptr}};
QzOptionList SwPktStormCtrlActionStatusOptions(kSwPktStormCtrlActionStatus);
const QzOptionEntry kSwPktStormCtrlShutdownForever[] = {{1, "yes"}, {2, "no"}, {0, nullptr}};
QzOptionList SwPktStormCtrlShutdownForeverOptions(kSwPktStormCtrlShutdownForever);
const UISnmpVar PacketStormControlTable1Vars[] = {
    {"1.3.6.1.4.1.171.12.25.3.1.1.1", "swPktStormCtrlPortIndex", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.25.3.1.1.2", "swPktStormCtrlthreshold", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.25.3.1.1.3", "swPktStormCtrlBroadcastStatus", sxInteger, acReadWrite, &mibDisabled1Enabled2Options},
    {"1.3.6.1.4.1.171.12.25.3.1.1.4", "swPktStormCtrlMulticastStatus", sxInteger, acReadWrite, &mibDisabled1Enabled2Options},
    {"1.3.6.1.4.1.171.12.25.3.1.1.5", "swPktStormCtrldlfStatus", sxInteger, acReadWrite, &mibDisabled1Enabled2Options},
    {"1.3.6.1.4.1.171.12.25.3.1.1.6", "swPktStormCtrlActionStatus", sxInteger, acReadWrite, &SwPktStormCtrlActionStatusOptions},
    {"1.3.6.1.4.1.171.12.25.3.1.1.7", "swPktStormCtrlCountDown", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.25.3.1.1.8", "swPktStormCtrlTimeinterval", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.25.3.1.1.9", "swPktStormCtrlShutdownForever", sxInteger, acReadOnly, &SwPktStormCtrlShutdownForeverOptions},
    {nullptr},
};

// Management1: "MLD Snooping Management"
const UISnmpVar Management1Vars[] = {
    {"1.3.6.1.4.1.171.12.34.1.1", "swMldSnoopingGlobalState", sxInteger, acReadWrite, &mibOtherDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.34.1.2", "swMldSnoopingMcstRTOnly", sxInteger, acReadWrite, &mibOtherDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.34.3.1", "swMldSnoopingMaxSupportedVlans", sxInteger, acReadOnly},
    {nullptr},
};

// Control1: "MLD Snooping Control"
const QzOptionEntry kSwMldSnoopingCurrentState[] = {{1, "other"}, {2, "querier"},
    {3, "non-querier"}, {0, nullptr}};
QzOptionList SwMldSnoopingCurrentStateOptions(kSwMldSnoopingCurrentState);
const UISnmpVar Control1Vars[] = {
    {"1.3.6.1.4.1.171.12.34.3.2.1.1", "swMldSnoopingCtrlVid", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.34.3.2.1.2", "swMldSnoopingQueryInterval", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.34.3.2.1.3", "swMldSnoopingMaxResponseTime", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.34.3.2.1.4", "swMldSnoopingRobustness", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.34.3.2.1.5", "swMldSnoopingLastMemberQueryInterval", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.34.3.2.1.6", "swMldSnoopingHostTimeout", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.34.3.2.1.7", "swMldSnoopingRouteTimeout", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.34.3.2.1.8", "swMldSnoopingDoneTimer", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.34.3.2.1.9", "swMldSnoopingQueryState", sxInteger, acReadWrite, &mibOtherDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.34.3.2.1.10", "swMldSnoopingCurrentState", sxInteger, acReadOnly, &SwMldSnoopingCurrentStateOptions},
    {"1.3.6.1.4.1.171.12.34.3.2.1.11", "swMldSnoopingCtrlState", sxInteger, acReadWrite, &mibOtherDisableEnableOptions},
    {"1.3.6.1.4.1.171.12.34.3.2.1.12", "swMldSnoopingFastDoneState", sxInteger, acReadWrite, &mibOtherDisableEnableOptions},
    {nullptr},
};

}  // namespace

extern const MibCommand kSnoopingCommands[] = {
    {"IGMPGeneral1", "IGMP General Information", IGMPGeneral1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"IGMPControlTable1", "IGMP Control", IGMPControlTable1Vars, MVT_UMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"IGMPQuery1", "IGMP Query Information", IGMPQuery1Vars, MVT_FMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"IGMPInformation1", "IGMP Information", IGMPInformation1Vars, MVT_FMV, 2, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"PacketStormControlTable1", "Traffic Control Table", PacketStormControlTable1Vars, MVT_UMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"Management1", "MLD Snooping Management", Management1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"Control1", "MLD Snooping Control", Control1Vars, MVT_UMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {nullptr},
};
