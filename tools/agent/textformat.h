// Text forms shared by the simulated agent and the tests that read its log: the tokens of
// data-file and log lines, quoted strings, error-status names and the log record.
//
// Log line of one request PDU (one line, ASCII, flushed as written):
//
//   <kind> <version> <name> <level> <status> <index> [| <oid> <type> <value>]...
//
//   kind     GET, GETNEXT, GETBULK or SET
//   version  v1, v2c or v3
//   name     the community, or the SNMPv3 user name, as a quoted string
//   level    noAuthNoPriv, authNoPriv or authPriv for SNMPv3, "-" otherwise
//   status   error-status name of the reply ("noError", "notWritable", ...), "dropped" when a
//            fault swallowed the request, "unanswered" when the agent sent no reply (unknown
//            community or context)
//   index    error-index of the reply (0 when none)
//   varbinds the request's varbinds in order: numeric OID, type (integer, string, oid,
//            ipaddress, counter, gauge, timeticks, counter64, opaque, bitstring, null) and
//            value (decimal, dotted, a quoted string with \xHH escapes, "-" for null)
//
//   SET v2c "private" - noError 0 | 1.3.6.1.2.1.1.5.0 string "core-1"
//
// Control acknowledgements go to the same log: "CONTROL <line> ok" or
// "CONTROL <line> error <quoted reason>".
#pragma once

#include <string>
#include <vector>

namespace vrxagent {

struct Token {
    std::string text;  // quotes removed, escapes decoded
    bool quoted = false;
};

// Splits a line into blank-separated tokens. A token that starts with '"' runs to the next
// unescaped '"' (escapes \" \\ \n \r \t \xHH); '#' at the start of a token ends the line.
// Throws std::invalid_argument with the reason on an unterminated string or a bad escape.
std::vector<Token> Tokenize(const std::string& line);

// Bytes as a quoted string: printable ASCII as is, '"' and '\' escaped, every other byte \xHH.
std::string Quote(const std::string& bytes);

// Error-status names of RFC 3416 (0 to 18) and the three exceptions noSuchObject (128),
// noSuchInstance (129) and endOfMibView (130). Unknown numbers give their decimal text.
std::string ErrorStatusName(int status);
// Accepts a name (case-insensitive) or a decimal number; false when neither.
bool ParseErrorStatus(const std::string& text, int* status);

struct LogVarbind {
    std::string oid;    // numeric, no leading dot
    std::string type;   // as in the log line
    std::string value;  // decoded bytes for strings, the text otherwise; "" for null
};

struct LogRecord {
    std::string kind, version, name, level, status;
    int errorIndex = 0;
    std::vector<LogVarbind> varbinds;
};

std::string FormatLogRecord(const LogRecord& record);
// False when the line is not a request record (a control acknowledgement, or garbage).
bool ParseLogRecord(const std::string& line, LogRecord* record);

struct ControlAck {
    int line = 0;
    bool ok = false;
    std::string reason;
};
std::string FormatControlAck(const ControlAck& ack);
bool ParseControlAck(const std::string& line, ControlAck* ack);

}  // namespace vrxagent
