// The current VLAN table form against the simulated switch: its two independent reads, the
// port pages of the selected VLAN, and a port list shorter than its boxes.
#include "forms/layer2/vlancurrenttableformunit.h"
#include "tests/forms/vlan/vlanfixture.h"

namespace {

const std::string kCurrent = "1.3.6.1.2.1.17.7.1.4.2.1.";

class VlanCurrentTest : public VlanFormTest {
protected:
    static bool Ready(TVLanCurrentTableForm* f) { return Idle(f->CurrentRequest) && Idle(f->DeletesRequest); }
    void Open(const std::function<void(TVLanCurrentTableForm*)>& body)
    {
        RunMenu<TVLanCurrentTableForm>("CurrentForm1", Ready, body);
    }
};

}  // namespace

TEST_F(VlanCurrentTest, ListsTheCurrentVlansAndShowsThePortsOfTheSelectedOne)
{
    StartSwitch();
    Open([&](TVLanCurrentTableForm* f) {
        EXPECT_EQ(f->Caption(), "VLAN Current Table");
        TListView* lv = f->LV_dot1qVlanCurrentEntry;
        ASSERT_EQ(lv->Items()->Count(), 5);
        EXPECT_EQ(lv->Columns()->Count(), 7);
        EXPECT_EQ(f->ST_Count2->Caption(), "5");
        EXPECT_EQ(f->VlanNumDeletes->Caption(), "2");
        EXPECT_FALSE(f->SetBtn->Visible());
        // VLAN 40, learned by GVRP: index, FDB id, lists, status label.
        TListItem* row = lv->Items()->Item(4);
        EXPECT_EQ(row->SubItems()->Get(0), "40");
        EXPECT_EQ(row->SubItems()->Get(1), "40");
        EXPECT_EQ(row->SubItems()->Get(2), "0000008000000000");
        EXPECT_EQ(row->SubItems()->Get(4), "dynamicGvrp");

        ClickRow(lv, 1);  // VLAN 10
        EXPECT_EQ(f->StaticText1->Caption(), "10");
        EXPECT_EQ(Ticked(f->EgressPage), (std::vector<int>{1, 2, 3, 4, 25, 26}));
        EXPECT_EQ(Ticked(f->UntaggedPage), (std::vector<int>{1, 2, 3, 4}));
        Screenshot(f, "VLanCurrentTableForm");

        // A click where there is no row clears the index and both pages.
        ClickBelowRows(lv);
        EXPECT_EQ(lv->Selected(), nullptr);
        EXPECT_EQ(f->StaticText1->Caption(), "");
        EXPECT_TRUE(Ticked(f->EgressPage).empty());
        EXPECT_TRUE(Ticked(f->UntaggedPage).empty());

        // Refresh reads both again and clears what a selection showed.
        ClickRow(lv, 2);
        Mark();
        Click(f->RefreshBtn);
        WaitIdle(f->CurrentRequest);
        EXPECT_EQ(lv->Items()->Count(), 5);
        EXPECT_EQ(f->StaticText1->Caption(), "");
        EXPECT_TRUE(Ticked(f->EgressPage).empty());
        EXPECT_FALSE(Since("GET").empty());
    });
    // The walk reads the five columns after the two-part index; nothing is ever written.
    std::vector<SimRequest> walks = Since("GETNEXT");
    ASSERT_FALSE(walks.empty());
    ASSERT_EQ(walks[0].varbinds.size(), 5u);
    EXPECT_EQ(walks[0].varbinds[0].oid, kCurrent + "3");
    EXPECT_EQ(walks[0].varbinds[4].oid, kCurrent + "7");
    EXPECT_TRUE(Since("SET").empty());
}

TEST_F(VlanCurrentTest, AShortEgressListSetsTheBoxesItCoversUnchecksTheRestAndReportsOutOfRange)
{
    StartSwitch({"fault short 1.3.6.1.2.1.17.7.1.4.2.1.4 2"});
    Open([&](TVLanCurrentTableForm* f) {
        Tick(f->EgressPage, {20, 40});  // stale ticks, one of them a hidden box
        boxes.Clear();
        ClickRow(f->LV_dot1qVlanCurrentEntry, 0);  // VLAN 1: every port, cut to 2 octets
        EXPECT_EQ(Ticked(f->EgressPage), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
        bool outOfRange = false;
        for (const std::string& t : Texts())
            outOfRange = outOfRange || t.find("Out of range for the bit(byte) index") != std::string::npos;
        EXPECT_TRUE(outOfRange) << (Texts().empty() ? "no message" : Texts()[0]);
    });
}

TEST_F(VlanCurrentTest, AFailedDeletionCountDoesNotStopTheTable)
{
    StartSwitch({"fault error 1.3.6.1.2.1.17.7.1.4.1 genErr get"});
    Open([&](TVLanCurrentTableForm* f) {
        EXPECT_EQ(f->LV_dot1qVlanCurrentEntry->Items()->Count(), 5);
        EXPECT_TRUE(MemoHas(f->Memo1, "Get: ")) << LastLine(f->Memo1);
        bool failed = false;
        for (int i = 0; i < f->Memo1->Lines()->Count(); ++i)
            failed = failed || f->Memo1->Lines()->Get(i).Pos("Ok!") == 0;
        EXPECT_TRUE(failed);
    });
}
