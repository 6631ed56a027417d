// Port mirroring, storm control, safeguard, RMON probe and multiple configurations:
// descriptor tables and their option lists.
#include "mib/deviceforms.h"

#include "mib/formtables.h"
#include "mib/mibshared.h"

namespace {

const QzOptionEntry kPktStormTrapCtrl[] = {{1, "none"}, {2, "stormOccurred"}, {3, "stormCleared"}, {4, "both"},
    {0, nullptr}};
const QzOptionEntry kSafeGuardMode[] = {{1, "strict"}, {2, "fuzzy"}, {0, nullptr}};
const QzOptionEntry kSafeGuardStatus[] = {{1, "normal"}, {2, "exhausted"}, {0, nullptr}};
const QzOptionEntry kMultiCfgCtrlID[] = {{1, "cfgId-1"}, {2, "cfgId-2"}, {0, nullptr}};
const QzOptionEntry kMultiCfgAction[] = {{1, "active"}, {2, "delete"}, {3, "bootup"}, {4, "none"}, {0, nullptr}};
const QzOptionEntry kProbeResetControl[] = {{1, "running"}, {2, "warmBoot"}, {3, "coldBoot"}, {0, nullptr}};

}  // namespace

QzOptionList pktStormTrapCtrlOptions(kPktStormTrapCtrl);
QzOptionList safeGuardModeOptions(kSafeGuardMode);
QzOptionList safeGuardStatusOptions(kSafeGuardStatus);
QzOptionList multiCfgCtrlIDOptions(kMultiCfgCtrlID);
QzOptionList multiCfgActionOptions(kMultiCfgAction);
QzOptionList probeResetControlOptions(kProbeResetControl);

extern const UISnmpVar swL2MirrorCtrl[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.10.1", "swL2MirrorLogicTargetPort", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.70.2.2.10.2", "swL2MirrorPortSourceIngress", sxBitStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.70.2.2.10.3", "swL2MirrorPortSourceEgress", sxBitStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.70.2.2.10.4", "swL2MirrorPortState", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {nullptr},
};

extern const UISnmpVar swPktStormCtrl[] = {
    {"1.3.6.1.4.1.171.12.25.1.1", "swPktStormRecover", sxBitStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.25.1.2", "swPktStormTrapCtrl", sxInteger, acReadWrite, &pktStormTrapCtrlOptions},
    {nullptr},
};

extern const UISnmpVar swSafeGuardCtrl[] = {
    {"1.3.6.1.4.1.171.12.19.2.1", "swSafeGuardRisingThreshold", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.19.2.2", "swSafeGuardFallingThreshold", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.19.2.3", "swSafeGuardmode", sxInteger, acReadWrite, &safeGuardModeOptions},
    {"1.3.6.1.4.1.171.12.19.2.4", "swSafeGuardAlarmAdminState", sxInteger, acReadWrite,
     &mibOtherDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.19.2.5", "swSafeGuardCurrentStatus", sxInteger, acReadOnly, &safeGuardStatusOptions},
    {nullptr},
};

extern const UISnmpVar probeConfig[] = {
    {"1.3.6.1.2.1.16.19.1", "Capabilities", sxOctetStr, acReadOnly},
    {"1.3.6.1.2.1.16.19.2", "Software revision", sxDisplayStr, acReadOnly},
    {"1.3.6.1.2.1.16.19.3", "Hardware revision", sxDisplayStr, acReadOnly},
    {"1.3.6.1.2.1.16.19.5", "Reset Control", sxInteger, acReadWrite, &probeResetControlOptions},
    {nullptr},
};

extern const UISnmpVar swMultiCfgCtrlEntry[] = {
    {"1.3.6.1.4.1.171.12.1.2.8.4.1.1", "swMultiCfgCtrlID", sxInteger, acNotAccess, &multiCfgCtrlIDOptions},
    {"1.3.6.1.4.1.171.12.1.2.8.4.1.2", "swMultiCfgAction", sxInteger, acReadWrite, &multiCfgActionOptions},
    {nullptr},
};

std::vector<MibFormTable> DeviceFormTables()
{
    return {
        {"TPortMirrorForm mirror", swL2MirrorCtrl, SVT_SV, 0},
        {"TPacketStormControlForm storm control", swPktStormCtrl, SVT_SV, 0},
        {"TSafeguardCtrlForm safeguard", swSafeGuardCtrl, SVT_SV, 0},
        {"TProbeBasicInformationForm probe", probeConfig, SVT_SV, 0},
        {"TMultipleConfigControlForm configurations", swMultiCfgCtrlEntry, MVT_UMV, 1},
    };
}
