// The traffic segmentation form against the simulated switch: the forward-port lists read into
// the port page, the write of one port's list, the ready flag, and Stop followed by Refresh,
// which must never let two walks fill the one list.
#include "forms/layer2/trafficforwardunit1.h"
#include "tests/forms/bridge/bridgefixture.h"

namespace {

const std::string kSeg = "1.3.6.1.4.1.171.11.70.2.2.14.1.1.";

bool SegRead(TTrafficSegmentationForm* f)
{
    return f->Ready && f->TrafficRequest && !f->TrafficRequest->Busy;
}

class TrafficSegmentationTest : public BridgeFormTest {
protected:
    void Open(const std::function<void(TTrafficSegmentationForm*)>& body)
    {
        RunMenu<TTrafficSegmentationForm>("TrafficSegmentationTable1", SegRead, body);
    }
    static std::vector<int> Checked(TTrafficSegmentationForm* f)
    {
        std::vector<int> ports;
        for (int k = 0; k < 64; ++k)
            if (f->PortPage->PortCheck(k)->Checked()) ports.push_back(k + 1);
        return ports;
    }
};

}  // namespace

TEST_F(TrafficSegmentationTest, ReadsEveryPortAndShowsTheSelectedPortsList)
{
    StartSwitch();
    Open([&](TTrafficSegmentationForm* f) {
        EXPECT_EQ(f->Caption().std(), "Traffic Segmentation Table:127.0.0.1");
        TListView* lv = f->LV_TrafficForward;
        ASSERT_EQ(lv->Items()->Count(), 27);
        EXPECT_EQ(Row(lv, 0), "1 FFFFFFE000000000");
        EXPECT_EQ(Row(lv, 26), "27 000000C000000000");
        EXPECT_EQ(f->StaticText1->Caption().std(), "27");
        EXPECT_FALSE(f->BT_Set->Enabled());

        ClickListRow(lv, 26);
        EXPECT_EQ(f->Combo_Port->Text().std(), "27");
        EXPECT_EQ(f->Combo_Unit->Text().std(), "1");
        EXPECT_EQ(Checked(f), (std::vector<int>{25, 26}));
        EXPECT_TRUE(f->BT_Set->Enabled());
        Screenshot(f, "TTrafficSegmentationForm");

        lv->ClearSelection();
        f->LV_TrafficForwardClick(lv);
        EXPECT_TRUE(Checked(f).empty());
        EXPECT_EQ(f->Combo_Port->Text().std(), "");
        EXPECT_FALSE(f->BT_Set->Enabled());
    });
}

TEST_F(TrafficSegmentationTest, PortNumbersSplitIntoUnitAndPort)
{
    StartSwitch({kSeg + "1.64 integer 64", kSeg + "2.64 rw hex 00 00 00 00 00 00 00 01",
                 kSeg + "1.65 integer 65", kSeg + "2.65 rw hex 00 00 00 00 00 00 00 00"});
    Open([&](TTrafficSegmentationForm* f) {
        struct Case {
            int row;
            const char* unit;
            const char* port;
        } cases[] = {{0, "1", "1"}, {27, "1", "64"}, {28, "2", "1"}};
        for (const Case& c : cases) {
            ClickListRow(f->LV_TrafficForward, c.row);
            EXPECT_EQ(f->Combo_Unit->Text().std(), c.unit) << c.row;
            EXPECT_EQ(f->Combo_Port->Text().std(), c.port) << c.row;
        }
    });
}

TEST_F(TrafficSegmentationTest, SetWritesTheEightOctetsOfTheSelectedPortAndReadsAgain)
{
    StartSwitch();
    Open([&](TTrafficSegmentationForm* f) {
        ClickListRow(f->LV_TrafficForward, 2);
        f->PortPage->ClearChecks();
        for (int p : {1, 9, 27}) f->PortPage->PortCheck(p - 1)->SetChecked(true);
        Mark();
        Click(f->BT_Set);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{kSeg + "2.3 string 0x8080002000000000"}));
        EXPECT_FALSE(f->BT_Set->Enabled());
        EXPECT_TRUE(WaitFor([&] { return !f->TrafficRequest->Busy && f->LV_TrafficForward->Items()->Count() == 27; }));
        EXPECT_EQ(Row(f->LV_TrafficForward, 2), "3 8080002000000000");
    });
}

