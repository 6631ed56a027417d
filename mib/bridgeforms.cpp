// Bridge information, GARP, 802.1X statistics, traffic segmentation and LACP: descriptor
// tables and their option lists.
#include "mib/bridgeforms.h"

#include "mib/formtables.h"
#include "mib/mibshared.h"

namespace {

const QzOptionEntry kEquipmentMode[] = {{1, "enabled"}, {2, "disabled"}, {3, "other"}, {0, nullptr}};

}  // namespace

QzOptionList equipmentModeOptions(kEquipmentMode);

extern const UISnmpVar swEquipmentInfo[] = {
    {"1.3.6.1.4.1.171.12.11.1.1", "swEquipmentCapacity", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.2", "swEquipmentMode", sxInteger, acReadWrite, &equipmentModeOptions},
    {nullptr},
};

extern const UISnmpVar dot1dDeviceCapabilities[] = {
    {"1.3.6.1.2.1.17.6.1.1.1", "DeviceCapabilities", sxBitStr, acReadOnly},
    {nullptr},
};

extern const UISnmpVar dot1dTrafficClassesEnabled[] = {
    {"1.3.6.1.2.1.17.6.1.1.2", "TrafficClassesEnabled", sxInteger, acReadOnly, &mibTruthValueOptions},
    {nullptr},
};

extern const UISnmpVar dot1dPortCapabilitiesEntry[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.6.1.1.4.1.1", "dot1dPortCapabilities", sxBitStr, acReadOnly},
    {nullptr},
};

extern const UISnmpVar dot1qBase[] = {
    {"1.3.6.1.2.1.17.7.1.1.1", "VLANVersionNumber", sxInteger, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.2", "MaxVLANId", sxInteger, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.3", "MaxSupportedVLANs", sxGauge, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.4", "CurrentNumOfVLANs", sxGauge, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.5", "GVRPStatus", sxInteger, acReadWrite, &mibEnabled1Disabled2Options},
    {nullptr},
};

extern const UISnmpVar dot1dPortGarpEntry[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", sxInteger, acReadOnly},
    {"1.3.6.1.2.1.17.6.1.3.1.1.1", "GARPJoinTime", sxInteger, acReadWrite},
    {"1.3.6.1.2.1.17.6.1.3.1.1.2", "GARPLeaveTime", sxInteger, acReadWrite},
    {"1.3.6.1.2.1.17.6.1.3.1.1.3", "GARPLeaveAllTime", sxInteger, acReadWrite},
    {nullptr},
};

extern const UISnmpVar swPaeDiagnosticsEntry[] = {
    {"1.3.6.1.4.1.171.12.3.6.1.1.1", "swPaeMacAddr", sxMacAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.1.1.2", "swPaePortNumber", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.3.6.3.1.1", "swAuthEntersConnecting", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.2", "swAuthEapLogoffsWhileConnecting", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.3", "swAuthEntersAuthenticating", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.4", "swAuthAuthSuccessWhileAuthenticating", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.5", "swAuthAuthTimeoutsWhileAuthenticating", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.6", "swAuthAuthFailWhileAuthenticating", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.7", "swAuthAuthReauthsWhileAuthenticating", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.8", "swAuthAuthEapStartsWhileAuthenticating", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.9", "swAuthAuthEapLogoffWhileAuthenticating", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.10", "swAuthAuthReauthsWhileAuthenticated", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.11", "swAuthAuthEapStartsWhileAuthenticated", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.12", "swAuthAuthEapLogoffWhileAuthenticated", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.13", "swAuthBackendResponses", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.14", "swAuthBackendAccessChallenges", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.15", "swAuthBackendOtherRequestsToSupplicant", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.16", "swAuthBackendNonNakResponsesFromSupplicant", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.17", "swAuthBackendAuthSuccesses", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.3.1.18", "swAuthBackendAuthFails", sxCounter, acReadOnly},
    {nullptr},
};

extern const UISnmpVar swPaeStatisticsEntry[] = {
    {"1.3.6.1.4.1.171.12.3.6.1.1.1", "swPaeMacAddr", sxMacAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.1.1.2", "swPaePortNumber", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.3.6.2.1.1", "swAuthEapolFramesRx", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.2.1.2", "swAuthEapolFramesTx", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.2.1.3", "swAuthEapolStartFramesRx", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.2.1.4", "swAuthEapolLogoffFramesRx", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.2.1.5", "swAuthEapolRespIdFramesRx", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.2.1.6", "swAuthEapolRespFramesRx", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.2.1.7", "swAuthEapolReqIdFramesTx", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.2.1.8", "swAuthEapolReqFramesTx", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.2.1.9", "swAuthInvalidEapolFramesRx", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.2.1.10", "swAuthEapLengthErrorFramesRx", sxCounter, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.2.1.11", "swAuthLastEapolFrameVersion", sxGauge, acReadOnly},
    {"1.3.6.1.4.1.171.12.3.6.2.1.12", "swAuthLastEapolFrameSource", sxMacAddress, acReadOnly},
    {nullptr},
};

extern const UISnmpVar swL2TrafficSegEntry[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.14.1.1.1", "swL2TrafficSegPort", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.70.2.2.14.1.1.2", "swL2TrafficSegForwardPorts", sxBitStr, acReadWrite},
    {nullptr},
};

extern const UISnmpVar swLacpPortEntry[] = {
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.1", "Port Index", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.2", "Actor System Priority", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.3", "Actor System ID", sxMacAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.4", "Actor Admin Key", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.5", "Actor Oper Key", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.6", "Partner Admin System Priority", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.7", "Partner Oper System Priority", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.8", "Partner Admin System ID", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.9", "Partner Oper System ID", sxMacAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.10", "Partner Admin Key", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.11", "Partner Oper Key", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.12", "Selected Agg ID", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.13", "Attached Agg ID", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.14", "Actor Port", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.15", "Actor Port Priority", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.16", "Partner Admin Port", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.17", "Partner Oper Port", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.18", "Partner Admin Port Priority", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.19", "Partner Oper Port Priority", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.20", "Actor Admin State", sxBitStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.21", "Actor Oper State", sxBitStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.22", "Partner Admin State", sxBitStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.23", "Partner Oper State", sxBitStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.4.1.2.1.1.24", "Aggregate Or Individual", sxInteger, acReadOnly, &mibTruthValueOptions},
    {nullptr},
};

std::vector<MibFormTable> BridgeFormTables()
{
    return {
        {"TEquipmentBasicInfoForm equipment", swEquipmentInfo, SVT_SV, 0},
        {"TPBridgeConfigForm capabilities", dot1dDeviceCapabilities, SVT_SV, 0},
        {"TPBridgeConfigForm traffic classes", dot1dTrafficClassesEnabled, SVT_SV, 0},
        {"TPortCapabilities8021dForm port capabilities", dot1dPortCapabilitiesEntry, MVT_FMV, 1},
        {"TVLanGeneralInfoForm 802.1Q bridge", dot1qBase, SVT_SV, 0},
        {"TGARPForm GARP timers", dot1dPortGarpEntry, MVT_FMV, 1},
        {"TDiagnosticsInformationForm diagnostics", swPaeDiagnosticsEntry, MVT_FMV, 2},
        {"TMacStatisticTableForm EAPOL statistics", swPaeStatisticsEntry, MVT_FMV, 2},
        {"TTrafficSegmentationForm segmentation", swL2TrafficSegEntry, MVT_UMV, 1},
        {"TAggregatorPortTableForm LACP ports", swLacpPortEntry, MVT_FMV, 1},
    };
}
