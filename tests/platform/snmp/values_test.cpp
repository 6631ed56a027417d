// Object identifiers, bindings and the value types, without a network.
#include <gtest/gtest.h>

#include "platform/snmp/pdu.h"
#include "platform/snmp/snmperrs.h"
#include "platform/snmp/vb.h"

TEST(Oid, ParsesAndPrintsDottedText)
{
    struct Case {
        const char* text;
        bool valid;
        const char* printed;
        size_t len;
    } cases[] = {
        {"1.3.6.1.2.1.1.5.0", true, "1.3.6.1.2.1.1.5.0", 9},
        {".1.3.6", true, "1.3.6", 3},
        {"0", true, "0", 1},
        {"1.3.4294967295", true, "1.3.4294967295", 3},
        {"1.3.4294967296", false, "", 0},  // beyond 32 bits
        {"1.3.", false, "", 0},            // an empty suffix leaves a trailing dot
        {"1..3", false, "", 0},
        {"1.3.a", false, "", 0},
        {"", false, "", 0},
        {"1.3 .6", false, "", 0},
    };
    for (const Case& c : cases) {
        Oid o(c.text);
        EXPECT_EQ(o.valid(), c.valid) << c.text;
        EXPECT_EQ(o.get_printable(), c.printed) << c.text;
        EXPECT_EQ(o.len(), c.len) << c.text;
    }
}

TEST(Oid, RefusesMoreThan128SubIdentifiers)
{
    std::string text = "1";
    for (int i = 1; i < 128; ++i) text += ".1";
    EXPECT_TRUE(Oid(text).valid());
    EXPECT_FALSE(Oid(text + ".1").valid());
}

TEST(Oid, ComparesAppendsAndTrims)
{
    Oid a("1.3.6.1.2.1.2.2.1.2");
    Oid b("1.3.6.1.2.1.2.2.1.10");
    EXPECT_TRUE(a < b);  // numeric, not textual
    EXPECT_EQ(a.nCompare(9, b), 0);
    EXPECT_LT(a.nCompare(10, b), 0);
    Oid c = a;
    c += 7u;
    c += "8.9";
    EXPECT_EQ(c.get_printable(), "1.3.6.1.2.1.2.2.1.2.7.8.9");
    EXPECT_TRUE(c.starts_with(a));
    EXPECT_FALSE(a.starts_with(c));
    c.trim(3);
    EXPECT_EQ(c, a);
    c += "x";
    EXPECT_FALSE(c.valid());
}

TEST(TimeTicks, PrintsDaysHoursMinutesSecondsAndHundredths)
{
    struct Case {
        uint32_t ticks;
        const char* text;
    } cases[] = {
        {0, "0:00:00.00"},
        {1262, "0:00:12.62"},
        {360000 * 5 + 6000 * 3 + 100 * 7 + 9, "5:03:07.09"},
        {8640000, "1 day 0:00:00.00"},
        {8640000 + 360000 * 23 + 6000 * 59 + 5999, "1 day 23:59:59.99"},
        {8640000 * 3 + 360000 + 1, "3 days, 1:00:00.01"},
        {4294967295u, "497 days, 2:27:52.95"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TimeTicks(c.ticks).get_printable(), c.text);
        EXPECT_EQ(TimeTicks(c.text).value(), c.ticks) << c.text;  // and back
    }
}

