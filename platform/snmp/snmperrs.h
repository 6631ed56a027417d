// Status codes, versions and security constants of the SNMP layer. The numbers are the ones
// the variable layer's error scheme folds into its own codes, so they must not change.
#pragma once

// ---- Class status codes (0 success, negative failures) ----
enum : int {
    SNMP_CLASS_SUCCESS = 0,
    SNMP_CLASS_ERROR = -1,               // operation failed
    SNMP_CLASS_RESOURCE_UNAVAIL = -2,
    SNMP_CLASS_INTERNAL_ERROR = -3,
    SNMP_CLASS_UNSUPPORTED = -4,
    SNMP_CLASS_TIMEOUT = -5,
    SNMP_CLASS_ASYNC_RESPONSE = -6,      // callback reason: a response arrived
    SNMP_CLASS_NOTIFICATION = -7,
    SNMP_CLASS_SESSION_DESTROYED = -8,   // callback reason: the session closed first
    SNMP_CLASS_INVALID = -10,
    SNMP_CLASS_INVALID_PDU = -11,
    SNMP_CLASS_INVALID_TARGET = -12,
    SNMP_CLASS_INVALID_CALLBACK = -13,
    SNMP_CLASS_INVALID_REQID = -14,
    SNMP_CLASS_INVALID_NOTIFYID = -15,
    SNMP_CLASS_INVALID_OPERATION = -16,  // not supported on that target (v2 type in v1)
    SNMP_CLASS_INVALID_OID = -17,
    SNMP_CLASS_INVALID_ADDRESS = -18,
    SNMP_CLASS_ERR_STATUS_SET = -19,
    SNMP_CLASS_TL_UNSUPPORTED = -20,
    SNMP_CLASS_TL_IN_USE = -21,
    SNMP_CLASS_TL_FAILED = -22,
    SNMP_CLASS_SHUTDOWN = -23,
};

// ---- Agent error status (the PDU's error-status field, returned by synchronous calls) ----
enum : int {
    SNMP_ERROR_SUCCESS = 0,
    SNMP_ERROR_TOO_BIG = 1,
    SNMP_ERROR_NO_SUCH_NAME = 2,
    SNMP_ERROR_BAD_VALUE = 3,
    SNMP_ERROR_READ_ONLY = 4,
    SNMP_ERROR_GENERAL_VB_ERR = 5,
    SNMP_ERROR_NO_ACCESS = 6,
    SNMP_ERROR_WRONG_TYPE = 7,
    SNMP_ERROR_WRONG_LENGTH = 8,
    SNMP_ERROR_WRONG_ENCODING = 9,
    SNMP_ERROR_WRONG_VALUE = 10,
    SNMP_ERROR_NO_CREATION = 11,
    SNMP_ERROR_INCONSIST_VAL = 12,
    SNMP_ERROR_RESOURCE_UNAVAIL = 13,
    SNMP_ERROR_COMITFAIL = 14,
    SNMP_ERROR_UNDO_FAIL = 15,
    SNMP_ERROR_AUTH_ERR = 16,
    SNMP_ERROR_NOT_WRITEABLE = 17,
    SNMP_ERROR_INCONSIS_NAME = 18,
};

// ---- SNMPv3 message processing (-1401 is success) ----
enum : int {
    SNMPv3_MP_OK = -1401,
    SNMPv3_MP_UNSUPPORTED_SECURITY_MODEL = -1402,
    SNMPv3_MP_NOT_IN_TIME_WINDOW = -1403,
    SNMPv3_MP_DOUBLED_MESSAGE = -1404,
    SNMPv3_MP_INVALID_MESSAGE = -1405,
    SNMPv3_MP_INVALID_ENGINEID = -1406,
    SNMPv3_MP_NOT_INITIALIZED = -1407,
    SNMPv3_MP_PARSE_ERROR = -1408,
    SNMPv3_MP_UNKNOWN_MSGID = -1409,
    SNMPv3_MP_MATCH_ERROR = -1410,
    SNMPv3_MP_COMMUNITY_ERROR = -1411,
    SNMPv3_MP_WRONG_USER_NAME = -1412,
    SNMPv3_MP_BUILD_ERROR = -1413,
    SNMPv3_MP_USM_ERROR = -1414,
    SNMPv3_MP_UNKNOWN_PDU_HANDLERS = -1415,
    SNMPv3_MP_UNAVAILABLE_CONTEXT = -1416,
    SNMPv3_MP_UNKNOWN_CONTEXT = -1417,
    SNMPv3_MP_REPORT_SENT = -1418,
};

// ---- SNMPv3 user-based security (1400 is success) ----
enum : int {
    SNMPv3_USM_OK = 1400,
    SNMPv3_USM_ERROR = 1401,
    SNMPv3_USM_ERROR_CONFIGFILE = 1402,
    SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL = 1403,
    SNMPv3_USM_UNKNOWN_SECURITY_NAME = 1404,
    SNMPv3_USM_ENCRYPTION_ERROR = 1405,
    SNMPv3_USM_DECRYPTION_ERROR = 1406,
    SNMPv3_USM_AUTHENTICATION_ERROR = 1407,
    SNMPv3_USM_AUTHENTICATION_FAILURE = 1408,
    SNMPv3_USM_PARSE_ERROR = 1409,
    SNMPv3_USM_UNKNOWN_ENGINEID = 1410,
    SNMPv3_USM_NOT_IN_TIME_WINDOW = 1411,
    SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL = 1412,
    SNMPv3_USM_UNSUPPORTED_PRIVPROTOCOL = 1413,
    SNMPv3_USM_ADDRESS_ERROR = 1414,
};

// ---- Results of the engine boots counter file ----
enum : int {
    SNMPv3_OK = 0,
    SNMPv3_NO_ENTRY_ERROR = -1,     // the file has no line for this engine
    SNMPv3_FILEOPEN_ERROR = -2,     // the file cannot be opened (missing)
    SNMPv3_TOO_LONG_ERROR = -3,     // engine id longer than 32 octets
    SNMPv3_FILE_ERROR = -4,         // unreadable contents, or a read/write failure
    SNMPv3_FILECREATE_ERROR = -5,   // the new file cannot be created
    SNMPv3_FILERENAME_ERROR = -6,   // the new file cannot replace the old one
};

// ---- Versions, security models, levels and protocols ----
enum snmp_version { version1 = 0, version2c = 1, version3 = 3 };

enum : int {
    SNMP_SECURITY_MODEL_ANY = 0,
    SNMP_SECURITY_MODEL_V1 = 1,
    SNMP_SECURITY_MODEL_V2 = 2,
    SNMP_SECURITY_MODEL_USM = 3,
};

enum : int {
    SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV = 1,
    SNMP_SECURITY_LEVEL_AUTH_NOPRIV = 2,
    SNMP_SECURITY_LEVEL_AUTH_PRIV = 3,
};

enum : int {
    SNMP_AUTHPROTOCOL_NONE = 1,
    SNMP_AUTHPROTOCOL_HMACMD5 = 2,
    SNMP_AUTHPROTOCOL_HMACSHA = 3,
};

enum : int {
    SNMP_PRIVPROTOCOL_NONE = 1,
    SNMP_PRIVPROTOCOL_DES = 2,
};
