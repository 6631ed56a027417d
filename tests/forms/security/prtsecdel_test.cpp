// The port-security deletion form against the simulated switch: the four objects read and
// written in one request, the VLAN, port and MAC checks, and a port beyond unit 1.
#include "forms/routing_security/prtsecdelctrlform.h"
#include "tests/forms/security/securityfixture.h"

namespace {

const std::string kDel = "1.3.6.1.4.1.171.11.70.2.2.7.2.";

bool Read(TPrtSecDelCtrlForm* f) { return f->Request && !f->edtVlan->Text().IsEmpty(); }

class PortSecurityDeleteTest : public SecurityFormTest {
protected:
    static void Fill(TPrtSecDelCtrlForm* f, const char* vlan, const char* port, const char* mac)
    {
        f->edtVlan->SetText(vlan);
        f->PortEdit->SetText(port);
        f->edtMac->SetText(mac);
    }
};

}  // namespace

TEST(PortSecurityPorts, APortNumberShowsAsReadWithItsUnit)
{
    const int cases[][3] = {{0, 0, 0}, {1, 1, 1}, {27, 1, 27}, {64, 1, 64}, {65, 2, 65}, {130, 3, 130}, {768, 12, 768}};
    for (const auto& c : cases) {
        TPortShown shown = ShownPort(c[0]);
        EXPECT_EQ(shown.unit, c[1]) << c[0];
        EXPECT_EQ(shown.port, c[2]) << c[0];
    }
}

TEST_F(PortSecurityDeleteTest, TheReadAndASetOfAllFourObjects)
{
    StartSwitch();
    RunMenu<TPrtSecDelCtrlForm>("PortSercurityDelete1", Read, [&](TPrtSecDelCtrlForm* f) {
        EXPECT_EQ(f->Caption().std(), "Port Security Delete: 127.0.0.1");
        EXPECT_EQ(f->edtVlan->Text().std(), "default");
        EXPECT_EQ(f->PortEdit->Text().std(), "5");
        EXPECT_EQ(f->UnitEdit->Text().std(), "1");
        EXPECT_EQ(f->edtMac->Text().std(), "001E58A12207");
        EXPECT_FALSE(f->edtPort->Visible());
        EXPECT_FALSE(f->cbxOper->Visible());
        ASSERT_NE(f->Units, nullptr);
        EXPECT_EQ(f->Units->portCount, 27);
        Screenshot(f, "TPrtSecDelCtrlForm");

        Fill(f, "v10", "27", "00aaBBccDD11");
        Mark();
        Click(f->btnSet);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        ASSERT_EQ(sets[0].varbinds.size(), 4u);
        EXPECT_EQ(Varbinds(sets[0])[0], kDel + "1.0 string \"v10\"");
        EXPECT_EQ(Varbinds(sets[0])[1], kDel + "2.0 integer 27");
        EXPECT_EQ(sets[0].varbinds[2].oid, kDel + "3.0");
        EXPECT_EQ(sets[0].varbinds[2].value, std::string("\x00\xaa\xbb\xcc\xdd\x11", 6));
        EXPECT_EQ(Varbinds(sets[0])[3], kDel + "4.0 integer 2");
        EXPECT_EQ(sets[0].status, "noError");
        EXPECT_TRUE(boxes.Boxes().empty());
        EXPECT_EQ(f->edtVlan->Text().std(), "v10");
        EXPECT_EQ(f->PortEdit->Text().std(), "27");
    });
}

TEST_F(PortSecurityDeleteTest, ChecksStopBeforeAnythingIsSent)
{
    StartSwitch();
    struct Case {
        const char *vlan, *port, *mac, *message, *portAfter;
    };
    const char* const kPort = "You should input valid port.";
    const char* const kMac = "You should input valid MAC address.";
    const Case cases[] = {
        {"", "abc", "zz", "You should input Vlan name.", "abc"},  // before the port is looked at
        {"v10", "28", "001E58A12207", kPort, "0"},
        {"v10", "65", "001E58A12207", kPort, "0"},
        {"v10", "0", "001E58A12207", kPort, "0"},
        {"v10", "", "001E58A12207", kPort, ""},
        {"v10", "x3", "001E58A12207", kPort, "x3"},
        {"v10", "3", "00-1E-58-A1-22-07", kMac, "3"},
        {"v10", "3", "001E58A1220", kMac, "3"},
        {"v10", "3", "001E58A1220G", kMac, "3"},
        {"v10", "3", "", kMac, "3"},
    };
    RunMenu<TPrtSecDelCtrlForm>("PortSercurityDelete1", Read, [&](TPrtSecDelCtrlForm* f) {
        Mark();
        for (const Case& c : cases) {
            boxes.Clear();
            Fill(f, c.vlan, c.port, c.mac);
            Click(f->btnSet);
            EXPECT_EQ(Texts(), std::vector<std::string>{c.message}) << c.vlan << " " << c.port << " " << c.mac;
            EXPECT_EQ(f->PortEdit->Text().std(), c.portAfter) << c.port;
        }
        WaitFor([] { return false; }, 50);
        EXPECT_TRUE(Since("SET").empty());
    });
}

// A port of unit 2 read from the switch is shown as read, and a Set refuses it instead of
// deleting on port 1 of unit 1.
TEST_F(PortSecurityDeleteTest, APortBeyondUnitOneIsShownAsReadAndRefused)
{
    StartSwitch({kDel + "2.0 rw integer 65 range=0..768"});
    RunMenu<TPrtSecDelCtrlForm>("PortSercurityDelete1", Read, [&](TPrtSecDelCtrlForm* f) {
        EXPECT_EQ(f->PortEdit->Text().std(), "65");
        EXPECT_EQ(f->UnitEdit->Text().std(), "2");
        Mark();
        Click(f->btnSet);
        EXPECT_EQ(Texts(), std::vector<std::string>{"You should input valid port."});
        WaitFor([] { return false; }, 50);
        EXPECT_TRUE(Since("SET").empty());

        // Refresh reads it again as it is.
        Click(f->btnRefresh);
        EXPECT_EQ(f->PortEdit->Text().std(), "65");
    });
}

TEST_F(PortSecurityDeleteTest, AnAgentRefusalIsShownInTheStatusPanel)
{
    StartSwitch({"fault error 1.3.6.1.4.1.171.11.70.2.2.7.2.4 wrongValue set"});
    RunMenu<TPrtSecDelCtrlForm>("PortSercurityDelete1", Read, [&](TPrtSecDelCtrlForm* f) {
        Fill(f, "v10", "3", "001E58A12207");
        Click(f->btnSet);
        EXPECT_NE(f->StatusBar1->Panels()->Items(0)->Text().std().find("Set:"), std::string::npos)
            << f->StatusBar1->Panels()->Items(0)->Text().std();
        EXPECT_TRUE(boxes.Boxes().empty());
    });
}
