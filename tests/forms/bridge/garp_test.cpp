// The GARP timers form against the simulated switch: the bridge port table walked beside the
// GARP table, the write of one port's three timers, and TForm1's gate, which must open again
// however the request ends.
#include "common/qzeditconstraint.h"
#include "forms/layer2/garpformunit.h"
#include "tests/forms/bridge/bridgefixture.h"

namespace {

const std::string kGarp = "1.3.6.1.2.1.17.6.1.3.1.1.";
const std::string kBasePort = "1.3.6.1.2.1.17.1.4.1.1";

bool GarpRead(TGARPForm* f) { return f->GarpRequest && !f->GarpRequest->Busy && f->Memo1->Lines()->Count() > 0; }

class GarpTest : public BridgeFormTest {
protected:
    void Open(const std::function<void(TGARPForm*)>& body) { RunMenu<TGARPForm>("GVRP1", GarpRead, body); }
};

}  // namespace

TEST_F(GarpTest, ListsTheTimersOfEveryBridgePortAlignedByPort)
{
    StartSwitch();
    Open([&](TGARPForm* f) {
        EXPECT_EQ(f->Caption().std(), "GARP Form");
        TListView* lv = f->LV_dot1dPortGarpEntry;
        ASSERT_EQ(lv->Items()->Count(), 27);
        EXPECT_EQ(Row(lv, 0), "1 20 60 1000");
        EXPECT_EQ(Row(lv, 1), "2 30 60 1000");
        EXPECT_EQ(Row(lv, 26), "27 20 60 1000");
        EXPECT_EQ(f->ST_Count->Caption().std(), "27");
        EXPECT_FALSE(f->SetBtn->Visible());
        EXPECT_FALSE(f->Panel5->Visible());
        EXPECT_EQ(LastLine(f->Memo1).find("Get: (QzSNMP++) Ok!"), 0u);
        EXPECT_TRUE(GateOpen());
        Screenshot(f, "TGARPForm");
    });
}

TEST_F(GarpTest, RefreshDoesNothingWhileAGetOrSetIsOutstanding)
{
    StartSwitch();
    Open([&](TGARPForm* f) {
        agent->Control("fault delay 20");
        Mark();
        Click(f->RefreshBtn);
        EXPECT_FALSE(gate->GetIdle);
        Click(f->RefreshBtn);
        WaitIdle(f->GarpRequest);
        EXPECT_EQ(WalksOf(kBasePort), 1u);
        EXPECT_TRUE(GateOpen());

        agent->Control("fault delay 0");
        gate->SetIdle = false;  // a write of another form
        Mark();
        Click(f->RefreshBtn);
        WaitFor([] { return false; }, 50);
        EXPECT_EQ(WalksOf(kBasePort), 0u);
        gate->SetIdle = true;
        Click(f->RefreshBtn);
        WaitIdle(f->GarpRequest);
        EXPECT_EQ(WalksOf(kBasePort), 1u);
        EXPECT_TRUE(Texts().empty());
    });
}

// The Set button is never shown; its handler still writes the selected port's three timers.
TEST_F(GarpTest, SetWritesTheThreeTimersOfTheSelectedPortAndReadsAgain)
{
    StartSwitch();
    Open([&](TGARPForm* f) {
        ClickListRow(f->LV_dot1dPortGarpEntry, 1);
        EXPECT_EQ(f->GarpJoinTime->Text().std(), "30");
        f->GarpJoinTime->SetText("45");
        f->GarpLeaveAllTime->SetText("2000");
        Mark();
        f->SetBtnClick(f->SetBtn);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{kGarp + "1.2 integer 45", kGarp + "2.2 integer 60",
                                                              kGarp + "3.2 integer 2000"}));
        EXPECT_TRUE(WaitFor([&] { return WalksOf(kBasePort) == 1 && Idle(f->GarpRequest); }));
        EXPECT_TRUE(GateOpen());
        EXPECT_EQ(Row(f->LV_dot1dPortGarpEntry, 1), "2 45 60 2000");
    });
}

