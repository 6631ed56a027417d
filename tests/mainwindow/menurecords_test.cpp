// The menu command records against the menu's figures, and the pure caption and size rules.
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

#include "mainwindow/menucommands.h"
#include "mib/mibcatalog.h"
#include "platform/ui/sysutils.h"

namespace {

std::string SizesText(const TMenuCommand& c)
{
    std::string out;
    for (const TSizeAction& a : c.sizes) {
        if (!a.dimension) continue;
        if (!out.empty()) out += ", ";
        out += std::string(1, a.dimension) + " " + (a.additive ? "+" : "") + std::to_string(a.value) +
               (a.scaled ? "xf" : "");
    }
    return out;
}

std::map<TCommandKind, int> CountKinds()
{
    std::map<TCommandKind, int> n;
    for (int i = 0; i < MenuCommandCount(); ++i) ++n[MenuCommandAt(i).kind];
    return n;
}

}  // namespace

TEST(MenuCommands, EveryItemWithACommandHasOneRecord)
{
    std::map<TCommandKind, int> n = CountKinds();
    EXPECT_EQ(n[ckEditor], 54);
    EXPECT_EQ(n[ckListView], 83);
    EXPECT_EQ(n[ckForm], 55);
    EXPECT_EQ(n[ckModule], 29);
    // Help, Bridge, the two Refresh Panel items (one handler) and the two port pop-up items.
    EXPECT_EQ(n[ckSpecial], 6);
    std::set<std::string> components;
    for (int i = 0; i < MenuCommandCount(); ++i) {
        const TMenuCommand& c = MenuCommandAt(i);
        EXPECT_TRUE(components.insert(c.component).second) << c.component;
        EXPECT_EQ(FindMenuCommand(c.component), &c);
        EXPECT_EQ(c.kind == ckSpecial, c.handler != nullptr) << c.component;
    }
    EXPECT_EQ(FindMenuCommand("Layer2Management1"), nullptr);  // a sub-menu
    EXPECT_EQ(FindMenuCommand("deviceinformation1"), nullptr);  // names are exact
    EXPECT_THROW(MenuCommandAt(MenuCommandCount()), EListError);
}

