// The IP-MAC binding forms against the simulated switch: bindings indexed by address with
// their MAC and port list, the checks of Add and Edit, Delete, a port list shorter than a unit,
// and the blocked hosts' deletion.
#include "forms/layer2/stackingportunit.h"
#include "forms/routing_security/ipmacbindblockedform.h"
#include "forms/routing_security/ipmacbindingform.h"
#include "tests/forms/routing/routingfixture.h"

namespace {

const std::string kBinding = "1.3.6.1.4.1.171.12.23.4.1.1.";
const std::string kBlocked = "1.3.6.1.4.1.171.12.23.4.2.1.";

bool Read(TIPMACBindingForm* f) { return f->Request && f->ListView1->Items()->Count() > 0; }
bool ReadBlocked(TIpMacBindBlockedForm* f) { return f->Request && f->ListView1->Items()->Count() > 0; }

class IpMacBindingTest : public RoutingFormTest {
protected:
    static TCheckBox* Port(TIPMACBindingForm* f, int port)
    {
        return static_cast<TCheckBox*>(f->PortPage->PortChecks->Get(port - 1));
    }
    static std::vector<int> Checked(TIPMACBindingForm* f)
    {
        std::vector<int> out;
        for (int k = 0; k < f->PortPage->PortChecks->Count(); ++k)
            if (static_cast<TCheckBox*>(f->PortPage->PortChecks->Get(k))->Checked()) out.push_back(k + 1);
        return out;
    }
};

}  // namespace

TEST_F(IpMacBindingTest, SelectingABindingFillsTheEditsAndPortsAndRefreshEmptiesThem)
{
    StartSwitch();
    RunMenu<TIPMACBindingForm>("BindingTable1", Read, [&](TIPMACBindingForm* f) {
        EXPECT_EQ(f->Caption().std(), "IP-MAC Binding Form");
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"10.90.90.20", "10.90.90.30"}));
        EXPECT_FALSE(f->btnEdit->Enabled());
        EXPECT_FALSE(f->btnDelete->Enabled());
        ClickRow(f->ListView1, 0);
        EXPECT_EQ(f->edtIpAddr->Text().std(), "10.90.90.20");
        EXPECT_EQ(f->edtMacAddr->Text().std(), "001122334455");
        EXPECT_EQ(Checked(f), (std::vector<int>{1, 2, 3, 9}));
        EXPECT_FALSE(f->edtIpAddr->Enabled());
        EXPECT_TRUE(f->btnEdit->Enabled());
        EXPECT_TRUE(f->btnDelete->Enabled());
        Screenshot(f, "TIPMACBindingForm");
        Click(f->btnGet);
        EXPECT_EQ(f->edtIpAddr->Text().std(), "");
        EXPECT_EQ(f->edtMacAddr->Text().std(), "");
        EXPECT_TRUE(f->edtIpAddr->Enabled());
        EXPECT_TRUE(Checked(f).empty());
        EXPECT_FALSE(f->btnEdit->Enabled());
    });
}

TEST_F(IpMacBindingTest, AddWritesMacCreateAndGoAndThePortList)
{
    StartSwitch();
    RunMenu<TIPMACBindingForm>("BindingTable1", Read, [&](TIPMACBindingForm* f) {
        f->edtIpAddr->SetText("10.90.90.40");
        f->edtMacAddr->SetText("00aabbccddee");
        Port(f, 1)->SetChecked(true);
        Port(f, 9)->SetChecked(true);
        Mark();
        Click(f->btnAdd);
        std::vector<SimRequest> sets = Since("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{
                                         kBinding + "2.10.90.90.40 string 0x00AABBCCDDEE",
                                         kBinding + "3.10.90.90.40 integer 4",
                                         kBinding + "4.10.90.90.40 string 0x8080000000000000",
                                     }));
        EXPECT_EQ(sets[0].status, "noError");
        EXPECT_EQ(f->ListView1->Items()->Count(), 3);
        EXPECT_EQ(f->edtIpAddr->Text().std(), "");
        EXPECT_TRUE(Checked(f).empty());
    });
}

