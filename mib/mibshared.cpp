#include "mib/mibshared.h"

namespace {

const QzOptionEntry kDisabled2Enabled3[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const QzOptionEntry kRowStatus[] = {{1, "active"}, {2, "notInService"}, {3, "notReady"},
    {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"}, {0, nullptr}};
const QzOptionEntry kTruthValue[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const QzOptionEntry kEnabled1Disabled2[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const QzOptionEntry kOtherDisabledEnabled[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"},
    {0, nullptr}};
const QzOptionEntry kStorageType[] = {{1, "other"}, {2, "volatile"}, {3, "nonVolatile"},
    {4, "permanent"}, {5, "readOnly"}, {0, nullptr}};
const QzOptionEntry kAacServerProtocol[] = {{1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"},
    {4, "radius"}, {5, "none"}, {6, "other"}, {0, nullptr}};
const QzOptionEntry kDisabled1Enabled2[] = {{1, "disabled"}, {2, "enabled"}, {0, nullptr}};
const QzOptionEntry kPermit[] = {{1, "deny"}, {2, "permit"}, {0, nullptr}};
const QzOptionEntry kEnable1Disable2[] = {{1, "enable"}, {2, "disable"}, {0, nullptr}};
const QzOptionEntry kSeverity[] = {{0, "critical"}, {1, "warning"}, {2, "information"},
    {0, nullptr}};
const QzOptionEntry kSecurityLevel[] = {{1, "noAuthNoPriv"}, {2, "authNoPriv"}, {3, "authPriv"},
    {0, nullptr}};
const QzOptionEntry kIncludedExcluded[] = {{1, "included"}, {2, "excluded"}, {0, nullptr}};
const QzOptionEntry kPaeState[] = {{1, "initialize"}, {2, "disconnected"}, {3, "connecting"},
    {4, "authenticating"}, {5, "authenticated"}, {6, "aborting"}, {7, "held"}, {8, "forceAuth"},
    {9, "forceUnauth"}, {0, nullptr}};
const QzOptionEntry kBackendState[] = {{1, "request"}, {2, "response"}, {3, "success"},
    {4, "fail"}, {5, "timeout"}, {6, "idle"}, {7, "initialize"}, {0, nullptr}};
const QzOptionEntry kControlledDirections[] = {{0, "both"}, {1, "in"}, {0, nullptr}};
const QzOptionEntry kAuthPortStatus[] = {{1, "authorized"}, {2, "unauthorized"}, {0, nullptr}};
const QzOptionEntry kAuthenticMethod[] = {{1, "remoteAuthServer"}, {2, "localAuthServer"},
    {0, nullptr}};
const QzOptionEntry kTerminateCause[] = {{1, "supplicantLogoff"}, {2, "portFailure"},
    {3, "supplicantRestart"}, {4, "reauthFailed"}, {5, "authControlForceUnauth"},
    {6, "portReInit"}, {7, "portAdminDisabled"}, {999, "notTerminatedYet"}, {0, nullptr}};
const QzOptionEntry kEnable2Disable3[] = {{2, "enable"}, {3, "disable"}, {0, nullptr}};
const QzOptionEntry kMediumType[] = {{1, "copper"}, {2, "fiber"}, {0, nullptr}};
const QzOptionEntry kDisable2Enable3[] = {{2, "disable"}, {3, "enable"}, {0, nullptr}};
const QzOptionEntry kProtocolType[] = {{1, "none"}, {2, "icmp"}, {3, "igmp"}, {4, "tcp"},
    {5, "udp"}, {6, "protocolId"}, {0, nullptr}};
const QzOptionEntry kPortMask[] = {{1, "other"}, {2, "dst-addr"}, {3, "src-addr"},
    {4, "dst-src-addr"}, {0, nullptr}};
const QzOptionEntry kOtherDisableEnable[] = {{1, "other"}, {2, "disable"}, {3, "enable"},
    {0, nullptr}};

}  // namespace

QzOptionList mibDisabled2Enabled3Options(kDisabled2Enabled3);
QzOptionList mibRowStatusOptions(kRowStatus);
QzOptionList mibTruthValueOptions(kTruthValue);
QzOptionList mibEnabled1Disabled2Options(kEnabled1Disabled2);
QzOptionList mibOtherDisabledEnabledOptions(kOtherDisabledEnabled);
QzOptionList mibStorageTypeOptions(kStorageType);
QzOptionList mibAacServerProtocolOptions(kAacServerProtocol);
QzOptionList mibDisabled1Enabled2Options(kDisabled1Enabled2);
QzOptionList mibPermitOptions(kPermit);
QzOptionList mibEnable1Disable2Options(kEnable1Disable2);
QzOptionList mibSeverityOptions(kSeverity);
QzOptionList mibSecurityLevelOptions(kSecurityLevel);
QzOptionList mibIncludedExcludedOptions(kIncludedExcluded);
QzOptionList mibPaeStateOptions(kPaeState);
QzOptionList mibBackendStateOptions(kBackendState);
QzOptionList mibControlledDirectionsOptions(kControlledDirections);
QzOptionList mibAuthPortStatusOptions(kAuthPortStatus);
QzOptionList mibAuthenticMethodOptions(kAuthenticMethod);
QzOptionList mibTerminateCauseOptions(kTerminateCause);
QzOptionList mibEnable2Disable3Options(kEnable2Disable3);
QzOptionList mibMediumTypeOptions(kMediumType);
QzOptionList mibDisable2Enable3Options(kDisable2Enable3);
QzOptionList mibProtocolTypeOptions(kProtocolType);
QzOptionList mibPortMaskOptions(kPortMask);
QzOptionList mibOtherDisableEnableOptions(kOtherDisableEnable);