// Every table command whose record is not plain (address caption, a size action or an extra
// step); all other table commands have none of them.
TEST(MenuCommands, TableCommandsMatchTheMenuFigures)
{
    struct Case {
        const char* component;
        TCommandKind kind;
        bool address;
        const char* sizes;
        TCommandExtra extra;
        int extraValue;
        // Form size after the size actions, from a 400 x 300 form, at scale 1.0 and 1.25.
        int w100, h100, w125, h125;
    } cases[] = {
        {"UnitTable1", ckListView, false, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"PowerTable1", ckListView, false, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"FanTable1", ckListView, false, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"MibCapabilities1", ckListView, false, "H 450xf, W +100xf", exNone, 0, 500, 450, 525, 562},
        {"AgentSuportedUpdateFiles1", ckListView, false, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"GeneralInformation2", ckEditor, true, "", exNone, 0, 400, 300, 400, 300},
        {"MultipleConfigInformation1", ckListView, false, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"PingTest1", ckEditor, false, "H +20xf", exNone, 0, 400, 320, 400, 325},
        {"SystemLogState1", ckEditor, false, "H +20xf", exNone, 0, 400, 320, 400, 325},
        {"Time1", ckEditor, false, "", exSynchronous, 0, 400, 300, 400, 300},
        {"IFXTable1", ckListView, false, "H 450", exSnmpV2c, 0, 400, 450, 400, 450},
        {"RMONSetting1", ckEditor, false, "", exRmonCloseHook, 0, 400, 300, 400, 300},
        {"NetDefaultGateway1", ckEditor, true, "", exNone, 0, 400, 300, 400, 300},
        {"ConfigurationIdentification1", ckEditor, false, "H +20xf", exNone, 0, 400, 320, 400, 325},
        {"PortTable", ckListView, false, "", exStpVersionRefresh, 0, 400, 300, 400, 300},
        {"DefaultUserPrioritiesofEachPort1", ckListView, false, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"RegeneratedUserPriorities1", ckListView, false, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"UserPrioritiesToTrafficClass1", ckListView, false, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"PortOutboundAccessPriorities1", ckListView, false, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"UnicastForwardingInformation1", ckListView, false, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"NotifyFilterProfileTale1", ckListView, false, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"Auth1", ckEditor, false, "H +10xf", exEditorWidth, 142, 400, 310, 400, 312},
        {"Configuration2", ckEditor, false, "", exDot1xMenuState, 0, 400, 300, 400, 300},
        {"PortSessionStatistics1", ckListView, false, "", exSnmpV2c, 0, 400, 300, 400, 300},
        {"SessionInformation1", ckListView, false, "", exSnmpV2c, 0, 400, 300, 400, 300},
        {"RadiusServerTabl1", ckListView, false, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"ServerGroup1", ckListView, true, "", exNoEdit, 0, 400, 300, 400, 300},
        {"HMACAlgorithm1", ckEditor, false, "H +15xf", exNone, 0, 400, 315, 400, 318},
        {"SSLCertificateLevel1", ckEditor, false, "H +20xf", exNone, 0, 400, 320, 400, 325},
        {"PortInformation3", ckListView, false, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"MulticastFilter1", ckListView, false, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"JumboFrameCtrl1", ckEditor, true, "", exNone, 0, 400, 300, 400, 300},
        {"PortInformation1", ckListView, false, "H 450xf", exRowEditorWidth, 50, 400, 450, 400, 562},
        {"PortControl1", ckListView, false, "H 450xf", exRowEditorWidth, 82, 400, 450, 400, 562},
        {"PortSecurityTable1", ckListView, false, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"QOSControl1", ckEditor, false, "H +20xf", exNone, 0, 400, 320, 400, 325},
        {"IGMPControlTable1", ckListView, false, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"IGMPQuery1", ckListView, false, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"IGMPInformation1", ckListView, false, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"PacketStormControlTable1", ckListView, false, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"CPUFilterControl1", ckEditor, true, "", exNone, 0, 400, 300, 400, 300},
        {"EthernetMaskCPUFilter1", ckListView, true, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"EthernetRuleCPUFilter1", ckListView, true, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"IPMaskCPUFilter1", ckListView, true, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"IPRuleCPUFilter1", ckListView, true, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"PacketContentMaskCPUFilter1", ckListView, true, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"PacketContentRuleCPUFilter1", ckListView, true, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"AggregatorPortList1", ckListView, false, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"Control1", ckListView, false, "H 450xf", exNone, 0, 400, 450, 400, 562},
        {"MD5Table1", ckListView, false, "W +30xf, H 300xf", exNone, 0, 430, 300, 437, 375},
        {"MemberSwitch1", ckListView, true, "", exNoEdit, 0, 400, 300, 400, 300},
        {"MSTrapMessage1", ckEditor, true, "", exNone, 0, 400, 300, 400, 300},
    };
    std::set<std::string> listed;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.component);
        listed.insert(c.component);
        const TMenuCommand* cmd = FindMenuCommand(c.component);
        ASSERT_NE(cmd, nullptr);
        EXPECT_EQ(cmd->kind, c.kind);
        EXPECT_EQ(cmd->captionRule, c.address ? crAddress : crPlain);
        EXPECT_EQ(SizesText(*cmd), c.sizes);
        EXPECT_EQ(cmd->extra, c.extra);
        EXPECT_EQ(cmd->extraValue, c.extraValue);
        TCommandLayout at100 = ComputeCommandLayout(*cmd, "Caption", "10.1.1.1", 1.0f, 400, 300);
        EXPECT_EQ(at100.width, c.w100);
        EXPECT_EQ(at100.height, c.h100);
        TCommandLayout at125 = ComputeCommandLayout(*cmd, "Caption", "10.1.1.1", 1.25f, 400, 300);
        EXPECT_EQ(at125.width, c.w125);
        EXPECT_EQ(at125.height, c.h125);
        EXPECT_EQ(at125.caption, c.address ? "Caption: 10.1.1.1" : "Caption");
    }
    for (int i = 0; i < MenuCommandCount(); ++i) {
        const TMenuCommand& c = MenuCommandAt(i);
        if ((c.kind != ckEditor && c.kind != ckListView) || listed.count(c.component)) continue;
        SCOPED_TRACE(c.component);
        EXPECT_EQ(c.captionRule, crPlain);
        EXPECT_EQ(SizesText(c), "");
        EXPECT_EQ(c.extra, exNone);
    }
}

