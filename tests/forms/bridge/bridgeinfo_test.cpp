// The bridge information forms against the simulated switch: the equipment form (hidden in the
// menu), 802.1P capabilities, the port capability walk gated by TForm1, and the 802.1Q bridge
// with its one writable object.
#include "forms/layer2/equipmentbasicinfoformunit.h"
#include "forms/layer2/garpformunit.h"
#include "forms/layer2/pbridgeconfigformunit.h"
#include "forms/layer2/portcapabilities8021dformunit.h"
#include "forms/layer2/vlangeneralinfounit.h"
#include "tests/forms/bridge/bridgefixture.h"

namespace {

const std::string kCapColumn = "1.3.6.1.2.1.17.6.1.1.4.1.1";
const std::string kDot1qBase = "1.3.6.1.2.1.17.7.1.1.";

bool CapsRead(TPortCapabilities8021dForm* f) { return f->PortCapabilityRequest && !f->PortCapabilityRequest->Busy && f->Memo1->Lines()->Count() > 0; }

using BridgeInfoTest = BridgeFormTest;

}  // namespace

TEST_F(BridgeInfoTest, EquipmentShowsTheFixedCapacityAndTheStackModeAndIsHiddenInTheMenu)
{
    StartSwitch({"1.3.6.1.4.1.171.12.11.1.1.0 string \"Fan only\""});
    TMenuItem* item = dynamic_cast<TMenuItem*>(form->FindComponent("Test1"));
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(item->Visible());
    RunForm<TEquipmentBasicInfoForm>([](TEquipmentBasicInfoForm*) { return true; }, [&](TEquipmentBasicInfoForm* f) {
        EXPECT_EQ(f->Caption().std(), "Equiment Basic Information");
        EXPECT_EQ(f->EquipmentRequest->Mode, 0);
        EXPECT_EQ(f->Edit1->Text().std(), "Fan, Redundant Power and Stacking");
        EXPECT_EQ(f->cbxStackMode->Text().std(), "disabled");
        EXPECT_EQ(LastLine(f->Memo1).find("Get: (QzSNMP++) Ok!"), 0u) << LastLine(f->Memo1);
        Screenshot(f, "TEquipmentBasicInfoForm");

        agent->Control("1.3.6.1.4.1.171.12.11.1.2.0 rw integer 1 range=1..3");
        Mark();
        Click(f->BitBtn1);
        EXPECT_EQ(f->cbxStackMode->Text().std(), "enabled");
        EXPECT_EQ(f->Edit1->Text().std(), "Fan, Redundant Power and Stacking");
        ASSERT_TRUE(WaitFor([&] { return Since("GET").size() == 1; }));
        EXPECT_EQ(Since("GET")[0].varbinds.size(), 2u);

        agent->Control("fault error 1.3.6.1.4.1.171.12.11.1.2 genErr get");
        Click(f->BitBtn1);
        EXPECT_NE(LastLine(f->Memo1).find("Get: "), std::string::npos);
        EXPECT_EQ(LastLine(f->Memo1).find("Ok!"), std::string::npos) << LastLine(f->Memo1);
        EXPECT_TRUE(Texts().empty());
    });
    EXPECT_TRUE(Since("SET").empty());
}

TEST_F(BridgeInfoTest, Dot1pShowsTheCapabilitiesAndTheTrafficClassesState)
{
    StartSwitch();
    RunMenu<TPBridgeConfigForm>(
        "BasicConfigure2",
        [](TPBridgeConfigForm* f) {
            return Idle(f->CapabilitiesRequest) && Idle(f->TrafficClassesRequest) && f->Memo1->Lines()->Count() >= 2;
        },
        [&](TPBridgeConfigForm* f) {
            EXPECT_EQ(f->Caption().std(), "802.1P Basic Configure");
            EXPECT_EQ(f->Edit_DeviceCapabilities->Caption().std(), "D8");
            EXPECT_EQ(f->TrafficClassesState->Text().std(), "true");
            EXPECT_FALSE(f->TrafficClassesState->Enabled());
            EXPECT_FALSE(f->BT_Set->Visible());
            EXPECT_FALSE(f->GmrpStatus->Visible());
            Screenshot(f, "TPBridgeConfigForm");

            agent->Control("1.3.6.1.2.1.17.6.1.1.2.0 integer 2 range=1,2");
            Click(f->BT_Get);
            EXPECT_TRUE(WaitFor([&] { return f->TrafficClassesState->Text() == "false"; }));
        });
}

