// The static unicast and multicast filtering forms against the simulated switch: their walks,
// adding an entry (for any receive port), changing its egress ports, deleting it, their checks
// and the "Get data not complete" guard.
#include "forms/layer2/multicastfilterinformationformunit.h"
#include "forms/layer2/unicastfilterinformationformunit.h"
#include "tests/forms/vlan/vlanfixture.h"

namespace {

const std::string kUnicast = "1.3.6.1.2.1.17.7.1.3.1.1.";
const std::string kMulticast = "1.3.6.1.2.1.17.7.1.3.2.1.";
// Instances: VLAN . MAC address . receive port
const std::string kUnicast10 = "10.0.80.86.192.0.8.5";
const std::string kGroup1 = "1.1.0.94.0.0.251.0";
const std::string kGroup10 = "10.1.0.94.127.255.250.0";

class StaticFilterTest : public VlanFormTest {
protected:
    void OpenUnicast(const std::function<void(TUnicastFilterInformationForm*)>& body)
    {
        RunMenu<TUnicastFilterInformationForm>(
            "UnicastInformation1", [](TUnicastFilterInformationForm* f) { return Idle(f->FilterRequest); }, body);
    }
    void OpenMulticast(const std::function<void(TMulticastFilterInformationForm*)>& body)
    {
        RunMenu<TMulticastFilterInformationForm>(
            "MulticastInformation1", [](TMulticastFilterInformationForm* f) { return Idle(f->FilterRequest); }, body);
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

TEST_F(StaticFilterTest, UnicastListsTheEntriesAndShowsTheSelectedOne)
{
    StartSwitch();
    OpenUnicast([&](TUnicastFilterInformationForm* f) {
        EXPECT_EQ(f->Caption(), "UnicastFilterInformationForm");
        TListView* lv = f->LV_dot1qStaticUnicastEntry;
        ASSERT_EQ(lv->Items()->Count(), 2);
        EXPECT_EQ(f->ST_Count->Caption(), "2");
        EXPECT_EQ(Row(lv, 0), (std::vector<std::string>{"1", "001B11223344", "0", "2000000000000000", "permanent"}));
        EXPECT_EQ(f->SetBtn->Caption(), "Add");
        EXPECT_TRUE(f->SetBtn->Enabled());
        EXPECT_FALSE(f->DeleteBtn->Enabled());

        ClickRow(lv, 1);
        EXPECT_EQ(f->ED_UnicastVID->Text(), "10");
        EXPECT_EQ(f->UnicastAddress->Text(), "005056C00008");
        EXPECT_EQ(f->UStatus->Text(), "permanent");
        EXPECT_EQ(Ticked(f->PortPage), (std::vector<int>{5, 6}));
        EXPECT_TRUE(f->DeleteBtn->Enabled());
        EXPECT_FALSE(f->SetBtn->Enabled());
        Screenshot(f, "UnicastFilterInformationForm");

        ClickBelowRows(lv);
        EXPECT_EQ(f->ED_UnicastVID->Text(), "");
        EXPECT_TRUE(Ticked(f->PortPage).empty());
        EXPECT_TRUE(f->SetBtn->Enabled());
        EXPECT_FALSE(f->DeleteBtn->Enabled());
    });
    std::vector<SimRequest> walks = Since("GETNEXT");
    ASSERT_FALSE(walks.empty());
    ASSERT_EQ(walks[0].varbinds.size(), 2u);
    EXPECT_EQ(walks[0].varbinds[0].oid, kUnicast + "3");
    EXPECT_EQ(walks[0].varbinds[1].oid, kUnicast + "4");
}

TEST_F(StaticFilterTest, UnicastAddCreatesAPermanentEntryForAnyReceivePort)
{
    StartSwitch();
    OpenUnicast([&](TUnicastFilterInformationForm* f) {
        TListView* lv = f->LV_dot1qStaticUnicastEntry;
        ClickRow(lv, 1);  // an entry of receive port 5, then no selection
        ClickBelowRows(lv);
        Mark();
        f->ED_UnicastVID->SetText("20");
        f->UnicastAddress->SetText("001B11223355");
        f->UStatus->SetItemIndex(2);
        Tick(f->PortPage, {7});
        Click(f->SetBtn);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0].status, "noError");
        EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{
                                         kUnicast + "3.20.0.27.17.34.51.85.0 string 0x0200000000000000",
                                         kUnicast + "4.20.0.27.17.34.51.85.0 integer 3",
                                     }));
        EXPECT_EQ(f->ED_UnicastVID->Text(), "");  // reset after the write
        WaitIdle(f->FilterRequest);
        EXPECT_EQ(Captions(lv), (std::vector<std::string>{"1", "10", "20"}));
        EXPECT_EQ(f->ST_Count->Caption(), "3");
    });
}

