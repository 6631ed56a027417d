// The descriptor code sets and the predicates over descriptor records.
#include <gtest/gtest.h>

#include "common/qzoptionlist.h"
#include "snmpvars/uisnmpvar.h"

namespace {

std::vector<std::pair<int, std::string>> Items(const QzOptionList& list)
{
    std::vector<std::pair<int, std::string>> v;
    for (int i = 0; i < list.Count(); ++i) v.emplace_back(list.GetItem(i)->key, list.GetItem(i)->label.std());
    return v;
}

}  // namespace

TEST(CodeSets, OptionListsKeepTheirOrder)
{
    std::vector<std::pair<int, std::string>> syntaxes = {
        {2, "integer"},     {3, "bitstr"},       {4, "octetstr"},     {5, "null"},      {6, "objectid"},
        {0x40, "ipaddress"}, {0x41, "counter"},  {0x42, "guage"},     {0x43, "timeticks"}, {0x44, "opaque"},
        {0x46, "counter64"}, {1, "boolean"},     {0x45, "nsapaddr"},  {0x47, "uinteger"}, {0x48, "double"},
        {0x49, "macaddress"}, {0x4a, "datetime"}, {0x4b, "bcdatetime"}, {0x4c, "displaystr"}, {0xc1, "bool8"},
        {0xc2, "int8"},     {0xc3, "uint8"},     {0xc4, "bool16"},    {0xc5, "int16"},  {0xc6, "uint16"},
        {0x4d, "ipv6address"},
    };
    EXPECT_EQ(Items(QzSNMPSyntaxOptionList()), syntaxes);
    std::vector<std::pair<int, std::string>> access = {
        {1, "notaccess"}, {2, "readonly"}, {4, "writeonly"}, {6, "readwrite"},
        {8, "derived"},   {0x10, "hidden"}, {0x20, "invalid"},
    };
    EXPECT_EQ(Items(QzSNMPAccessOptionList()), access);
    std::vector<std::pair<int, std::string>> types = {{0, "SVT_SV"}, {1, "MVT_SV"}, {2, "MVT_FMV"}, {3, "MVT_UMV"}};
    EXPECT_EQ(Items(QzSNMPListTypeOptionList()), types);
    EXPECT_EQ(QzSNMPSyntaxOptionList().ValueToLabel("66").std(), "guage");
}

TEST(Predicates, FollowTheAccessBits)
{
    struct Case {
        int access;
        int index, listType, keyCount;
        bool readable, writable, shown, hidden, implied;
    } cases[] = {
        // access  i  type     keys  read   write  shown  hidden implied
        {1,        0, MVT_FMV, 1,    false, true,  true,  false, false},  // key column of a table
        {0x41,     0, MVT_UMV, 1,    false, true,  true,  false, true},   // IMPLIED key column
        {1,        1, MVT_FMV, 1,    false, false, true,  false, false},  // beyond the keys
        {1,        0, SVT_SV,  0,    false, false, true,  false, false},
        {1,        0, MVT_SV,  1,    false, false, true,  false, false},  // keys only count in tables
        {2,        0, SVT_SV,  0,    true,  false, true,  false, false},
        {4,        0, SVT_SV,  0,    false, true,  false, true,  false},  // write-only is hidden
        {6,        0, SVT_SV,  0,    true,  true,  true,  false, false},
        {8,        0, SVT_SV,  0,    false, false, true,  false, false},  // derived: shown only
        {6 | 0x10, 0, SVT_SV,  0,    true,  true,  false, true,  false},
        {6 | 0x20, 0, SVT_SV,  0,    false, false, false, true,  false},  // invalid: out of get and set
        {1 | 0x20, 0, MVT_FMV, 1,    false, false, false, true,  false},
        {0x10,     0, SVT_SV,  0,    false, false, false, true,  false},
    };
    for (const Case& c : cases) {
        UISnmpVar v{"1.3.6.1", "x", sxInteger, c.access, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
        SCOPED_TRACE(testing::Message() << "access " << c.access << " index " << c.index << " type " << c.listType);
        EXPECT_EQ(QzIsReadable(v), c.readable);
        EXPECT_EQ(QzIsWritable(v, c.index, c.listType, c.keyCount), c.writable);
        EXPECT_EQ(QzIsShownColumn(v), c.shown);
        EXPECT_EQ(QzIsHiddenColumn(v), c.hidden);
        EXPECT_EQ(QzIsImpliedIndex(v), c.implied);
    }
}

TEST(DescriptorTables, CountUpToTheNullOid)
{
    const UISnmpVar table[] = {
        {"1.3.6.1.2.1.1.1", "Descr", sxDisplayStr, acReadOnly, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
        {"1.3.6.1.2.1.1.5", "Name", sxDisplayStr, acReadWrite, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
        {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    };
    EXPECT_EQ(CountSnmpVars(table), 2);
    EXPECT_EQ(CountSnmpVars(table + 2), 0);
    EXPECT_EQ(CountSnmpVars(nullptr), 0);
}
