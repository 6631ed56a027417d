// The diagnostic log of the SNMP exchanges, category "vrx6120.snmp": one debug line for every
// exchange that ends. Off unless turned on (QT_LOGGING_RULES="vrx6120.snmp.debug=true").
#pragma once

#include <QLoggingCategory>
#include <chrono>

class Pdu;
class SnmpTarget;

Q_DECLARE_LOGGING_CATEGORY(lcSnmp)

// command: the PDU type sent (net-snmp's SNMP_MSG_*); status: how the exchange ended (a reply,
// whose error status the PDU then carries, or the layer's failure); pdu: the reply, or the
// request when none came.
void LogExchange(int command, const SnmpTarget& target, const Pdu& pdu, int status,
                 std::chrono::steady_clock::duration taken);
