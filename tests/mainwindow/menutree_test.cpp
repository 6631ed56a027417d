// The main window's menu tree and port pop-up menu as built from their rows.
#include <set>

#include "mainwindow/featureforms.h"
#include "mainwindow/menucommands.h"
#include "tests/mainwindow/mainformfixture.h"

namespace {

int CountItems(const TMenuItem* item)
{
    int n = 0;
    for (int i = 0; i < item->Count(); ++i) n += 1 + CountItems(item->Items(i));
    return n;
}

void Collect(TMenuItem* item, std::vector<TMenuItem*>& out)
{
    for (int i = 0; i < item->Count(); ++i) {
        out.push_back(item->Items(i));
        Collect(item->Items(i), out);
    }
}

// "Top › Sub › Item" of an item.
std::string Path(const TMenuItem* item)
{
    std::string path;
    for (; item && item->Parent(); item = item->Parent())
        path = path.empty() ? item->Caption().std() : item->Caption().std() + " > " + path;
    return path;
}

// A stand-in for a feature form that is not part of the program yet.
class TStubFeatureForm : public TForm {
public:
    explicit TStubFeatureForm(TComponent* owner) : TForm(owner) {}
};
TStubFeatureForm* StubGlobal = nullptr;

}  // namespace

TEST_F(MainFormTest, MenuTreeItemsCaptionsAndPlaces)
{
    Make({"/I10.1.1.1"});
    TMenuItem* bar = form->MainMenu1->Items();
    // 10 menus, 292 items below them and 25 separators.
    EXPECT_EQ(CountItems(bar), 327);
    std::vector<std::string> menus;
    for (int i = 0; i < bar->Count(); ++i) menus.push_back(bar->Items(i)->Caption().std());
    EXPECT_EQ(menus, (std::vector<std::string>{"Basic Configuration", "RMON", "Bridge", "VLAN", "SNMP V3",
                                               "Security Management", "Layer 2 Management", "Layer 3 Management",
                                               "Single IP", "Help"}));

    // Captions exactly as shown, blanks and spellings included.
    struct Case {
        const char* component;
        const char* path;
    } cases[] = {
        {"MoudleBasicConfig", "Basic Configuration > Moudle Basic Configuration"},
        {"Information3", "Basic Configuration > Device Management > System Information"},
        {"GeneralInformation2",
         "Basic Configuration > Agent Management > Multiple Config Management > General Information"},
        {"IPProtoConfigure1", "Basic Configuration > Agent Management > IP Proto-Configure"},
        {"RefreshPanel2", "Basic Configuration > Refresh Panel"},
        {"Information1", "Bridge > 802.1d  > Information"},
        {"Information2", "Bridge > Spanning Tree > STP Control "},
        {"PortTable", "Bridge > Spanning Tree > STP Port Table"},
        {"DefaultUserPrioritiesofEachPort1",
         "VLAN > 802.1P > Priority Information > Default User Priorities of Each Port"},
        {"PortCapbility1", "VLAN > 802.1P > Port Capability"},
        {"StaticForm1", "VLAN > 802.1Q > 802.1Q VLAN  > Static Table"},
        {"UnicastInformation1", "VLAN > 802.1Q > Static Filtering  > Unicast Information"},
        {"MessageProcessingandDispatching1", "SNMP V3 > Message Processing and Dispatching"},
        {"NotifyFilterProfileTale1", "SNMP V3 > Notifications > Notify Filter Profile Table"},
        {"SecurityTable1", "SNMP V3 > View-base Access Control Mode > Security Group Table"},
        {"StatisticTable1",
         "Security Management > 802.1X > Mac Base Authentication > EAP Over Land  Frames Statistic Table"},
        {"CPUProtection1", "Security Management > Safeguard_Engine"},
        {"IGMPInformation1", "Layer 2 Management > IGMP Information "},
        {"TrafficSegmentationTable1", "Layer 2 Management > Traffic Segmentation Table "},
        {"PortSercurityDelete1",
         "Layer 2 Management > Port Management > Port Security Management > Port Security Delete"},
        {"MD5Table1", "Layer 3 Management > MD5 Information "},
        {"LsdbInfo1", "Layer 3 Management > OSPF (RFC1850) > Lsdb  Info"},
        {"ARPControlIPv61", "Layer 3 Management > IP Management > IPv6 Static ARP"},
        {"IPControlTable1", "Layer 3 Management > IP Management > IP Control Table"},
        {"MSTrapMessage1", "Single IP > MS Trap Message"},
        {"Test", "Help > Test"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.component);
        auto* item = dynamic_cast<TMenuItem*>(form->FindComponent(c.component));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(Path(item), c.path);
    }
    // The two "IP Management" menus of "Layer 3 Management": the first hidden.
    EXPECT_EQ(Path(static_cast<TMenuItem*>(form->FindComponent("IPControlTable1"))->Parent()),
              "Layer 3 Management > IP Management");
    EXPECT_EQ(form->FindComponent("IPControlTable1")->Name(), "IPControlTable1");
    EXPECT_EQ(static_cast<TMenuItem*>(form->FindComponent("IPControlTable1"))->Parent()->Name(), "IPManagement1");
    EXPECT_EQ(static_cast<TMenuItem*>(form->FindComponent("ARPControlIPv61"))->Parent()->Name(), "IPManagement2");

    // The port buttons' pop-up menu.
    ASSERT_NE(form->PortInfoPopupMenu, nullptr);
    EXPECT_EQ(form->FindComponent("PortInfoPopupMenu"), form->PortInfoPopupMenu);
    TMenuItem* popup = form->PortInfoPopupMenu->Items();
    ASSERT_EQ(popup->Count(), 2);
    EXPECT_EQ(popup->Items(0), form->PortInformation2);
    EXPECT_EQ(popup->Items(1), form->PortConfiguration1);
    EXPECT_EQ(form->PortInformation2->Caption(), "Port Information");
    EXPECT_EQ(form->PortConfiguration1->Caption(), "Port Configuration");
}

