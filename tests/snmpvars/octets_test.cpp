// Value octets and parts of values.
#include "platform/ui/datetime.h"
#include "requestfixture.h"
#include "snmpvars/qzsnmpvaluetext.h"
#include "snmpvars/qzsnmpoctets.h"

namespace {

OctetStr FromHex(const std::string& hex) { return OctetStr(qzsnmp::HexToOctets(hex)); }

struct OctetsCase {
    const char* text;
    int syntax;
    const char* octets;  // hex
    const char* back;    // OctetsToText of the octets
};

}  // namespace

TEST(ValueOctets, EverySyntaxHasItsByteForm)
{
    char oldSep = DateSeparator;
    DateSeparator = '/';
    const OctetsCase cases[] = {
        {"300", sxUInt8, "2C", "44"},
        {"-2", sxInt16, "FFFE", "-2"},
        {"-2", sxUInt16, "FFFE", "65534"},
        {"1", sxInteger, "01000000", "1"},
        {"1", sxUInt16, "0001", "1"},
        {"-1", sxInteger, "FFFFFFFF", "-1"},
        {"-1", sxInt8, "FF", "-1"},
        {"true", sxBoolean, "01000000", "true"},
        {"yes", sxBoolean, "00000000", "false"},
        {"true", sxBool8, "01", "true"},
        {"true", sxBool16, "0001", "true"},
        {"false", sxBool16, "0000", "false"},
        {"4294967295", sxCounter, "FFFFFFFF", "4294967295"},
        {"7", sxGauge, "07000000", "7"},
        {"7", sxUInteger, "07000000", "7"},
        {"0:00:01.00", sxTimeTicks, "64000000", "0:00:01.00"},
        {"18446744073709551615", sxCounter64, "FFFFFFFFFFFFFFFF", "18446744073709551615"},
        {"4294967296", sxCounter64, "0000000001000000", "4294967296"},
        {"1.5", sxDouble, "000000000000F83F", "1.5"},
        {"192.0.2.1", sxIpAddress, "C0000201", "192.0.2.1"},
        {"10.1.2.3", sxNsapAddr, "0A010203", "10.1.2.3"},
        {"1.3.6", sxObjectId, "010000000300000006000000", "1.3.6"},
        {"2006-7-4,13:5:0.0", sxDateTime, "07D607040D0500002B0000", "2006-7-4,13:5:0.0"},
        {"ab", sxDisplayStr, "6162", "ab"},
        {"0a 1b", sxOctetStr, "0A1B", "0A1B"},
        {"ABC", sxBitStr, "0ABC", "0ABC"},
        {"00112233445566", sxMacAddress, "00112233445566", "00112233445566"},
        {"FF", sxOpaque, "FF", "FF"},
        {"anything", sxNull, "", "(NULL)"},
        {"", sxDisplayStr, "", ""},
    };
    for (const OctetsCase& c : cases) {
        OctetStr o = QzSNMPTextToOctets(c.text, c.syntax);
        EXPECT_EQ(Hex(o.bytes()), c.octets) << c.syntax << " " << c.text;
        EXPECT_EQ(QzSNMPOctetsToText(o, c.syntax), c.back) << c.syntax << " " << c.text;
    }
    OctetStr date = QzSNMPTextToOctets("2006/07/04 01:05:00 pm", sxBcdDateTime);
    EXPECT_EQ(date.len(), 8u);
    EXPECT_EQ(QzSNMPOctetsToText(date, sxBcdDateTime), "2006/07/04 01:05:00 pm");
    DateSeparator = oldSep;
}

TEST(ValueOctets, NullHasNoOctets)
{
    const int syntaxes[] = {sxBoolean, sxInteger, sxBitStr, sxOctetStr, sxObjectId, sxIpAddress, sxCounter,
                            sxGauge, sxTimeTicks, sxOpaque, sxNsapAddr, sxCounter64, sxUInteger, sxDouble,
                            sxMacAddress, sxDateTime, sxBcdDateTime, sxDisplayStr, sxIpv6Address, sxBool8,
                            sxInt8, sxUInt8, sxBool16, sxInt16, sxUInt16};
    for (int s : syntaxes) {
        EXPECT_TRUE(QzSNMPTextToOctets("(NULL)", s).empty()) << s;
        EXPECT_EQ(QzSNMPOctetsToText(OctetStr(), s), s == sxDisplayStr ? "" : "(NULL)") << s;
    }
}

