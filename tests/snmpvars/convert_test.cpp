// The request's conversions between value text, variable binding and row index, syntax by
// syntax.
#include <cstring>

#include "common/qzoptionlist.h"
#include "platform/snmp/snmp.h"
#include "platform/ui/datetime.h"
#include "snmpvars/qzsnmperror.h"
#include "requestfixture.h"

namespace {

const QzOptionEntry kEnabled[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
QzOptionList enabledOptions(kEnabled);

std::string Bytes(std::initializer_list<int> b)
{
    std::string s;
    for (int c : b) s += static_cast<char>(c);
    return s;
}

std::string DoubleBytes(double v)
{
    uint64_t bits;
    std::memcpy(&bits, &v, 8);
    std::string s;
    for (int k = 0; k < 8; ++k) s += static_cast<char>(bits >> (8 * k));
    return s;
}

Vb Number(int tag, int64_t v)
{
    Vb vb(Oid("1.3.6.1.4.1.99999.1.0"));
    vb.set_wire_number(tag, v);
    return vb;
}

Vb Octets(int tag, const std::string& bytes)
{
    Vb vb(Oid("1.3.6.1.4.1.99999.1.0"));
    vb.set_wire_octets(tag, bytes);
    return vb;
}

Vb ObjectId(const char* oid)
{
    Vb vb(Oid("1.3.6.1.4.1.99999.1.0"));
    vb.set_value(Oid(oid));
    return vb;
}

Vb Null() { return Vb(Oid("1.3.6.1.4.1.99999.1.0")); }

Vb Exception_(int tag)
{
    Vb vb = Null();
    vb.set_exception(tag);
    return vb;
}

// The binding as "tag:value": numbers in decimal, octets in hex, identifiers dotted.
std::string Describe(const Vb& vb)
{
    std::string v;
    switch (vb.kind()) {
    case Vb::Kind::None: v = "-"; break;
    case Vb::Kind::Signed:
    case Vb::Kind::Unsigned: v = std::to_string(vb.number()); break;
    case Vb::Kind::U64: v = std::to_string(vb.number64()); break;
    case Vb::Kind::Octets: v = Hex(vb.octets()); break;
    case Vb::Kind::ObjectId: v = vb.oid_value().get_printable(); break;
    }
    char tag[8];
    std::snprintf(tag, sizeof tag, "%02X", vb.get_syntax());
    return std::string(tag) + ":" + v;
}

class ConvertTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        oldDate_ = DateSeparator;
        oldTime_ = TimeSeparator;
        oldFormat_ = ShortDateFormat;
        DateSeparator = '/';
        TimeSeparator = ':';
        ShortDateFormat = "yyyy/mm/dd";
    }
    void TearDown() override
    {
        DateSeparator = oldDate_;
        TimeSeparator = oldTime_;
        ShortDateFormat = oldFormat_;
    }
    void Use(int syntax, QzOptionList* options = nullptr)
    {
        r_.varList = MakeList({Var(syntax, acReadWrite, options)});
    }
    AnsiString& Value(int i = 0) { return *r_.varList.Items(i).value; }

    QzSNMPRequest r_;
    char oldDate_, oldTime_;
    AnsiString oldFormat_;
};

// 2006-07-04 13:05:00 as an OLE Automation date.
const double kJuly4 = 38902.0 + (13 * 60 + 5) / 1440.0;

struct FromVbCase {
    const char* name;
    int syntax;
    Vb vb;
    const char* text;
};

}  // namespace