TEST_F(StaticFilterTest, UnicastAddAndDeleteRefuseWhatTheyCannotSend)
{
    StartSwitch();
    struct Case {
        const char* vid;
        const char* mac;
        int status;
        bool add;
        const char* box;  // null: a warning of the form's own wording
    } cases[] = {
        {"", "001B11223355", 2, true, nullptr},
        {"20", "", 2, true, nullptr},
        {"20", "001B11223355", 3, true, nullptr},  // deleteOnReset
        {"20", "001B11223355", -1, true, nullptr},
        {"", "001B11223355", 2, false, "Please select which entry you want to delete."},
    };
    OpenUnicast([&](TUnicastFilterInformationForm* f) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.vid) + "/" + c.mac + "/" + std::to_string(c.status));
            f->ED_UnicastVID->SetText(c.vid);
            f->UnicastAddress->SetText(c.mac);
            f->UStatus->SetItemIndex(c.status);
            boxes.Clear();
            Mark();
            if (c.add) Click(f->SetBtn);
            else f->DeleteBtnClick(f->DeleteBtn);  // its button is disabled without a row
            ASSERT_EQ(boxes.Boxes().size(), 1u);
            EXPECT_EQ(boxes.Boxes()[0].caption, "Warning");
            if (c.box) EXPECT_EQ(Texts()[0], c.box);
            EXPECT_TRUE(Since().empty());
        }
        // A read still running: nothing is sent.
        f->ED_UnicastVID->SetText("20");
        f->UnicastAddress->SetText("001B11223355");
        f->UStatus->SetItemIndex(2);
        agent->Control({"fault delay 40"});
        Click(f->RefreshBtn);
        boxes.Clear();
        Mark();
        Click(f->SetBtn);
        EXPECT_EQ(Texts(), std::vector<std::string>{"Get data not complete"});
        WaitIdle(f->FilterRequest);
        EXPECT_TRUE(Since("SET").empty());
    });
}

TEST_F(StaticFilterTest, UnicastAddRefusesAnAddressLongerThanSixOctetsAndSendsNothing)
{
    StartSwitch();
    OpenUnicast([&](TUnicastFilterInformationForm* f) {
        for (const char* mac : {"0011223344556", "00112233445566"}) {
            SCOPED_TRACE(mac);
            f->ED_UnicastVID->SetText("7");
            f->UnicastAddress->SetText(mac);
            f->UStatus->SetItemIndex(2);
            Tick(f->PortPage, {7});
            Mark();
            Click(f->SetBtn);
            WaitIdle(f->FilterRequest);
            EXPECT_TRUE(Since("SET").empty());
            EXPECT_NE(LastLine(f->Memo1).find("(QzSNMP++) Bad value of the associated SNMP variable's (partial) data!"),
                      std::string::npos) << LastLine(f->Memo1);
            EXPECT_EQ(Captions(f->LV_dot1qStaticUnicastEntry), (std::vector<std::string>{"1", "10"}));
        }
    });
}

