// The multicast forwarding forms (hidden in the menu, opened directly) against the simulated
// switch: 96-octet port lists on pages of twelve units, the forward-all write, the
// forward-unregistered form's two reads, and lists shorter than their boxes.
#include "forms/layer2/forwardunregisteredinformationformunit.h"
#include "forms/layer2/multicastforwardinginformationformunit.h"
#include "forms/layer2/tpgroupdestinationforwardedformunit.h"
#include "mainwindow/featureforms.h"
#include "platform/ui/menus.h"
#include "tests/forms/vlan/vlanfixture.h"

namespace {

const std::string kForwardAll = "1.3.6.1.2.1.17.7.1.2.4.1.";

// 96 octets as "0x" and hex digits: the given leading octets, then zeros.
std::string Octets96(const std::string& leading)
{
    return "0x" + leading + std::string(192 - leading.size(), '0');
}

class ForwardingTest : public VlanFormTest {
protected:
    bool OutOfRangeShown() const
    {
        for (const std::string& t : Texts())
            if (t.find("Out of range for the bit(byte) index") != std::string::npos) return true;
        return false;
    }
};

}  // namespace

TEST_F(ForwardingTest, TheThreeFormsAreHiddenInTheMenuButRegistered)
{
    StartSwitch();
    for (const char* component :
         {"TpGroupDestinationForwarded1", "MulticastForwardingInformation1", "ForwardUnregisteredInformation1"}) {
        auto* item = dynamic_cast<TMenuItem*>(form->FindComponent(component));
        ASSERT_NE(item, nullptr) << component;
        EXPECT_FALSE(item->Visible()) << component;
        EXPECT_NE(FindFeatureForm(component), nullptr) << component;
    }
}

TEST_F(ForwardingTest, GroupDestinationsShowTheirPortListsOnTwelveUnitPages)
{
    StartSwitch();
    RunForm<TTpGroupDestinationForwardedForm>(
        [](TTpGroupDestinationForwardedForm* f) { return Idle(f->ForwardRequest); },
        [&](TTpGroupDestinationForwardedForm* f) {
            EXPECT_EQ(f->Caption(), "Tp Group Destination Forwarded");
            TListView* lv = f->LV_dot1qTpGroupEntry;
            ASSERT_EQ(lv->Items()->Count(), 2);
            EXPECT_EQ(lv->Items()->Item(0)->Caption(), "1");
            EXPECT_EQ(lv->Items()->Item(0)->SubItems()->Get(0), "01005E0000FB");
            EXPECT_EQ("0x" + lv->Items()->Item(0)->SubItems()->Get(1).std(), Octets96("E0"));
            EXPECT_EQ(f->EgressPage->PortChecks->Count(), 768);
            ClickRow(lv, 1);
            EXPECT_EQ(Ticked(f->EgressPage, 768), (std::vector<int>{5, 6}));
            EXPECT_TRUE(Ticked(f->LearntPage, 768).empty());
            Screenshot(f, "TpGroupDestinationForwardedForm");
        });
    std::vector<SimRequest> walks = Since("GETNEXT");
    ASSERT_FALSE(walks.empty());
    EXPECT_EQ(walks[0].varbinds.size(), 2u);
}

TEST_F(ForwardingTest, ForwardAllWritesTheStaticAndForbiddenListsOfTheSelectedVlan)
{
    StartSwitch();
    RunForm<TMulticastForwardingInformationForm>(
        [](TMulticastForwardingInformationForm* f) { return Idle(f->ForwardRequest); },
        [&](TMulticastForwardingInformationForm* f) {
            EXPECT_EQ(f->Caption(), "MulticastForwardingInformationForm");
            TListView* lv = f->LV_dot1qForwardUnregisteredEntry;
            EXPECT_EQ(Captions(lv), (std::vector<std::string>{"1", "10", "20", "30"}));
            EXPECT_EQ(f->ST_Count->Caption(), "4");  // counted once the rows are in
            ClickRow(lv, 1);  // VLAN 10
            EXPECT_EQ(Ticked(f->AllPage, 768), (std::vector<int>{1, 25, 26}));
            EXPECT_EQ(Ticked(f->StaticPage, 768), (std::vector<int>{1, 25, 26}));
            Screenshot(f, "MulticastForwardingInformationForm");
            Tick(f->StaticPage, {3});
            Tick(f->ForbiddenPage, {64 + 2});  // port 2 of unit 2
            Mark();
            Click(f->SetBtn);
            std::vector<SimRequest> sets = Sets();
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_EQ(sets[0].status, "noError");
            EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{
                                             kForwardAll + "2.10 string " + Octets96("A00000C0"),
                                             kForwardAll + "3.10 string " + Octets96("000000000000000040"),
                                         }));
            WaitIdle(f->ForwardRequest);
            EXPECT_EQ(f->ST_Count->Caption(), "4");
            ClickRow(lv, 1);
            EXPECT_EQ(Ticked(f->StaticPage, 768), (std::vector<int>{1, 3, 25, 26}));
            EXPECT_EQ(Ticked(f->ForbiddenPage, 768), std::vector<int>{66});
        });
}