TEST_F(ConvertTest, ReceivedBindingsBecomeValueTexts)
{
    const std::string dateAndTime = Bytes({0x07, 0xD6, 0x07, 0x04, 0x0D, 0x05, 0x00, 0x00, 0x2B, 0x00, 0x00});
    const FromVbCase cases[] = {
        {"boolean 0", sxBoolean, Number(sNMP_SYNTAX_INT, 0), "false"},
        {"boolean non-zero", sxBoolean, Number(sNMP_SYNTAX_INT, 7), "true"},
        {"integer", sxInteger, Number(sNMP_SYNTAX_INT, -1), "-1"},
        {"counter", sxCounter, Number(sNMP_SYNTAX_CNTR32, 4294967295u), "4294967295"},
        {"gauge", sxGauge, Number(sNMP_SYNTAX_GAUGE32, 42), "42"},
        {"uinteger", sxUInteger, Number(sNMP_SYNTAX_GAUGE32, 7), "7"},
        {"counter64", sxCounter64, Number(sNMP_SYNTAX_CNTR64, -1), "18446744073709551615"},
        {"counter64 above 2^53", sxCounter64, Number(sNMP_SYNTAX_CNTR64, 9007199254740993), "9007199254740993"},
        {"timeticks", sxTimeTicks, Number(sNMP_SYNTAX_TIMETICKS, 4242400), "11:47:04.00"},
        {"timeticks days", sxTimeTicks, Number(sNMP_SYNTAX_TIMETICKS, 8640000 * 3 + 100), "3 days, 0:00:01.00"},
        {"double", sxDouble, Octets(sNMP_SYNTAX_OCTETS, DoubleBytes(1.5)), "1.5"},
        {"octetstr", sxOctetStr, Octets(sNMP_SYNTAX_OCTETS, Bytes({0x00, 0x0A, 0x1B})), "000A1B"},
        {"bitstr", sxBitStr, Octets(sNMP_SYNTAX_OCTETS, Bytes({0x80, 0x01})), "8001"},
        {"opaque", sxOpaque, Octets(sNMP_SYNTAX_OPAQUE, Bytes({0xFF})), "FF"},
        {"macaddress", sxMacAddress, Octets(sNMP_SYNTAX_OCTETS, Bytes({0, 0x1B, 0x11, 0x22, 0x33, 0x44})), "001B11223344"},
        {"ipv6address", sxIpv6Address, Octets(sNMP_SYNTAX_OCTETS, std::string(15, '\0') + "\x01"), "00000000000000000000000000000001"},
        {"objectid", sxObjectId, ObjectId("1.3.6.1.2.1"), "1.3.6.1.2.1"},
        {"ipaddress", sxIpAddress, Octets(sNMP_SYNTAX_IPADDR, Bytes({192, 0, 2, 1})), "192.0.2.1"},
        {"nsapaddr", sxNsapAddr, Octets(sNMP_SYNTAX_IPADDR, Bytes({10, 1, 2, 3})), "10.1.2.3"},
        {"datetime", sxDateTime, Octets(sNMP_SYNTAX_OCTETS, dateAndTime), "2006-7-4,13:5:0.0"},
        {"datetime without zone", sxDateTime, Octets(sNMP_SYNTAX_OCTETS, dateAndTime.substr(0, 8)), "2006-7-4,13:5:0.0"},
        {"datetime with zone", sxDateTime,
         Octets(sNMP_SYNTAX_OCTETS, Bytes({0x07, 0xD6, 0x07, 0x04, 0x0D, 0x05, 0x00, 0x00, '-', 5, 30})),
         "2006-7-4,13:5:0.0,-5:30"},
        {"bcdatetime", sxBcdDateTime, Octets(sNMP_SYNTAX_OCTETS, DoubleBytes(kJuly4)), "2006/07/04 01:05:00 pm"},
        {"displaystr up to a zero octet", sxDisplayStr, Octets(sNMP_SYNTAX_OCTETS, std::string("abc\0def", 7)), "abc"},
        {"null syntax", sxNull, Number(sNMP_SYNTAX_INT, 3), "(NULL)"},
        // A binding without a value.
        {"integer without value", sxInteger, Null(), "(NULL)"},
        {"displaystr without value", sxDisplayStr, Null(), ""},
        {"octetstr without value", sxOctetStr, Null(), ""},
        {"double of no octets", sxDouble, Octets(sNMP_SYNTAX_OCTETS, ""), "(NULL)"},
        {"empty displaystr", sxDisplayStr, Octets(sNMP_SYNTAX_OCTETS, ""), ""},
        // v2 exceptions are no value at all, whatever the syntax.
        {"noSuchObject", sxInteger, Exception_(sNMP_SYNTAX_NOSUCHOBJECT), "(NULL)"},
        {"noSuchInstance displaystr", sxDisplayStr, Exception_(sNMP_SYNTAX_NOSUCHINSTANCE), "(NULL)"},
        {"endOfMibView octetstr", sxOctetStr, Exception_(sNMP_SYNTAX_ENDOFMIBVIEW), "(NULL)"},
    };
    for (const FromVbCase& c : cases) {
        Use(c.syntax);
        Vb vb = c.vb;
        r_.VbToValue(0, &vb);
        EXPECT_EQ(Value(), c.text) << c.name;
    }
}

