// How the library's error numbers and SNMPv3 reports read as status codes.
#include <gtest/gtest.h>

#include "platform/snmp/nsstatus.h"
#include "platform/snmp/snmperrs.h"

TEST(StatusMapping, NetSnmpErrorsBecomeClassAndSecurityCodes)
{
    // net-snmp's SNMPERR_* numbers, named in the comments.
    struct Case {
        int snmpErr;
        int status;
    } cases[] = {
        {0, SNMP_CLASS_SUCCESS},                                 // SUCCESS
        {-1, SNMP_CLASS_ERROR},                                  // GENERR
        {-2, SNMP_CLASS_TL_IN_USE},                              // BAD_LOCPORT
        {-3, SNMP_CLASS_INVALID_ADDRESS},                        // BAD_ADDRESS
        {-4, SNMP_CLASS_INVALID_TARGET},                         // BAD_SESSION
        {-5, SNMP_CLASS_INVALID_PDU},                            // TOO_LONG
        {-6, SNMP_CLASS_TL_FAILED},                              // NO_SOCKET
        {-7, SNMP_CLASS_INVALID_OPERATION},                      // V2_IN_V1
        {-8, SNMP_CLASS_INVALID_OPERATION},                      // V1_IN_V2
        {-11, SNMPv3_MP_BUILD_ERROR},                            // BAD_ASN1_BUILD
        {-12, SNMP_CLASS_TL_FAILED},                             // BAD_SENDTO
        {-13, SNMPv3_MP_PARSE_ERROR},                            // BAD_PARSE
        {-18, SNMPv3_MP_COMMUNITY_ERROR},                        // BAD_COMMUNITY
        {-19, SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL},            // NOAUTH_DESPRIV
        {-22, SNMP_CLASS_INTERNAL_ERROR},                        // ABORT
        {-23, SNMP_CLASS_INVALID_PDU},                           // UNKNOWN_PDU
        {-24, SNMP_CLASS_TIMEOUT},                               // TIMEOUT
        {-25, SNMP_CLASS_TL_FAILED},                             // BAD_RECVFROM
        {-26, SNMPv3_MP_INVALID_ENGINEID},                       // BAD_ENG_ID
        {-27, SNMPv3_USM_UNKNOWN_SECURITY_NAME},                 // BAD_SEC_NAME
        {-28, SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL},            // BAD_SEC_LEVEL
        {-29, SNMPv3_MP_PARSE_ERROR},                            // ASN_PARSE_ERR
        {-30, SNMPv3_MP_UNSUPPORTED_SECURITY_MODEL},             // UNKNOWN_SEC_MODEL
        {-31, SNMPv3_MP_INVALID_MESSAGE},                        // INVALID_MSG
        {-32, SNMPv3_USM_UNKNOWN_ENGINEID},                      // UNKNOWN_ENG_ID
        {-33, SNMPv3_USM_UNKNOWN_SECURITY_NAME},                 // UNKNOWN_USER_NAME
        {-34, SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL},            // UNSUPPORTED_SEC_LEVEL
        {-35, SNMPv3_USM_AUTHENTICATION_FAILURE},                // AUTHENTICATION_FAILURE
        {-36, SNMPv3_USM_NOT_IN_TIME_WINDOW},                    // NOT_IN_TIME_WINDOW
        {-37, SNMPv3_USM_DECRYPTION_ERROR},                      // DECRYPTION_ERR
        {-38, SNMPv3_USM_ERROR},                                 // SC_GENERAL_FAILURE
        {-40, SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL},              // KT_NOT_AVAILABLE
        {-41, SNMPv3_MP_INVALID_MESSAGE},                        // UNKNOWN_REPORT
        {-42, SNMPv3_USM_ERROR},                                 // USM_GENERICERROR
        {-43, SNMPv3_USM_UNKNOWN_SECURITY_NAME},                 // USM_UNKNOWNSECURITYNAME
        {-44, SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL},            // USM_UNSUPPORTEDSECURITYLEVEL
        {-45, SNMPv3_USM_ENCRYPTION_ERROR},                      // USM_ENCRYPTIONERROR
        {-46, SNMPv3_USM_AUTHENTICATION_FAILURE},                // USM_AUTHENTICATIONFAILURE
        {-47, SNMPv3_USM_PARSE_ERROR},                           // USM_PARSEERROR
        {-48, SNMPv3_USM_UNKNOWN_ENGINEID},                      // USM_UNKNOWNENGINEID
        {-49, SNMPv3_USM_NOT_IN_TIME_WINDOW},                    // USM_NOTINTIMEWINDOW
        {-50, SNMPv3_USM_DECRYPTION_ERROR},                      // USM_DECRYPTIONERROR
        {-54, SNMP_CLASS_INVALID_OID},                           // BAD_SUBID
        {-55, SNMP_CLASS_INVALID_OID},                           // LONG_OID
        {-60, SNMP_CLASS_INVALID_PDU},                           // NO_VARS
        {-62, SNMP_CLASS_RESOURCE_UNAVAIL},                      // MALLOC
        {-67, SNMP_CLASS_TL_UNSUPPORTED},                        // TRANSPORT_NO_CONFIG
        {-99, SNMP_CLASS_ERROR},                                 // unknown
    };
    for (const Case& c : cases) EXPECT_EQ(StatusFromNetSnmpError(c.snmpErr), c.status) << c.snmpErr;
}

TEST(StatusMapping, ReportsNameTheirFailure)
{
    struct Case {
        const char* oid;
        int status;
    } cases[] = {
        {"1.3.6.1.6.3.15.1.1.1.0", SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL},
        {"1.3.6.1.6.3.15.1.1.2.0", SNMPv3_USM_NOT_IN_TIME_WINDOW},
        {"1.3.6.1.6.3.15.1.1.3.0", SNMPv3_USM_UNKNOWN_SECURITY_NAME},
        {"1.3.6.1.6.3.15.1.1.4.0", SNMPv3_USM_UNKNOWN_ENGINEID},
        {"1.3.6.1.6.3.15.1.1.5.0", SNMPv3_USM_AUTHENTICATION_FAILURE},
        {"1.3.6.1.6.3.15.1.1.6.0", SNMPv3_USM_DECRYPTION_ERROR},
        {"1.3.6.1.6.3.11.2.1.1.0", SNMPv3_MP_UNSUPPORTED_SECURITY_MODEL},
        {"1.3.6.1.6.3.11.2.1.2.0", SNMPv3_MP_INVALID_MESSAGE},
        {"1.3.6.1.6.3.11.2.1.3.0", SNMPv3_MP_UNKNOWN_PDU_HANDLERS},
        {"1.3.6.1.6.3.12.1.4.0", SNMPv3_MP_UNAVAILABLE_CONTEXT},
        {"1.3.6.1.6.3.12.1.5.0", SNMPv3_MP_UNKNOWN_CONTEXT},
        {"1.3.6.1.2.1.1.1.0", SNMP_CLASS_ERROR},
    };
    for (const Case& c : cases) EXPECT_EQ(StatusFromReport(Oid(c.oid)), c.status) << c.oid;
}
