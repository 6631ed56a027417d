// Summer time, 802.3 MAC control and pause, IGMP and MLD router ports, MLD snooping groups:
// descriptor tables and their option lists.
#include "mib/configsnoopingforms.h"

#include "mib/formtables.h"

namespace {

const QzOptionEntry kSummerTimeStatus[] = {{0, "disable"}, {1, "repeating"}, {2, "annual"}, {0, nullptr}};
const QzOptionEntry kMonths[] = {{1, "Jan"}, {2, "Feb"}, {3, "Mar"}, {4, "Apr"}, {5, "May"}, {6, "Jun"},
    {7, "Jul"}, {8, "Aug"}, {9, "Sep"}, {10, "Oct"}, {11, "Nov"}, {12, "Dec"}, {0, nullptr}};
const QzOptionEntry kWeekdays[] = {{1, "Sun"}, {2, "Mon"}, {3, "Tue"}, {4, "Wed"}, {5, "Thu"}, {6, "Fri"},
    {7, "Sat"}, {0, nullptr}};
const QzOptionEntry kWeeks[] = {{1, "1st"}, {2, "2nd"}, {3, "3rd"}, {4, "4th"}, {255, "last"}, {0, nullptr}};
const QzOptionEntry kPauseMode[] = {{1, "disabled"}, {2, "enabledXmit"}, {3, "enabledRcv"},
    {4, "enabledXmitAndRcv"}, {0, nullptr}};

}  // namespace

QzOptionList summerTimeStatusOptions(kSummerTimeStatus);
QzOptionList summerTimeMonthOptions(kMonths);
QzOptionList summerTimeWeekdayOptions(kWeekdays);
QzOptionList summerTimeWeekOptions(kWeeks);
QzOptionList dot3PauseModeOptions(kPauseMode);

extern const UISnmpVar swSummerTimeEntry[] = {
    {"1.3.6.1.4.1.171.12.10.12.1", "swSummerTimeStatus", sxInteger, acReadWrite, &summerTimeStatusOptions},
    {"1.3.6.1.4.1.171.12.10.12.2", "swSummerTimeOffset", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.10.12.3", "swRepeatSummerTimeStart", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.10.12.4", "swRepeatSummerTimeEnd", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.10.12.5", "swAnnualSummerTimeStart", sxOctetStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.10.12.6", "swAnnualSummerTimeEnd", sxOctetStr, acReadWrite},
    {nullptr},
};

extern const UISnmpVar dot3ControlEntry[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "dot3StatsIndex", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.10.7.9.1.1", "Function Supported", sxBitStr, acReadOnly},
    {nullptr},
};

extern const UISnmpVar dot3ControlCounter[] = {
    {"1.3.6.1.2.1.10.7.9.1.2", "Received Unknown Opcode", sxCounter, acReadOnly},
    {nullptr},
};

extern const UISnmpVar dot3PauseEntry[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "dot3StatsIndex", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.10.7.10.1.1", "Admin Mode", sxInteger, acReadWrite, &dot3PauseModeOptions},
    {"1.3.6.1.2.1.10.7.10.1.2", "Oper Mode", sxInteger, acReadOnly, &dot3PauseModeOptions},
    {nullptr},
};

extern const UISnmpVar dot3PauseCounters[] = {
    {"1.3.6.1.2.1.10.7.10.1.3", "In Pause Frames", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.10.7.10.1.4", "Out Pause Frames", sxCounter, acReadOnly},
    {nullptr},
};

extern const UISnmpVar swL2IGMPRouterPortsEntry[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.11.6.1.1", "swL2IGMPRouterPortsVid", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.11.70.2.2.11.6.1.2", "swL2IGMPRouterStaticPortList", sxBitStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.70.2.2.11.6.1.3", "swL2IGMPRouterDynamicPortList", sxBitStr, acReadOnly},
    {"1.3.6.1.4.1.171.11.70.2.2.11.6.1.4", "swL2IGMPRouterForbiddenPortList", sxBitStr, acReadWrite},
    {nullptr},
};

extern const UISnmpVar swMldSnpRouterPortsEntry[] = {
    {"1.3.6.1.4.1.171.12.34.3.4.1.1", "swMldSnpRouterPortsVid", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.34.3.4.1.2", "swMldSnpRouterStaticPortList", sxBitStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.34.3.4.1.3", "swMldSnpRouterDynamicPortList", sxBitStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.34.3.4.1.4", "swMldSnpRouterForbiddenPortList", sxBitStr, acReadWrite},
    {nullptr},
};

extern const UISnmpVar swMldSnoopingGroupInfoEntry[] = {
    {"1.3.6.1.4.1.171.12.34.3.3.1.1", "swMldSnoopingGroupInfoVid", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.34.3.3.1.2", "swMldSnoopingGroupInfoIpAddr", sxIpv6Address, acNotAccess},
    {"1.3.6.1.4.1.171.12.34.3.3.1.3", "swMldSnoopingGroupInfoMacAddr", sxMacAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.34.3.3.1.4", "swMldSnoopingGroupInfoPortMap", sxBitStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.34.3.3.1.5", "swMldSnoopingGroupInfoReportCount", sxInteger, acReadOnly},
    {nullptr},
};

std::vector<MibFormTable> ConfigSnoopingFormTables()
{
    return {
        {"TSummerTimeForm summer time", swSummerTimeEntry, SVT_SV, 0},
        {"Tdot3ControlForm control table", dot3ControlEntry, MVT_FMV, 1},
        {"Tdot3ControlForm counter", dot3ControlCounter, MVT_SV, 0},
        {"Tdot3PauseForm pause table", dot3PauseEntry, MVT_FMV, 1},
        {"Tdot3PauseForm counters", dot3PauseCounters, MVT_SV, 0},
        {"TIGMPRouterPortsForm router ports", swL2IGMPRouterPortsEntry, MVT_FMV, 1},
        {"TMLD_SnoopingRouterPortsForm router ports", swMldSnpRouterPortsEntry, MVT_UMV, 1},
        {"TMLD_SnoopingGroupForm groups", swMldSnoopingGroupInfoEntry, MVT_UMV, 2},
    };
}
