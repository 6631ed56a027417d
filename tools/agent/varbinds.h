// Conversions between net-snmp's varbinds and PDUs and the agent's values and log records.
#pragma once

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <cstddef>
#include <string>

#include "tools/agent/mibdata.h"
#include "tools/agent/textformat.h"

namespace vrxagent {

Oid ToOid(const oid* name, size_t len);
std::string ToBytes(const u_char* p, size_t len);

// The varbind's value; `error` is an error status (wrongType, wrongLength, wrongEncoding)
// when it cannot stand for any value of ours. Every length is checked.
Value Decode(const netsnmp_variable_list* vb, int* error);

// Sets the varbind's value; octet strings (but addresses) are cut to `maxBytes`.
void SetValue(netsnmp_variable_list* vb, const Value& v, size_t maxBytes = static_cast<size_t>(-1));

// "GET", "GETNEXT", "GETBULK", "SET", or null for other PDUs.
const char* KindName(int command);
// The request as the log records it, status and index not yet known.
LogRecord Describe(const netsnmp_pdu* pdu);

}  // namespace vrxagent
