#include "tests/platform/snmp/agentfixture.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

void AgentTest::SetUp()
{
    ASSERT_TRUE(agent_.Start()) << agent_.Error();
    int status = -99;
    snmp_ = std::make_unique<Snmp>(status);
    ASSERT_EQ(status, SNMP_CLASS_SUCCESS);
}

void AgentTest::TearDown()
{
    snmp_.reset();
    agent_.Stop();
}

CTarget AgentTest::Community(snmp_version v, const char* read, const char* write) const
{
    CTarget t(UdpAddress(agent_.Address()), read, write);
    t.set_version(v);
    t.set_timeout(kPatientTimeout);
    t.set_retry(1);
    return t;
}

UTarget AgentTest::User(const char* name, int auth, const char* authPass, int priv, const char* privPass) const
{
    usmAddUserName(name, auth, priv, authPass, privPass);
    UTarget t(UdpAddress(agent_.Address()));
    t.set_security_name(name);
    t.set_security_model(SNMP_SECURITY_MODEL_USM);
    t.set_timeout(kPatientTimeout);
    t.set_retry(1);
    return t;
}

Pdu AgentTest::Get(const char* oid, int level)
{
    Pdu pdu;
    pdu += Vb(Oid(oid));
    pdu.set_security_level(level);
    return pdu;
}

SilentPort::SilentPort()
{
    fd_ = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t len = sizeof a;
    getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
    port_ = ntohs(a.sin_port);
}

SilentPort::~SilentPort() { close(fd_); }

UdpAddress SilentPort::Address() const { return UdpAddress("127.0.0.1/" + std::to_string(port_)); }

int SilentPort::Count()
{
    char buf[2048];
    while (recv(fd_, buf, sizeof buf, MSG_DONTWAIT) > 0) ++count_;
    return count_;
}
