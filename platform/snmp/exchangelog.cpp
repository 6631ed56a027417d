#include "platform/snmp/exchangelog.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include "platform/snmp/pdu.h"
#include "platform/snmp/snmperrs.h"
#include "platform/snmp/target.h"
#include "platform/snmp/vb.h"

Q_LOGGING_CATEGORY(lcSnmp, "vrx6120.snmp", QtInfoMsg)

namespace {

const char* CommandName(int command)
{
    switch (command) {
    case SNMP_MSG_GET: return "get";
    case SNMP_MSG_GETNEXT: return "get-next";
    case SNMP_MSG_GETBULK: return "get-bulk";
    case SNMP_MSG_SET: return "set";
    default: return "pdu";
    }
}

// The address, version and (SNMPv3) user; never a community or a key.
QString TargetText(const SnmpTarget& target)
{
    QString text = QString::fromStdString(target.get_address().get_printable());
    switch (target.get_version()) {
    case version1: return text + " v1";
    case version2c: return text + " v2c";
    default: break;
    }
    text += " v3";
    if (target.get_type() == SnmpTarget::Type::User)
        text += " user " + QString::fromStdString(static_cast<const UTarget&>(target).get_security_name().bytes());
    return text;
}

}  // namespace

void LogExchange(int command, const SnmpTarget& target, const Pdu& pdu, int status,
                 std::chrono::steady_clock::duration taken)
{
    if (!lcSnmp().isDebugEnabled()) return;
    const int kShown = 16;
    QStringList oids;
    for (int i = 0; i < pdu.get_vb_count() && i < kShown; ++i) {
        Vb vb;
        if (pdu.get_vb(vb, i)) oids << QString::fromStdString(vb.get_printable_oid());
    }
    if (pdu.get_vb_count() > kShown) oids << QString("(%1 more)").arg(pdu.get_vb_count() - kShown);
    QString outcome = status == SNMP_CLASS_ASYNC_RESPONSE
                          ? QString("reply, error status %1 index %2").arg(pdu.get_error_status()).arg(pdu.get_error_index())
                          : QString("failed, status %1").arg(status);
    qCDebug(lcSnmp).noquote() << CommandName(command) << TargetText(target) << "[" + oids.join(", ") + "]" << outcome
                              << std::chrono::duration_cast<std::chrono::milliseconds>(taken).count() << "ms";
}
