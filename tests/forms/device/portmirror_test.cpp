// The port mirroring form against the simulated switch: the mirror objects read and written
// in one SET, the target port checked against the source ports and the enabled trunks, and the
// target-port number split into unit and port.
#include "forms/layer2/portmirror.h"
#include "tests/forms/device/devicefixture.h"

namespace {

const std::string kMirror = "1.3.6.1.4.1.171.11.70.2.2.10.";
const std::string kTrunkState = "1.3.6.1.4.1.171.11.70.2.2.9.3.1.7.";

bool Read(TPortMirrorForm* f) { return f->TrunkRequest != nullptr; }

using PortMirrorTest = DeviceFormTest;

}  // namespace

TEST_F(PortMirrorTest, ReadsTheMirrorAndWritesItsFourObjectsInOneSet)
{
    StartSwitch();
    RunMenu<TPortMirrorForm>("PortMirrorTable1", Read, [&](TPortMirrorForm* f) {
        EXPECT_EQ(f->Caption().std(), "Port Mirror Table:127.0.0.1");
        EXPECT_EQ(f->PortEdit->Text().std(), "10");
        EXPECT_EQ(f->UnitEdit->Text().std(), "1");
        EXPECT_EQ(Checked(f->IngressPage), (std::vector<int>{1, 2}));
        EXPECT_EQ(Checked(f->EgressPage), (std::vector<int>{3}));
        EXPECT_TRUE(f->CK_Status->Checked());
        EXPECT_EQ(f->LV_PortTrunk->Items()->Count(), 2);
        EXPECT_FALSE(f->LV_PortTrunk->Visible());
        EXPECT_FALSE(f->btnRemove->Visible());
        Screenshot(f, "TPortMirrorForm");

        f->PortEdit->SetText("12");
        Tick(f->IngressPage, {4});
        f->CK_Status->SetChecked(false);
        Mark();
        Click(f->BT_Set);
        EXPECT_EQ(SetVarbinds(), (std::vector<std::vector<std::string>>{
                                     {kMirror + "1.0 integer 12", kMirror + "2.0 string 0xD000000000000000",
                                      kMirror + "3.0 string 0x2000000000000000", kMirror + "4.0 integer 2"}}));
        EXPECT_TRUE(boxes.Boxes().empty());
        EXPECT_EQ(f->PortEdit->Text().std(), "12");
        EXPECT_FALSE(f->CK_Status->Checked());
    });
}

TEST_F(PortMirrorTest, TheTargetPortIsCheckedBeforeAnythingIsSent)
{
    StartSwitch();
    struct Case {
        const char* port;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"0", {"set valid master port", "Set valid target port"}},
        {"28", {"Set valid target port"}},
        {"1", {"Target port can not be member port!"}},  // an ingress source
        {"3", {"Target port can not be member port!"}},  // an egress source
        {"25", {"Target port can not be Trunk port!"}},  // trunk 1
        {"22", {"Target port can not be Trunk port!"}},  // trunk 2
    };
    RunMenu<TPortMirrorForm>("PortMirrorTable1", Read, [&](TPortMirrorForm* f) {
        Mark();
        for (const Case& c : cases) {
            boxes.Clear();
            f->PortEdit->SetText(c.port);
            Click(f->BT_Set);
            EXPECT_EQ(Texts(), c.messages) << c.port;
        }
        WaitFor([] { return false; }, 50);
        EXPECT_TRUE(Since("SET").empty());
    });
}

// A member of a disabled trunk may be the target; with no source port the warning comes and
// the Set goes all the same.
TEST_F(PortMirrorTest, ADisabledTrunksMemberPassesAndNoSourceOnlyWarns)
{
    StartSwitch({kTrunkState + "2 integer 2"});
    RunMenu<TPortMirrorForm>("PortMirrorTable1", Read, [&](TPortMirrorForm* f) {
        f->IngressPage->ClearChecks();
        f->EgressPage->ClearChecks();
        f->PortEdit->SetText("21");
        Mark();
        Click(f->BT_Set);
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, "Ingress Ports and Egress Ports can not be empty.");
        EXPECT_EQ(SetVarbinds(), (std::vector<std::vector<std::string>>{
                                     {kMirror + "1.0 integer 21", kMirror + "2.0 string 0x0000000000000000",
                                      kMirror + "3.0 string 0x0000000000000000", kMirror + "4.0 integer 3"}}));
    });
}

TEST_F(PortMirrorTest, TheTargetPortNumberShowsAsUnitAndPort)
{
    StartSwitch();
    struct Case {
        int number;
        const char *unit, *port;
    } cases[] = {{64, "1", "64"}, {0, "0", "0"}, {27, "1", "27"}, {65, "2", "1"}, {128, "2", "64"}};
    RunMenu<TPortMirrorForm>("PortMirrorTable1", Read, [&](TPortMirrorForm* f) {
        for (const Case& c : cases) {
            agent->Control(kMirror + "1.0 rw integer " + std::to_string(c.number) + " range=0..768");
            Click(f->BT_Refresh);
            EXPECT_EQ(f->UnitEdit->Text().std(), c.unit) << c.number;
            EXPECT_EQ(f->PortEdit->Text().std(), c.port) << c.number;
        }
        f->PortEdit->SetText("");
        QTest::keyClick(f->PortEdit->Widget(), Qt::Key_A);
        QTest::keyClick(f->PortEdit->Widget(), Qt::Key_7);
        EXPECT_EQ(f->PortEdit->Text().std(), "7");
        EXPECT_EQ(boxes.Beeps(), 1);
    });
}

TEST_F(PortMirrorTest, SetReadsTheMirrorObjectsAgainAndShowsWhatTheSwitchHolds)
{
    StartSwitch();
    RunMenu<TPortMirrorForm>("PortMirrorTable1", Read, [&](TPortMirrorForm* f) {
        // From now on the switch gives its ingress list back cut to one octet.
        agent->Control("fault short " + kMirror + "2 1");
        f->PortEdit->SetText("12");
        Tick(f->IngressPage, {20});
        Mark();
        Click(f->BT_Set);
        ASSERT_EQ(SetVarbinds().size(), 1u);
        Settle();
        std::vector<SimRequest> all = Since();
        ASSERT_GE(all.size(), 2u);
        EXPECT_EQ(all[0].kind, "SET");
        EXPECT_EQ(all[1].kind, "GET");
        ASSERT_EQ(all[1].varbinds.size(), 4u);
        EXPECT_EQ(all[1].varbinds[1].oid, kMirror + "2.0");
        EXPECT_EQ(Checked(f->IngressPage), (std::vector<int>{1, 2}));  // port 20 is not in what it holds
    });
}