TEST_F(StaticFilterTest, UnicastDeleteSendsInvalidWithoutThePortsAtTheEntrysIndexAndReadsOnce)
{
    StartSwitch();
    OpenUnicast([&](TUnicastFilterInformationForm* f) {
        TListView* lv = f->LV_dot1qStaticUnicastEntry;
        ClickRow(lv, 1);
        Mark();
        Click(f->DeleteBtn);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), std::vector<std::string>{kUnicast + "4." + kUnicast10 + " integer 2"});
        EXPECT_FALSE(f->DeleteBtn->Enabled());
        EXPECT_EQ(f->ED_UnicastVID->Text(), "");
        WaitIdle(f->FilterRequest);
        WaitFor([] { return false; }, 200);
        EXPECT_EQ(Captions(lv), std::vector<std::string>{"1"});  // read again, once
        EXPECT_EQ(f->FilterRequest->Request.varList.Items(3).access, acReadWrite);

        // The next write of an entry carries its port list again.
        ClickRow(lv, 0);
        ClickBelowRows(lv);
        f->ED_UnicastVID->SetText("30");
        f->UnicastAddress->SetText("001B11223366");
        f->UStatus->SetItemIndex(2);
        Mark();
        Click(f->SetBtn);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_EQ(Sets()[0].varbinds.size(), 2u);
    });
}

TEST_F(StaticFilterTest, MulticastListsSetsOnlyTheEgressPortsAddsAndDeletes)
{
    StartSwitch();
    OpenMulticast([&](TMulticastFilterInformationForm* f) {
        EXPECT_EQ(f->Caption(), "Multicast Filter InformationForm");
        TListView* lv = f->LV_dot1qStaticMulticastEntry;
        ASSERT_EQ(lv->Items()->Count(), 2);
        EXPECT_EQ(f->ST_Count->Caption(), "2");
        EXPECT_EQ(Row(lv, 1), (std::vector<std::string>{"10", "01005E7FFFFA", "0", "0C00000000000000", "deleteOnReset"}));
        EXPECT_TRUE(f->btnAdd->Enabled());
        EXPECT_FALSE(f->SetBtn->Enabled());
        EXPECT_FALSE(f->btnDelete->Enabled());
        EXPECT_FALSE(f->TabSheet2->TabVisible());

        // Set: the egress ports alone, never the status shown.
        ClickRow(lv, 1);
        EXPECT_EQ(f->ED_MACAddress->Text(), "01005E7FFFFA");
        EXPECT_EQ(Ticked(f->PortPage), (std::vector<int>{5, 6}));
        EXPECT_TRUE(f->SetBtn->Enabled());
        EXPECT_FALSE(f->btnAdd->Enabled());
        Screenshot(f, "MulticastFilterInformationForm");
        Tick(f->PortPage, {7});
        f->Status->SetItemIndex(0);
        Mark();
        Click(f->SetBtn);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_EQ(Varbinds(Sets()[0]),
                  std::vector<std::string>{kMulticast + "3." + kGroup10 + " string 0x0E00000000000000"});
        EXPECT_EQ(f->ED_MulticastVID->Text(), "");
        WaitIdle(f->FilterRequest);
        EXPECT_EQ(Row(lv, 1)[4], "deleteOnReset");

        // Add: the chosen status, for any receive port.
        ClickRow(lv, 0);
        ClickBelowRows(lv);
        EXPECT_TRUE(f->btnAdd->Enabled());
        f->ED_MulticastVID->SetText("30");
        f->ED_MACAddress->SetText("01005E000001");
        f->Status->SetItemIndex(4);
        Tick(f->PortPage, {2});
        Mark();
        Click(f->btnAdd);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_EQ(Sets()[0].status, "noError");
        EXPECT_EQ(Varbinds(Sets()[0]), (std::vector<std::string>{
                                           kMulticast + "3.30.1.0.94.0.0.1.0 string 0x4000000000000000",
                                           kMulticast + "5.30.1.0.94.0.0.1.0 integer 5",
                                       }));
        WaitIdle(f->FilterRequest);
        EXPECT_EQ(Captions(lv), (std::vector<std::string>{"1", "10", "30"}));

        // Delete: the row as read, with the status invalid.
        ClickRow(lv, 0);
        Mark();
        Click(f->btnDelete);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_EQ(Varbinds(Sets()[0]), (std::vector<std::string>{
                                           kMulticast + "3." + kGroup1 + " string 0xE000000000000000",
                                           kMulticast + "5." + kGroup1 + " integer 2",
                                       }));
        WaitIdle(f->FilterRequest);
        EXPECT_EQ(Captions(lv), (std::vector<std::string>{"10", "30"}));
    });
}

