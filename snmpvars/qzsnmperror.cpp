#include "snmpvars/qzsnmperror.h"

#include <iterator>

#include "common/qzini.h"
#include "platform/ui/sysutils.h"

namespace {

const char* const kAgent[] = {
    "(SNMP) Response PDU Too Big!",
    "(SNMP) Variable does not exist!",
    "(SNMP) Cannot modify variable: Bad Value!",
    "(SNMP) Cannot modify object, Read Only!",
    "(SNMP) Cannot perform operation, General Error!",
    "(SNMP) Cannot access variable, No Access!",
    "(SNMP) Cannot create/modify variable, Wrong Type!",
    "(SNMP) Cannot create/set variable, Wrong Length!",
    "(SNMP) Cannot create/set variable, Wrong Encoding!",
    "(SNMP) Cannot create/set variable, Wrong Value!",
    "(SNMP) Cannot create variable, Creation Not Allowed!",
    "(SNMP) Cannot create/set variable, Inconsistent Value!",
    "(SNMP) Cannot create/set variable, Resource Unavailable!",
    "(SNMP) Cannot create/set variable, Commit Failed!",
    "(SNMP) Cannot create/set variable, Undo Failed!",
    "(SNMP) Cannot perform operation, Authorization Error!",
    "(SNMP) Cannot create/set variable, Not Writable!",
    "(SNMP) Cannot create variable, Inconsistent Name!",
};

const char* const kV3[] = {
    "(SNMPv3) Unsupported Security Model!",
    "(SNMPv3) Message not in Time Window!",
    "(SNMPv3) Received same Message twice!",
    "(SNMPv3) Invalid Message!",
    "(SNMPv3) Invalid EngineID!",
    "(SNMPv3) v3MP not initialized!",
    "(SNMPv3) Parse Error!",
    "(SNMPv3) Received Message with unknown MsgID!",
    "(SNMPv3) Message does not match known message!",
    "(SNMPv3) Community format error!",
    "(SNMPv3) Unknown UserName!",
    "(SNMPv3) Build error!",
    "(SNMPv3) USM: error!",
    "(SNMPv3) Unknown pdu handlers!",
    "(SNMPv3) Unavailable Context!",
    "(SNMPv3) Unknown Context!",
    "(SNMPv3) Report sent!",
};

const char* const kUsm[] = {
    "(SNMPv3USM) error!",
    "(SNMPv3USM) Configfile write error!",
    "(SNMPv3USM) Unsupported SecurityLevel!",
    "(SNMPv3USM) Unknown SecurityName!",
    "(SNMPv3USM) Encryption error!",
    "(SNMPv3USM) Decryption error!",
    "(SNMPv3USM) Authentication error!",
    "(SNMPv3USM) Authentication failure!",
    "(SNMPv3USM) Parse error!",
    "(SNMPv3USM) Unknown EngineID!",
    "(SNMPv3USM) Message not in TimeWindow!",
    "(SNMPv3USM) Unsupported AuthProtocol!",
    "(SNMPv3USM) Unsupported PrivProtocol!",
    "(SNMPv3USM) Address error!",
};

const char* const kClass[] = {
    "(SNMPClass) Operation failed!",
    "(SNMPClass) Resource unavailable!",
    "(SNMPClass) Internal error!",
    "(SNMPClass) Unsupported function!",
    "(SNMPClass) SNMP request timed out!",
    "(SNMPClass) Received SNMP Response!",
    "(SNMPClass) Received SNMP Notification (trap or inform)!",
    "(SNMPClass) Closing session with outstanding requests!",
    "(SNMPClass)Unknown error code!",
    "(SNMPClass) Class not valid!",
    "(SNMPClass) Invalid Pdu!",
    "(SNMPClass) Invalid Target!",
    "(SNMPClass) Invalid (null) Callback Function!",
    "(SNMPClass) Invalid Request Id!",
    "(SNMPClass) Invalid Notification Id!",
    "(SNMPClass) SNMP Operation not supported on specified Target!",
    "(SNMPClass) Invalid Object Identifier!",
    "(SNMPClass) Invalid Address!",
    "(SNMPClass) Agent indicates error in SNMP request!",
    "(SNMP Class) Transport is not supported!",
    "(SNMPClass) Transport is in use!",
    "(SNMPClass) Transport operation failed!",
    "(SNMPClass) Blocked Mode Shutdown!",
};

const char* const kOwn[] = {
    "(QzSNMP++) Ok!",
    "(QzSNMP++) Fail to read SNMP variables from file([FILENAME])!",
    "(QzSNMP++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "(QzSNMP++) Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(QzSNMP++) Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "(QzSNMP++) Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(QzSNMP++) Cannot create the global QzSNMP++ session!",
    "(QzSNMP++) Error when loading SNMP engine boots counter!",
    "(QzSNMP++) Error when saving SNMP engine boots counter!",
    "(QzSNMP++) Invalid IP Address or DNS name!",
    "(QzSNMP++) Can't send get-next command for a SNMP variable list with single value!",
    "(QzSNMP++) Bad SNMP syntax!",
    "(QzSNMP++) Null value in the expression!",
    "(QzSNMP++) Bad SNMP syntax in the expression!",
    "(QzSNMP++) Bad key count of SNMP variable list!",
    "(QzSNMP++) Bad item type of SNMP variable list!",
    "(QzSNMP++) Bad item type of associated SNMP variable list!",
    "(QzSNMP++) Bad syntax of the associated SNMP variable's (partial) data!",
    "(QzSNMP++) Bad value of the associated SNMP variable's (partial) data!",
    "(QzSNMP++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
    "(QzSNMP++) No reference option list for a SNMP variable's (partial) data associating with a optional visual control!",
    "(QzSNMP++) Bad type of the associated visual control!",
    "(QzSNMP++) Count of the associated visual controls is not enough!",
    "(QzSNMP++) No system start time for the time whose data source is the SNMP variable's (partial) data with syntax timeticks!",
    "(QzSNMP++) Count of the value items for the chart's history data is not enough!",
    "(QzSNMP++) Log database is not connected!",
    "(QzSNMP++) Log database field not found!",
    "(QzSNMP++) Bad syntax for the history chart of log!",
    "(QzSNMP++) Unknown error code!",
};

const char* const kFormats[] = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};

