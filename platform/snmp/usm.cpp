#include "platform/snmp/usm.h"

#include <map>
#include <openssl/evp.h>

#include "platform/snmp/snmperrs.h"

namespace {

std::map<std::string, usm::User>& Users()
{
    static std::map<std::string, usm::User> users;
    return users;
}

const EVP_MD* Digest(int authProtocol)
{
    if (authProtocol == SNMP_AUTHPROTOCOL_HMACMD5) return EVP_md5();
    if (authProtocol == SNMP_AUTHPROTOCOL_HMACSHA) return EVP_sha1();
    return nullptr;
}

bool KnownAuth(int p) { return p == SNMP_AUTHPROTOCOL_NONE || p == SNMP_AUTHPROTOCOL_HMACMD5 || p == SNMP_AUTHPROTOCOL_HMACSHA; }
bool KnownPriv(int p) { return p == SNMP_PRIVPROTOCOL_NONE || p == SNMP_PRIVPROTOCOL_DES; }

}  // namespace

int usmAddUserName(const OctetStr& securityName, int authProtocol, int privProtocol,
                   const OctetStr& authPassword, const OctetStr& privPassword)
{
    usm::User& u = Users()[securityName.bytes()];
    u.name = securityName.bytes();
    u.authProtocol = authProtocol;
    u.privProtocol = privProtocol;
    u.authPassword = authPassword.bytes();
    u.privPassword = privPassword.bytes();
    if (!KnownAuth(authProtocol)) return SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL;
    if (!KnownPriv(privProtocol)) return SNMPv3_USM_UNSUPPORTED_PRIVPROTOCOL;
    return SNMPv3_USM_OK;
}

int usmDeleteUserName(const OctetStr& securityName)
{
    return Users().erase(securityName.bytes()) ? SNMPv3_USM_OK : SNMPv3_USM_UNKNOWN_SECURITY_NAME;
}

namespace usm {

const User* FindUser(const std::string& name)
{
    auto it = Users().find(name);
    return it == Users().end() ? nullptr : &it->second;
}

int CheckLevel(const User* user, int level)
{
    if (level < SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV || level > SNMP_SECURITY_LEVEL_AUTH_PRIV)
        return SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL;
    if (user) {
        // A protocol we cannot speak is a fault whatever the level.
        if (!KnownAuth(user->authProtocol)) return SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL;
        if (!KnownPriv(user->privProtocol)) return SNMPv3_USM_UNSUPPORTED_PRIVPROTOCOL;
    }
    if (level == SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV) return SNMPv3_USM_OK;
    if (!user) return SNMPv3_USM_UNKNOWN_SECURITY_NAME;
    if (user->authProtocol == SNMP_AUTHPROTOCOL_NONE) return SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL;
    if (user->authPassword.empty()) return SNMPv3_USM_AUTHENTICATION_ERROR;
    if (level == SNMP_SECURITY_LEVEL_AUTH_NOPRIV) return SNMPv3_USM_OK;
    if (user->privProtocol == SNMP_PRIVPROTOCOL_NONE) return SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL;
    if (user->privPassword.empty()) return SNMPv3_USM_ENCRYPTION_ERROR;
    return SNMPv3_USM_OK;
}

std::string PasswordToKey(int authProtocol, const std::string& password)
{
    const EVP_MD* md = Digest(authProtocol);
    if (!md || password.empty()) return std::string();
    static std::map<std::pair<int, std::string>, std::string> cache;
    auto key = std::make_pair(authProtocol, password);
    auto hit = cache.find(key);
    if (hit != cache.end()) return hit->second;

    EVP_MD_CTX* ctx = EVP_MD_CTX_new();
    EVP_DigestInit_ex(ctx, md, nullptr);
    unsigned char block[64];
    size_t index = 0;
    for (size_t count = 0; count < 1048576; count += 64) {
        for (unsigned char& b : block) b = static_cast<unsigned char>(password[index++ % password.size()]);
        EVP_DigestUpdate(ctx, block, sizeof block);
    }
    unsigned char out[EVP_MAX_MD_SIZE];
    unsigned int len = 0;
    EVP_DigestFinal_ex(ctx, out, &len);
    EVP_MD_CTX_free(ctx);
    std::string ku(reinterpret_cast<char*>(out), len);
    cache[key] = ku;
    return ku;
}

std::string LocalizeKey(int authProtocol, const std::string& ku, const std::string& engineId)
{
    const EVP_MD* md = Digest(authProtocol);
    if (!md || ku.empty()) return std::string();
    std::string in = ku + engineId + ku;
    unsigned char out[EVP_MAX_MD_SIZE];
    unsigned int len = 0;
    EVP_Digest(in.data(), in.size(), out, &len, md, nullptr);
    return std::string(reinterpret_cast<char*>(out), len);
}

}  // namespace usm