TEST_F(StaticFilterTest, ARefusedMulticastSetRestoresTheStatusForTheNextRead)
{
    StartSwitch({"fault error " + kMulticast + "3 noAccess set"});
    OpenMulticast([&](TMulticastFilterInformationForm* f) {
        TListView* lv = f->LV_dot1qStaticMulticastEntry;
        ClickRow(lv, 0);
        Mark();
        Click(f->SetBtn);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_NE(Sets()[0].status, "noError");
        WaitIdle(f->FilterRequest);
        EXPECT_EQ(f->FilterRequest->Request.varList.Items(4).access, acReadWrite);
        EXPECT_EQ(LastLine(f->Memo1).find("Ok!"), std::string::npos) << LastLine(f->Memo1);
        Mark();
        Click(f->RefreshBtn);
        WaitIdle(f->FilterRequest);
        std::vector<SimRequest> walks = Since("GETNEXT");
        ASSERT_FALSE(walks.empty());
        EXPECT_EQ(walks[0].varbinds.size(), 2u);
        EXPECT_EQ(Row(lv, 0)[4], "permanent");
    });
}

// After each of these the form holds no row: the fields are empty and the buttons that write
// a selected row are disabled, whether the write went through or the switch refused it.
TEST_F(StaticFilterTest, MulticastEndsEveryWriteAndRefreshWithNoRowAndItsRowButtonsDisabled)
{
    struct Step {
        const char* name;
        bool refused;  // the switch refuses writes of the egress ports
        bool selectFirst;
        std::function<TButton*(TMulticastFilterInformationForm*)> button;
    };
    const Step steps[] = {
        {"Set", false, true, [](TMulticastFilterInformationForm* f) { return f->SetBtn; }},
        {"refused Set", true, true, [](TMulticastFilterInformationForm* f) { return f->SetBtn; }},
        {"Delete", false, true, [](TMulticastFilterInformationForm* f) { return f->btnDelete; }},
        {"Add", false, false, [](TMulticastFilterInformationForm* f) { return f->btnAdd; }},
        {"Refresh", false, true, [](TMulticastFilterInformationForm* f) { return f->RefreshBtn; }},
    };
    StartSwitch();
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        agent->Control(step.refused ? "fault error " + kMulticast + "3 noAccess set" : std::string("fault clear"));
        OpenMulticast([&](TMulticastFilterInformationForm* f) {
            TListView* lv = f->LV_dot1qStaticMulticastEntry;
            if (step.selectFirst) {
                ClickRow(lv, 0);
            } else {
                f->ED_MulticastVID->SetText("30");
                f->ED_MACAddress->SetText("01005E000001");
                f->Status->SetItemIndex(2);
            }
            Click(step.button(f));
            WaitIdle(f->FilterRequest);
            EXPECT_EQ(lv->Selected(), nullptr);
            EXPECT_FALSE(f->SetBtn->Enabled());
            EXPECT_FALSE(f->btnDelete->Enabled());
            EXPECT_TRUE(f->btnAdd->Enabled());
            EXPECT_EQ(f->ED_MulticastVID->Text(), "");
            EXPECT_TRUE(Ticked(f->PortPage).empty());
            Mark();
            f->SetBtnClick(f->SetBtn);  // as if pressed: there is no row to write
            f->btnDeleteClick(f->btnDelete);
            WaitIdle(f->FilterRequest);
            EXPECT_TRUE(Since("SET").empty());
        });
    }
}