TEST(TimeTicks, ReadsPartialTexts)
{
    struct Case {
        const char* text;
        uint32_t ticks;
    } cases[] = {
        {"12345", 0},                  // a bare number is no field
        {"2:30", 2 * 360000},          // hours; the minutes lack their ':'
        {"1:02:03", 360000 + 2 * 6000},
        {"7.25", 725},                 // seconds and hundredths
        {"2 days 1:00:00.00", 2 * 8640000 + 360000},
        {"1 day, 0:00:01.00", 8640000 + 100},
        {"", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(TimeTicks(c.text).value(), c.ticks) << c.text;
}

TEST(OctetStr, HexAndPrintableForms)
{
    const unsigned char raw[] = {0x00, 0x0A, 0x1B};
    OctetStr o(raw, 3);
    EXPECT_EQ(o.len(), 3u);
    EXPECT_EQ(o.get_printable_hex(), "00 0A 1B");
    EXPECT_EQ(o.get_printable(), "00 0A 1B");
    EXPECT_EQ(OctetStr("abc").get_printable(), "abc");
    bool ok = false;
    EXPECT_EQ(OctetStr::from_hex_string("00 0a:1B", &ok), o);
    EXPECT_TRUE(ok);
    OctetStr::from_hex_string("ABC", &ok);
    EXPECT_FALSE(ok);
    OctetStr::from_hex_string("0G", &ok);
    EXPECT_FALSE(ok);
}

TEST(Counter64, SplitsIntoHalves)
{
    Counter64 c(0x12345678u, 0x9ABCDEF0u);
    EXPECT_EQ(c.value(), 0x123456789ABCDEF0ull);
    EXPECT_EQ(c.high(), 0x12345678u);
    EXPECT_EQ(c.low(), 0x9ABCDEF0u);
    EXPECT_EQ(Counter64(18446744073709551615ull).get_printable(), "18446744073709551615");
}

TEST(Vb, EachValueKeepsItsSyntaxAndText)
{
    struct Case {
        const char* name;
        Vb vb;
        int syntax;
        const char* printable;
    };
    auto make = [](auto value, int preset = 0) {
        Vb vb(Oid("1.3.6.1.2.1.1.1.0"));
        if (preset) vb.set_syntax(preset);
        vb.set_value(value);
        return vb;
    };
    const unsigned char ip[4] = {192, 0, 2, 1};
    Case cases[] = {
        {"integer", make(-5), sNMP_SYNTAX_INT, "-5"},
        {"gauge", make(4294967295u), sNMP_SYNTAX_GAUGE32, "4294967295"},
        {"counter preset", make(7u, sNMP_SYNTAX_CNTR32), sNMP_SYNTAX_CNTR32, "7"},
        {"uinteger preset", make(7u, sNMP_SYNTAX_UINT32), sNMP_SYNTAX_UINT32, "7"},
        {"unsigned after integer preset", make(7u, sNMP_SYNTAX_INT), sNMP_SYNTAX_GAUGE32, "7"},
        {"timeticks", make(TimeTicks(1262)), sNMP_SYNTAX_TIMETICKS, "0:00:12.62"},
        {"counter64", make(Counter64(1ull << 40)), sNMP_SYNTAX_CNTR64, "1099511627776"},
        {"octets", make(OctetStr("hello")), sNMP_SYNTAX_OCTETS, "hello"},
        {"opaque preset", make(OctetStr("x"), sNMP_SYNTAX_OPAQUE), sNMP_SYNTAX_OPAQUE, "x"},
        {"bits preset goes as octets", make(OctetStr("x"), sNMP_SYNTAX_BITS), sNMP_SYNTAX_OCTETS, "x"},
        {"oid", make(Oid("1.3.6.1.4.1.171")), sNMP_SYNTAX_OID, "1.3.6.1.4.1.171"},
        {"ip", make(IpAddress(ip)), sNMP_SYNTAX_IPADDR, "192.0.2.1"},
    };
    for (Case& c : cases) {
        EXPECT_EQ(c.vb.get_syntax(), c.syntax) << c.name;
        EXPECT_EQ(c.vb.get_printable_value(), c.printable) << c.name;
        EXPECT_TRUE(c.vb.has_value()) << c.name;
    }
}

TEST(Vb, NullExceptionsAndBareSyntaxCarryNoValue)
{
    Vb vb(Oid("1.3.6.1"));
    vb.set_value(5);
    vb.set_null();
    EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_NULL);
    EXPECT_FALSE(vb.has_value());
    EXPECT_EQ(vb.get_printable_value(), "");
    for (int ex : {sNMP_SYNTAX_NOSUCHOBJECT, sNMP_SYNTAX_NOSUCHINSTANCE, sNMP_SYNTAX_ENDOFMIBVIEW}) {
        vb.set_exception(ex);
        EXPECT_EQ(vb.get_exception_status(), ex);
        EXPECT_FALSE(vb.has_value());
        EXPECT_EQ(vb.get_printable_value(), "");
        int i = 99;
        EXPECT_EQ(vb.get_value(i), SNMP_CLASS_INVALID);
        EXPECT_EQ(i, 99);
    }
    vb.set_syntax(sNMP_SYNTAX_INT);
    EXPECT_FALSE(vb.has_value());
    EXPECT_EQ(vb.get_exception_status(), 0);
}

TEST(Vb, ReadsValuesOfCompatibleKindsOnly)
{
    Vb neg;
    neg.set_value(-1);
    unsigned int u = 0;
    EXPECT_EQ(neg.get_value(u), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(u, 4294967295u);  // the same 32 bits
    Counter64 c;
    EXPECT_EQ(neg.get_value(c), SNMP_CLASS_INVALID);

    Vb gauge;
    gauge.set_value(5u);
    EXPECT_EQ(gauge.get_value(c), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(c.value(), 5u);
    TimeTicks t;
    EXPECT_EQ(gauge.get_value(t), SNMP_CLASS_SUCCESS);
    OctetStr o;
    EXPECT_EQ(gauge.get_value(o), SNMP_CLASS_INVALID);

    Vb text;
    text.set_value(OctetStr("abc"));
    int i = 0;
    EXPECT_EQ(text.get_value(i), SNMP_CLASS_INVALID);
    IpAddress ip;
    EXPECT_EQ(text.get_value(ip), SNMP_CLASS_INVALID);  // four octets of text are no address
    Oid oid;
    EXPECT_EQ(text.get_value(oid), SNMP_CLASS_INVALID);
    EXPECT_EQ(text.get_value(o), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(o.bytes(), "abc");
}

TEST(Pdu, IndexesOutOfRangeSafely)
{
    Pdu pdu;
    Vb vb(Oid("1.3.6.1.2.1.1.5.0"));
    pdu += vb;
    EXPECT_EQ(pdu.get_vb_count(), 1);
    Vb out;
    EXPECT_TRUE(pdu.get_vb(out, 0));
    EXPECT_FALSE(pdu.get_vb(out, 1));
    EXPECT_FALSE(pdu.get_vb(out, -1));
    EXPECT_FALSE(pdu[5].valid());
    EXPECT_TRUE(pdu.valid());
    pdu += Vb(Oid("1.3."));
    EXPECT_FALSE(pdu.valid());
    pdu.trim();
    EXPECT_TRUE(pdu.valid());
}