TEST_F(ConvertTest, ReceivedEnumerationsBecomeTheirLabels)
{
    Use(sxInteger, &enabledOptions);
    Vb vb = Number(sNMP_SYNTAX_INT, 2);
    r_.VbToValue(0, &vb);
    EXPECT_EQ(Value(), "disabled");
    vb = Number(sNMP_SYNTAX_INT, 7);  // no label: the number
    r_.VbToValue(0, &vb);
    EXPECT_EQ(Value(), "7");
}

TEST_F(ConvertTest, ValuesTooShortOrOfAnotherTypeAreRefusedAndChangeNothing)
{
    const FromVbCase cases[] = {
        {"double of 3 octets", sxDouble, Octets(sNMP_SYNTAX_OCTETS, "abc"), nullptr},
        {"bcdatetime of 7 octets", sxBcdDateTime, Octets(sNMP_SYNTAX_OCTETS, DoubleBytes(kJuly4).substr(0, 7)), nullptr},
        {"datetime of 7 octets", sxDateTime, Octets(sNMP_SYNTAX_OCTETS, "\x07\xD6\x07\x04\x0D\x05\x00"), nullptr},
        {"ipaddress of 3 octets", sxIpAddress, Octets(sNMP_SYNTAX_OCTETS, Bytes({10, 0, 0})), nullptr},
        {"integer as octets", sxInteger, Octets(sNMP_SYNTAX_OCTETS, "12"), nullptr},
        {"displaystr as integer", sxDisplayStr, Number(sNMP_SYNTAX_INT, 5), nullptr},
        {"objectid as integer", sxObjectId, Number(sNMP_SYNTAX_INT, 5), nullptr},
        {"bcdatetime no date", sxBcdDateTime, Octets(sNMP_SYNTAX_OCTETS, DoubleBytes(1e300)), nullptr},
    };
    for (const FromVbCase& c : cases) {
        Use(c.syntax);
        Value() = "before";
        Vb vb = c.vb;
        EXPECT_EQ(RaisedCode([&] { r_.VbToValue(0, &vb); }), -518) << c.name;
        EXPECT_EQ(Value(), "before") << c.name;
    }
}

TEST_F(ConvertTest, PartSyntaxesAndUnknownCodesAreNoVariableSyntax)
{
    for (int syntax : {int(sxBool8), int(sxUInt16), 0x99}) {
        Use(syntax);
        Value() = "5";
        Vb vb = Number(sNMP_SYNTAX_INT, 1);
        Vb sent = vb;
        AnsiString text;
        EXPECT_EQ(RaisedCode([&] { r_.VbToValue(0, &vb); }, &text), -511);
        EXPECT_EQ(text, "(QzSNMP++) Bad SNMP syntax!");
        EXPECT_EQ(RaisedCode([&] { r_.ValueToVb(0, &sent); }), -511);
        EXPECT_EQ(Describe(sent), "02:1");
        AnsiString index = "x";
        EXPECT_EQ(RaisedCode([&] { r_.ValueToIndex(0, &index); }), -511);
        EXPECT_EQ(RaisedCode([&] { r_.IndexToValue(0, "1"); }), -511);
        EXPECT_EQ(Value(), "5");
        EXPECT_EQ(index, "x");
    }
}

namespace {

struct ToVbCase {
    int syntax;
    const char* text;
    const char* sent;  // Describe() of the binding
};

}  // namespace

