// The port trunk form against the simulated switch: its synchronous walk, the checks before a
// write, the two-step Add, Set, and a Delete that sends the trunk state alone.
#include "forms/layer2/porttrunk.h"
#include "tests/forms/formfixture.h"

namespace {

const std::string kTrunk = "1.3.6.1.4.1.171.11.70.2.2.9.3.1.";
const std::string kZero8 = "\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00";

class PortTrunkTest : public FeatureFormTest {
protected:
    void Open(const std::function<void(TPortTrunkForm*)>& body)
    {
        RunMenu<TPortTrunkForm>("PortTrunk2", [](TPortTrunkForm* f) { return Idle(f->TrunkRequest); }, body);
    }
    // A new trunk filled in as the operator fills it.
    static void NewTrunk(TPortTrunkForm* f, const char* index, const char* port, std::initializer_list<int> members,
                         int type = 0, const char* state = "disable")
    {
        f->ED_Index->SetText(index);
        f->ED_Name->SetText("lag");
        f->PortEdit->SetText(port);
        f->Combo_Type->SetItemIndex(type);
        f->ComboBox1->SetItemIndex(std::string(state) == "enable" ? 0 : 1);
        f->MemberPage->ClearChecks();
        for (int p : members) f->MemberPage->PortCheck(p - 1)->SetChecked(true);
    }
};

}  // namespace

TEST_F(PortTrunkTest, ListsTheTrunksSynchronouslyWithTheAgentInTheCaption)
{
    StartSwitch();
    Open([&](TPortTrunkForm* f) {
        EXPECT_EQ(f->Caption(), "Port Trunk Table :127.0.0.1");
        EXPECT_EQ(f->TrunkRequest->Mode, 0);
        EXPECT_EQ(f->TrunkRequest->Request.timeout, 300);
        EXPECT_EQ(Captions(f->LV_PortTrunk), (std::vector<std::string>{"1", "2"}));
        EXPECT_EQ(f->LV_PortTrunk->Items()->Item(0)->SubItems()->Get(0), "uplink");
        EXPECT_EQ(f->LV_PortTrunk->Items()->Item(0)->SubItems()->Get(4), "lacp");
        EXPECT_EQ(f->LV_PortTrunk->Items()->Item(0)->SubItems()->Get(5), "enable");
        EXPECT_EQ(f->StatusBar1->Panels()->Items(0)->Text().Pos("Get: (QzSNMP++) Ok!"), 1);
        f->grab().save(QString::fromStdString(std::string(VRX_BUILD_DIR) + "/screenshots/PortTrunkForm.png"));

        ClickRow(f->LV_PortTrunk, 1);
        EXPECT_EQ(f->ED_Index->Text(), "2");
        EXPECT_FALSE(f->ED_Index->Enabled());
        EXPECT_EQ(f->PortEdit->Text(), "21");
        EXPECT_EQ(f->UnitEdit->Text(), "1");
        EXPECT_EQ(f->ComboBox1->Text(), "enable");
        EXPECT_TRUE(f->MemberPage->PortCheck(20)->Checked());
        EXPECT_TRUE(f->ActivePage->PortCheck(20)->Checked());
        EXPECT_FALSE(f->ActivePage->PortCheck(21)->Checked());
        EXPECT_FALSE(f->BT_Set->Enabled());
        EXPECT_TRUE(f->SetBtn->Enabled());
    });
}

TEST_F(PortTrunkTest, AddChecksItsFieldsInOrderAndSendsNothingOnAFailure)
{
    StartSwitch();
    struct Case {
        const char* index;
        const char* port;
        std::vector<int> members;
        int type;
        const char* message;
    } cases[] = {
        {"", "3", {3, 4}, 0, "The index should not be empty."},
        {"2", "3", {3, 4}, 0, "The Index must be different!"},
        {"5", "", {3, 4}, 0, "The Port should not be empty."},
        {"5", "0", {3, 4}, 0, "set valid master port"},
        {"5", "28", {3, 4}, 0, "set valid master port"},
        {"5", "3", {3, 4}, -1, "Please choose trunk type."},
        {"5", "25", {25, 27}, 0, "The master port must be different!"},
        {"5", "3", {4, 5}, 0, "Master port must be checked."},
        {"5", "3", {3}, 0, "You must choose at least two members!"},
        {"5", "3", {1, 2, 3, 4, 5, 6, 7, 8, 9}, 0, "The trunk member can't over eight!"},
    };
    Open([&](TPortTrunkForm* f) {
        Mark();
        for (const Case& c : cases) {
            boxes.Clear();
            f->ED_Index->SetText(c.index);
            f->PortEdit->SetText(c.port);
            f->Combo_Type->SetItemIndex(c.type);
            f->MemberPage->ClearChecks();
            for (int p : c.members) f->MemberPage->PortCheck(p - 1)->SetChecked(true);
            Click(f->BT_Set);
            ASSERT_EQ(boxes.Boxes().size(), 1u) << c.message;
            EXPECT_EQ(boxes.Boxes()[0].text, c.message);
        }
        // The ninth member in port order was unchecked; eight pass the count.
        EXPECT_FALSE(f->MemberPage->PortCheck(8)->Checked());
        EXPECT_TRUE(f->MemberPage->PortCheck(7)->Checked());
    });
    EXPECT_TRUE(Since("SET").empty());
}

