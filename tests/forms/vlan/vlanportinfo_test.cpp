// The VLAN port information form against the simulated switch: the bridge port walked beside
// the port VLAN table, a write of one port's four settings, and the busy and no-row guards.
#include "forms/layer2/vlanportinfomationunit.h"
#include "tests/forms/vlan/vlanfixture.h"

namespace {

const std::string kPortVlan = "1.3.6.1.2.1.17.7.1.4.5.1.";

class VlanPortInfoTest : public VlanFormTest {
protected:
    static bool Ready(TVLanPortInfomationForm* f) { return Idle(f->PortVlanRequest); }
    void Open(const std::function<void(TVLanPortInfomationForm*)>& body)
    {
        RunMenu<TVLanPortInfomationForm>("PortsInfo1", Ready, body);
    }
    static std::vector<std::string> Row(TListView* lv, int i)
    {
        TListItem* item = lv->Items()->Item(i);
        std::vector<std::string> out{item->Caption().std()};
        for (int k = 0; k < item->SubItems()->Count(); ++k) out.push_back(item->SubItems()->Get(k).std());
        return out;
    }
};

}  // namespace

TEST_F(VlanPortInfoTest, ListsEveryBridgePortWithItsVlanSettingsAlignedByPort)
{
    StartSwitch();
    Open([&](TVLanPortInfomationForm* f) {
        EXPECT_EQ(f->Caption(), "VLAN Port Information Form");
        TListView* lv = f->LV_dot1qPortVlanEntry;
        ASSERT_EQ(lv->Items()->Count(), 27);
        EXPECT_EQ(f->ST_Count->Caption(), "27");
        EXPECT_EQ(Row(lv, 0), (std::vector<std::string>{"1", "10", "admitAll", "false", "disabled", "0", "000000000000"}));
        EXPECT_EQ(Row(lv, 24), (std::vector<std::string>{"25", "1", "admitOnlyVLANTagged", "true", "enabled", "3",
                                                         "001B11AABB01"}));
        EXPECT_EQ(Row(lv, 26)[0], "27");
        EXPECT_EQ(f->PortVLanID->Text(), "");

        ClickShownRow(lv, 24);
        EXPECT_EQ(f->PortVLanID->Text(), "1");
        EXPECT_EQ(f->AcceptableFrameTypes->Text(), "admitOnlyVLANTagged");
        EXPECT_EQ(f->IngressFiltering->Text(), "true");
        EXPECT_EQ(f->GvrpStatus->Text(), "enabled");
        Screenshot(f, "VLanPortInfomationForm");
    });
    // One walk over the port number and the six port VLAN columns side by side.
    std::vector<SimRequest> walks = Since("GETNEXT");
    ASSERT_FALSE(walks.empty());
    ASSERT_EQ(walks[0].varbinds.size(), 7u);
    EXPECT_EQ(walks[0].varbinds[0].oid, "1.3.6.1.2.1.17.1.4.1.1");
    EXPECT_EQ(walks[0].varbinds[1].oid, kPortVlan + "1");
    EXPECT_TRUE(Since("SET").empty());
}

TEST_F(VlanPortInfoTest, SetWritesTheFourSettingsOfTheSelectedPortAndReadsAgain)
{
    StartSwitch();
    Open([&](TVLanPortInfomationForm* f) {
        TListView* lv = f->LV_dot1qPortVlanEntry;
        ClickRow(lv, 2);  // port 3
        Mark();
        f->PortVLanID->SetText("30");
        f->AcceptableFrameTypes->SetItemIndex(1);
        f->GvrpStatus->SetItemIndex(0);
        Click(f->SetBtn);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0].status, "noError");
        EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{
                                         kPortVlan + "1.3 gauge 30",
                                         kPortVlan + "2.3 integer 2",
                                         kPortVlan + "3.3 integer 2",
                                         kPortVlan + "4.3 integer 1",
                                     }));
        WaitIdle(f->PortVlanRequest);
        ASSERT_EQ(lv->Items()->Count(), 27);
        EXPECT_EQ(Row(lv, 2), (std::vector<std::string>{"3", "30", "admitOnlyVLANTagged", "false", "enabled", "0",
                                                        "000000000000"}));

        // The port VLAN ID has no bounds of its own: the switch refuses 5000.
        ClickRow(lv, 3);
        Mark();
        f->PortVLanID->SetText("5000");
        Click(f->SetBtn);
        sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_NE(sets[0].status, "noError");
        EXPECT_EQ(Varbinds(sets[0])[0], kPortVlan + "1.4 gauge 5000");
        WaitIdle(f->PortVlanRequest);
        EXPECT_NE(LastLine(f->Memo1).find("Set: "), std::string::npos) << LastLine(f->Memo1);
        EXPECT_EQ(LastLine(f->Memo1).find("Ok!"), std::string::npos) << LastLine(f->Memo1);
    });
}

