// Addresses given as text: IPv4, host names, ports.
#include <gtest/gtest.h>

#include "platform/snmp/address.h"

TEST(UdpAddress, ReadsAddressesNamesAndPorts)
{
    struct Case {
        const char* text;
        bool valid;
        const char* printed;
    } cases[] = {
        {"192.0.2.1", true, "192.0.2.1/0"},
        {"192.0.2.1/161", true, "192.0.2.1/161"},
        {"192.0.2.1:1161", true, "192.0.2.1/1161"},
        {"localhost", true, "127.0.0.1/0"},
        {"localhost/161", true, "127.0.0.1/161"},
        {"256.1.1.1", false, ""},
        {"10.1.2", false, ""},  // not read the resolver's way as 10.1.0.2
        {"10", false, ""},
        {"192.0.2.1/65536", false, ""},
        {"192.0.2.1/", false, ""},
        {"192.0.2.1/x", false, ""},
        {"no such host", false, ""},
        {"no-such-host.invalid", false, ""},
        {"", false, ""},
    };
    for (const Case& c : cases) {
        UdpAddress a(c.text);
        EXPECT_EQ(a.valid(), c.valid) << c.text;
        EXPECT_EQ(a.get_printable(), c.printed) << c.text;
        GenAddress g(c.text);
        EXPECT_EQ(g.valid(), c.valid) << c.text;
    }
}

TEST(UdpAddress, PortCanBeSetLater)
{
    UdpAddress a(GenAddress("127.0.0.1"));
    a.set_port(16100);
    EXPECT_EQ(a.get_printable(), "127.0.0.1/16100");
    EXPECT_EQ(a.get_ip().get_printable(), "127.0.0.1");
}

TEST(IpAddress, TakesDottedDecimalOnly)
{
    EXPECT_TRUE(IpAddress("10.0.0.1").valid());
    EXPECT_FALSE(IpAddress("localhost").valid());
    EXPECT_FALSE(IpAddress("1.2.3.4.5").valid());
    EXPECT_EQ(IpAddress("10.0.0.1").get_printable(), "10.0.0.1");
    EXPECT_EQ(IpAddress("x").get_printable(), "");
}