TEST_F(IpMacBindingTest, AddAndEditCheckAddressAndMacFirst)
{
    StartSwitch();
    struct Case {
        const char *ip, *mac, *message;
    };
    const Case cases[] = {
        {"", "001122334455", "Please input a valid ip"},
        {"10.90.90", "001122334455", "Please input a valid ip"},
        {"10.90.90.256", "001122334455", "Please input a valid ip"},
        {"10.90.90.40", "", "Invalid Macaddrss"},
        {"10.90.90.40", "00:11:22:33:44:55", "Invalid Macaddrss"},
        {"10.90.90.40", "0011223344", "Invalid Macaddress"},
    };
    RunMenu<TIPMACBindingForm>("BindingTable1", Read, [&](TIPMACBindingForm* f) {
        Mark();
        for (const Case& c : cases) {
            for (TButton* b : {f->btnAdd, f->btnEdit}) {
                boxes.Clear();
                f->edtIpAddr->SetText(c.ip);
                f->edtMacAddr->SetText(c.mac);
                b->OnClick(b);
                EXPECT_EQ(Texts(), std::vector<std::string>{c.message}) << c.ip << " " << c.mac;
            }
        }
        EXPECT_TRUE(Since("SET").empty());
    });
}

TEST_F(IpMacBindingTest, EditSendsTheRowStatusBackAndDeleteDestroys)
{
    StartSwitch();
    RunMenu<TIPMACBindingForm>("BindingTable1", Read, [&](TIPMACBindingForm* f) {
        ClickRow(f->ListView1, 0);
        f->edtMacAddr->SetText("0011223344AA");
        Port(f, 3)->SetChecked(false);
        Mark();
        Click(f->btnEdit);
        std::vector<SimRequest> sets = Since("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{
                                         kBinding + "2.10.90.90.20 string 0x0011223344AA",
                                         kBinding + "3.10.90.90.20 integer 1",
                                         kBinding + "4.10.90.90.20 string 0xC080000000000000",
                                     }));
        EXPECT_EQ(sets[0].status, "noError");

        ClickRow(f->ListView1, 1);
        Mark();
        Click(f->btnDelete);
        sets = Since("SET");
        ASSERT_EQ(sets.size(), 1u);
        ASSERT_EQ(sets[0].varbinds.size(), 3u);
        EXPECT_EQ(Varbinds(sets[0])[1], kBinding + "3.10.90.90.30 integer 6");
        EXPECT_EQ(Captions(f->ListView1), std::vector<std::string>{"10.90.90.20"});
    });
}

// A port list shorter than a unit's 8 octets leaves no box of the row selected before it
// checked, so Edit does not send that row's ports back.
TEST_F(IpMacBindingTest, AShortPortListLeavesNoStaleBoxes)
{
    StartSwitch({"fault short " + kBinding + "4.10.90.90.30 1"});
    RunMenu<TIPMACBindingForm>("BindingTable1", Read, [&](TIPMACBindingForm* f) {
        ClickRow(f->ListView1, 0);
        EXPECT_EQ(Checked(f), (std::vector<int>{1, 2, 3, 9}));
        boxes.Clear();
        ClickRow(f->ListView1, 1);
        EXPECT_EQ(Checked(f), std::vector<int>{2});
        EXPECT_EQ(f->edtIpAddr->Text().std(), "10.90.90.30");
        Mark();
        Click(f->btnEdit);
        std::vector<SimRequest> sets = Since("SET");
        ASSERT_EQ(sets.size(), 1u);
        ASSERT_EQ(sets[0].varbinds.size(), 3u);
        EXPECT_EQ(Varbinds(sets[0])[2], kBinding + "4.10.90.90.30 string 0x4000000000000000");
    });
}

TEST_F(IpMacBindingTest, BlockedEntriesAreDeletedByTheirVlanAndMac)
{
    StartSwitch();
    RunMenu<TIpMacBindBlockedForm>("BindingBlockedTable1", ReadBlocked, [&](TIpMacBindBlockedForm* f) {
        EXPECT_EQ(f->Caption().std(), "IP-MAC Binding Blocked Table");
        ASSERT_EQ(f->ListView1->Items()->Count(), 2);
        EXPECT_EQ(f->ListView1->Items()->Item(1)->SubItems()->Strings(0).std(), "005056C00009");
        EXPECT_EQ(f->ListView1->Items()->Item(1)->SubItems()->Strings(1).std(), "lab");
        EXPECT_FALSE(f->btnDelete->Enabled());
        Screenshot(f, "TIpMacBindBlockedForm");
        ClickRow(f->ListView1, 1);
        EXPECT_TRUE(f->btnDelete->Enabled());
        Mark();
        Click(f->btnDelete);
        std::vector<SimRequest> sets = Since("SET");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), std::vector<std::string>{kBlocked + "5.20.0.80.86.192.0.9 integer 3"});
        EXPECT_EQ(sets[0].status, "noError");
        EXPECT_EQ(Captions(f->ListView1), std::vector<std::string>{"1"});
    });
}
