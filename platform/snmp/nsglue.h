// What the session needs of net-snmp beyond sending: library set-up, conversion of bindings
// both ways, and the entries of its process-wide SNMPv3 user table. Internal to this folder.
#pragma once

#include <string>
#include <vector>

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include "platform/snmp/oid.h"
#include "platform/snmp/vb.h"

// Sets the library up once per process: no configuration read, no MIB loaded, no files kept,
// no log output.
void InitNetSnmp();

std::vector<oid> ToNetOid(const Oid& o);
Oid FromNetOid(const oid* ids, size_t n);
// Appends vb to pdu: its value when withValue (a set), else a null value.
void AddVariable(netsnmp_pdu* pdu, const Vb& vb, bool withValue);
Vb FromNetVariable(const netsnmp_variable_list* v);

// Makes the library's user (engineId, userName) carry exactly these localised keys (empty for
// none), replacing an entry with other keys. The table is shared by every session of the
// process, so keys left there for the same name by other credentials must not be used.
void InstallUsmUser(const std::string& engineId, const std::string& userName, int authProtocol,
                    const std::string& authKey, const std::string& privKey);
