#include "mib/routingforms.h"

#include "mib/formtables.h"
#include "mib/mibshared.h"

namespace {

const QzOptionEntry kBkupState[] = {{1, "primary"}, {2, "backup"}, {0, nullptr}};
const QzOptionEntry kInvalidValid[] = {{2, "invalid"}, {3, "valid"}, {0, nullptr}};
const QzOptionEntry kSrcProtocol[] = {{2, "rip"}, {3, "ospf"}, {4, "static"}, {5, "local"}, {0, nullptr}};
const QzOptionEntry kDstProtocol[] = {{2, "rip"}, {3, "ospf"}, {0, nullptr}};
const QzOptionEntry kRedistType[] = {{2, "all"}, {3, "type-1"}, {4, "type-2"}, {5, "internal"}, {6, "external"},
    {7, "inter+E1"}, {8, "inter+E2"}, {9, "extType1"}, {10, "extType2"}, {0, nullptr}};
const QzOptionEntry kArpIpv6Type[] = {{1, "other"}, {2, "invalid"}, {3, "dynamic"}, {4, "static"}, {0, nullptr}};
const QzOptionEntry kBlockedType[] = {{2, "blockByAddrBind"}, {3, "delete"}, {0, nullptr}};

}  // namespace

QzOptionList l3RouteBkupStateOptions(kBkupState);
QzOptionList l3InvalidValidOptions(kInvalidValid);
QzOptionList l3RedistSrcProtocolOptions(kSrcProtocol);
QzOptionList l3RedistDstProtocolOptions(kDstProtocol);
QzOptionList l3RedistTypeOptions(kRedistType);
QzOptionList l3ArpIpv6TypeOptions(kArpIpv6Type);
QzOptionList ipMacBlockedTypeOptions(kBlockedType);

extern const UISnmpVar swL3IpStaticRouteEntry[] = {
    {"1.3.6.1.4.1.171.11.70.2.3.2.5.1.1", "swL3IpStaticRouteDest", sxIpAddress, acNotAccess},
    {"1.3.6.1.4.1.171.11.70.2.3.2.5.1.2", "swL3IpStaticRouteMask", sxIpAddress, acNotAccess},
    {"1.3.6.1.4.1.171.11.70.2.3.2.5.1.3", "swL3IpStaticRouteBkupState", sxInteger, acNotAccess,
     &l3RouteBkupStateOptions},
    {"1.3.6.1.4.1.171.11.70.2.3.2.5.1.4", "swL3IpStaticRouteNextHop", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.11.70.2.3.2.5.1.5", "swL3IpStaticRouteMetric", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.70.2.3.2.5.1.6", "swL3IpStaticRouteStatus", sxInteger, acReadWrite, &l3InvalidValidOptions},
    {nullptr},
};