TEST(ValueOctets, NumbersAndAddressesComeBackAsWritten)
{
    const OctetsCase cases[] = {
        {"-2147483648", sxInteger}, {"2147483647", sxInteger}, {"0", sxCounter}, {"true", sxBoolean},
        {"false", sxBoolean},       {"255.255.0.1", sxIpAddress}, {"-128", sxInt8}, {"127", sxInt8},
        {"255", sxUInt8},           {"-32768", sxInt16},         {"32767", sxInt16}, {"65535", sxUInt16},
        {"false", sxBool8},         {"true", sxBool16},
    };
    for (const OctetsCase& c : cases)
        EXPECT_EQ(QzSNMPOctetsToText(QzSNMPTextToOctets(c.text, c.syntax), c.syntax), c.text) << c.syntax;
}

TEST(ValueOctets, TooFewOctetsAreABadValue)
{
    const OctetsCase cases[] = {
        {nullptr, sxInteger, "010203"},       {nullptr, sxMacAddress, "0011223344"},
        {nullptr, sxCounter64, "01020304"},   {nullptr, sxDouble, "0000F83F"},
        {nullptr, sxDateTime, "07D607040D0500002B00"}, {nullptr, sxIpv6Address, "FE80"},
        {nullptr, sxUInt16, "01"},            {nullptr, sxIpAddress, "0A0102"},
        {nullptr, sxBcdDateTime, "00000000"}, {nullptr, sxTimeTicks, "64"},
        {nullptr, sxCounter, "0102"},         {nullptr, sxBoolean, "01"},
    };
    for (const OctetsCase& c : cases) {
        AnsiString text;
        EXPECT_EQ(RaisedCode([&] { QzSNMPOctetsToText(FromHex(c.octets), c.syntax); }, &text), -518) << c.syntax;
        EXPECT_EQ(text, "(QzSNMP++) Bad value of the associated SNMP variable's (partial) data!");
    }
    // Variable lengths take what is there: all of a longer MAC address, whole identifiers only.
    EXPECT_EQ(QzSNMPOctetsToText(FromHex("00112233445566"), sxMacAddress), "00112233445566");
    EXPECT_EQ(QzSNMPOctetsToText(FromHex("010000000300"), sxObjectId), "1");
    EXPECT_EQ(QzSNMPOctetsToText(FromHex("616200636400"), sxDisplayStr), "ab");
    // Eight octets that are no date of the years 1 to 9999.
    EXPECT_EQ(RaisedCode([] { QzSNMPOctetsToText(FromHex("FFFFFFFFFFFFFF7F"), sxBcdDateTime); }), -518);
}