TEST_F(MainFormTest, MenuTreeHiddenItemsAndSeparators)
{
    Make({"/I10.1.1.1"});
    const std::set<std::string> hidden = {
        "MoudleBasicConfig", "RefreshPanel1", "Test1", "Unitinformation1", "UnitTable1", "TrapManagement2",
        "MibTrap1", "TrapManagement1", "PingTest1", "Entity1", "IfStackTable1", "TestTable1", "SaveChanges1",
        "PortTable1", "PortTable", "StaticTable1", "RegeneratedUserPriorities1", "PortOutboundAccessPriorities1",
        "GMRP1", "PortTable2", "TpGroupDestinationForwarded1", "MulticastForwardingInformation1",
        "ForwardUnregisteredInformation1", "FilteringInformation1", "SnmpFrameworkMIB1", "ServiceTable1",
        "DiffieHellmanAlgorithm1", "HMACAlgorithm1", "PublicKeyAlgorithm1", "ArpStormControl1", "General1",
        "FilterTable1", "IGMPQuery1", "PayloadMaskInformation1", "PayloadRule1", "DeviceCtrl1", "MD5Table1",
        "IPManagement1", "BOOTPBasicConfiguration1", "BOOTPCtrlTable1", "DNSBasicConfiguration1", "DNSCtrlTable1",
        "RouteRedistributionTable1", "IPAddressFilter1", "CIDRRFC20961", "RIP2RFC17241", "OSPFRFC18501",
        "OSPFTrap1", "miVRRP", "IpMroute1", "DVMRP1", "PIM1", "IGMP1", "MSTrapMessage1", "Test",
        // separators
        "N3", "N7", "N10", "N11", "N19"};
    std::vector<TMenuItem*> items;
    Collect(form->MainMenu1->Items(), items);
    Collect(form->PortInfoPopupMenu->Items(), items);
    std::set<std::string> names, separators;
    for (TMenuItem* item : items) {
        SCOPED_TRACE(item->Name().std());
        EXPECT_TRUE(names.insert(item->Name().std()).second);
        EXPECT_EQ(item->Visible(), hidden.count(item->Name().std()) == 0);
        if (item->IsLine()) {
            separators.insert(item->Name().std());
            EXPECT_EQ(item->Count(), 0);
            EXPECT_FALSE(item->OnClick);
        }
    }
    std::set<std::string> expected;
    for (int i = 1; i <= 25; ++i) expected.insert("N" + std::to_string(i));
    EXPECT_EQ(separators, expected);
}