TEST_F(VlanPortInfoTest, SetWithNoSelectedRowDoesNothing)
{
    StartSwitch();
    Open([&](TVLanPortInfomationForm* f) {
        // As read: no row is selected yet.
        ASSERT_EQ(f->LV_dot1qPortVlanEntry->Selected(), nullptr);
        f->PortVLanID->SetText("20");
        const int lines = f->Memo1->Lines()->Count();
        Mark();
        boxes.Clear();
        Click(f->SetBtn);
        WaitFor([] { return false; }, 200);
        EXPECT_TRUE(Since("SET").empty());
        EXPECT_TRUE(Since().empty());
        EXPECT_TRUE(Texts().empty());
        EXPECT_EQ(f->Memo1->Lines()->Count(), lines);
        EXPECT_EQ(f->PortVLanID->Text(), "20");
    });
}

TEST_F(VlanPortInfoTest, RefreshAndSetWhileAReadRunsSayRefreshNotCompleteAndSendNothing)
{
    StartSwitch({"fault delay 30"});
    Open([&](TVLanPortInfomationForm* f) {
        ClickRow(f->LV_dot1qPortVlanEntry, 0);
        Click(f->RefreshBtn);
        ASSERT_TRUE(f->PortVlanRequest->Busy);
        Mark();
        boxes.Clear();
        Click(f->SetBtn);
        Click(f->RefreshBtn);
        EXPECT_EQ(Texts(), (std::vector<std::string>{"Refresh Not Complete", "Refresh Not Complete"}));
        WaitIdle(f->PortVlanRequest);
        EXPECT_TRUE(Since("SET").empty());
        EXPECT_EQ(f->LV_dot1qPortVlanEntry->Items()->Count(), 27);
    });
}

TEST_F(VlanPortInfoTest, TheWrittenPortIsSelectedAgainAfterTheReReadAndNoRowShowsNoValues)
{
    StartSwitch();
    Open([&](TVLanPortInfomationForm* f) {
        TListView* lv = f->LV_dot1qPortVlanEntry;
        auto expectEmpty = [&](const char* when) {
            EXPECT_EQ(lv->Selected(), nullptr) << when;
            EXPECT_EQ(f->PortVLanID->Text(), "") << when;
            for (TComboBox* box : {f->AcceptableFrameTypes, f->IngressFiltering, f->GvrpStatus})
                EXPECT_EQ(box->ItemIndex(), -1) << when << " " << box->Name().std();
        };
        expectEmpty("opened");

        ClickRow(lv, 2);  // port 3
        f->PortVLanID->SetText("30");
        f->IngressFiltering->SetItemIndex(0);
        Mark();
        Click(f->SetBtn);
        WaitIdle(f->PortVlanRequest);
        ASSERT_EQ(Sets().size(), 1u);
        ASSERT_NE(lv->Selected(), nullptr);
        EXPECT_EQ(lv->Selected()->Caption(), "3");
        EXPECT_EQ(f->PortVLanID->Text(), "30");
        EXPECT_EQ(f->IngressFiltering->Text(), "true");

        Click(f->RefreshBtn);
        WaitIdle(f->PortVlanRequest);
        expectEmpty("after Refresh");
    });
}

TEST_F(VlanPortInfoTest, AValueTheFormCannotSendIsReportedAsARefusedWrite)
{
    StartSwitch();
    Open([&](TVLanPortInfomationForm* f) {
        ClickRow(f->LV_dot1qPortVlanEntry, 2);
        f->PortVLanID->SetText("4294967296");  // beyond the gauge
        Mark();
        Click(f->SetBtn);
        WaitIdle(f->PortVlanRequest);
        EXPECT_TRUE(Since("SET").empty());
        EXPECT_EQ(LastLine(f->Memo1).rfind("Set: ", 0), 0u) << LastLine(f->Memo1);
    });
}