// The catalog holds the table behind every table command, with the same panel kind, and only
// the tables with 64-bit counters are read with SNMPv2c.
TEST(MenuCommands, TableCommandsAndTheCatalogAgree)
{
    std::set<std::string> tables;
    for (int i = 0; i < MenuCommandCount(); ++i) {
        const TMenuCommand& c = MenuCommandAt(i);
        if (c.kind != ckEditor && c.kind != ckListView) continue;
        SCOPED_TRACE(c.component);
        EXPECT_STREQ(TableComponent(c), c.component);
        const MibCommand* table = FindMibCommand(TableComponent(c));
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->panel, c.kind == ckEditor ? mpEditor : mpListView);
        tables.insert(table->component);

        bool counter64 = false;
        for (const UISnmpVar* v = table->table; v->oid; ++v) counter64 = counter64 || v->syntax == sxCounter64;
        EXPECT_EQ(counter64, c.extra == exSnmpV2c);
    }
    EXPECT_EQ(static_cast<int>(tables.size()), MibCommandCount());
}

TEST(MenuCommands, ModuleArgumentsAsTheMenuGivesThem)
{
    const std::map<std::string, std::string> modules = {
        {"Information3", "/TMIB_Info"},
        {"GeneralTable1", "/TIFMib_LastChangeTable"},
        {"IfTable1", "/TMIB_IFTable"},
        {"IFCounter1", "/TMIB_IFCounters"},
        {"IPCounters1", "/TMIB_IPCounters"},
        {"IPRouting1", "/TMIB_IPRouting"},
        {"IPAddressTable1", "/TMIB_IPAddress"},
        {"ICMPCounters1", "/TMIB_ICMPCounters"},
        {"UDPCounters1", "/TMIB_UDPCounters"},
        {"SNMPCounters1", "/TMIB_SNMPCounters"},
        {"ARPTable1", "/TMIB_ARP"},
        {"dot3Statistics1", "/TEthernetLike_dot3StatsTable"},
        {"Statistics1", "/TRmon_Statistics"},
        {"History1", "/TRmon_History"},
        {"AlarmEvent1", "/TRmon_AlarmEvent"},
        {"PortTable1", "/TBridge_Port"},
        {"ForwardingTable1", "/TBridge_Forwarding"},
        {"StaticTable1", "/TBridge_StaticFilter"},
        {"PortCounters1", "/TBridge_TpPortInfo"},
        {"CIDRRFC20961", "/TLayer3_RIP"},
        {"RIP2RFC17241", "/TLayer3_RIP2"},
        {"OSPFGeneral1", "/TLayer3_OSPF"},
        {"AreaInfo1", "/TLayer3_Area"},
        {"LsdbInfo1", "/TLayer3_Lsdb"},
        {"NeighborInfo1", "/TLayer3_Neighbor"},
        {"IpMroute1", "/TLayer3_IPM"},
        {"DVMRP1", "/TLayer3_DVMRP"},
        {"PIMInfo1", "/TLayer3_PIM"},
        {"RendezvousPointsInfo1", "/TLayer3_RendezvousPoints"},
    };
    std::map<std::string, std::string> records;
    for (int i = 0; i < MenuCommandCount(); ++i)
        if (MenuCommandAt(i).kind == ckModule) records[MenuCommandAt(i).component] = MenuCommandAt(i).target;
    EXPECT_EQ(records, modules);
}

