// SNMPv3 user-based security: the process-wide table of users and their key derivation.
#pragma once

#include <string>

#include "platform/snmp/smival.h"

// Registers (or replaces) the user's protocols and passwords. Requests for that security name
// use them from the next send on. Returns SNMPv3_USM_OK, or SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL /
// SNMPv3_USM_UNSUPPORTED_PRIVPROTOCOL for an unknown protocol code (the entry is stored all the
// same, so that a send reports the fault instead of using older keys).
int usmAddUserName(const OctetStr& securityName, int authProtocol, int privProtocol,
                   const OctetStr& authPassword, const OctetStr& privPassword);
// Forgets a user; returns SNMPv3_USM_OK or SNMPv3_USM_UNKNOWN_SECURITY_NAME.
int usmDeleteUserName(const OctetStr& securityName);

namespace usm {

struct User {
    std::string name;
    int authProtocol = 1;  // SNMP_AUTHPROTOCOL_*
    int privProtocol = 1;  // SNMP_PRIVPROTOCOL_*
    std::string authPassword;
    std::string privPassword;
};

// The registered user of that name, or null.
const User* FindUser(const std::string& name);

// Checks that the user can send at the level; SNMPv3_USM_OK or the status that explains why not.
int CheckLevel(const User* user, int securityLevel);

// RFC 3414 password-to-key (1 MB of the repeated password through the protocol's hash);
// empty for an empty password or an unknown protocol. Results are cached.
std::string PasswordToKey(int authProtocol, const std::string& password);
// RFC 3414 key localisation: hash(Ku | engineID | Ku).
std::string LocalizeKey(int authProtocol, const std::string& ku, const std::string& engineId);

}  // namespace usm