template <size_t N>
int Count(const char* const (&)[N])
{
    return static_cast<int>(N);
}

}  // namespace

QzMessageTable QzSNMPAgentMessageTable(kAgent, Count(kAgent));
QzMessageTable QzSNMPv3MessageTable(kV3, Count(kV3));
QzMessageTable QzSNMPUSMMessageTable(kUsm, Count(kUsm));
QzMessageTable QzSNMPClassMessageTable(kClass, Count(kClass));
QzMessageTable QzSNMPMessageTable(kOwn, Count(kOwn));
QzMessageTable QzSNMPFormatTable(kFormats, Count(kFormats));

int QzSNMPGetErrorText(int status, AnsiString& message)
{
    if (status == 0 || status == -1401 || status == 1400) {
        message = QzSNMPMessageTable.Text(qzsOk);
        return 0;
    }
    if (status >= 1401 && status <= 1414) {
        message = QzSNMPUSMMessageTable.Text(status - 1401);
        return 1100 - status;
    }
    if (status >= -1418 && status <= -1402) {
        message = QzSNMPv3MessageTable.Text(-1402 - status);
        return status + 1201;
    }
    if (status >= 1 && status <= 18) {
        message = QzSNMPAgentMessageTable.Text(status - 1);
        return QzSNMPAgentCode(status);
    }
    if (status >= -23 && status <= -1) {
        message = QzSNMPClassMessageTable.Text(-1 - status);
        return status - 400;
    }
    message = QzSNMPMessageTable.Text(qzsUnknownErrorCode);
    return QzSNMPOwnCode(qzsUnknownErrorCode);
}

AnsiString QzSNMPOwnText(int k) { return QzSNMPMessageTable.Text(k); }

void QzSNMPThrowStatus(int status)
{
    AnsiString text;
    int code = QzSNMPGetErrorText(status, text);
    throw Exception(text, code);
}

void QzSNMPThrowOwn(int k) { throw Exception(QzSNMPOwnText(k), QzSNMPOwnCode(k)); }

void QzSNMPLoadMessageFiles(const AnsiString& dir)
{
    LoadMessageFile(QzSNMPAgentMessageTable, JoinPath(dir, "snmp.err"));
    LoadMessageFile(QzSNMPv3MessageTable, JoinPath(dir, "snmpv3.err"));
    LoadMessageFile(QzSNMPUSMMessageTable, JoinPath(dir, "snmpusm.err"));
    LoadMessageFile(QzSNMPClassMessageTable, JoinPath(dir, "snmpclass.err"));
    LoadMessageFile(QzSNMPMessageTable, JoinPath(dir, "qzsnmp.err"));
    LoadMessageFile(QzSNMPFormatTable, JoinPath(dir, "snmp.msg"));
}