extern const UISnmpVar swL3Ipv6StaticRouteEntry[] = {
    {"1.3.6.1.4.1.171.12.26.3.1.1.1", "swL3Ipv6StaticRouteDest", sxIpv6Address, acNotAccess},
    {"1.3.6.1.4.1.171.12.26.3.1.1.2", "swL3Ipv6StaticRouteMask", sxIpv6Address, acNotAccess},
    {"1.3.6.1.4.1.171.12.26.3.1.1.3", "swL3Ipv6StaticRouteNextHop", sxIpv6Address, acNotAccess},
    {"1.3.6.1.4.1.171.12.26.3.1.1.4", "swL3Ipv6StaticRouteMetric", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.26.3.1.1.5", "swL3Ipv6StaticRouteStatus", sxInteger, acReadWrite, &l3InvalidValidOptions},
    {nullptr},
};

extern const UISnmpVar swL3RouteRedistriEntry[] = {
    {"1.3.6.1.4.1.171.11.55.2.3.5.1.1", "Source Protocol", sxInteger, acNotAccess, &l3RedistSrcProtocolOptions},
    {"1.3.6.1.4.1.171.11.55.2.3.5.1.2", "Dstination Protocol", sxInteger, acNotAccess, &l3RedistDstProtocolOptions},
    {"1.3.6.1.4.1.171.11.55.2.3.5.1.3", "Type", sxInteger, acReadWrite, &l3RedistTypeOptions},
    {"1.3.6.1.4.1.171.11.55.2.3.5.1.4", "Metric", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.11.55.2.3.5.1.5", "RowStatus", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};

extern const UISnmpVar swL3BootpRelayServerEntry[] = {
    {"1.3.6.1.4.1.171.11.55.2.3.3.1.4.1.1", "Interface Name", sxDisplayStr, acNotAccess},
    {"1.3.6.1.4.1.171.11.55.2.3.3.1.4.1.2", "Bootp Server IP", sxIpAddress, acNotAccess},
    {"1.3.6.1.4.1.171.11.55.2.3.3.1.4.1.3", "State", sxInteger, acReadWrite, &l3InvalidValidOptions},
    {nullptr},
};

extern const UISnmpVar swL3ArpCtrlIpv6Entry[] = {
    {"1.3.6.1.4.1.171.12.26.4.7.1.1", "swL3ArpCtrlIpv6IfIndex", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.26.4.7.1.2", "swL3ArpCtrlIpv6IpAddr", sxIpv6Address, acNotAccess},
    {"1.3.6.1.4.1.171.12.26.4.7.1.3", "swL3ArpCtrlIpv6MacAddr", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.26.4.7.1.4", "swL3ArpCtrlIpv6Type", sxInteger, acReadWrite, &l3ArpIpv6TypeOptions},
    {nullptr},
};

extern const UISnmpVar swIpMacBindingEntry[] = {
    {"1.3.6.1.4.1.171.12.23.4.1.1.1", "swIpMacBindingIpIndex", sxIpAddress, acNotAccess},
    {"1.3.6.1.4.1.171.12.23.4.1.1.2", "swIpMacBindingMac", sxMacAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.23.4.1.1.3", "swIpMacBindingStatus", sxInteger, acReadWrite, &mibRowStatusOptions},
    {"1.3.6.1.4.1.171.12.23.4.1.1.4", "swIpMacBindingPorts", sxBitStr, acReadWrite},
    {nullptr},
};

extern const UISnmpVar swIpMacBindingBlockedEntry[] = {
    {"1.3.6.1.4.1.171.12.23.4.2.1.1", "swIpMacBindingBlockedVID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.23.4.2.1.2", "swIpMacBindingBlockedMac", sxMacAddress, acNotAccess},
    {"1.3.6.1.4.1.171.12.23.4.2.1.3", "swIpMacBindingBlockedVlanName", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.23.4.2.1.4", "swIpMacBindingBlockedPort", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.23.4.2.1.5", "swIpMacBindingBlockedType", sxInteger, acReadWrite, &ipMacBlockedTypeOptions},
    {nullptr},
};

std::vector<MibFormTable> RoutingFormTables()
{
    return {
        {"TIpStaticRouteForm IPv4 static routes", swL3IpStaticRouteEntry, MVT_UMV, 3},
        {"TIpv6StaticRouteForm IPv6 static routes", swL3Ipv6StaticRouteEntry, MVT_UMV, 3},
        {"TARPIPV6ControlForm IPv6 neighbours", swL3ArpCtrlIpv6Entry, MVT_UMV, 2},
        {"TIPMACBindingForm IP-MAC bindings", swIpMacBindingEntry, MVT_UMV, 1},
        {"TIpMacBindBlockedForm blocked hosts", swIpMacBindingBlockedEntry, MVT_UMV, 2},
        {"TRouteRedistributForm redistribution rules", swL3RouteRedistriEntry, MVT_UMV, 2},
        {"TBOOTCtrlTableForm BOOTP relay servers", swL3BootpRelayServerEntry, MVT_FMV, 2},
    };
}