// A refused write reads nothing again: the gate must open on the error itself.
TEST_F(GarpTest, ARefusedSetReopensTheGate)
{
    StartSwitch({"fault error " + kGarp + "1 noAccess set"});
    Open([&](TGARPForm* f) {
        ClickListRow(f->LV_dot1dPortGarpEntry, 0);
        Mark();
        f->SetBtnClick(f->SetBtn);
        Sets();
        EXPECT_TRUE(WaitFor([&] { return LastLine(f->Memo1).find("Set: ") == 0; }));
        EXPECT_EQ(LastLine(f->Memo1).find("Ok!"), std::string::npos) << LastLine(f->Memo1);
        EXPECT_TRUE(GateOpen());
        Click(f->RefreshBtn);
        WaitIdle(f->GarpRequest);
        EXPECT_EQ(WalksOf(kBasePort), 1u);
    });
}

TEST_F(GarpTest, AFailingFirstReadLeavesTheGateOpen)
{
    StartSwitch({"fault error " + kGarp + "2 genErr"});
    Open([&](TGARPForm* f) {
        EXPECT_EQ(f->LV_dot1dPortGarpEntry->Items()->Count(), 0);
        EXPECT_EQ(LastLine(f->Memo1).find("Ok!"), std::string::npos) << LastLine(f->Memo1);
        EXPECT_TRUE(GateOpen());
        agent->Control("fault clear");
        Mark();
        Click(f->RefreshBtn);
        WaitIdle(f->GarpRequest);
        EXPECT_EQ(f->LV_dot1dPortGarpEntry->Items()->Count(), 27);
    });
}

TEST_F(GarpTest, ClosingWhileTheWalkRunsReopensTheGate)
{
    StartSwitch();
    Open([&](TGARPForm* f) {
        agent->Control("fault delay 30");
        Click(f->RefreshBtn);
        EXPECT_TRUE(WaitFor([&] { return f->LV_dot1dPortGarpEntry->Items()->Count() >= 2; }));
        EXPECT_FALSE(gate->GetIdle);
        f->Close();
    });
    EXPECT_TRUE(GateOpen());
}

TEST_F(GarpTest, ATimerTakesAtMostTenDigitsFromZeroTo2147483647)
{
    StartSwitch();
    Open([&](TGARPForm* f) {
        ClickListRow(f->LV_dot1dPortGarpEntry, 0);
        struct Case {
            const char* typed;
            bool kept;
        } cases[] = {{"0", true}, {"2147483647", true}, {"2147483648", false}, {"12345678901", false}};
        for (const Case& c : cases) {
            f->GarpJoinTime->SetText("20");
            f->GarpRequest->Constraint()->EditExit(f->GarpJoinTime);
            const size_t before = Texts().size();
            f->GarpJoinTime->SetText(c.typed);
            f->GarpRequest->Constraint()->EditExit(f->GarpJoinTime);
            EXPECT_EQ(f->GarpJoinTime->Text().std(), c.kept ? c.typed : "20") << c.typed;
            EXPECT_EQ(Texts().size(), before + (c.kept ? 0 : 1)) << c.typed;
        }
    });
}

// A read can end without its completion event (a row the binding could not take): the form
// then still holds the gate, yet its request is idle. The next Refresh must not be refused.
TEST_F(GarpTest, AHoldWhoseReadEndedWithoutCompletionIsGivenBack)
{
    StartSwitch();
    Open([&](TGARPForm* f) {
        f->Gate.HoldGet();
        ASSERT_FALSE(gate->GetIdle);
        Mark();
        Click(f->RefreshBtn);
        WaitIdle(f->GarpRequest);
        EXPECT_EQ(WalksOf(kBasePort), 1u);
        EXPECT_TRUE(GateOpen());
    });
}
