// Static VLANs and port trunks: descriptor tables and their option lists.
#include "mib/vlantrunkforms.h"

#include "mib/formtables.h"

namespace {

const QzOptionEntry kVlanStaticRowStatus[] = {{1, "Active"}, {2, "NotInService"}, {3, "NotReady"},
    {4, "CreateAndGo"}, {5, "CreateAndWait"}, {6, "Destroy"}, {0, nullptr}};
const QzOptionEntry kVlanNextFree[] = {{1, "independent"}, {2, "shared"}, {0, nullptr}};
const QzOptionEntry kTrunkType[] = {{2, "static"}, {3, "lacp"}, {0, nullptr}};
const QzOptionEntry kTrunkState[] = {{1, "enable"}, {2, "disable"}, {4, "createAndGo"}, {5, "createAndWait"},
    {6, "destroy"}, {0, nullptr}};

}  // namespace

QzOptionList vlanStaticRowStatusOptions(kVlanStaticRowStatus);
QzOptionList vlanNextFreeOptions(kVlanNextFree);
QzOptionList trunkTypeOptions(kTrunkType);
QzOptionList trunkStateOptions(kTrunkState);

extern const UISnmpVar dot1qVlanStaticEntry[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", sxGauge, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "VLAN Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", sxBitStr, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.3", "Forbidden Egress Ports", sxBitStr, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", sxBitStr, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Status", sxInteger, acReadWrite, &vlanStaticRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar dot1qNextFreeLocalVlanIndex[] = {
    {"1.3.6.1.2.1.17.7.1.4.4", "NextFreeLocalVLANIndex", sxInteger, acReadOnly, &vlanNextFreeOptions},
    {nullptr},
};

extern const UISnmpVar swL2TrunkCtrlEntry[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.9.3.1.1", "Index", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.70.2.2.9.3.1.2", "Name", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.70.2.2.9.3.1.3", "Master Port", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.70.2.2.9.3.1.4", "Member Ports", sxBitStr, acReadWrite},
    {"1.3.6.1.4.1.171.11.70.2.2.9.3.1.5", "Flooding Port", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.70.2.2.9.3.1.6", "Trunk Type", sxInteger, acReadWrite, &trunkTypeOptions},
    {"1.3.6.1.4.1.171.11.70.2.2.9.3.1.7", "Trunk State", sxInteger, acReadWrite, &trunkStateOptions},
    {"1.3.6.1.4.1.171.11.70.2.2.9.3.1.8", "Active Ports", sxBitStr, acReadOnly},
    {nullptr},
};

std::vector<MibFormTable> VlanTrunkFormTables()
{
    return {
        {"TVlanStaticForm static VLANs", dot1qVlanStaticEntry, MVT_UMV, 1},
        {"TVlanStaticForm next free index", dot1qNextFreeLocalVlanIndex, SVT_SV, 0},
        {"TPortTrunkForm trunks", swL2TrunkCtrlEntry, MVT_UMV, 1},
    };
}