TEST_F(PortTrunkTest, AddSendsTheRowWithCreateAndGoAndEnablesItInASecondSet)
{
    StartSwitch();
    Open([&](TPortTrunkForm* f) {
        Mark();
        NewTrunk(f, "5", "27", {3, 27}, 0, "disable");
        Click(f->BT_Set);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_EQ(Varbinds(Sets()[0]), (std::vector<std::string>{
                                           kTrunk + "2.5 string \"lag\"",
                                           kTrunk + "3.5 integer 27",
                                           kTrunk + "4.5 string 0x2000002000000000",
                                           kTrunk + "6.5 integer 2",
                                           kTrunk + "7.5 integer 4",
                                       }));
        EXPECT_EQ(Captions(f->LV_PortTrunk), (std::vector<std::string>{"1", "2", "5"}));

        Mark();
        NewTrunk(f, "6", "5", {5, 6}, 1, "enable");
        Click(f->BT_Set);
        std::vector<SimRequest> sets = Sets(2);
        ASSERT_EQ(sets.size(), 2u);
        EXPECT_EQ(Varbinds(sets[0]).back(), kTrunk + "7.6 integer 4");
        EXPECT_EQ(Varbinds(sets[1]).back(), kTrunk + "7.6 integer 1");
        EXPECT_EQ(Varbinds(sets[1])[3], kTrunk + "6.6 integer 3");
    });
}

TEST_F(PortTrunkTest, DeleteSendsTheStateAloneAndTheFlagsComeBackAlsoAfterARefusal)
{
    StartSwitch();
    Open([&](TPortTrunkForm* f) {
        // A refused delete: the flags still come back for the next write.
        agent->Control("fault error " + kTrunk + "7 genErr set");
        ClickRow(f->LV_PortTrunk, 1);
        Mark();
        Click(f->BT_Delete);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_EQ(Varbinds(Sets()[0]), std::vector<std::string>{kTrunk + "7.2 integer 6"});
        EXPECT_EQ(f->StatusBar1->Panels()->Items(0)->Text(), "(SNMP) Cannot perform operation, General Error!")
            << f->StatusBar1->Panels()->Items(0)->Text().c_str();
        for (int i = 1; i <= 5; ++i) EXPECT_NE(f->TrunkRequest->Request.varList.Items(i).access, acInvalid) << i;

        agent->Control("fault error " + kTrunk + "7 noError set");
        Click(f->BT_Get);
        ClickRow(f->LV_PortTrunk, 1);
        Mark();
        Click(f->BT_Delete);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_EQ(Sets()[0].status, "noError");
        EXPECT_EQ(Captions(f->LV_PortTrunk), std::vector<std::string>{"1"});

        // Set on the remaining trunk writes every writable column again.
        ClickRow(f->LV_PortTrunk, 0);
        Mark();
        Click(f->SetBtn);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_EQ(Sets()[0].varbinds.size(), 5u);
        EXPECT_EQ(Varbinds(Sets()[0]).back(), kTrunk + "7.1 integer 1");
    });
}

TEST_F(PortTrunkTest, MasterPortsOfSixtyFourAndZeroShowAsRead)
{
    StartSwitch({kTrunk + "3.1 integer 64", kTrunk + "3.2 integer 0"});
    Open([&](TPortTrunkForm* f) {
        ClickRow(f->LV_PortTrunk, 0);
        EXPECT_EQ(f->PortEdit->Text(), "64");
        EXPECT_EQ(f->UnitEdit->Text(), "1");
        ClickRow(f->LV_PortTrunk, 1);
        EXPECT_EQ(f->PortEdit->Text(), "0");
        EXPECT_EQ(f->UnitEdit->Text(), "0");
    });
}

TEST_F(PortTrunkTest, PortEditsTakeDigitsOnlyAndBeepOtherwise)
{
    StartSwitch();
    Open([&](TPortTrunkForm* f) {
        f->PortEdit->SetText("");
        f->PortEdit->SetFocus();
        QTest::keyClicks(f->PortEdit, "1a2");
        EXPECT_EQ(f->PortEdit->Text(), "12");
        EXPECT_EQ(boxes.Beeps(), 1);
    });
}

TEST_F(PortTrunkTest, AfterARefusedEditAClickOnTheTrunkShowsItAsReadForTheNextEdit)
{
    StartSwitch();
    Open([&](TPortTrunkForm* f) {
        agent->Control("fault error " + kTrunk + "2 genErr set");
        ClickRow(f->LV_PortTrunk, 1);  // trunk 2, master port 21
        f->ED_Name->SetText("typed");
        Mark();
        Click(f->SetBtn);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_NE(Sets()[0].status, "noError");
        EXPECT_FALSE(f->SetBtn->Enabled());
        agent->Control("fault clear");

        ClickRow(f->LV_PortTrunk, 1);
        EXPECT_TRUE(f->SetBtn->Enabled());
        EXPECT_EQ(f->ED_Index->Text(), "2");
        EXPECT_EQ(f->PortEdit->Text(), "21");
        EXPECT_TRUE(f->MemberPage->PortCheck(20)->Checked());
        const std::string name = f->LV_PortTrunk->Items()->Item(1)->SubItems()->Get(0).std();
        EXPECT_EQ(f->ED_Name->Text().std(), name);
        Mark();
        Click(f->SetBtn);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_EQ(Sets()[0].status, "noError");
        EXPECT_EQ(Varbinds(Sets()[0])[0], kTrunk + "2.2 string \"" + name + "\"");
    });
}