TEST(MenuCommands, FormCommandsAsTheMenuGivesThem)
{
    // The forms held in a local only; every other form lives in the variable named after its
    // class without the leading "T".
    const std::set<std::string> local = {"PortTrunk2",    "PortMirrorTable1",   "TrafficSegmentationTable1",
                                         "EthernetMask1", "IPMaskInformation1", "PayloadRule1",
                                         "SummerTime1"};
    // Captions the command sets, with the address "10.1.1.1".
    const std::map<std::string, std::string> captions = {
        {"SpanningTreeAlgorithm1", "Spanning Tree Algorithm"},
        {"BOOTPCtrlTable1", "BOOT Ctrl Table"},
        {"DeviceControl1", "Layer2 Control: 10.1.1.1"},
        {"ServerControl1", "Server Control: 10.1.1.1"},
        {"PortSercurityDelete1", "Port Security Delete: 10.1.1.1"},
    };
    for (int i = 0; i < MenuCommandCount(); ++i) {
        const TMenuCommand& c = MenuCommandAt(i);
        if (c.kind != ckForm) continue;
        SCOPED_TRACE(c.component);
        ASSERT_NE(c.target, nullptr);
        ASSERT_EQ(c.target[0], 'T');
        if (local.count(c.component))
            EXPECT_EQ(c.global, nullptr);
        else
            EXPECT_STREQ(c.global, c.target + 1);
        auto it = captions.find(c.component);
        if (it == captions.end()) {
            EXPECT_EQ(c.caption, nullptr);
        } else {
            ASSERT_NE(c.caption, nullptr);
            EXPECT_EQ(RuleCaption(c.caption, c.captionRule, "10.1.1.1"), it->second);
        }
        EXPECT_EQ(c.extra, c.component == std::string("Information2") ? exStpVersionRefresh : exNone);
    }
    struct Sample {
        const char* component;
        const char* formClass;
    } samples[] = {
        {"Information2", "TSTP_Info"},          {"GVRP1", "TGARPForm"},
        {"dot3ControlTable1", "Tdot3ControlForm"}, {"Test1", "TEquipmentBasicInfoForm"},
        {"IPv6MaskInformation1", "TIPv6MaskInfoForm"}, {"PortsInfo1", "TVLanPortInfomationForm"},
        {"ARPControlIPv61", "TARPIPV6ControlForm"}, {"About1", "TAboutForm"},
    };
    for (const Sample& s : samples) {
        SCOPED_TRACE(s.component);
        ASSERT_NE(FindMenuCommand(s.component), nullptr);
        EXPECT_STREQ(FindMenuCommand(s.component)->target, s.formClass);
    }
}

TEST(MenuCommands, CaptionAndSizeRules)
{
    EXPECT_EQ(RuleCaption("Member Switch", crAddress, ""), "Member Switch: ");
    EXPECT_EQ(RuleCaption("Member Switch", crPlain, "10.1.1.1"), "Member Switch");
    EXPECT_EQ(RuleCaption("Session Information ", crPlain, ""), "Session Information ");

    struct Case {
        int value;
        float scale;
        int expected;
    } cases[] = {{450, 1.0f, 450}, {450, 1.25f, 562}, {15, 1.25f, 18}, {142, 1.25f, 177},
                 {82, 1.25f, 102}, {0, 1.25f, 0},     {-3, 1.25f, -3}};
    for (const Case& c : cases) EXPECT_EQ(ScaledSize(c.value, c.scale), c.expected) << c.value << " x " << c.scale;

    // A command without size actions leaves the form as it was built.
    TCommandLayout plain = ComputeCommandLayout(*FindMenuCommand("DeviceInformation1"), "Device Information", "",
                                                1.25f, 321, 123);
    EXPECT_EQ(plain.width, 321);
    EXPECT_EQ(plain.height, 123);
    EXPECT_EQ(plain.caption, "Device Information");
}
