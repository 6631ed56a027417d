// The catalog of table commands against the figures of the menu's command table: object
// counts, list types, key counts, status columns and formatted rows.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "common/qzoptionlist.h"
#include "descriptorchecks.h"
#include "mib/mibcatalog.h"
#include "mib/mibshared.h"
#include "mib/rmon.h"
#include "mib/vlan.h"

namespace {

struct Expected {
    const char* component;
    int count;  // variables of the table
    int listType;
    int keyCount;
    MibPanelKind panel;
    int addColumn;
    const char* addLabel;
    int deleteColumn;
    const char* deleteLabel;
    const char* formatIndexes;  // in calling order, joined by ","
};

// Menu order; 54 editors and 83 list views.
const Expected kExpected[] = {
    {"DeviceInformation1", 4, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"AlarmControl1", 3, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"Unitinformation1", 3, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"UnitTable1", 13, MVT_FMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"PowerTable1", 3, MVT_FMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"FanTable1", 3, MVT_FMV, 2, mpListView, -1, nullptr, -1, nullptr, ""},
    {"BasicInfo1", 5, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"MibCapabilities1", 4, MVT_FMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"BasicConfigure1", 3, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"AgentSuportedUpdateFiles1", 10, MVT_UMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"CpuUtilization1", 3, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"Multipleimagemanagement1", 6, MVT_FMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"GeneralInformation2", 2, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"MultipleConfigInformation1", 6, MVT_UMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"SeverityControlManagement1", 2, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"IPProtoConfigure1", 2, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"PingTest1", 6, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"SystemLogState1", 1, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"SystemLogServerTable1", 7, MVT_UMV, 1, mpListView, 6, "createAndGo", 6, "destroy", ""},
    {"Time1", 3, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, "1"},
    {"CurrentTime1", 5, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"NetworkTime1", 5, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"IFXTable1", 20, MVT_UMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"RMONSetting1", 1, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"NetConfiguration1", 3, MVT_FMV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"NetDefaultGateway1", 1, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"Information1", 3, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"ConfigurationIdentification1", 2, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"InstanceInformation1", 24, MVT_UMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"PortMSTPInformation1", 7, MVT_UMV, 2, mpListView, -1, nullptr, -1, nullptr, ""},
    {"PortTable", 10, MVT_FMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"DefaultUserPrioritiesofEachPort1", 3, MVT_FMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"RegeneratedUserPriorities1", 3, MVT_FMV, 2, mpListView, -1, nullptr, -1, nullptr, ""},
    {"UserPrioritiesToTrafficClass1", 3, MVT_FMV, 2, mpListView, -1, nullptr, -1, nullptr, ""},
    {"PortOutboundAccessPriorities1", 3, MVT_FMV, 2, mpListView, -1, nullptr, -1, nullptr, ""},
    {"PortTable2", 4, MVT_FMV, 0, mpListView, -1, nullptr, -1, nullptr, ""},
    {"PortOverFlow1", 4, MVT_FMV, 0, mpListView, -1, nullptr, -1, nullptr, ""},
    {"UnicastForwardingInformation1", 4, MVT_FMV, 2, mpListView, -1, nullptr, -1, nullptr, ""},
    {"Databaseinformation1", 2, MVT_FMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"FilteringInformation1", 4, MVT_FMV, 2, mpListView, -1, nullptr, -1, nullptr, ""},
    {"snmpEngine1", 4, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"MessageProcessingandDispatching1", 3, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"GeneralInformation1", 3, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"CommunityTargetAddressTable", 9, MVT_UMV, 1, mpListView, 8, "createAndGo", 8, "destroy", "4"},
    {"TargetParameters1", 7, MVT_UMV, 1, mpListView, 6, "createAndGo", 6, "destroy", ""},
    {"Statistics2", 6, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"UserTable1", 13, MVT_UMV, 2, mpListView, 12, "createAndGo", 12, "destroy", ""},
    {"SecurityTable1", 5, MVT_UMV, 2, mpListView, 4, "createAndGo", 4, "destroy", ""},
    {"AccessTable1", 10, MVT_UMV, 4, mpListView, 9, "createAndGo", 9, "destroy", ""},
    {"ViewTable1", 6, MVT_UMV, 2, mpListView, 5, "createAndGo", 5, "destroy", ""},
    {"NotifyTable1", 5, MVT_UMV, 1, mpListView, 4, "createAndGo", 4, "destroy", ""},
    {"NotifyFilterProfileTale1", 4, MVT_UMV, 1, mpListView, 3, "createAndGo", 3, "destroy", ""},
    {"NotifyFilterEntryTable1", 6, MVT_UMV, 2, mpListView, 5, "createAndGo", 5, "destroy", ""},
    {"CommunityStringTable1", 8, MVT_UMV, 1, mpListView, 7, "createAndGo", 7, "destroy", ""},
    {"TargetAddressTable1", 3, MVT_UMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"Auth1", 2, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"Configuration2", 1, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"PAEPortTable1", 5, MVT_UMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"PortAuthenticationConfiguration1", 15, MVT_UMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"PortAuthStatistics1", 12, MVT_FMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"Diagnostics1", 18, MVT_UMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"PortSessionStatistics1", 10, MVT_FMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"StateTable1", 5, MVT_FMV, 2, mpListView, -1, nullptr, -1, nullptr, ""},
    {"SessionInformation1", 11, MVT_FMV, 2, mpListView, -1, nullptr, -1, nullptr, ""},
    {"RadiusServerTabl1", 6, MVT_UMV, 1, mpListView, 5, "createAndGo", 5, "destroy", ""},
    {"AuthenticationServer1", 2, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"AuthenticationServerTable1", 15, MVT_FMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"AccountingServerInformation1", 2, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"AccountingServerTable1", 13, MVT_FMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"TACACSControl1", 1, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"TACACSInformation1", 6, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"LoginInformation1", 8, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"ServerGroup1", 18, MVT_FMV, 1, mpListView, 17, "createAndGo", 17, "destroy", ""},
    {"SSHManagement1", 7, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"DiffieHellmanAlgorithm1", 1, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"EncryptionAlgorithm1", 14, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"AuthenticationMethod1", 3, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"HMACAlgorithm1", 2, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"PublicKeyAlgorithm1", 2, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"SSLCertificateLevel1", 5, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"GlobalManagement1", 1, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"ArpStormControl1", 1, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"PortInformation3", 2, MVT_UMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"MulticastFilter1", 2, MVT_UMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"JumboFrameCtrl1", 2, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"PortInformation1", 7, MVT_FMV, 2, mpListView, -1, nullptr, -1, nullptr, ""},
    {"PortControl1", 8, MVT_FMV, 2, mpListView, -1, nullptr, -1, nullptr, ""},
    {"TrunkBasicInformation1", 3, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"LACPPortTable1", 2, MVT_UMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"PortSecurityTable1", 4, MVT_UMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"QOSControl1", 2, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"BandwidthControlTable1", 3, MVT_FMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"SchedulingTable1", 3, MVT_FMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"N8021pUserPriorityTable1", 2, MVT_FMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"N8021pDefaultPriorityTable1", 2, MVT_FMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"IGMPGeneral1", 2, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"IGMPControlTable1", 12, MVT_UMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"IGMPQuery1", 3, MVT_FMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"IGMPInformation1", 5, MVT_FMV, 2, mpListView, -1, nullptr, -1, nullptr, ""},
    {"PacketStormControlTable1", 9, MVT_UMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"CPUFilterControl1", 1, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"EthernetMaskCPUFilter1", 8, MVT_UMV, 1, mpListView, 7, "createAndGo", 7, "destroy", "0,3,4"},
    {"EthernetRuleCPUFilter1", 10, MVT_UMV, 2, mpListView, 9, "createAndGo", 9, "destroy", "0,1,3,4,6"},
    {"IPMaskCPUFilter1", 19, MVT_UMV, 1, mpListView, 18, "createAndGo", 18, "destroy", "0,3,4,11,12,14,16,17"},
    {"IPRuleCPUFilter1", 17, MVT_UMV, 2, mpListView, 16, "createAndGo", 16, "destroy", "0,1,3,4,5,7,8,9,10,11,12,13"},
    {"PacketContentMaskCPUFilter1", 7, MVT_UMV, 1, mpListView, 6, "createAndGo", 6, "destroy", "0,1,2,3,4,5"},
    {"PacketContentRuleCPUFilter1", 10, MVT_UMV, 2, mpListView, 9, "createAndGo", 9, "destroy", "0,1,2,3,4,5,6"},
    {"AggregatorTable1", 11, MVT_FMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"AggregatorPortList1", 2, MVT_FMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"Management1", 3, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"Control1", 12, MVT_UMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"DeviceCtrl1", 5, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"MD5Table1", 3, MVT_UMV, 1, mpListView, 2, "createAndGo", 2, "destroy", ""},
    {"IPControlTable1", 9, MVT_UMV, 1, mpListView, 7, "createAndGo", 7, "destroy", ""},
    {"IPForwardingTable1", 4, MVT_FMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"IPStaticRoutingtable1", 6, MVT_FMV, 3, mpListView, 5, "createAndGo", 5, "destroy", ""},
    {"BOOTPBasicConfiguration1", 3, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"DNSBasicConfiguration1", 5, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"DNSCtrlTable1", 3, MVT_FMV, 2, mpListView, 2, "valid", 2, "invalid", ""},
    {"InterfaceTable1", 21, MVT_UMV, 2, mpListView, -1, nullptr, -1, nullptr, ""},
    {"InterfaceInfo1", 12, MVT_UMV, 2, mpListView, 11, "createAndGo", 11, "destroy", ""},
    {"HostTable1", 5, MVT_UMV, 2, mpListView, 4, "createAndGo", 4, "destroy", ""},
    {"VRRPControl1", 1, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"VRRPOperation1", 16, MVT_UMV, 2, mpListView, -1, nullptr, -1, nullptr, ""},
    {"VirtualRouteAddress1", 4, MVT_FMV, 3, mpListView, 3, "createAndGo", 3, "destroy", ""},
    {"VRRPErrorStatistics1", 3, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"VirtualRouteStatistics1", 14, MVT_FMV, 2, mpListView, -1, nullptr, -1, nullptr, ""},
    {"InterfaceTable2", 15, MVT_UMV, 1, mpListView, 2, "createAndGo", 2, "destroy", ""},
    {"CacheTable1", 8, MVT_FMV, 2, mpListView, -1, nullptr, -1, nullptr, ""},
    {"ARPAgingTime1", 1, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"SingleIPControl1", 4, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, "2,3"},
    {"MyInformation1", 3, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
    {"MemberSwitch1", 10, MVT_UMV, 1, mpListView, 9, "createAndGo", 9, "destroy", "8"},
    {"CandidateSwitch1", 7, MVT_FMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"GroupInformation1", 8, MVT_FMV, 1, mpListView, -1, nullptr, -1, nullptr, ""},
    {"NeighborSwitch1", 3, MVT_FMV, 2, mpListView, -1, nullptr, -1, nullptr, ""},
    {"MSTrapMessage1", 1, SVT_SV, 0, mpEditor, -1, nullptr, -1, nullptr, ""},
};

const MibCommand* Command(const Expected& e)
{
    const MibCommand* c = FindMibCommand(e.component);
    EXPECT_NE(c, nullptr) << e.component;
    return c;
}

std::string FormatIndexes(const MibVarFormat* formats)
{
    std::string s;
    for (int i = 0; i < CountMibFormats(formats); ++i)
        s += (i ? "," : "") + std::to_string(formats[i].index);
    return s;
}

std::vector<std::string> Labels(const QzOptionList* list)
{
    std::vector<std::string> v;
    for (int i = 0; list && i < list->Count(); ++i) v.push_back(list->GetItem(i)->label.c_str());
    return v;
}

}  // namespace

TEST(MibCatalog, HoldsEveryTableCommandOnce)
{
    const int n = static_cast<int>(sizeof kExpected / sizeof kExpected[0]);
    ASSERT_EQ(n, 137);
    ASSERT_EQ(MibCommandCount(), n);
    std::set<std::string> names;
    int editors = 0;
    for (int i = 0; i < MibCommandCount(); ++i) {
        const MibCommand& c = MibCommandAt(i);
        EXPECT_TRUE(names.insert(c.component).second) << c.component;
        EXPECT_EQ(FindMibCommand(c.component), &c);
        editors += c.panel == mpEditor;
    }
    EXPECT_EQ(editors, 54);
}

TEST(MibCatalog, CommandsMatchTheirFigures)
{
    for (const Expected& e : kExpected) {
        SCOPED_TRACE(e.component);
        const MibCommand* c = Command(e);
        if (!c) continue;
        EXPECT_EQ(CountSnmpVars(c->table), e.count);
        EXPECT_EQ(c->listType, e.listType);
        EXPECT_EQ(c->keyCount, e.keyCount);
        EXPECT_EQ(c->panel, e.panel);
        EXPECT_EQ(c->add.column, e.addColumn);
        EXPECT_EQ(c->remove.column, e.deleteColumn);
        EXPECT_STREQ(c->add.label, e.addLabel);
        EXPECT_STREQ(c->remove.label, e.deleteLabel);
        EXPECT_EQ(FormatIndexes(c->formats), e.formatIndexes);
    }
}

TEST(MibCatalog, StatusValuesAreInTheirColumnsOptionList)
{
    int withStatus = 0;
    for (int i = 0; i < MibCommandCount(); ++i) {
        const MibCommand& c = MibCommandAt(i);
        SCOPED_TRACE(c.component);
        if (c.panel == mpEditor) {
            EXPECT_EQ(c.add.column, -1);
            EXPECT_EQ(c.remove.column, -1);
            EXPECT_EQ(c.add.label, nullptr);
            EXPECT_EQ(c.remove.label, nullptr);
            continue;
        }
        for (const MibStatusValue& s : {c.add, c.remove}) {
            if (s.column < 0) {
                EXPECT_EQ(s.label, nullptr);
                continue;
            }
            ++withStatus;
            ASSERT_LT(s.column, CountSnmpVars(c.table));
            const UISnmpVar& v = c.table[s.column];
            ASSERT_NE(v.options, nullptr) << v.label;
            EXPECT_GE(v.options->IndexOfLabel(s.label), 0) << s.label << " not in " << v.label;
            EXPECT_EQ(v.access, acReadWrite) << v.label;
        }
        // Add and Delete write the same column, or neither exists.
        EXPECT_EQ(c.add.column, c.remove.column);
    }
    EXPECT_EQ(withStatus, 2 * 28);
}

TEST(MibCatalog, FormattedRowsAreEditsNotDropDowns)
{
    for (int i = 0; i < MibCommandCount(); ++i) {
        const MibCommand& c = MibCommandAt(i);
        SCOPED_TRACE(c.component);
        for (int k = 0; k < CountMibFormats(c.formats); ++k) {
            const MibVarFormat& f = c.formats[k];
            ASSERT_GE(f.index, 0);
            ASSERT_LT(f.index, CountSnmpVars(c.table));
            EXPECT_EQ(c.table[f.index].options, nullptr) << c.table[f.index].label;
            EXPECT_EQ(f.format[0], '%') << f.format;
        }
    }
}

TEST(MibCatalog, IndexColumnsLeadEveryTable)
{
    for (int i = 0; i < MibCommandCount(); ++i) {
        const MibCommand& c = MibCommandAt(i);
        SCOPED_TRACE(c.component);
        int n = CountSnmpVars(c.table);
        EXPECT_LE(c.keyCount, n);
        bool table = c.listType == MVT_FMV || c.listType == MVT_UMV;
        if (!table) {
            EXPECT_EQ(c.keyCount, 0);
        }
        // A not-accessible column is only ever filled from the row index, so it must be a key.
        for (int k = table ? c.keyCount : 0; k < n; ++k)
            EXPECT_FALSE(c.table[k].access & acNotAccess) << c.table[k].label;
    }
}

TEST(MibCatalog, DescriptorTablesAreWellFormed)
{
    for (int i = 0; i < MibCommandCount(); ++i) {
        const MibCommand& c = MibCommandAt(i);
        EXPECT_EQ(DescriptorFaults(c.table), "") << c.component;
        EXPECT_TRUE(c.caption && *c.caption) << c.component;
    }
}

TEST(MibCatalog, LooksUpByExactComponentName)
{
    const MibCommand* rmon = FindMibCommand("RMONSetting1");
    ASSERT_NE(rmon, nullptr);
    EXPECT_EQ(rmon->table, RMONSetting1Vars);
    EXPECT_STREQ(RMONSetting1Vars[0].oid, "1.3.6.1.4.1.171.11.70.2.2.1.2.4");
    EXPECT_EQ(RMONSetting1Vars[0].options, &mibDisabled2Enabled3Options);

    const MibCommand* filtering = FindMibCommand("FilteringInformation1");
    ASSERT_NE(filtering, nullptr);
    EXPECT_EQ(filtering->table, FilteringInformation1Vars);
    EXPECT_EQ(CountSnmpVars(FilteringInformation1Vars), 4);
    EXPECT_STREQ(FilteringInformation1Vars[1].oid, "1.3.6.1.2.1.17.7.1.2.3.1.1");

    const MibCommand* stp = FindMibCommand("PortTable");
    ASSERT_NE(stp, nullptr);
    EXPECT_STREQ(stp->caption, "Spanning Tree Port Table");

    EXPECT_EQ(FindMibCommand("rmonsetting1"), nullptr);
    EXPECT_EQ(FindMibCommand("Information3"), nullptr);  // a module command
    EXPECT_EQ(FindMibCommand(""), nullptr);
    EXPECT_EQ(FindMibCommand(nullptr), nullptr);
    EXPECT_EQ(CountMibFormats(nullptr), 0);
}

// Texts travel to the operator and OIDs to the switch exactly as written, odd ones included.
TEST(MibCatalog, KeepsTextsAndOidsExactly)
{
    struct Case {
        const char* component;
        int index;
        const char* oid;
        const char* label;
        int syntax;
        int access;
    };
    const Case cases[] = {
        {"DeviceInformation1", 3, "1.3.6.1.4.1.171.11.70.2.2.1.1.5", "swDevInfoFirewareVersion", sxDisplayStr, acReadOnly},
        {"UnitTable1", 12, "1.3.6.1.4.1.171.12.11.1.9.5.1.14", "swUnitMgmtPriority", sxInteger, acReadWrite},
        {"Time1", 1, "1.3.6.1.4.1.171.12.10.2", "Current Cloc(Example 1992-5-26,13:30:15.0)", sxDateTime, acReadWrite},
        {"CurrentTime1", 4, "1.3.6.1.4.1.171.12.10.10.4", "System Time Zone [ -779..839]", sxInteger, acReadWrite},
        {"IFXTable1", 0, "1.3.6.1.2.1.2.2.1.1", "ifIndex", sxInteger, acNotAccess},
        {"IFXTable1", 6, "1.3.6.1.2.1.31.1.1.1.6", "Octets Received", sxCounter64, acReadOnly},
        {"IFXTable1", 19, "1.3.6.1.2.1.31.1.1.1.19", "Discontinuity Time Count", sxTimeTicks, acReadOnly},
        {"Information1", 2, "1.3.6.1.2.1.17.4.2", "Aging Time[10-1000000]", sxInteger, acReadWrite},
        {"PortTable", 2, "1.3.6.1.2.1.17.2.15.1.3", "Status        ", sxInteger, acReadOnly},
        {"PortTable", 3, "1.3.6.1.2.1.17.2.15.1.4", "State  ", sxInteger, acReadWrite},
        {"PortTable2", 0, "1.3.6.1.2.1.17.4.4.1.1", " Port Index", sxInteger, acReadOnly},
        {"Databaseinformation1", 0, "1.3.6.1.2.1.17.7.1.2.1.1.1", "dot1qFdbId", sxGauge, acNotAccess},
        {"CommunityTargetAddressTable", 0, "1.3.6.1.6.3.12.1.2.1.1", "snmpTargetAddrName", sxDisplayStr, acNotAccess | acImplied},
        {"CommunityTargetAddressTable", 2, "1.3.6.1.6.3.12.1.2.1.3", "snmpTargetAddrTAddress", sxBitStr, acReadWrite},
        {"NotifyFilterEntryTable1", 1, "1.3.6.1.6.3.13.1.3.1.1", "Notify Filter Subtree", sxObjectId, acNotAccess | acImplied},
        {"TargetAddressTable1", 1, "1.3.6.1.6.3.18.1.2.1.1", "Target Addr TMask", sxDisplayStr, acReadWrite},
        {"AccessTable1", 0, "1.3.6.1.6.3.16.1.2.1.3", "Group Name", sxDisplayStr, acNotAccess},
        {"Configuration2", 0, "1.0.8802.1.1.1.1.1.1", "System Authentication Control", sxInteger, acReadWrite},
        {"PortAuthStatistics1", 11, "1.0.8802.1.1.1.1.2.2.1.12", "Last EAPOLF rame Source", sxMacAddress, acReadOnly},
        {"SessionInformation1", 1, "1.3.6.1.4.1.171.12.3.6.1.1.2", "swPaePortNumber", sxInteger, acNotAccess},
        {"LoginInformation1", 2, "1.3.6.1.4.1.171.12.5.7.1.2", "AP Telnet LoginMethod", sxDisplayStr, acReadWrite},
        {"EncryptionAlgorithm1", 13, "1.3.6.1.4.1.171.12.6.3.5.2", "DSA state", sxInteger, acReadWrite},
        {"PortInformation1", 1, "1.3.6.1.4.1.171.11.70.2.2.3.1.1.2", "swL2PortInfoMediumType", sxInteger, acNotAccess},
        {"IPMaskCPUFilter1", 11, "1.3.6.1.4.1.171.12.9.4.2.1.12", "TCP or UDP Srouce Port Mask", sxOctetStr, acReadWrite},
        {"DeviceCtrl1", 4, "1.3.6.1.4.1.171.11.55.2.3.2.4", "Arp Aging Time", sxInteger, acReadWrite},
        {"IPStaticRoutingtable1", 2, "1.3.6.1.4.1.171.11.55.2.3.2.5.1.3", "Bakeup State", sxInteger, acReadWrite},
        {"VRRPOperation1", 15, "1.3.6.1.2.1.68.1.3.1.15", "Row Status", sxInteger, acReadWrite},
        {"VirtualRouteAddress1", 2, "1.3.6.1.2.1.68.1.4.1.1", "vrrpAssoIpAddr", sxIpAddress, acNotAccess},
        {"MemberSwitch1", 3, "1.3.6.1.4.1.171.12.8.1.3.1.4", "Member Firmware Verion", sxDisplayStr, acReadOnly},
        {"MSTrapMessage1", 0, "1.3.6.1.4.1.171.12.8.6.1.1", "swSingleIPMSTrapMessage", sxDisplayStr, acReadOnly},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.component) + " #" + std::to_string(k.index));
        const MibCommand* c = FindMibCommand(k.component);
        ASSERT_NE(c, nullptr);
        ASSERT_LT(k.index, CountSnmpVars(c->table));
        const UISnmpVar& v = c->table[k.index];
        EXPECT_STREQ(v.oid, k.oid);
        EXPECT_STREQ(v.label, k.label);
        EXPECT_EQ(v.syntax, k.syntax);
        EXPECT_EQ(v.access, k.access);
    }

    struct Caption {
        const char* component;
        const char* caption;
    };
    const Caption captions[] = {
        {"Multipleimagemanagement1", "Mutiple Image Management"},
        {"MessageProcessingandDispatching1", "Message Processingand Dispatching"},
        {"SessionInformation1", "Session Information "},
        {"FilteringInformation1", "Filtering information"},
        {"SchedulingTable1", "Scheduling Table1"},
        {"EthernetMaskCPUFilter1", "Ethernet Mask (CPU Filter)"},
    };
    for (const Caption& k : captions) EXPECT_STREQ(FindMibCommand(k.component)->caption, k.caption);

    const MibCommand* time = FindMibCommand("Time1");
    ASSERT_EQ(CountMibFormats(time->formats), 1);
    EXPECT_STREQ(time->formats[0].format, "%s{l21}");
    const MibCommand* ipRule = FindMibCommand("IPRuleCPUFilter1");
    ASSERT_EQ(CountMibFormats(ipRule->formats), 12);
    EXPECT_STREQ(ipRule->formats[7].format, "%i{n0x65535l5}");
    const MibCommand* single = FindMibCommand("SingleIPControl1");
    EXPECT_STREQ(single->formats[0].format, "%i{n100x255l3}");
    EXPECT_STREQ(single->formats[1].format, "%i{n30x90l2}");
}

