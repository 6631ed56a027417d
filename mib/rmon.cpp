// Descriptor tables of the table commands of the "RMON" menu.
#include "mib/rmon.h"

#include "common/qzoptionlist.h"
#include "mib/mibareas.h"
#include "mib/mibshared.h"
#include "snmpvars/uisnmpvar.h"

// RMONSetting1: "RMON Control"
extern const UISnmpVar RMONSetting1Vars[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.1.2.4", "Rmon State", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {nullptr},
};

namespace {

// NetConfiguration1: "Net Configuration Table"
const UISnmpVar NetConfiguration1Vars[] = {
    {"1.3.6.1.2.1.16.19.11.1.1", "netConfigIPAddress", sxIpAddress, acReadOnly},
    {"1.3.6.1.2.1.16.19.11.1.2", "netConfigSubnetMask", sxIpAddress, acReadOnly},
    {"1.3.6.1.2.1.16.19.11.1.3", "netConfigStatus", sxInteger, acReadOnly, &mibRowStatusOptions},
    {nullptr},
};

// NetDefaultGateway1: "Net Default Gateway"
const UISnmpVar NetDefaultGateway1Vars[] = {
    {"1.3.6.1.2.1.16.19.12", "netDefaultGateway", sxIpAddress, acReadWrite},
    {nullptr},
};

}  // namespace

extern const MibCommand kRmonCommands[] = {
    {"RMONSetting1", "RMON Control", RMONSetting1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"NetConfiguration1", "Net Configuration Table", NetConfiguration1Vars, MVT_FMV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"NetDefaultGateway1", "Net Default Gateway", NetDefaultGateway1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {nullptr},
};
