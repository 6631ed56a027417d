// The variable layer's error scheme: every status (agent error status, SNMPv3 processing and
// user security, the SNMP library's, and the layer's own) as one negative code with a text.
//
// Codes: 0 success; -101..-118 agent error status 1..18; -201..-217 SNMPv3 processing
// -1418..-1402; -301..-314 user security 1401..1414; -401..-423 SNMP library -1..-23;
// -501..-528 the layer's own messages 1..28.
#pragma once

#include "common/qzmessages.h"
#include "platform/ui/ansistring.h"

// Built-in texts, each table replaceable by a message file (see QzSNMPLoadMessageFiles).
extern QzMessageTable QzSNMPAgentMessageTable;  // 18, "snmp.err"
extern QzMessageTable QzSNMPv3MessageTable;     // 17, "snmpv3.err"
extern QzMessageTable QzSNMPUSMMessageTable;    // 14, "snmpusm.err"
extern QzMessageTable QzSNMPClassMessageTable;  // 23, "snmpclass.err"
extern QzMessageTable QzSNMPMessageTable;       // 29, "qzsnmp.err": the layer's own
extern QzMessageTable QzSNMPFormatTable;        // 2, "snmp.msg": the Get and Set result lines

// Indexes of the layer's own messages (code = -500 - index).
enum QzSNMPMessage {
    qzsOk = 0,
    qzsVarFileRead = 1,
    qzsVarFileFormat = 2,
    qzsVarFileItemType = 3,
    qzsVarFileSyntax = 4,
    qzsVarFileAccess = 5,
    qzsCreateSession = 6,
    qzsLoadBootCounter = 7,
    qzsSaveBootCounter = 8,
    qzsBadAddress = 9,
    qzsGetNextOfScalars = 10,
    qzsBadSyntax = 11,
    qzsNullInExpression = 12,
    qzsBadSyntaxInExpression = 13,
    qzsBadKeyCount = 14,
    qzsBadListType = 15,
    qzsBadAssociatedListType = 16,
    qzsBadPartSyntax = 17,
    qzsBadPartValue = 18,
    qzsPartIndexOutOfRange = 19,
    qzsNoOptionList = 20,
    qzsBadControlType = 21,
    qzsTooFewControls = 22,
    qzsNoStartTime = 23,
    qzsTooFewChartValues = 24,
    qzsLogNotConnected = 25,
    qzsLogFieldNotFound = 26,
    qzsBadLogChartSyntax = 27,
    qzsUnknownErrorCode = 28,
};

// Indexes of the two result formats.
enum QzSNMPFormat { qzfGet = 0, qzfSet = 1 };

// The layer code of status, with its text in message.
int QzSNMPGetErrorText(int status, AnsiString& message);

// The code and text of the layer's own message k.
inline int QzSNMPOwnCode(int k) { return k == 0 ? 0 : -500 - k; }
// The layer's code of an agent's error status (1 .. 18): -101 .. -118.
constexpr int QzSNMPAgentCode(int status) { return -100 - status; }
// An agent's "no such name" (SNMPv1 noSuchName, 2): a walk's end rather than a failure.
constexpr int qzsAgentNoSuchName = QzSNMPAgentCode(2);
AnsiString QzSNMPOwnText(int k);

// Raises the layer's exception (message = text, help context = code).
[[noreturn]] void QzSNMPThrowStatus(int status);
[[noreturn]] void QzSNMPThrowOwn(int k);

// Loads the five message files and the format file from dir into their tables; a missing
// file keeps the built-in texts.
void QzSNMPLoadMessageFiles(const AnsiString& dir);