TEST_F(BridgeInfoTest, PortCapabilitiesListsEveryBridgePortAndCountsThem)
{
    StartSwitch();
    RunMenu<TPortCapabilities8021dForm>("PortCapbility1", CapsRead, [&](TPortCapabilities8021dForm* f) {
        EXPECT_EQ(f->Caption().std(), "Port Capability Form");
        TListView* lv = f->LV_dot1dPortCapabilitiesEntry;
        ASSERT_EQ(lv->Items()->Count(), 27);
        EXPECT_EQ(Row(lv, 0), "1 E0");
        EXPECT_EQ(Row(lv, 26), "27 E0");
        EXPECT_EQ(f->ST_Count->Caption().std(), "27");
        EXPECT_TRUE(GateOpen());
        Screenshot(f, "TPortCapabilities8021dForm");
    });
}

// A second Refresh while the walk runs does nothing; the gate opens when it ends.
TEST_F(BridgeInfoTest, PortCapabilitiesRefreshWhileTheWalkRunsDoesNothing)
{
    StartSwitch();
    RunMenu<TPortCapabilities8021dForm>("PortCapbility1", CapsRead, [&](TPortCapabilities8021dForm* f) {
        agent->Control("fault delay 20");
        Mark();
        Click(f->RefreshBtn);
        EXPECT_FALSE(gate->GetIdle);
        Click(f->RefreshBtn);
        Click(f->RefreshBtn);
        WaitIdle(f->PortCapabilityRequest);
        EXPECT_EQ(WalksOf(kCapColumn), 1u);
        EXPECT_EQ(f->LV_dot1dPortCapabilitiesEntry->Items()->Count(), 27);
        EXPECT_TRUE(GateOpen());
        EXPECT_TRUE(Texts().empty());
    });
}

TEST_F(BridgeInfoTest, PortCapabilitiesFailingFirstReadLeavesTheGateOpen)
{
    StartSwitch({"fault error " + kCapColumn + " genErr"});
    RunMenu<TPortCapabilities8021dForm>("PortCapbility1", CapsRead, [&](TPortCapabilities8021dForm* f) {
        EXPECT_EQ(f->LV_dot1dPortCapabilitiesEntry->Items()->Count(), 0);
        EXPECT_EQ(LastLine(f->Memo1).find("Get: "), 0u);
        EXPECT_EQ(LastLine(f->Memo1).find("Ok!"), std::string::npos) << LastLine(f->Memo1);
        EXPECT_TRUE(GateOpen());
        agent->Control("fault clear");
        Click(f->RefreshBtn);
        WaitIdle(f->PortCapabilityRequest);
        EXPECT_EQ(f->LV_dot1dPortCapabilitiesEntry->Items()->Count(), 27);
        EXPECT_TRUE(GateOpen());
    });
}

// The gate is shared: closing the port capability form while its walk runs must not leave
// the GARP form refusing every Refresh.
TEST_F(BridgeInfoTest, ClosingAFormWhileItsWalkRunsReopensTheSharedGate)
{
    StartSwitch();
    RunMenu<TPortCapabilities8021dForm>("PortCapbility1", CapsRead, [&](TPortCapabilities8021dForm* f) {
        agent->Control("fault delay 30");
        Click(f->RefreshBtn);
        EXPECT_TRUE(WaitFor([&] { return f->LV_dot1dPortCapabilitiesEntry->Items()->Count() >= 2; }));
        EXPECT_FALSE(gate->GetIdle);
        f->Close();
    });
    EXPECT_TRUE(GateOpen());
    agent->Control("fault clear");
    RunMenu<TGARPForm>("GVRP1", [](TGARPForm* f) { return Idle(f->GarpRequest) && f->Memo1->Lines()->Count() > 0; },
                       [&](TGARPForm* f) {
                           EXPECT_EQ(f->LV_dot1dPortGarpEntry->Items()->Count(), 27);
                           Mark();
                           Click(f->RefreshBtn);
                           WaitIdle(f->GarpRequest);
                           EXPECT_EQ(WalksOf("1.3.6.1.2.1.17.1.4.1.1"), 1u);
                           EXPECT_TRUE(GateOpen());
                       });
}

