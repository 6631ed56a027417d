// The descriptor tables of the access-list, SNMP target, user-security and view-access units:
// their record counts, bounds and option lists.
#include <gtest/gtest.h>

#include <string>

#include "common/qzoptionlist.h"
#include "descriptorchecks.h"
#include "mib/acl.h"
#include "mib/snmptarget.h"
#include "mib/usm.h"
#include "mib/vacm.h"

namespace {

struct TableCase {
    const char* name;
    const UISnmpVar* table;
    int records;
    const char* firstOid;
    const char* lastOid;
};

const TableCase kTables[] = {
    {"swACLEthernetEntry", swACLEthernetEntry, 8, "1.3.6.1.4.1.171.12.9.2.1.1.1", "1.3.6.1.4.1.171.12.9.2.1.1.8"},
    {"swACLIpEntry", swACLIpEntry, 16, "1.3.6.1.4.1.171.12.9.2.2.1.1", "1.3.6.1.4.1.171.12.9.2.2.1.19"},
    {"swACLEtherRuleEntry", swACLEtherRuleEntry, 14, "1.3.6.1.4.1.171.12.9.3.1.1.1", "1.3.6.1.4.1.171.12.9.3.1.1.17"},
    {"swACLIpRuleEntry", swACLIpRuleEntry, 22, "1.3.6.1.4.1.171.12.9.3.2.1.1", "1.3.6.1.4.1.171.12.9.3.2.1.24"},
    {"swProdACLPayloadEntry", swProdACLPayloadEntry, 8, "1.3.6.1.4.1.171.11.5.1.3.1.1", "1.3.6.1.4.1.171.11.5.1.3.1.8"},
    {"swProdACLPayloadRuleEntry", swProdACLPayloadRuleEntry, 14, "1.3.6.1.4.1.171.11.5.2.3.1.1", "1.3.6.1.4.1.171.11.5.2.3.1.15"},
    {"swProdACLEtherRuleEntry", swProdACLEtherRuleEntry, 13, "1.3.6.1.4.1.171.11.5.2.1.1.1", "1.3.6.1.4.1.171.11.5.2.1.1.13"},
    {"swProdACLIpRuleEntry", swProdACLIpRuleEntry, 20, "1.3.6.1.4.1.171.11.5.2.2.1.1", "1.3.6.1.4.1.171.11.5.2.2.1.20"},
    {"swProdACLEthernetEntry", swProdACLEthernetEntry, 9, "1.3.6.1.4.1.171.11.5.1.1.1.1", "1.3.6.1.4.1.171.11.5.1.1.1.9"},
    {"swProdACLIpEntry", swProdACLIpEntry, 18, "1.3.6.1.4.1.171.11.5.1.2.1.1", "1.3.6.1.4.1.171.11.5.1.2.1.18"},
    {"swACLIpv6MaskEntry", swACLIpv6MaskEntry, 7, "1.3.6.1.4.1.171.12.9.2.4.1.1", "1.3.6.1.4.1.171.12.9.2.4.1.7"},
    {"swACLIpv6RuleEntry", swACLIpv6RuleEntry, 13, "1.3.6.1.4.1.171.12.9.3.4.1.1", "1.3.6.1.4.1.171.12.9.3.4.1.14"},
    {"swACLCpuFilterCtrl", swACLCpuFilterCtrl, 1, "1.3.6.1.4.1.171.12.9.1.1", "1.3.6.1.4.1.171.12.9.1.1"},
    {"swCpuAclEthernetEntry", swCpuAclEthernetEntry, 8, "1.3.6.1.4.1.171.12.9.4.1.1.1", "1.3.6.1.4.1.171.12.9.4.1.1.8"},
    {"swCpuAclEtherRuleEntry", swCpuAclEtherRuleEntry, 10, "1.3.6.1.4.1.171.12.9.5.1.1.1", "1.3.6.1.4.1.171.12.9.5.1.1.11"},
    {"swCpuAclIpEntry", swCpuAclIpEntry, 19, "1.3.6.1.4.1.171.12.9.4.2.1.1", "1.3.6.1.4.1.171.12.9.4.2.1.19"},
    {"swCpuAclIpRuleEntry", swCpuAclIpRuleEntry, 17, "1.3.6.1.4.1.171.12.9.5.2.1.1", "1.3.6.1.4.1.171.12.9.5.2.1.18"},
    {"swCpuAclPktContMaskEntry", swCpuAclPktContMaskEntry, 7, "1.3.6.1.4.1.171.12.9.4.3.1.1", "1.3.6.1.4.1.171.12.9.4.3.1.7"},
    {"swCpuAclPktContRuleEntry", swCpuAclPktContRuleEntry, 10, "1.3.6.1.4.1.171.12.9.5.3.1.1", "1.3.6.1.4.1.171.12.9.5.3.1.11"},

    {"snmpEngine", snmpEngine, 4, "1.3.6.1.6.3.10.2.1.1", "1.3.6.1.6.3.10.2.1.4"},
    {"snmpMPDStats", snmpMPDStats, 3, "1.3.6.1.6.3.11.2.1.1", "1.3.6.1.6.3.11.2.1.3"},
    {"snmpTargetObjects", snmpTargetObjects, 3, "1.3.6.1.6.3.12.1.1", "1.3.6.1.6.3.12.1.5"},
    {"snmpTargetAddrEntry", snmpTargetAddrEntry, 9, "1.3.6.1.6.3.12.1.2.1.1", "1.3.6.1.6.3.12.1.2.1.9"},
    {"snmpTargetParamsEntry", snmpTargetParamsEntry, 7, "1.3.6.1.6.3.12.1.3.1.1", "1.3.6.1.6.3.12.1.3.1.7"},
    {"snmpCommunityEntry", snmpCommunityEntry, 8, "1.3.6.1.6.3.18.1.1.1.1", "1.3.6.1.6.3.18.1.1.1.8"},
    {"snmpTargetAddrExtEntry", snmpTargetAddrExtEntry, 3, "1.3.6.1.6.3.12.1.2.1.1", "1.3.6.1.6.3.18.1.2.1.2"},
    {"snmpNotifyEntry", snmpNotifyEntry, 5, "1.3.6.1.6.3.13.1.1.1.1", "1.3.6.1.6.3.13.1.1.1.5"},
    {"snmpNotifyFilterProfileEntry", snmpNotifyFilterProfileEntry, 4, "1.3.6.1.6.3.12.1.3.1.1", "1.3.6.1.6.3.13.1.2.1.3"},
    {"snmpNotifyFilterEntry", snmpNotifyFilterEntry, 6, "1.3.6.1.6.3.13.1.2.1.1", "1.3.6.1.6.3.13.1.3.1.5"},

    {"usmStats", usmStats, 6, "1.3.6.1.6.3.15.1.1.1", "1.3.6.1.6.3.15.1.1.6"},
    {"usmUserEntry", usmUserEntry, 13, "1.3.6.1.6.3.15.1.2.2.1.1", "1.3.6.1.6.3.15.1.2.2.1.13"},

    {"vacmContextEntry", vacmContextEntry, 1, "1.3.6.1.6.3.16.1.1.1.1", "1.3.6.1.6.3.16.1.1.1.1"},
    {"vacmSecurityToGroupEntry", vacmSecurityToGroupEntry, 5, "1.3.6.1.6.3.16.1.2.1.1", "1.3.6.1.6.3.16.1.2.1.5"},
    {"vacmAccessEntry", vacmAccessEntry, 10, "1.3.6.1.6.3.16.1.2.1.3", "1.3.6.1.6.3.16.1.4.1.9"},
    {"vacmViewTreeFamilyEntry", vacmViewTreeFamilyEntry, 6, "1.3.6.1.6.3.16.1.5.2.1.1", "1.3.6.1.6.3.16.1.5.2.1.6"},
    {"vacmMIBViews", vacmMIBViews, 1, "1.3.6.1.6.3.16.1.5.1", "1.3.6.1.6.3.16.1.5.1"},
};

std::string Items(const QzOptionList& list)
{
    std::string s;
    for (int i = 0; i < list.Count(); ++i) {
        const QzOptionItem* item = list.GetItem(i);
        s += (i ? "," : "");
        s += (list.Kind() == QzOptionList::Integer ? std::to_string(item->key) : item->text.std());
        s += std::string(" ") + item->label.c_str();
    }
    return s;
}

}  // namespace

