// A fixture with a running snmpd and a session, and a UDP socket that never answers.
#pragma once

#include <gtest/gtest.h>
#include <memory>

#include "platform/snmp/snmp.h"
#include "tests/support/snmpd.h"
#include "tests/support/testsupport.h"

inline const char* const kSysDescr = "1.3.6.1.2.1.1.1.0";
inline const char* const kSysUpTime = "1.3.6.1.2.1.1.3.0";
inline const char* const kSysContact = "1.3.6.1.2.1.1.4.0";
inline const char* const kSysName = "1.3.6.1.2.1.1.5.0";

class AgentTest : public ::testing::Test {
public:
    // A request for one object at a security level.
    static Pdu Get(const char* oid, int level = SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV);

protected:
    void SetUp() override;
    void TearDown() override;

    CTarget Community(snmp_version v, const char* read = SnmpdProcess::kReadCommunity,
                      const char* write = SnmpdProcess::kWriteCommunity) const;
    // Registers the user's credentials and returns a target for it.
    UTarget User(const char* name, int auth, const char* authPass, int priv = SNMP_PRIVPROTOCOL_NONE,
                 const char* privPass = "") const;

    TempDir dir_;
    SnmpdProcess agent_{dir_.Path()};
    std::unique_ptr<Snmp> snmp_;
};

// A bound UDP socket on 127.0.0.1 that counts what it receives and never answers.
class SilentPort {
public:
    SilentPort();
    ~SilentPort();
    uint16_t Port() const { return port_; }
    UdpAddress Address() const;
    // Datagrams received so far (reads what is queued).
    int Count();

private:
    int fd_ = -1;
    uint16_t port_ = 0;
    int count_ = 0;
};
