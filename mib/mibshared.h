// Option lists shared by the descriptor tables of the table commands.
#pragma once

#include "common/qzoptionlist.h"

extern QzOptionList mibDisabled2Enabled3Options;  // disabled (2) / enabled (3)
extern QzOptionList mibRowStatusOptions;  // RowStatus
extern QzOptionList mibTruthValueOptions;  // TruthValue
extern QzOptionList mibEnabled1Disabled2Options;  // enabled (1) / disabled (2)
extern QzOptionList mibOtherDisabledEnabledOptions;  // other (1) / disabled (2) / enabled (3)
extern QzOptionList mibStorageTypeOptions;  // StorageType
extern QzOptionList mibAacServerProtocolOptions;  // protocol of an AAA server group member
extern QzOptionList mibDisabled1Enabled2Options;  // disabled (1) / enabled (2)
extern QzOptionList mibPermitOptions;  // deny (1) / permit (2)
extern QzOptionList mibEnable1Disable2Options;  // enable (1) / disable (2)
extern QzOptionList mibSeverityOptions;  // severity of traps and log entries
extern QzOptionList mibSecurityLevelOptions;  // SNMP security level
extern QzOptionList mibIncludedExcludedOptions;  // view subtree included / excluded
extern QzOptionList mibPaeStateOptions;  // 802.1X authenticator PAE state
extern QzOptionList mibBackendStateOptions;  // 802.1X backend authentication state
extern QzOptionList mibControlledDirectionsOptions;  // 802.1X controlled directions
extern QzOptionList mibAuthPortStatusOptions;  // 802.1X controlled port status
extern QzOptionList mibAuthenticMethodOptions;  // 802.1X session authentication method
extern QzOptionList mibTerminateCauseOptions;  // 802.1X session terminate cause
extern QzOptionList mibEnable2Disable3Options;  // enable (2) / disable (3)
extern QzOptionList mibMediumTypeOptions;  // port medium copper / fiber
extern QzOptionList mibDisable2Enable3Options;  // disable (2) / enable (3)
extern QzOptionList mibProtocolTypeOptions;  // access-list protocol type
extern QzOptionList mibPortMaskOptions;  // access-list TCP/UDP port mask
extern QzOptionList mibOtherDisableEnableOptions;  // other (1) / disable (2) / enable (3)