TEST(MibDataUnits, TablesHaveTheirRecordsAndBounds)
{
    for (const TableCase& k : kTables) {
        SCOPED_TRACE(k.name);
        ASSERT_EQ(CountSnmpVars(k.table), k.records);
        EXPECT_STREQ(k.table[0].oid, k.firstOid);
        EXPECT_STREQ(k.table[k.records - 1].oid, k.lastOid);
        EXPECT_EQ(DescriptorFaults(k.table), "");
    }
}

TEST(MibDataUnits, OptionListsKeepTheirValuesAndLabelsInOrder)
{
    const std::string rowStatus = "1 active,2 notInService,3 notReady,4 createAndGo,5 createAndWait,6 destroy";
    const std::string storage = "1 other,2 volatile,3 nonVolatile,4 permanent,5 readOnly";
    struct Case {
        const QzOptionList* list;
        std::string expected;
    };
    const Case cases[] = {
        {&aclEnabledDisabledOptions, "1 enabled,2 disabled"},
        {&aclMacMaskStateOptions, "1 other,2 dst-mac-addr,3 src-mac-addr,4 dst-src-mac-addr"},
        {&aclRowStatusOptions, rowStatus},
        {&aclIpMaskStateOptions, "1 other,2 dst-ip-addr,3 src-ip-addr,4 dst-src-ip-addr"},
        {&aclProtocolTypeOptions, "1 none,2 icmp,3 igmp,4 tcp,5 udp,6 protocolId"},
        {&aclPortMaskOptions, "1 other,2 dst-addr,3 src-addr,4 dst-src-addr"},
        {&aclEnableDisableOptions, "1 enable,2 disable"},
        {&aclPermitOptions, "1 deny,2 permit"},
        {&aclIcmpOptionOptions, "1 none,2 type,3 code,4 type-code"},
        {&aclIpv6MaskStateOptions, "1 other,2 dst-ipv6-addr,3 src-ipv6-addr"},
        {&snmpTargetStorageTypeOptions, storage},
        {&snmpTargetRowStatusOptions, rowStatus},
        {&snmpTargetSecurityLevelOptions, "1 noAuthNoPriv,2 authNoPriv,3 authPriv"},
        {&snmpNotifyTypeOptions, "1 trap,2 inform"},
        {&snmpNotifyFilterTypeOptions, "1 included,2 excluded"},
        {&usmAuthProtocolOptions, "1.3.6.1.6.3.10.1.1.1 None,1.3.6.1.6.3.10.1.1.2 MD5,1.3.6.1.6.3.10.1.1.3 SHA"},
        {&usmPrivProtocolOptions, "1.3.6.1.6.3.10.1.2.1 None,1.3.6.1.6.3.10.1.2.2 DES"},
        {&usmStorageTypeOptions, storage},
        {&usmRowStatusOptions, rowStatus},
        {&vacmStorageTypeOptions, storage},
        {&vacmRowStatusOptions, rowStatus},
        {&vacmSecurityLevelOptions, "1 noAuthNoPriv,2 authNoPriv,3 authPriv"},
        {&vacmContextMatchOptions, "1 exact,2 prefix"},
        {&vacmViewTypeOptions, "1 included,2 excluded"},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(Items(*k.list), k.expected);
        EXPECT_FALSE(k.list->CaseSensitive());
    }
    EXPECT_EQ(usmAuthProtocolOptions.Kind(), QzOptionList::Text);
    EXPECT_EQ(usmPrivProtocolOptions.Kind(), QzOptionList::Text);
    EXPECT_EQ(usmAuthProtocolOptions.ValueToLabel("1.3.6.1.6.3.10.1.1.3"), "SHA");
    EXPECT_EQ(usmPrivProtocolOptions.LabelToValue("des"), "1.3.6.1.6.3.10.1.2.2");
    EXPECT_EQ(usmUserEntry[4].options, &usmAuthProtocolOptions);
    EXPECT_EQ(usmUserEntry[7].options, &usmPrivProtocolOptions);
}