TEST_F(TrafficSegmentationTest, RefreshOrSetWhileTheFirstReadRunsSaysRefreshNotComplete)
{
    StartSwitch();
    QzSNMPTimeout = 100;
    agent->Control("fault drop 1");  // the first read waits for its retry, 1 s
    RunMenu<TTrafficSegmentationForm>(
        // At once: the body then runs outside the walk's own row handler.
        "TrafficSegmentationTable1", [](TTrafficSegmentationForm*) { return true; },
        [&](TTrafficSegmentationForm* f) {
            ASSERT_FALSE(f->Ready);
            Click(f->BT_Get);
            f->BT_SetClick(f->BT_Set);
            EXPECT_EQ(Texts(), (std::vector<std::string>{"Refresh not complete", "Refresh not complete"}));
            EXPECT_TRUE(WaitFor([&] { return f->Ready; }));
            EXPECT_EQ(f->LV_TrafficForward->Items()->Count(), 27);
        });
}

// Stop leaves the walk in flight until its next reply; a Refresh at once must not start a
// second walk into the same list.
TEST_F(TrafficSegmentationTest, RefreshRightAfterStopFillsTheListOnce)
{
    StartSwitch();
    Open([&](TTrafficSegmentationForm* f) {
        agent->Control("fault delay 40");
        Mark();
        Click(f->BT_Get);
        EXPECT_TRUE(WaitFor([&] { return f->LV_TrafficForward->Items()->Count() >= 2; }));
        Click(f->StopBtn);
        EXPECT_TRUE(f->Ready);
        Click(f->BT_Get);
        agent->Control("fault delay 0");
        EXPECT_TRUE(WaitFor([&] { return f->Ready && !f->TrafficRequest->Busy; }));
        WaitFor([] { return false; }, 100);
        std::vector<std::string> expected;
        for (int p = 1; p <= 27; ++p) expected.push_back(std::to_string(p));
        EXPECT_EQ(Captions(f->LV_TrafficForward), expected);
        EXPECT_EQ(f->StaticText1->Caption().std(), "27");
        EXPECT_TRUE(Texts().empty());
    });
}

// A forward-port list shorter than the page's 64 boxes cannot be shown whole: the error is
// reported and no box keeps the ports of the row selected before (a hidden box would be
// written back with the next Set).
TEST_F(TrafficSegmentationTest, AShortPortListIsReportedAndLeavesNoStaleBoxes)
{
    StartSwitch({"fault short " + kSeg + "2.5 4", kSeg + "2.27 rw hex 00 00 00 C0 80 00 00 00"});
    Open([&](TTrafficSegmentationForm* f) {
        ClickListRow(f->LV_TrafficForward, 26);
        EXPECT_EQ(Checked(f), (std::vector<int>{25, 26, 33}));
        ClickListRow(f->LV_TrafficForward, 4);
        ASSERT_FALSE(Texts().empty());
        EXPECT_NE(Texts().back().find("Out of range for the bit(byte) index"), std::string::npos) << Texts().back();
        std::vector<int> ports;  // the four octets read: FF FF FF E0
        for (int p = 1; p <= 27; ++p) ports.push_back(p);
        EXPECT_EQ(Checked(f), ports);
        EXPECT_EQ(f->Combo_Port->Text().std(), "5");
    });
}

TEST_F(TrafficSegmentationTest, AfterARefusedSetAClickOnTheRowShowsItAsReadForTheNextSet)
{
    StartSwitch({"fault error " + kSeg + "2 noAccess set"});
    Open([&](TTrafficSegmentationForm* f) {
        TListView* lv = f->LV_TrafficForward;
        ClickListRow(lv, 26);  // port 27: ports 25 and 26
        f->PortPage->PortCheck(2)->SetChecked(true);
        Mark();
        Click(f->BT_Set);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_NE(Sets()[0].status, "noError");
        EXPECT_TRUE(WaitFor([&] { return SegRead(f); }));
        agent->Control("fault clear");

        ClickListRow(lv, 26);
        EXPECT_EQ(Checked(f), (std::vector<int>{25, 26}));
        EXPECT_EQ(f->Combo_Port->Text().std(), "27");
        Mark();
        Click(f->BT_Set);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_EQ(Varbinds(Sets()[0]), std::vector<std::string>{kSeg + "2.27 string 0x000000C000000000"});
        EXPECT_TRUE(WaitFor([&] { return SegRead(f); }));
    });
}