// Lists defined inline with their column, checked through the column.
TEST(MibCatalog, InlineOptionListsKeepTheirOrder)
{
    struct Case {
        const char* component;
        int index;
        std::vector<std::string> labels;
        int firstValue, lastValue;
    };
    const Case cases[] = {
        {"UnitTable1", 1, {"exist", "not-exist"}, 1, 0},
        {"PowerTable1", 2, {"other", "lowVoltage", "overCurrent", "working", "fail", "connect", "disconnect"}, 0, 6},
        {"IFXTable1", 16, {"false"}, 2, 2},
        {"PortMSTPInformation1", 6, {"disable", "alternate", "backup", "root", "desinated", "master", "nonstp", "loopback"}, 0, 7},
        {"SSHManagement1", 3, {"never", "ten-min", "thirty-min", "sixty-min"}, 0, 60},
        {"PortControl1", 4, {"other", "nway-enabled", "nway-disabled-10Mbps-Half", "nway-disabled-10Mbps-Full", "nway-disabled-100Mbps-Half", "nway-disabled-100Mbps-Full", "nway-disabled-1Gigabps-Full", "nway-disabled-1Gigabps-Full-master", "nway-disabled-1Gigabps-Full-slave"}, 1, 10},
        {"PortSessionStatistics1", 8, {"supplicantLogoff", "portFailure", "supplicantRestart", "reauthFailed", "authControlForceUnauth", "portReInit", "portAdminDisabled", "notTerminatedYet"}, 1, 999},
        {"DNSCtrlTable1", 2, {"invalid", "valid"}, 2, 3},
        {"QOSControl1", 0, {"strict", "weightfair"}, 1, 3},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.component);
        const UISnmpVar& v = FindMibCommand(k.component)->table[k.index];
        ASSERT_NE(v.options, nullptr);
        EXPECT_EQ(Labels(v.options), k.labels);
        EXPECT_EQ(v.options->GetItem(0)->key, k.firstValue);
        EXPECT_EQ(v.options->GetItem(v.options->Count() - 1)->key, k.lastValue);
    }
    EXPECT_EQ(FindMibCommand("PortInformation1")->table[5].options->Count(), 19);

    // The two USM protocol columns map OID values to names.
    const UISnmpVar* user = FindMibCommand("UserTable1")->table;
    EXPECT_EQ(user[4].options->Kind(), QzOptionList::Text);
    EXPECT_EQ(user[4].options->ValueToLabel("1.3.6.1.6.3.10.1.1.2"), "MD5");
    EXPECT_EQ(user[4].options->LabelToValue("sha"), "1.3.6.1.6.3.10.1.1.3");
    EXPECT_EQ(user[7].options->Kind(), QzOptionList::Text);
    EXPECT_EQ(Labels(user[7].options), (std::vector<std::string>{"None", "DES"}));
    EXPECT_EQ(user[7].options->LabelToValue("DES"), "1.3.6.1.6.3.10.1.2.2");
}