// IMPLIED indexes: the names of the target, parameter, community and notification tables
// and the notify-filter subtree; nowhere else.
TEST(MibDataUnits, ImpliedIndexColumns)
{
    std::string implied;
    for (const TableCase& k : kTables)
        for (int i = 0; i < k.records; ++i)
            if (k.table[i].access & acImplied) implied += std::string(k.name) + "." + std::to_string(i) + " ";
    EXPECT_EQ(implied,
              "snmpTargetAddrEntry.0 snmpTargetParamsEntry.0 snmpCommunityEntry.0 "
              "snmpTargetAddrExtEntry.0 snmpNotifyEntry.0 snmpNotifyFilterProfileEntry.0 "
              "snmpNotifyFilterEntry.1 ");
    EXPECT_EQ(snmpNotifyFilterEntry[0].access, acNotAccess);
}

TEST(MibDataUnits, ColumnsCarryTheirOwnLists)
{
    // "Use Vlan" is an enabled/disabled choice in every Ethernet mask table.
    EXPECT_EQ(swACLEthernetEntry[1].options, &aclEnabledDisabledOptions);
    EXPECT_EQ(swProdACLEthernetEntry[1].options, &aclEnabledDisabledOptions);
    EXPECT_EQ(swCpuAclEthernetEntry[1].options, &aclEnabledDisabledOptions);
    EXPECT_EQ(swProdACLEthernetEntry[7].options, &aclPermitOptions);

    EXPECT_STREQ(swACLEthernetEntry[0].label, "Ethernet Mask ID ");
    EXPECT_STREQ(swACLEthernetEntry[3].label, "Mac Address Mask Sourcc");
    EXPECT_STREQ(swProdACLIpRuleEntry[3].label, "Sourcr IP Address");
    EXPECT_EQ(swACLIpRuleEntry[5].access, acReadOnly);
    EXPECT_EQ(swACLIpRuleEntry[5].options, &aclProtocolTypeOptions);
    EXPECT_EQ(swProdACLPayloadEntry[1].syntax, sxBitStr);
    EXPECT_EQ(swACLIpv6MaskEntry[4].syntax, sxIpv6Address);
    EXPECT_EQ(vacmAccessEntry[3].access, acNotAccess);
    EXPECT_EQ(vacmAccessEntry[3].options, &vacmSecurityLevelOptions);
    EXPECT_EQ(vacmContextEntry[0].syntax, sxOctetStr);
    EXPECT_EQ(vacmMIBViews[0].access, acReadWrite);
    EXPECT_EQ(snmpTargetAddrEntry[1].syntax, sxObjectId);
    EXPECT_EQ(snmpTargetAddrEntry[1].options, nullptr);
}