TEST_F(ConvertTest, ValueTextsAreSentWithTheirWireTypes)
{
    const ToVbCase cases[] = {
        {sxBoolean, "true", "02:1"},
        {sxBoolean, "True", "02:0"},
        {sxInteger, "-5", "02:-5"},
        {sxInteger, "  +12abc", "02:12"},
        {sxInteger, "abc", "02:0"},
        {sxInteger, "2147483647", "02:2147483647"},
        {sxInteger, "-2147483648", "02:-2147483648"},
        {sxCounter, "4294967295", "41:4294967295"},
        {sxCounter, "-0", "41:0"},
        {sxGauge, "7", "42:7"},
        {sxUInteger, "7", "42:7"},
        {sxCounter64, "18446744073709551615", "46:18446744073709551615"},
        {sxCounter64, "9007199254740993", "46:9007199254740993"},
        {sxCounter64, "12.9", "46:12"},
        {sxCounter64, "1.5e3", "46:1500"},
        {sxTimeTicks, "1 day 2:03:04.05", "43:9378405"},
        {sxTimeTicks, "3 days, 0:00:01.00", "43:25920100"},
        {sxTimeTicks, "5", "43:0"},
        {sxDouble, "1.5", "04:000000000000F83F"},
        {sxOctetStr, "0a 1b", "04:0A1B"},
        {sxOctetStr, "ABC", "04:0ABC"},
        {sxOctetStr, "zz", "04:00"},
        {sxOctetStr, "", "04:"},
        {sxBitStr, "80", "04:80"},
        {sxOpaque, "FF01", "44:FF01"},
        {sxMacAddress, "00-1B", "04:00001B"},
        {sxIpv6Address, "FE80", "04:FE80"},
        {sxObjectId, "1.3.6.1", "06:1.3.6.1"},
        {sxIpAddress, "192.0.2.1", "40:C0000201"},
        {sxNsapAddr, "10.1.2.3", "40:0A010203"},
        {sxDateTime, "2006-7-4,13:5:0.0", "04:07D607040D0500002B0000"},
        {sxDisplayStr, "ab", "04:6162"},
        {sxNull, "anything", "05:-"},
        {sxInteger, "(NULL)", "05:-"},
        {sxDisplayStr, "(NULL)", "05:-"},
    };
    for (const ToVbCase& c : cases) {
        Use(c.syntax);
        Value() = c.text;
        Vb vb(Oid("1.3.6.1.4.1.99999.1.0"));
        r_.ValueToVb(0, &vb);
        EXPECT_EQ(Describe(vb), c.sent) << c.syntax << " " << c.text;
        EXPECT_EQ(vb.get_printable_oid(), "1.3.6.1.4.1.99999.1.0");
    }
}

TEST_F(ConvertTest, DatesOfTheLocaleAreSentAsOleDates)
{
    Use(sxBcdDateTime);
    Value() = "2006/07/04 01:05:00 pm";
    Vb vb;
    r_.ValueToVb(0, &vb);
    EXPECT_EQ(Hex(vb.octets()), Hex(DoubleBytes(kJuly4)));

    // Day-month-year order and a dot, as a German user writes them.
    DateSeparator = '.';
    ShortDateFormat = "dd/mm/yyyy";
    Value() = "04.07.2006 13:05";
    r_.ValueToVb(0, &vb);
    EXPECT_EQ(Hex(vb.octets()), Hex(DoubleBytes(kJuly4)));
    Vb back = Octets(sNMP_SYNTAX_OCTETS, vb.octets());
    r_.VbToValue(0, &back);
    EXPECT_EQ(Value(), "2006.07.04 01:05:00 pm");

    // The parser's own exception for a text it rejects.
    Value() = "not a date";
    AnsiString text;
    EXPECT_EQ(RaisedCode([&] { r_.ValueToVb(0, &vb); }, &text), 0);
    EXPECT_EQ(text, "'not a date' is not a valid date and time");
}

TEST_F(ConvertTest, EnumerationLabelsAreSentAsTheirValues)
{
    Use(sxInteger, &enabledOptions);
    Vb vb;
    Value() = "enabled";
    r_.ValueToVb(0, &vb);
    EXPECT_EQ(Describe(vb), "02:1");
    Value() = "7";  // no label: sent as it stands
    r_.ValueToVb(0, &vb);
    EXPECT_EQ(Describe(vb), "02:7");
}

