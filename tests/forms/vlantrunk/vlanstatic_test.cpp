// The static VLAN form against the simulated switch: its walk and next free index, creating,
// changing and destroying a VLAN with its port lists, and its failure places.
#include <QAbstractItemModel>
#include <algorithm>
#include <QDir>

#include "forms/layer2/vlanstaticformunit.h"
#include "tests/forms/formfixture.h"

namespace {

const std::string kStatic = "1.3.6.1.2.1.17.7.1.4.3.1.";

class VlanStaticTest : public FeatureFormTest {
protected:
    static bool Ready(TVlanStaticForm* f) { return Idle(f->StaticRequest) && Idle(f->NextFreeRequest); }
    void Open(const std::function<void(TVlanStaticForm*)>& body)
    {
        RunMenu<TVlanStaticForm>("StaticForm1", Ready, body);
    }
    static void Tick(TStackingPortUitForm* page, std::initializer_list<int> ports)
    {
        for (int p : ports) page->PortCheck(p - 1)->SetChecked(true);
    }
    static std::vector<int> Ticked(TStackingPortUitForm* page)
    {
        std::vector<int> out;
        for (int k = 0; k < 64; ++k)
            if (page->PortCheck(k)->Checked()) out.push_back(k + 1);
        return out;
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> out;
        for (const auto& b : boxes.Boxes()) out.push_back(b.text);
        return out;
    }
    static std::string LastLine(TMemo* memo)
    {
        const int n = memo->Lines()->Count();
        return n ? memo->Lines()->Get(n - 1).std() : std::string();
    }
    // Runs a click and waits for the re-read that follows the write.
    void ClickAndWait(TVlanStaticForm* f, TButton* b)
    {
        Click(b);
        WaitIdle(f->StaticRequest);
    }
};

}  // namespace

TEST_F(VlanStaticTest, ListsTheVlansWithTheirPortsAndTheNextFreeIndex)
{
    StartSwitch();
    Open([&](TVlanStaticForm* f) {
        EXPECT_EQ(Captions(f->LV_dot1qVlanStaticEntry), (std::vector<std::string>{"1", "10", "20", "30"}));
        EXPECT_EQ(f->LV_dot1qVlanStaticEntry->Columns()->Count(), 6);
        EXPECT_EQ(f->ST_Count2->Caption(), "4");
        EXPECT_EQ(f->NextFreeLocalVlanIndex->Caption(), "independent");
        EXPECT_EQ(f->Caption(), "VLAN Static Form");
        EXPECT_TRUE(f->AddBtn->Enabled());
        EXPECT_FALSE(f->SetBtn->Enabled());
        EXPECT_FALSE(f->DeleteBtn->Enabled());
        QDir().mkpath(QString::fromStdString(std::string(VRX_BUILD_DIR) + "/screenshots"));
        f->grab().save(QString::fromStdString(std::string(VRX_BUILD_DIR) + "/screenshots/VlanStaticForm.png"));

        ClickRow(f->LV_dot1qVlanStaticEntry, 1);
        EXPECT_EQ(f->ED_VLANID->Text(), "10");
        EXPECT_EQ(f->ED_VLANName->Text(), "mgmt");
        EXPECT_EQ(f->Status->Text(), "Active");
        EXPECT_EQ(Ticked(f->EgressPage), (std::vector<int>{1, 2, 3, 4, 25, 26}));
        EXPECT_EQ(Ticked(f->UntaggedPage), (std::vector<int>{1, 2, 3, 4}));
        EXPECT_TRUE(f->SetBtn->Enabled());
        EXPECT_TRUE(f->DeleteBtn->Enabled());
        EXPECT_FALSE(f->AddBtn->Enabled());
    });
    // The walk reads the five static columns; the VLAN ID is only the index.
    std::vector<SimRequest> walks = Since("GETNEXT");
    ASSERT_FALSE(walks.empty());
    EXPECT_EQ(walks[0].varbinds.size(), 5u);
    EXPECT_EQ(walks[0].varbinds[0].oid, kStatic + "1");
    EXPECT_TRUE(Since("SET").empty());
}

