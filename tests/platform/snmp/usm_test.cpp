// SNMPv3 keys and the user table.
#include <gtest/gtest.h>

#include "platform/snmp/snmperrs.h"
#include "platform/snmp/usm.h"

namespace {

std::string Hex(const std::string& s)
{
    static const char d[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : s) {
        out += d[c >> 4];
        out += d[c & 15];
    }
    return out;
}

const std::string kEngine("\0\0\0\0\0\0\0\0\0\0\0\2", 12);

}  // namespace

// The sample keys of RFC 3414, appendix A.3.
TEST(UsmKeys, MatchTheStandardSamples)
{
    std::string md5 = usm::PasswordToKey(SNMP_AUTHPROTOCOL_HMACMD5, "maplesyrup");
    EXPECT_EQ(Hex(md5), "9faf3283884e92834ebc9847d8edd963");
    EXPECT_EQ(Hex(usm::LocalizeKey(SNMP_AUTHPROTOCOL_HMACMD5, md5, kEngine)), "526f5eed9fcce26f8964c2930787d82b");
    std::string sha = usm::PasswordToKey(SNMP_AUTHPROTOCOL_HMACSHA, "maplesyrup");
    EXPECT_EQ(Hex(sha), "9fb5cc0381497b3793528939ff788d5d79145211");
    EXPECT_EQ(Hex(usm::LocalizeKey(SNMP_AUTHPROTOCOL_HMACSHA, sha, kEngine)),
              "6695febc9288e36282235fc7151f128497b38f3f");
}

TEST(UsmKeys, ShortPasswordsStillGiveKeysButEmptyOnesDoNot)
{
    EXPECT_EQ(usm::PasswordToKey(SNMP_AUTHPROTOCOL_HMACMD5, "abc").size(), 16u);
    EXPECT_TRUE(usm::PasswordToKey(SNMP_AUTHPROTOCOL_HMACMD5, "").empty());
    EXPECT_TRUE(usm::PasswordToKey(SNMP_AUTHPROTOCOL_NONE, "maplesyrup").empty());
}

TEST(UsmUsers, LevelsNeedTheMatchingCredentials)
{
    usmAddUserName("u-none", SNMP_AUTHPROTOCOL_NONE, SNMP_PRIVPROTOCOL_NONE, "", "");
    usmAddUserName("u-auth", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, "authpass", "");
    usmAddUserName("u-priv", SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_DES, "authpass", "privpass");
    usmAddUserName("u-nopass", SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_DES, "", "");
    usmAddUserName("u-nopriv", SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_DES, "authpass", "");
    EXPECT_EQ(usmAddUserName("u-badauth", 7, SNMP_PRIVPROTOCOL_NONE, "a", ""), SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL);
    EXPECT_EQ(usmAddUserName("u-badpriv", SNMP_AUTHPROTOCOL_HMACMD5, 4, "a", "b"),
              SNMPv3_USM_UNSUPPORTED_PRIVPROTOCOL);
    struct Case {
        const char* user;
        int level;
        int status;
    } cases[] = {
        {"u-none", 1, SNMPv3_USM_OK},
        {"u-none", 2, SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL},
        {"u-auth", 2, SNMPv3_USM_OK},
        {"u-auth", 3, SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL},
        {"u-priv", 3, SNMPv3_USM_OK},
        {"u-priv", 1, SNMPv3_USM_OK},
        {"u-priv", 0, SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL},
        {"u-priv", 4, SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL},
        {"u-nopass", 2, SNMPv3_USM_AUTHENTICATION_ERROR},
        {"u-nopriv", 3, SNMPv3_USM_ENCRYPTION_ERROR},
        {"u-badauth", 1, SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL},
        {"u-badpriv", 3, SNMPv3_USM_UNSUPPORTED_PRIVPROTOCOL},
        {"nobody", 1, SNMPv3_USM_OK},  // no keys needed
        {"nobody", 2, SNMPv3_USM_UNKNOWN_SECURITY_NAME},
    };
    for (const Case& c : cases)
        EXPECT_EQ(usm::CheckLevel(usm::FindUser(c.user), c.level), c.status) << c.user << " level " << c.level;
}

TEST(UsmUsers, NewCredentialsReplaceTheOldOnes)
{
    usmAddUserName("alice", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, "first-pass", "");
    usmAddUserName("alice", SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_DES, "second-pass", "priv-pass");
    const usm::User* u = usm::FindUser("alice");
    ASSERT_NE(u, nullptr);
    EXPECT_EQ(u->authProtocol, SNMP_AUTHPROTOCOL_HMACSHA);
    EXPECT_EQ(u->authPassword, "second-pass");
    EXPECT_EQ(u->privPassword, "priv-pass");
    EXPECT_EQ(usmDeleteUserName("alice"), SNMPv3_USM_OK);
    EXPECT_EQ(usm::FindUser("alice"), nullptr);
    EXPECT_EQ(usmDeleteUserName("alice"), SNMPv3_USM_UNKNOWN_SECURITY_NAME);
}