TEST_F(ConvertTest, AddressesAndIdentifiersThatDoNotParseAreRefused)
{
    const ToVbCase cases[] = {
        {sxIpAddress, "switch.example", nullptr},
        {sxIpAddress, "", nullptr},
        {sxNsapAddr, "10.1", nullptr},
        {sxIpAddress, "300.1.1.1", nullptr},
        {sxIpAddress, "1.2.3.4.5", nullptr},
        {sxDateTime, "2006-7-4,13:5:300.0", nullptr},
        {sxObjectId, "", nullptr},
        {sxObjectId, "1.3.x", nullptr},
    };
    for (const ToVbCase& c : cases) {
        Use(c.syntax);
        Value() = c.text;
        Vb vb = Number(sNMP_SYNTAX_INT, 9);
        EXPECT_EQ(RaisedCode([&] { r_.ValueToVb(0, &vb); }), -518) << c.text;
        EXPECT_EQ(Describe(vb), "02:9") << c.text;
    }
}

TEST_F(ConvertTest, NumbersBeyondTheirTypeAreRefusedNotWrapped)
{
    const ToVbCase cases[] = {
        {sxInteger, "4294967396", nullptr},
        {sxInteger, "2147483648", nullptr},
        {sxInteger, "-2147483649", nullptr},
        {sxInteger, "99999999999999999999999", nullptr},
        {sxCounter, "4294967296", nullptr},
        {sxGauge, "-1", nullptr},
        {sxUInteger, " 4294967297x", nullptr},
        {sxCounter64, "18446744073709551616", nullptr},
        {sxCounter64, "-1", nullptr},
        {sxCounter64, "2e19", nullptr},
    };
    for (const ToVbCase& c : cases) {
        Use(c.syntax);
        Value() = c.text;
        Vb vb = Number(sNMP_SYNTAX_INT, 9);
        AnsiString text;
        EXPECT_EQ(RaisedCode([&] { r_.ValueToVb(0, &vb); }, &text), -518) << c.text;
        EXPECT_EQ(text, QzSNMPOwnText(qzsBadPartValue)) << c.text;
        EXPECT_EQ(Describe(vb), "02:9") << c.text;

        // Nor does such a key address another row.
        r_.varList = MakeList({Var(c.syntax, acNotAccess)}, MVT_FMV, 1);
        Value() = c.text;
        AnsiString index = "kept";
        EXPECT_EQ(RaisedCode([&] { r_.ValueToIndex(0, &index); }), -518) << c.text;
        EXPECT_EQ(index, "kept") << c.text;
    }
}

TEST_F(ConvertTest, EveryValueTextComesBackFromItsBinding)
{
    const ToVbCase cases[] = {
        {sxBoolean, "true", nullptr},       {sxInteger, "-2147483648", nullptr},
        {sxCounter, "4294967295", nullptr}, {sxCounter64, "18446744073709551615", nullptr},
        {sxDouble, "0.1", nullptr},         {sxOctetStr, "000A1B", nullptr},
        {sxObjectId, "1.3.6.1.4.1.171", nullptr}, {sxIpAddress, "255.0.2.1", nullptr},
        {sxTimeTicks, "1 day 0:00:00.01", nullptr}, {sxMacAddress, "02000061200A", nullptr},
        {sxDateTime, "2006-7-4,13:5:0.0,+8:0", nullptr}, {sxBcdDateTime, "1999/12/31 11:59:59 pm", nullptr},
        {sxDisplayStr, "VRX-6120 \xE9t\xE9", nullptr}, {sxGauge, "0", nullptr},
    };
    for (const ToVbCase& c : cases) {
        Use(c.syntax);
        Value() = c.text;
        Vb vb;
        r_.ValueToVb(0, &vb);
        Value() = "";
        r_.VbToValue(0, &vb);
        EXPECT_EQ(Value(), c.text);
    }
}

namespace {

struct IndexCase {
    const char* name;
    int syntax;
    int access;
    const char* value;
    const char* index;
};

}  // namespace