TEST(ValueOctets, TextsThatWouldBeWrittenWrappedOrCutAreABadValue)
{
    const OctetsCase cases[] = {
        {"300.1.1.1", sxIpAddress},    {"1.2.3.256", sxIpAddress},  {"1.2.3.4.5", sxIpAddress},
        {"1.2.3", sxIpAddress},        {"1.2..4", sxIpAddress},      {"1.2.3.4 ", sxIpAddress},
        {"-1.2.3.4", sxIpAddress},     {"1.2.3.x", sxIpAddress},     {"4294967297.1.1.1", sxNsapAddr},
        {"1.3.4294967296", sxObjectId}, {"1.3.x", sxObjectId},
        {"2006-7-300,13:5:0.0", sxDateTime},   {"70000-7-4,13:5:0.0", sxDateTime},
        {"2006--7-4,13:5:0.0", sxDateTime},    {"-2006-7-4,13:5:0.0", sxDateTime},
        {"2006-7-4,13:5:0.0,+256:0", sxDateTime},
    };
    for (const OctetsCase& c : cases) {
        AnsiString text;
        EXPECT_EQ(RaisedCode([&] { QzSNMPTextToOctets(c.text, c.syntax); }, &text), -518) << c.text;
        EXPECT_EQ(text, "(QzSNMP++) Bad value of the associated SNMP variable's (partial) data!");
    }
    // The limits themselves, a zone west of UTC, and a variable not yet read.
    EXPECT_EQ(Hex(QzSNMPTextToOctets("0.0.0.0", sxIpAddress).bytes()), "00000000");
    EXPECT_EQ(Hex(QzSNMPTextToOctets("65535-255-255,255:255:255.255", sxDateTime).bytes()), "FFFFFFFFFFFFFFFF2B0000");
    EXPECT_EQ(Hex(QzSNMPTextToOctets("2006-7-4,13:5:0.0,-8:0", sxDateTime).bytes()), "07D607040D0500002D0800");
    EXPECT_TRUE(QzSNMPTextToOctets("", sxIpAddress).empty());
    EXPECT_TRUE(QzSNMPTextToOctets("", sxObjectId).empty());
}

TEST(ValueOctets, UnknownSyntaxCodesAreRefused)
{
    for (int s : {0, 0x99, 0xc7}) {
        EXPECT_EQ(RaisedCode([s] { QzSNMPTextToOctets("1", s); }), -511);
        EXPECT_EQ(RaisedCode([s] { QzSNMPOctetsToText(FromHex("01"), s); }), -511);
        EXPECT_EQ(RaisedCode([s] { QzSNMPExtractPart(FromHex("01"), 0, s); }), -511);
    }
}

TEST(ValueParts, APartLiesInsideTheValue)
{
    struct Case {
        const char* value;
        int offset;
        int syntax;
        const char* part;  // hex, or null for -519
    } cases[] = {
        {"0A0B0C0D", 2, sxUInt16, "0C0D"},
        {"0A0B0C0D", 3, sxUInt16, nullptr},
        {"0A0B0C0D", 0, sxInteger, "0A0B0C0D"},
        {"0A0B0C0D", 1, sxInteger, nullptr},
        {"0A0B0C0D", 3, sxUInt8, "0D"},
        {"0A0B0C0D", 4, sxUInt8, nullptr},
        {"0A0B0C0D", -1, sxUInt8, nullptr},
        {"0A0B0C0D", 2, sxOctetStr, "0C0D"},
        {"0A0B0C0D", 4, sxDisplayStr, ""},
        {"0A0B0C0D", 5, sxOctetStr, nullptr},
        {"0A0B0C0D", 9, sxNull, ""},
        {"0102030405060708", 0, sxCounter64, "0102030405060708"},
        {"01020304050607", 0, sxCounter64, nullptr},
        {"001122334455", 0, sxMacAddress, "001122334455"},
        {"", 100, sxInteger, ""},  // an empty value has empty parts everywhere
        {"", 0, sxMacAddress, ""},
    };
    for (const Case& c : cases) {
        OctetStr value = FromHex(c.value);
        if (c.part) {
            EXPECT_EQ(Hex(QzSNMPExtractPart(value, c.offset, c.syntax).bytes()), c.part) << c.value << "@" << c.offset;
        } else {
            AnsiString text;
            EXPECT_EQ(RaisedCode([&] { QzSNMPExtractPart(value, c.offset, c.syntax); }, &text), -519)
                << c.value << "@" << c.offset;
            EXPECT_EQ(text, "(QzSNMP++) Out of range for the bit(byte) index of the associated SNMP variable's "
                            "(partial) data!");
        }
    }
    // A binding's way: the whole value, a part of it, the part's text.
    OctetStr leds = QzSNMPTextToOctets("0300000003800101", sxOctetStr);
    EXPECT_EQ(QzSNMPOctetsToText(QzSNMPExtractPart(leds, 5, sxUInt8), sxUInt8), "128");
    EXPECT_EQ(QzSNMPOctetsToText(QzSNMPExtractPart(leds, 4, sxInt16), sxInt16), "896");
}
