// Current VLANs, VLAN ports, multicast forwarding and static filtering: descriptor tables and
// their option lists.
#include "mib/vlanforms.h"

#include "mib/formtables.h"
#include "mib/mibshared.h"

namespace {

const QzOptionEntry kVlanCurrentStatus[] = {{1, "other"}, {2, "permanent"}, {3, "dynamicGvrp"}, {0, nullptr}};
const QzOptionEntry kVlanFrameTypes[] = {{1, "admitAll"}, {2, "admitOnlyVLANTagged"}, {0, nullptr}};
const QzOptionEntry kStaticFilterStatus[] = {{1, "other"}, {2, "invalid"}, {3, "permanent"}, {4, "deleteOnReset"},
    {5, "deleteOnTimeout"}, {0, nullptr}};

}  // namespace

QzOptionList vlanCurrentStatusOptions(kVlanCurrentStatus);
QzOptionList vlanFrameTypesOptions(kVlanFrameTypes);
QzOptionList staticFilterStatusOptions(kStaticFilterStatus);

extern const UISnmpVar dot1qVlanNumDeletes[] = {
    {"1.3.6.1.2.1.17.7.1.4.1", "VLANNumDeletes", sxCounter, acReadOnly},
    {nullptr},
};

extern const UISnmpVar dot1qVlanCurrentEntry[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.1", "VLANTimeMark", sxTimeTicks, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLANIndex", sxGauge, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.4.2.1.3", "FdbId", sxGauge, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.2.1.4", "CurrentEgressPorts", sxOctetStr, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.2.1.5", "CurrentUntaggedPorts", sxOctetStr, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.2.1.6", "VLANStatus", sxInteger, acReadOnly, &vlanCurrentStatusOptions},
    {"1.3.6.1.2.1.17.7.1.4.2.1.7", "CreationTime", sxTimeTicks, acReadOnly},
    {nullptr},
};

extern const UISnmpVar dot1qPortVlanEntry[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "PortNumber", sxInteger, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "PortVLANID", sxGauge, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.5.1.2", "AcceptableFrameTypes", sxInteger, acReadWrite, &vlanFrameTypesOptions},
    {"1.3.6.1.2.1.17.7.1.4.5.1.3", "IngressFiltering", sxInteger, acReadWrite, &mibTruthValueOptions},
    {"1.3.6.1.2.1.17.7.1.4.5.1.4", "GVRPStatus", sxInteger, acReadWrite, &mibEnabled1Disabled2Options},
    {"1.3.6.1.2.1.17.7.1.4.5.1.5", "GVRPFailedRegistrations", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.5.1.6", "GVRPLastPduOrigin", sxMacAddress, acReadOnly},
    {nullptr},
};

extern const UISnmpVar dot1qTpGroupEntry[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", sxGauge, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.2.3.1.1", "GroupAddress", sxMacAddress, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.2.3.1.2", "EgressPorts", sxOctetStr, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.3.1.3", "GMRPLearntPorts", sxOctetStr, acReadOnly},
    {nullptr},
};

extern const UISnmpVar dot1qForwardAllEntry[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", sxGauge, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.2.4.1.1", "AllPorts", sxBitStr, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.4.1.2", "StaticPorts", sxBitStr, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.2.4.1.3", "ForbiddenPorts", sxBitStr, acReadWrite},
    {nullptr},
};

extern const UISnmpVar dot1qForwardUnregisteredEntry[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", sxGauge, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.2.5.1.1", "UnregisteredPorts", sxOctetStr, acReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.5.1.2", "UnregisteredStaticPorts", sxOctetStr, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.2.5.1.3", "UnregisteredForbiddenPorts", sxOctetStr, acReadWrite},
    {nullptr},
};

extern const UISnmpVar dot1qStaticUnicastEntry[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Index", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.3.1.1.1", "UnicastAddress", sxMacAddress, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.3.1.1.2", "ReceivePort", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.3.1.1.3", "PortsUnicastAllowedToGoTo", sxBitStr, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.3.1.1.4", "Status", sxInteger, acReadWrite, &staticFilterStatusOptions},
    {nullptr},
};

extern const UISnmpVar dot1qStaticMulticastEntry[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Index", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.3.2.1.1", "MacAddress", sxMacAddress, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.3.2.1.2", "ReceivePort", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.17.7.1.3.2.1.3", "EgressPorts", sxBitStr, acReadWrite},
    {"1.3.6.1.2.1.17.7.1.3.2.1.5", "Status", sxInteger, acReadWrite, &staticFilterStatusOptions},
    {nullptr},
};

std::vector<MibFormTable> VlanFormTables()
{
    return {
        {"TVLanCurrentTableForm deletes", dot1qVlanNumDeletes, SVT_SV, 0},
        {"TVLanCurrentTableForm current VLANs", dot1qVlanCurrentEntry, MVT_UMV, 2},
        {"TVLanPortInfomationForm ports", dot1qPortVlanEntry, MVT_FMV, 1},
        {"TTpGroupDestinationForwardedForm groups", dot1qTpGroupEntry, MVT_UMV, 2},
        {"TMulticastForwardingInformationForm forward all", dot1qForwardAllEntry, MVT_FMV, 1},
        {"TForwardUnregisteredInformationForm forward unregistered", dot1qForwardUnregisteredEntry, MVT_FMV, 1},
        {"TUnicastFilterInformationForm unicast", dot1qStaticUnicastEntry, MVT_UMV, 3},
        {"TMulticastFilterInformationForm multicast", dot1qStaticMulticastEntry, MVT_UMV, 3},
    };
}