TEST_F(ConvertTest, KeyValuesFormRowIndexes)
{
    const IndexCase cases[] = {
        {"integer -1", sxInteger, acNotAccess, "-1", "4294967295"},
        {"integer (NULL)", sxInteger, acNotAccess, "(NULL)", "0"},
        {"counter", sxCounter, acNotAccess, "7", "7"},
        {"boolean", sxBoolean, acNotAccess, "true", "1"},
        {"timeticks", sxTimeTicks, acNotAccess, "0:00:01.00", "100"},
        {"counter64", sxCounter64, acNotAccess, "4294967297", "1.1"},
        {"double", sxDouble, acNotAccess, "1.5", "0.1073217536"},
        {"ipaddress", sxIpAddress, acNotAccess, "10.1.2.3", "10.1.2.3"},
        {"displaystr", sxDisplayStr, acNotAccess, "ab", "2.97.98"},
        {"displaystr IMPLIED", sxDisplayStr, acNotAccess | acImplied, "ab", "97.98"},
        {"octetstr", sxOctetStr, acNotAccess, "0A1B", "2.10.27"},
        {"octetstr IMPLIED", sxOctetStr, acNotAccess | acImplied, "0A1B", "10.27"},
        {"objectid", sxObjectId, acNotAccess, "1.3.6", "3.1.3.6"},
        {"objectid IMPLIED", sxObjectId, acNotAccess | acImplied, "1.3.6", "1.3.6"},
        {"macaddress", sxMacAddress, acNotAccess, "001122334455", "0.17.34.51.68.85"},
        {"macaddress of 5 octets", sxMacAddress, acNotAccess, "0011223344", ""},
        {"ipv6address", sxIpv6Address, acNotAccess, "FE800000000000000000000000000001",
         "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1"},
        {"datetime", sxDateTime, acNotAccess, "2006-7-4,13:5:0.0", "7.214.7.4.13.5.0.0.43.0.0"},
        {"null", sxNull, acNotAccess, "x", ""},
    };
    for (const IndexCase& c : cases) {
        // The key under test is the last of a table's two keys, where IMPLIED counts.
        r_.varList = MakeList({Var(sxInteger, acNotAccess), Var(c.syntax, c.access)}, MVT_FMV, 2);
        Value(1) = c.value;
        AnsiString index;
        r_.ValueToIndex(1, &index);
        EXPECT_EQ(index, c.index) << c.name;

        // And back, where the index keeps the whole value.
        if (*c.index && c.syntax != sxInteger) {
            Value(1) = "";
            EXPECT_EQ(r_.IndexToValue(1, AnsiString(c.index) + ".9"),
                      (c.access & acImplied) ? "" : "9") << c.name;
            if (!(c.access & acImplied)) {
                EXPECT_EQ(Value(1), c.value) << c.name;
            }
        }
    }
}

TEST_F(ConvertTest, KeysThatWouldAddressAnotherRowAreRefusedNotCut)
{
    const IndexCase cases[] = {
        {"macaddress of 13 digits", sxMacAddress, acNotAccess, "0011223344556", nullptr},
        {"macaddress of 7 octets", sxMacAddress, acNotAccess, "00112233445566", nullptr},
        {"ipv6address of 17 octets", sxIpv6Address, acNotAccess, "FE80000000000000000000000000000101", nullptr},
        {"ipaddress beyond 255", sxIpAddress, acNotAccess, "300.1.1.1", nullptr},
        {"ipaddress 256 last", sxIpAddress, acNotAccess, "1.2.3.256", nullptr},
        {"ipaddress of five numbers", sxIpAddress, acNotAccess, "1.2.3.4.5", nullptr},
        {"ipaddress of three numbers", sxIpAddress, acNotAccess, "1.2.3", nullptr},
        {"ipaddress empty", sxNsapAddr, acNotAccess, "", nullptr},
        {"ipaddress of letters", sxIpAddress, acNotAccess, "a.b.c.d", nullptr},
        {"datetime day beyond an octet", sxDateTime, acNotAccess, "2006-7-260,13:5:0.0", nullptr},
    };
    for (const IndexCase& c : cases) {
        r_.varList = MakeList({Var(sxInteger, acNotAccess), Var(c.syntax, c.access)}, MVT_FMV, 2);
        Value(1) = c.value;
        AnsiString index = "kept", text;
        EXPECT_EQ(RaisedCode([&] { r_.ValueToIndex(1, &index); }, &text), -518) << c.name;
        EXPECT_EQ(text, QzSNMPOwnText(qzsBadPartValue)) << c.name;
        EXPECT_EQ(index, "kept") << c.name;
    }
}

