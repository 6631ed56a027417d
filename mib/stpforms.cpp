// Spanning tree and layer-2 device control: descriptor tables and their option lists.
#include "mib/stpforms.h"

#include "mib/formtables.h"

namespace {

const QzOptionEntry kStpVersion[] = {{0, "stp"}, {1, "rstp"}, {2, "mstp"}, {0, nullptr}};
const QzOptionEntry kDisabledEnabled[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const QzOptionEntry kEnabledDisabled[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const QzOptionEntry kTrueFalse[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const QzOptionEntry kP2P[] = {{0, "true"}, {1, "false"}, {2, "auto"}, {0, nullptr}};
const QzOptionEntry kCleanCounter[] = {{1, "normal"}, {2, "active"}, {0, nullptr}};

}  // namespace

QzOptionList stpVersionOptions(kStpVersion);
QzOptionList stpDisabledEnabledOptions(kDisabledEnabled);
QzOptionList stpEnabledDisabledOptions(kEnabledDisabled);
QzOptionList stpTrueFalseOptions(kTrueFalse);
QzOptionList stpP2POptions(kP2P);
QzOptionList l2CleanCounterOptions(kCleanCounter);

extern const UISnmpVar swSTPCtrl[] = {
    {"1.3.6.1.4.1.171.12.15.1.2", "STP Version", sxInteger, acReadWrite, &stpVersionOptions},
    {"1.3.6.1.4.1.171.12.15.1.3", "Max Age[600-4000]", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.1.4", "Hello Time[100-1000]", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.1.5", "Forward Delay[400-3000]", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.1.6", "Max Hops[1-20]", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.1.7", "Tx Hold Count[1-10]", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.1.8", "Forwarding BPDU", sxInteger, acReadWrite, &stpDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.15.1.9", "Stp LBD", sxInteger, acReadWrite, &stpDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.15.1.10", "Stp LBD Recover Time", sxInteger, acReadWrite},
    {nullptr},
};

extern const UISnmpVar swMSTPCtrl[] = {
    {"1.3.6.1.4.1.171.12.15.1.2", "swMSTPStpVersion", sxInteger, acReadWrite, &stpVersionOptions},
    {"1.3.6.1.4.1.171.12.15.1.3", "swMSTPStpMaxAge", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.1.5", "swMSTPStpForwardDelay", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.1.6", "swMSTPStpMaxHops", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.1.7", "swMSTPStpTxHoldCount", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.1.8", "swMSTPStpForwardBPDU", sxInteger, acReadWrite, &stpDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.15.1.9", "swMSTPStpLBD", sxInteger, acReadWrite, &stpDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.15.1.10", "StpLBDRecoverTime", sxInteger, acReadWrite},
    {nullptr},
};

extern const UISnmpVar swL2DevCtrlStpState[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.1.2.1", "Spanning Tree Algorithm", sxInteger, acReadWrite,
     &stpDisabledEnabledOptions},
    {nullptr},
};

extern const UISnmpVar swMSTPStpVersion[] = {
    {"1.3.6.1.4.1.171.12.15.1.2", "STP Version", sxInteger, acReadWrite, &stpVersionOptions},
    {nullptr},
};

extern const UISnmpVar swMSTPPortEntry[] = {
    {"1.3.6.1.4.1.171.12.15.2.4.1.1", "MSTP Port", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.15.2.5.1.1", "Port Num", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.4.1.2", "Admin HelloTime", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.4.1.3", "Operate Hello Time", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.15.2.4.1.4", "MSTP Port Enable", sxInteger, acReadWrite, &stpEnabledDisabledOptions},
    {"1.3.6.1.4.1.171.12.15.2.4.1.5", "MSTP Port External PathCost", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.15.2.4.1.6", "MSTP Port Migration", sxInteger, acReadWrite, &stpTrueFalseOptions},
    {"1.3.6.1.4.1.171.12.15.2.4.1.7", "MSTP Port Admin Edge Port", sxInteger, acReadWrite, &stpTrueFalseOptions},
    {"1.3.6.1.4.1.171.12.15.2.4.1.8", "MSTP Port Oper Edge Port", sxInteger, acReadOnly, &stpTrueFalseOptions},
    {"1.3.6.1.4.1.171.12.15.2.4.1.9", "MSTP Port Admin P2P", sxInteger, acReadWrite, &stpP2POptions},
    {"1.3.6.1.4.1.171.12.15.2.4.1.10", "MSTP Port Oper P2P", sxInteger, acReadOnly, &stpP2POptions},
    {"1.3.6.1.4.1.171.12.15.2.4.1.11", "MSTP Port LBD", sxInteger, acReadWrite, &stpDisabledEnabledOptions},
    {nullptr},
};

extern const UISnmpVar swL2DevCtrl[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.1.2.2", "swL2DevCtrlIGMPSnooping", sxInteger, acReadWrite, &stpDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.70.2.2.1.2.3", "swL2DevCtrlIGMPSnoopingMcstRTOnly", sxInteger, acReadWrite,
     &stpDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.70.2.2.1.2.4", "swL2DevCtrlRmonState", sxInteger, acReadWrite, &stpDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.70.2.2.1.2.5", "swL2DevCtrlCleanAllStatisticCounter", sxInteger, acReadWrite,
     &l2CleanCounterOptions},
    {"1.3.6.1.4.1.171.11.70.2.2.1.2.6", "swL2DevCtrlVlanIdOfFDBTbl", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.70.2.2.1.2.7", "swL2DevCtrlManagementVlanId", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.70.2.2.1.2.8", "swL2MACNotifyState", sxInteger, acReadWrite, &stpDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.70.2.2.1.2.9", "swL2MACNotifyHistorySize", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.70.2.2.1.2.10", "swL2MACNotifyInterval", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.70.2.2.1.2.13.1", "swL2DevCtrlWebState", sxInteger, acReadWrite, &stpDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.70.2.2.1.2.14.1", "swL2DevCtrlTelnetState", sxInteger, acReadWrite,
     &stpDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.11.70.2.2.1.2.15", "swL2DevCtrlIpAutoconfig", sxInteger, acReadWrite, &stpEnabledDisabledOptions},
    {nullptr},
};

extern const UISnmpVar swL2DevCtrlWebTcpPort[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.1.2.13.2", "swL2DevCtrlWebTcpPort", sxInteger, acReadWrite},
    {nullptr},
};

extern const UISnmpVar swL2DevCtrlTelnetTcpPort[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.1.2.14.2", "swL2DevCtrlTelnetTcpPort", sxInteger, acReadWrite},
    {nullptr},
};

std::vector<MibFormTable> StpFormTables()
{
    return {
        {"TSTP_Info STP", swSTPCtrl, SVT_SV, 0},
        {"TSTP_Info MSTP", swMSTPCtrl, SVT_SV, 0},
        {"TSpanningTreeAlgorithmForm state", swL2DevCtrlStpState, SVT_SV, 0},
        {"TMSTPPortStateForm version", swMSTPStpVersion, SVT_SV, 0},
        {"TMSTPPortStateForm ports", swMSTPPortEntry, MVT_UMV, 1},
        {"TLayer2ControlForm main", swL2DevCtrl, SVT_SV, 0},
        {"TLayer2ControlForm web port", swL2DevCtrlWebTcpPort, SVT_SV, 0},
        {"TLayer2ControlForm telnet port", swL2DevCtrlTelnetTcpPort, SVT_SV, 0},
    };
}