TEST_F(VlanStaticTest, AddCreatesTheVlanWithItsNameAndEightOctetPortLists)
{
    StartSwitch();
    Open([&](TVlanStaticForm* f) {
        Mark();
        f->ED_VLANID->SetText("40");
        f->ED_VLANName->SetText("lab");
        Tick(f->EgressPage, {3, 9});
        Tick(f->UntaggedPage, {3});
        ClickAndWait(f, f->AddBtn);
        EXPECT_EQ(Captions(f->LV_dot1qVlanStaticEntry), (std::vector<std::string>{"1", "10", "20", "30", "40"}));
        EXPECT_EQ(f->ST_Count2->Caption(), "5");
        EXPECT_EQ(f->ED_VLANID->Text(), "");  // reset after the write
        EXPECT_EQ(Ticked(f->EgressPage), std::vector<int>{});
    });
    std::vector<SimRequest> sets = Sets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].status, "noError");
    EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{
                                     kStatic + "1.40 string \"lab\"",
                                     kStatic + "2.40 string 0x2080000000000000",
                                     kStatic + "3.40 string 0x0000000000000000",
                                     kStatic + "4.40 string 0x2000000000000000",
                                     kStatic + "5.40 integer 4",
                                 }));
}

TEST_F(VlanStaticTest, SetAndDeleteAddressTheSelectedVlan)
{
    StartSwitch();
    Open([&](TVlanStaticForm* f) {
        ClickRow(f->LV_dot1qVlanStaticEntry, 2);  // VLAN 20
        Mark();
        f->ED_VLANName->SetText("phones");
        f->EgressPage->PortCheck(9)->SetChecked(true);  // port 10
        ClickAndWait(f, f->SetBtn);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_EQ(Varbinds(Sets()[0])[0], kStatic + "1.20 string \"phones\"");
        EXPECT_EQ(Varbinds(Sets()[0])[1], kStatic + "2.20 string 0x0F4000C000000000");
        EXPECT_EQ(Varbinds(Sets()[0])[4], kStatic + "5.20 integer 1");
        EXPECT_FALSE(f->SetBtn->Enabled());

        // Delete sends Destroy together with the row as last read.
        ClickRow(f->LV_dot1qVlanStaticEntry, 2);
        Mark();
        ClickAndWait(f, f->DeleteBtn);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        ASSERT_EQ(sets[0].varbinds.size(), 5u);
        EXPECT_EQ(Varbinds(sets[0])[0], kStatic + "1.20 string \"phones\"");
        EXPECT_EQ(Varbinds(sets[0])[4], kStatic + "5.20 integer 6");
        EXPECT_EQ(Captions(f->LV_dot1qVlanStaticEntry), (std::vector<std::string>{"1", "10", "30"}));
    });
}

TEST_F(VlanStaticTest, AnIdThatIsNoNumberIsRefusedAndARefusedVlanShowsTheSwitchsError)
{
    StartSwitch();
    Open([&](TVlanStaticForm* f) {
        Mark();
        f->ED_VLANID->SetText("abc");
        f->ED_VLANName->SetText("x");
        Click(f->AddBtn);
        WaitIdle(f->StaticRequest);
        EXPECT_TRUE(Since("SET").empty());
        ASSERT_GT(f->Memo1->Lines()->Count(), 0);
        EXPECT_NE(f->Memo1->Lines()->Get(f->Memo1->Lines()->Count() - 1).Pos("Set: "), 0);
        EXPECT_EQ(f->ED_VLANID->Text(), "abc");  // kept as typed

        // A number out of range is sent as typed; the switch refuses it.
        f->ED_VLANID->SetText("5000");
        ClickAndWait(f, f->AddBtn);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_NE(sets[0].status, "noError");
        EXPECT_EQ(sets[0].varbinds[0].oid, kStatic + "1.5000");
        const AnsiString last = f->Memo1->Lines()->Get(f->Memo1->Lines()->Count() - 1);
        EXPECT_NE(last.Pos("Set: "), 0) << last.c_str();
        EXPECT_EQ(last.Pos("Ok!"), 0) << last.c_str();
    });
}

TEST_F(VlanStaticTest, ClosingWhileTheWalkRunsEndsItAndFreesTheForm)
{
    StartSwitch({"fault delay 40"});
    RunMenu<TVlanStaticForm>(
        "StaticForm1", [](TVlanStaticForm* f) { return f->LV_dot1qVlanStaticEntry->Items()->Count() >= 1; },
        [&](TVlanStaticForm* f) { EXPECT_TRUE(f->StaticRequest->Busy); });
    const size_t after = agent->Requests().size();
    WaitFor([] { return false; }, 300);
    EXPECT_LE(agent->Requests().size(), after + 1);  // the walk went no further
}

