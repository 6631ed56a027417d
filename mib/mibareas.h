// The command records of each feature area, each list ended by a record with a null component.
// Only the catalog reads these.
#pragma once

#include "mib/mibcatalog.h"

extern const MibCommand kBasicConfigCommands[];
extern const MibCommand kRmonCommands[];
extern const MibCommand kBridgeCommands[];
extern const MibCommand kVlanCommands[];
extern const MibCommand kSnmpV3Commands[];
extern const MibCommand kDot1xCommands[];
extern const MibCommand kSecurityCommands[];
extern const MibCommand kLayer2Commands[];
extern const MibCommand kSnoopingCommands[];
extern const MibCommand kCpuFilterCommands[];
extern const MibCommand kLayer3Commands[];
extern const MibCommand kL3ProtocolCommands[];
extern const MibCommand kSingleIpCommands[];