TEST_F(ForwardingTest, ForwardUnregisteredRefreshClearsThePagesAndSetOnlyReads)
{
    StartSwitch();
    RunForm<TForwardUnregisteredInformationForm>(
        [](TForwardUnregisteredInformationForm* f) { return Idle(f->ForwardRequest); },
        [&](TForwardUnregisteredInformationForm* f) {
            EXPECT_EQ(f->Caption(), "Forward Unregistered Information");
            TListView* lv = f->LV_dot1qForwardUnregisteredEntry;
            EXPECT_EQ(f->ST_Count->Caption(), "4");
            ClickRow(lv, 0);
            EXPECT_EQ(Ticked(f->UnregisteredPage, 768), (std::vector<int>{1, 2, 3, 25, 26}));
            Tick(f->ForbiddenPage, {700});
            Screenshot(f, "ForwardUnregisteredInformationForm");

            // Its Set reads again and keeps the ticks.
            Mark();
            Click(f->SetBtn);
            WaitIdle(f->ForwardRequest);
            EXPECT_FALSE(Since("GETNEXT").empty());
            EXPECT_EQ(Ticked(f->ForbiddenPage, 768), std::vector<int>{700});
            EXPECT_EQ(f->ST_Count->Caption(), "4");

            // Refresh clears all three pages, hidden boxes included.
            Click(f->RefreshBtn);
            WaitIdle(f->ForwardRequest);
            EXPECT_TRUE(Ticked(f->UnregisteredPage, 768).empty());
            EXPECT_TRUE(Ticked(f->ForbiddenPage, 768).empty());
            EXPECT_EQ(lv->Items()->Count(), 4);
        });
    EXPECT_TRUE(Since("SET").empty());
}

TEST_F(ForwardingTest, AListOfOneUnitSetsItsBoxesUnchecksTheOtherUnitsAndReportsOutOfRange)
{
    StartSwitch({"fault short " + kForwardAll + "2 8"});
    RunForm<TMulticastForwardingInformationForm>(
        [](TMulticastForwardingInformationForm* f) { return Idle(f->ForwardRequest); },
        [&](TMulticastForwardingInformationForm* f) {
            Tick(f->StaticPage, {70, 700});
            boxes.Clear();
            ClickRow(f->LV_dot1qForwardUnregisteredEntry, 1);  // VLAN 10
            EXPECT_EQ(Ticked(f->StaticPage, 768), (std::vector<int>{1, 25, 26}));
            EXPECT_TRUE(OutOfRangeShown()) << (Texts().empty() ? "no message" : Texts()[0]);
        });
}

TEST_F(ForwardingTest, ForwardAllSetWritesOnlyASelectedVlanAndIsDisabledWithoutOne)
{
    StartSwitch();
    RunForm<TMulticastForwardingInformationForm>(
        [](TMulticastForwardingInformationForm* f) { return Idle(f->ForwardRequest); },
        [&](TMulticastForwardingInformationForm* f) {
            TListView* lv = f->LV_dot1qForwardUnregisteredEntry;
            auto pressSetWithNoRow = [&](const char* when) {
                ASSERT_EQ(lv->Selected(), nullptr) << when;
                EXPECT_FALSE(f->SetBtn->Enabled()) << when;
                Mark();
                f->SetBtnClick(f->SetBtn);  // as if it were pressed: still nothing
                WaitIdle(f->ForwardRequest);
                EXPECT_TRUE(Since("SET").empty()) << when;
            };
            pressSetWithNoRow("opened");

            ClickRow(lv, 1);  // VLAN 10
            EXPECT_TRUE(f->SetBtn->Enabled());
            Tick(f->StaticPage, {3});
            Mark();
            Click(f->SetBtn);
            f->SetBtnClick(f->SetBtn);  // again while the write runs: starts nothing
            WaitIdle(f->ForwardRequest);
            std::vector<SimRequest> sets = Since("SET");
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_EQ(sets[0].varbinds[0].oid, kForwardAll + "2.10");
            pressSetWithNoRow("after the write's re-read");

            ClickRow(lv, 2);
            Click(f->RefreshBtn);
            WaitIdle(f->ForwardRequest);
            pressSetWithNoRow("after Refresh");
        });
}