TEST(MibSharedOptions, ListValuesAndLabelsInOrder)
{
    struct Case {
        const QzOptionList* list;
        const char* expected;  // value label pairs
    };
    const Case cases[] = {
        {&mibDisabled2Enabled3Options, "2 disabled,3 enabled"},
        {&mibRowStatusOptions, "1 active,2 notInService,3 notReady,4 createAndGo,5 createAndWait,6 destroy"},
        {&mibTruthValueOptions, "1 true,2 false"},
        {&mibEnabled1Disabled2Options, "1 enabled,2 disabled"},
        {&mibOtherDisabledEnabledOptions, "1 other,2 disabled,3 enabled"},
        {&mibStorageTypeOptions, "1 other,2 volatile,3 nonVolatile,4 permanent,5 readOnly"},
        {&mibAacServerProtocolOptions, "1 tacacs,2 xtacacs,3 tacacs-plus,4 radius,5 none,6 other"},
        {&mibDisabled1Enabled2Options, "1 disabled,2 enabled"},
        {&mibPermitOptions, "1 deny,2 permit"},
        {&mibEnable1Disable2Options, "1 enable,2 disable"},
        {&mibSeverityOptions, "0 critical,1 warning,2 information"},
        {&mibSecurityLevelOptions, "1 noAuthNoPriv,2 authNoPriv,3 authPriv"},
        {&mibIncludedExcludedOptions, "1 included,2 excluded"},
        {&mibPaeStateOptions, "1 initialize,2 disconnected,3 connecting,4 authenticating,5 authenticated,6 aborting,7 held,8 forceAuth,9 forceUnauth"},
        {&mibBackendStateOptions, "1 request,2 response,3 success,4 fail,5 timeout,6 idle,7 initialize"},
        {&mibControlledDirectionsOptions, "0 both,1 in"},
        {&mibAuthPortStatusOptions, "1 authorized,2 unauthorized"},
        {&mibAuthenticMethodOptions, "1 remoteAuthServer,2 localAuthServer"},
        {&mibTerminateCauseOptions, "1 supplicantLogoff,2 portFailure,3 supplicantRestart,4 reauthFailed,5 authControlForceUnauth,6 portReInit,7 portAdminDisabled,999 notTerminatedYet"},
        {&mibEnable2Disable3Options, "2 enable,3 disable"},
        {&mibMediumTypeOptions, "1 copper,2 fiber"},
        {&mibDisable2Enable3Options, "2 disable,3 enable"},
        {&mibProtocolTypeOptions, "1 none,2 icmp,3 igmp,4 tcp,5 udp,6 protocolId"},
        {&mibPortMaskOptions, "1 other,2 dst-addr,3 src-addr,4 dst-src-addr"},
        {&mibOtherDisableEnableOptions, "1 other,2 disable,3 enable"},
    };
    for (const Case& k : cases) {
        std::string got;
        for (int i = 0; i < k.list->Count(); ++i)
            got += (i ? "," : "") + std::to_string(k.list->GetItem(i)->key) + " " +
                   k.list->GetItem(i)->label.c_str();
        EXPECT_EQ(got, k.expected);
        EXPECT_EQ(k.list->Kind(), QzOptionList::Integer);
        EXPECT_FALSE(k.list->CaseSensitive());
    }
    // Lookups behave as the generated forms rely on.
    EXPECT_EQ(mibRowStatusOptions.LabelToValue("CREATEANDGO"), "4");
    EXPECT_EQ(mibDisabled2Enabled3Options.ValueToLabel("3"), "enabled");
    EXPECT_EQ(mibTerminateCauseOptions.ValueToLabel("999"), "notTerminatedYet");
}