TEST_F(MainFormTest, MenuItemsGetTheirCommands)
{
    Make({"/I10.1.1.1"});
    std::vector<TMenuItem*> items;
    Collect(form->MainMenu1->Items(), items);
    Collect(form->PortInfoPopupMenu->Items(), items);
    int withCommand = 0;
    for (TMenuItem* item : items) {
        SCOPED_TRACE(item->Name().std());
        const TMenuCommand* cmd = FindMenuCommand(item->Name());
        if (!cmd) {
            EXPECT_FALSE(item->OnClick);
            EXPECT_TRUE(item->Enabled() || item == form->VACM1);
            continue;
        }
        ++withCommand;
        if (cmd->kind == ckSpecial)
            EXPECT_EQ(item->OnClick, TNotifyEvent(form, cmd->handler));
        else
            EXPECT_EQ(item->OnClick, TNotifyEvent(form, &TMainForm::MenuCommandClick));
        // Only the feature forms that are not in the program yet stand disabled.
        bool missingForm = cmd->kind == ckForm && std::string(cmd->component) != "About1";
        EXPECT_EQ(item->Enabled(), !missingForm);
    }
    EXPECT_EQ(withCommand, MenuCommandCount());

    struct Special {
        TMenuItem* item;
        TNotifyEvent handler;
    } specials[] = {
        {form->RefreshPanel1, TNotifyEvent(form, &TMainForm::RefreshPanel1Click)},
        {form->RefreshPanel2, TNotifyEvent(form, &TMainForm::RefreshPanel1Click)},
        {static_cast<TMenuItem*>(form->FindComponent("Bridge1")), TNotifyEvent(form, &TMainForm::Bridge1Click)},
        {static_cast<TMenuItem*>(form->FindComponent("Help2")), TNotifyEvent(form, &TMainForm::Help2Click)},
        {form->PortInformation2, TNotifyEvent(form, &TMainForm::PortInformation2Click)},
        {form->PortConfiguration1, TNotifyEvent(form, &TMainForm::PortConfiguration1Click)},
    };
    for (const Special& s : specials) {
        SCOPED_TRACE(s.item->Name().std());
        EXPECT_EQ(s.item->OnClick, s.handler);
    }
    // The "Bridge" menu's own click does nothing; its items stay.
    static_cast<TMenuItem*>(form->FindComponent("Bridge1"))->Click();
    EXPECT_EQ(static_cast<TMenuItem*>(form->FindComponent("Bridge1"))->Count(), 5);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(MainFormTest, RegisteringAFeatureFormEnablesItsItem)
{
    Make({"/I10.1.1.1"});
    auto* item = static_cast<TMenuItem*>(form->FindComponent("GVRP1"));
    EXPECT_FALSE(item->Enabled());
    EXPECT_EQ(FindFeatureForm("GVRP1"), nullptr);

    RegisterFeatureForm<TStubFeatureForm>("GVRP1", &StubGlobal);
    EXPECT_TRUE(item->Enabled());
    ASSERT_NE(FindFeatureForm("GVRP1"), nullptr);
    // A main window made afterwards starts with the item enabled.
    Make({"/I10.1.1.1"});
    EXPECT_TRUE(static_cast<TMenuItem*>(form->FindComponent("GVRP1"))->Enabled());

    UnregisterFeatureForm("GVRP1");
    EXPECT_FALSE(static_cast<TMenuItem*>(form->FindComponent("GVRP1"))->Enabled());
    EXPECT_EQ(FindFeatureForm("GVRP1"), nullptr);

    struct Case {
        const char* name;
        const char* component;
        bool global;
        const char* message;
    } cases[] = {
        {"a table command", "DeviceInformation1", true, "Menu item DeviceInformation1 opens no feature form"},
        {"no such item", "NoSuchItem1", true, "Menu item NoSuchItem1 opens no feature form"},
        {"a global the command does not keep", "PortTrunk2", true,
         "Feature form of PortTrunk2 has no global variable"},
        {"no global where the command keeps one", "GVRP1", false,
         "Feature form of GVRP1 needs its global variable GARPForm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            if (c.global)
                RegisterFeatureForm<TStubFeatureForm>(c.component, &StubGlobal);
            else
                RegisterFeatureForm<TStubFeatureForm>(c.component);
            ADD_FAILURE() << "no exception";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, c.message);
        }
        EXPECT_EQ(FindFeatureForm(c.component), nullptr);
    }
    EXPECT_FALSE(static_cast<TMenuItem*>(form->FindComponent("PortTrunk2"))->Enabled());
}