// While another form's request holds the gate, Refresh does nothing.
TEST_F(BridgeInfoTest, PortCapabilitiesRefreshWaitsForTheGateHeldElsewhere)
{
    StartSwitch();
    RunMenu<TPortCapabilities8021dForm>("PortCapbility1", CapsRead, [&](TPortCapabilities8021dForm* f) {
        gate->GetIdle = false;
        Mark();
        Click(f->RefreshBtn);
        WaitFor([] { return false; }, 50);
        EXPECT_EQ(WalksOf(kCapColumn), 0u);
        gate->GetIdle = true;
        Click(f->RefreshBtn);
        WaitIdle(f->PortCapabilityRequest);
        EXPECT_EQ(WalksOf(kCapColumn), 1u);
    });
}

TEST_F(BridgeInfoTest, Dot1qBridgeShowsItsLimitsAndSetWritesTheGvrpStateAlone)
{
    StartSwitch();
    RunMenu<TVLanGeneralInfoForm>(
        "BasicConfigure", [](TVLanGeneralInfoForm* f) { return Idle(f->GeneralRequest) && f->Memo1->Lines()->Count() > 0; },
        [&](TVLanGeneralInfoForm* f) {
            EXPECT_EQ(f->Caption().std(), "802.1Q Basic Configure");
            EXPECT_EQ(f->VlanVersionNumber->Caption().std(), "1");
            EXPECT_EQ(f->MaxVlanId->Caption().std(), "4094");
            EXPECT_EQ(f->MaxSupportedVlans->Caption().std(), "255");
            EXPECT_EQ(f->CurrentNumOfVlans->Caption().std(), "4");
            EXPECT_EQ(f->GvrpStatus->Text().std(), "disabled");
            Screenshot(f, "TVLanGeneralInfoForm");

            f->GvrpStatus->SetItemIndex(0);
            Mark();
            Click(f->SetBtn);
            std::vector<SimRequest> sets = Sets();
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{kDot1qBase + "5.0 integer 1"}));
            EXPECT_TRUE(WaitFor([&] { return !Since("GET").empty(); }));
            WaitIdle(f->GeneralRequest);
            ASSERT_EQ(Since("GET").size(), 1u);
            EXPECT_EQ(Since("GET")[0].varbinds.size(), 5u);

            f->GvrpStatus->SetItemIndex(1);
            agent->Control("1.3.6.1.2.1.17.7.1.1.4.0 gauge 5");
            Mark();
            Click(f->SetBtn);
            sets = Sets();
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{kDot1qBase + "5.0 integer 2"}));
            EXPECT_TRUE(WaitFor([&] { return f->CurrentNumOfVlans->Caption() == "5"; }));
        });
}

TEST_F(BridgeInfoTest, Dot1qBridgeRefusedSetShowsTheErrorAndKeepsTheChoice)
{
    StartSwitch({"fault error " + kDot1qBase + "5 noAccess set"});
    RunMenu<TVLanGeneralInfoForm>(
        "BasicConfigure", [](TVLanGeneralInfoForm* f) { return Idle(f->GeneralRequest) && f->Memo1->Lines()->Count() > 0; },
        [&](TVLanGeneralInfoForm* f) {
            f->GvrpStatus->SetItemIndex(0);
            Mark();
            Click(f->SetBtn);
            Sets();
            WaitIdle(f->GeneralRequest);
            EXPECT_TRUE(WaitFor([&] { return LastLine(f->Memo1).find("Set: ") == 0; }));
            EXPECT_EQ(LastLine(f->Memo1).find("Ok!"), std::string::npos) << LastLine(f->Memo1);
            EXPECT_EQ(f->GvrpStatus->Text().std(), "enabled");
            EXPECT_TRUE(Since("GET").empty());
        });
}
