// Variable lists: copies of descriptor tables with owned texts.
#include <gtest/gtest.h>

#include "common/qzoptionlist.h"
#include "snmpvars/qzsnmpvarlist.h"

namespace {

const QzOptionEntry kStates[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
QzOptionList g_states(kStates);
AnsiString g_initial("7");

const UISnmpVar kTable[] = {
    {"1.3.6.1.4.1.171.12.1.1", "Index", sxInteger, acNotAccess, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.4.1.171.12.1.2", "State", sxInteger, acReadWrite, &g_states, "$0*2", nullptr, "note", &g_initial,
     nullptr},
    {"1.3.6.1.4.1.171.12.1.3", "Name", sxDisplayStr, acReadOnly | acHidden, nullptr, nullptr, nullptr, nullptr,
     nullptr, nullptr},
    {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
};

const UISnmpVar kSecond[] = {
    {"1.3.6.1.2.1.1.5", "sysName", sxDisplayStr, acReadWrite, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
};

const UISnmpVar kEmpty[] = {{nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr}};

}  // namespace

TEST(VarList, CopiesEveryRecordWithItsOwnTexts)
{
    QzSNMPVarList list(kTable, MVT_FMV, 1);
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.listType, MVT_FMV);
    EXPECT_EQ(list.keyCount, 1);
    const QzSNMPVarItem& state = list.Items(1);
    EXPECT_STREQ(state.oid, "1.3.6.1.4.1.171.12.1.2");
    EXPECT_NE(state.oid, kTable[1].oid);  // a copy, not the table's text
    EXPECT_STREQ(state.label, "State");
    EXPECT_EQ(state.options, &g_states);   // shared
    EXPECT_STREQ(state.readExpression, "$0*2");
    EXPECT_EQ(state.writeExpression, nullptr);
    EXPECT_STREQ(state.text3, "note");
    ASSERT_NE(state.value, nullptr);
    EXPECT_EQ(*state.value, "7");           // from the initial value
    EXPECT_NE(state.value, &g_initial);
    ASSERT_NE(list.Items(0).value, nullptr);
    EXPECT_EQ(*list.Items(0).value, "");
    ASSERT_NE(list.Items(0).lastOid, nullptr);
    EXPECT_EQ(*list.Items(0).lastOid, "");
}

TEST(VarList, PredicatesUseTheListTypeAndKeys)
{
    QzSNMPVarList list(kTable, MVT_FMV, 1);
    EXPECT_FALSE(list.IsReadable(0));
    EXPECT_TRUE(list.IsWritable(0));  // the key, for a new row
    EXPECT_TRUE(list.IsReadable(1));
    EXPECT_TRUE(list.IsWritable(1));
    EXPECT_TRUE(list.IsHiddenColumn(2));
    EXPECT_EQ(list.CountShownColumns(), 2);
    EXPECT_EQ(list.CountHiddenColumns(), 1);
    list.keyCount = 0;
    EXPECT_FALSE(list.IsWritable(0));
}

TEST(VarList, AddingTablesKeepsEarlierItemsAndValues)
{
    QzSNMPVarList list(kTable, SVT_SV, 0);
    *list.Items(0).value = "42";
    QzSNMPVarItem* first = &list.Items(0);
    list.AddTable(kEmpty);
    list.AddTable(nullptr);
    EXPECT_EQ(list.GetCount(), 3);
    list.AddTable(kSecond);
    ASSERT_EQ(list.GetCount(), 4);
    EXPECT_EQ(&list.Items(0), first);  // items stay where they are
    EXPECT_EQ(*list.Items(0).value, "42");
    EXPECT_STREQ(list.Items(3).label, "sysName");
}

TEST(VarList, AssignmentCopiesItemsButNotTheInstance)
{
    QzSNMPVarList source(kTable, MVT_UMV, 2);
    source.description = "Port table";
    source.instance = "5";
    *source.Items(1).value = "enabled";
    *source.Items(1).lastOid = "1.3.6.1.4.1.171.12.1.2.9";

    QzSNMPVarList target;
    target.instance = "9";
    target.AddTable(kSecond);
    target = source;
    EXPECT_EQ(target.GetCount(), 3);
    EXPECT_EQ(target.listType, MVT_UMV);
    EXPECT_EQ(target.keyCount, 2);
    EXPECT_EQ(target.description, "Port table");
    EXPECT_EQ(target.instance, "9");  // the target keeps its own instance
    EXPECT_EQ(*target.Items(1).value, "enabled");
    EXPECT_EQ(*target.Items(1).lastOid, "1.3.6.1.4.1.171.12.1.2.9");

    // Deep copies: changing one list leaves the other alone.
    *source.Items(1).value = "disabled";
    source.AppendOidSuffix("1");
    EXPECT_EQ(*target.Items(1).value, "enabled");
    EXPECT_STREQ(target.Items(1).oid, "1.3.6.1.4.1.171.12.1.2");

    QzSNMPVarList copy(target);
    EXPECT_EQ(copy.GetCount(), 3);
    EXPECT_EQ(copy.instance, "");
    EXPECT_EQ(*copy.Items(1).value, "enabled");

    QzSNMPVarList& self = target;
    target = self;
    EXPECT_EQ(target.GetCount(), 3);
    EXPECT_EQ(*target.Items(1).value, "enabled");
}

TEST(VarList, AppendsOidSuffixes)
{
    QzSNMPVarList list(kSecond, MVT_SV, 0);
    list.AppendOidSuffix("3");
    EXPECT_STREQ(list.Items(0).oid, "1.3.6.1.2.1.1.5.3");
    list.AppendOidSuffix("");
    EXPECT_STREQ(list.Items(0).oid, "1.3.6.1.2.1.1.5.3.");
}

TEST(VarList, ClearEmptiesAndOwnsItsOptionLists)
{
    QzSNMPVarList list(kTable, SVT_SV, 0);
    list.OwnedOptionLists().push_back(new QzOptionList(kStates));  // freed with the list
    list.Clear();
    EXPECT_EQ(list.GetCount(), 0);
    QzSNMPVarList empty(nullptr, SVT_SV, 0);
    EXPECT_EQ(empty.GetCount(), 0);
}