TEST_F(ConvertTest, ImpliedCountsOnlyOnTheLastKeyOfATable)
{
    r_.varList = MakeList({Var(sxDisplayStr, acNotAccess | acImplied), Var(sxInteger, acNotAccess)}, MVT_FMV, 2);
    Value(0) = "ab";
    AnsiString index;
    r_.ValueToIndex(0, &index);
    EXPECT_EQ(index, "2.97.98");
    r_.varList = MakeList({Var(sxDisplayStr, acNotAccess | acImplied)}, SVT_SV, 1);
    Value(0) = "ab";
    r_.ValueToIndex(0, &index);
    EXPECT_EQ(index, "2.97.98");
}

TEST_F(ConvertTest, RowIndexesSplitIntoTheKeys)
{
    r_.varList = MakeList({Var(sxDisplayStr, acNotAccess), Var(sxInteger, acNotAccess)}, MVT_FMV, 2);
    EXPECT_EQ(r_.IndexToValue(0, "2.97.98.5"), "5");
    EXPECT_EQ(Value(0), "ab");
    EXPECT_EQ(r_.IndexToValue(1, "5"), "");
    EXPECT_EQ(Value(1), "5");

    r_.varList = MakeList({Var(sxInteger, acNotAccess)}, MVT_FMV, 1);
    r_.IndexToValue(0, "4294967295");
    EXPECT_EQ(Value(0), "-1");

    r_.varList = MakeList({Var(sxInteger, acNotAccess, &enabledOptions)}, MVT_FMV, 1);
    r_.IndexToValue(0, "1");
    EXPECT_EQ(Value(0), "enabled");

    // An IMPLIED last key takes all that remains.
    r_.varList = MakeList({Var(sxInteger, acNotAccess), Var(sxDisplayStr, acNotAccess | acImplied)}, MVT_FMV, 2);
    EXPECT_EQ(r_.IndexToValue(0, "3.120.121.122"), "120.121.122");
    EXPECT_EQ(r_.IndexToValue(1, "120.121.122"), "");
    EXPECT_EQ(Value(1), "xyz");
    r_.varList = MakeList({Var(sxInteger, acNotAccess), Var(sxIpv6Address, acNotAccess | acImplied)}, MVT_FMV, 2);
    r_.IndexToValue(1, "1.2.3");
    EXPECT_EQ(Value(1), "010203");
}

TEST_F(ConvertTest, RowIndexesTooShortForTheirKeysAreRefused)
{
    const IndexCase cases[] = {
        {"macaddress", sxMacAddress, acNotAccess, nullptr, "1.2.3.4.5"},
        {"ipaddress", sxIpAddress, acNotAccess, nullptr, "10.1.2"},
        {"ipv6address", sxIpv6Address, acNotAccess, nullptr, "1.2.3"},
        {"datetime", sxDateTime, acNotAccess, nullptr, "7.214.7.4.13.5.0.0.43.0"},
        {"counter64", sxCounter64, acNotAccess, nullptr, "1"},
        {"displaystr length beyond the end", sxDisplayStr, acNotAccess, nullptr, "5.97.98"},
        {"objectid length beyond the end", sxObjectId, acNotAccess, nullptr, "4294967295.1"},
        {"integer of nothing", sxInteger, acNotAccess, nullptr, ""},
    };
    for (const IndexCase& c : cases) {
        r_.varList = MakeList({Var(c.syntax, c.access)}, MVT_FMV, 1);
        Value() = "before";
        AnsiString text;
        EXPECT_EQ(RaisedCode([&] { r_.IndexToValue(0, c.index); }, &text), -514) << c.name;
        EXPECT_EQ(text, "(QzSNMP++) Bad key count of SNMP variable list!");
        EXPECT_EQ(Value(), "before") << c.name;
    }
}