TEST_F(VlanStaticTest, TheIdOfTheHighlightedVlanCannotBeTypedOverSoSetAndDeleteWriteThatVlan)
{
    StartSwitch();
    Open([&](TVlanStaticForm* f) {
        EXPECT_FALSE(f->ED_VLANID->ReadOnly());  // add mode: a new ID is typed
        for (TButton* button : {f->SetBtn, f->DeleteBtn}) {
            SCOPED_TRACE(button->Caption().std());
            ClickRow(f->LV_dot1qVlanStaticEntry, 3);  // VLAN 30
            EXPECT_TRUE(f->ED_VLANID->ReadOnly());
            f->ED_VLANID->SetFocus();
            QTest::keyClick(f->ED_VLANID->Widget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(f->ED_VLANID->Widget(), "99");
            EXPECT_EQ(f->ED_VLANID->Text(), "30");
            Mark();
            ClickAndWait(f, button);
            std::vector<SimRequest> sets = Sets();
            ASSERT_EQ(sets.size(), 1u);
            for (const SimVarbind& vb : sets[0].varbinds) EXPECT_EQ(vb.oid.substr(vb.oid.rfind('.')), ".30") << vb.oid;
            EXPECT_FALSE(f->ED_VLANID->ReadOnly());  // no row selected after the re-read
        }
        EXPECT_EQ(Captions(f->LV_dot1qVlanStaticEntry), (std::vector<std::string>{"1", "10", "20"}));
    });
}

TEST_F(VlanStaticTest, AWriteTheSwitchRefusesLeavesTheFieldsAsTypedAndTheRowSelected)
{
    StartSwitch({"fault error " + kStatic + "1 wrongLength set"});
    Open([&](TVlanStaticForm* f) {
        TListView* lv = f->LV_dot1qVlanStaticEntry;
        const AnsiString longName(std::string(38, 'n'));
        f->ED_VLANID->SetText("50");
        f->ED_VLANName->SetText(longName);
        Tick(f->EgressPage, {3});
        Mark();
        ClickAndWait(f, f->AddBtn);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_NE(Sets()[0].status, "noError");
        EXPECT_NE(LastLine(f->Memo1).find("Set: "), std::string::npos) << LastLine(f->Memo1);
        EXPECT_EQ(f->ED_VLANID->Text(), "50");
        EXPECT_EQ(f->ED_VLANName->Text(), longName);
        EXPECT_EQ(Ticked(f->EgressPage), std::vector<int>{3});
        EXPECT_TRUE(f->AddBtn->Enabled());

        // A refused Set or Delete of a selected VLAN: its row and what was typed stay, and a
        // refused Delete shows the row's status again instead of Destroy.
        for (TButton* button : {f->SetBtn, f->DeleteBtn}) {
            SCOPED_TRACE(button->Caption().std());
            ClickRow(lv, 1);  // VLAN 10
            f->ED_VLANName->SetText("typed");
            ClickAndWait(f, button);
            EXPECT_EQ(lv->Selected(), lv->Items()->Item(1));
            EXPECT_EQ(f->ED_VLANID->Text(), "10");
            EXPECT_EQ(f->ED_VLANName->Text(), "typed");
            EXPECT_EQ(f->Status->Text(), "Active");
            EXPECT_TRUE(f->SetBtn->Enabled());
            EXPECT_TRUE(f->DeleteBtn->Enabled());
        }

        // The next Set sends what the fields show, to the selected VLAN; taken, it empties them.
        agent->Control("fault clear");
        Mark();
        ClickAndWait(f, f->SetBtn);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_EQ(Sets()[0].status, "noError");
        EXPECT_EQ(Varbinds(Sets()[0])[0], kStatic + "1.10 string \"typed\"");
        EXPECT_EQ(Varbinds(Sets()[0])[4], kStatic + "5.10 integer 1");
        EXPECT_EQ(f->ED_VLANName->Text(), "");
        EXPECT_FALSE(f->SetBtn->Enabled());
    });
}

TEST_F(VlanStaticTest, AVlanWithAShortPortListIsShownAsFarAsItGoesAndCanBeSetAndDeleted)
{
    StartSwitch({"fault short " + kStatic + "2 4"});
    Open([&](TVlanStaticForm* f) {
        TListView* lv = f->LV_dot1qVlanStaticEntry;
        Tick(f->ForbiddenPage, {7});  // stale ticks of no row
        boxes.Clear();
        ClickRow(lv, 1);  // VLAN 10: egress ports cut to 4 octets
        bool outOfRange = false;
        for (const std::string& t : Texts())
            outOfRange = outOfRange || t.find("Out of range for the bit(byte) index") != std::string::npos;
        EXPECT_TRUE(outOfRange) << (Texts().empty() ? "no message" : Texts()[0]);
        EXPECT_EQ(f->ED_VLANName->Text(), "mgmt");
        EXPECT_EQ(Ticked(f->EgressPage), (std::vector<int>{1, 2, 3, 4, 25, 26}));
        EXPECT_TRUE(Ticked(f->ForbiddenPage).empty());
        EXPECT_EQ(Ticked(f->UntaggedPage), (std::vector<int>{1, 2, 3, 4}));
        EXPECT_EQ(f->Status->Text(), "Active");
        EXPECT_TRUE(f->SetBtn->Enabled());
        EXPECT_TRUE(f->DeleteBtn->Enabled());

        Tick(f->EgressPage, {5});
        Mark();
        ClickAndWait(f, f->SetBtn);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_EQ(Varbinds(Sets()[0]), (std::vector<std::string>{
                                           kStatic + "1.10 string \"mgmt\"",
                                           kStatic + "2.10 string 0xF80000C000000000",
                                           kStatic + "3.10 string 0x0000000000000000",
                                           kStatic + "4.10 string 0xF000000000000000",
                                           kStatic + "5.10 integer 1",
                                       }));

        boxes.Clear();
        ClickRow(lv, 1);
        Mark();
        ClickAndWait(f, f->DeleteBtn);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_EQ(Varbinds(Sets()[0])[4], kStatic + "5.10 integer 6");
        EXPECT_EQ(Captions(lv), (std::vector<std::string>{"1", "20", "30"}));
    });
}

// A second read of the list while its walk runs (the binding asked again): the list ends with
// one whole walk and its count, and the switch sees the older walk stop before the newer one
// starts. An Add pressed meanwhile starts nothing. The second read comes once the first row is
// in: inside that row's handling, or after it, while the next step is out.
TEST_F(VlanStaticTest, ASecondReadWhileTheWalkRunsEndsWithOneWholeWalk)
{
    struct Case {
        const char* name;
        bool add;           // Add (VLAN 40) instead of Refresh
        bool insideTheRow;  // pressed while the first row is handled
        std::vector<std::string> rows;
    };
    const std::vector<std::string> four{"1", "10", "20", "30"};
    const Case cases[] = {
        {"Refresh inside the first row", false, true, four},
        {"Refresh after the first row", false, false, four},
        {"Add after the first row", true, false, four},
    };
    StartSwitch();
    Open([&](TVlanStaticForm* f) {
        agent->Control("fault delay 200");
        TListView* lv = f->LV_dot1qVlanStaticEntry;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            bool pressed = false;
            bool busyWhenPressed = false;
            auto press = std::make_shared<std::function<void()>>([&] {
                if (pressed) return;
                pressed = true;
                busyWhenPressed = f->StaticRequest->Busy;
                if (c.add) {
                    f->ED_VLANID->SetText("40");
                    f->ED_VLANName->SetText("lab");
                    Click(f->AddBtn);
                } else {
                    f->StaticRequest->Get();
                }
            });
            QMetaObject::Connection hook;
            if (c.insideTheRow)
                hook = QObject::connect(lv->model(), &QAbstractItemModel::rowsInserted, lv, [press, lv] {
                    QTimer::singleShot(0, lv, [press] {
                        if (*press) (*press)();
                    });
                });
            Mark();
            Click(f->RefreshBtn);
            EXPECT_TRUE(WaitFor([&] { return lv->Items()->Count() >= 1; }, 20000));
            if (!c.insideTheRow) (*press)();
            EXPECT_TRUE(WaitFor([&] { return pressed; }));
            QObject::disconnect(hook);
            *press = nullptr;
            EXPECT_TRUE(busyWhenPressed);
            EXPECT_TRUE(WaitFor([&] { return Idle(f->StaticRequest) && Idle(f->NextFreeRequest); }, 20000));
            Settle();
            EXPECT_EQ(Captions(lv), c.rows);
            EXPECT_EQ(f->ST_Count2->Caption().std(), std::to_string(c.rows.size()));
            EXPECT_NE(f->Memo1->Lines()->Get(f->Memo1->Lines()->Count() - 1).Pos("Ok!"), 0);

            // The last walk asks for each row in turn, and nothing of the older walk follows its
            // first step.
            std::vector<std::string> asked;
            for (const SimRequest& r : Since("GETNEXT"))
                if (!r.varbinds.empty() && r.varbinds[0].oid.rfind(kStatic + "1", 0) == 0)
                    asked.push_back(r.varbinds[0].oid.substr(kStatic.size()));
            std::vector<std::string> lastWalk{"1"};
            for (const std::string& row : c.rows) lastWalk.push_back("1." + row);
            EXPECT_EQ(std::count(asked.begin(), asked.end(), "1"), c.add ? 1 : 2);
            auto start = std::find(asked.rbegin(), asked.rend(), "1");
            if (start != asked.rend()) {
                EXPECT_EQ(std::vector<std::string>(start.base() - 1, asked.end()), lastWalk);
            }
            EXPECT_TRUE(Since("SET").empty());
        }
    });
}
