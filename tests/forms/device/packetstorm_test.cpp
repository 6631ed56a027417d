// The packet storm control form against the simulated switch: the recovery port list and the
// trap control read and written in one SET, the hidden ports carried back, and a port list
// shorter than the page.
#include "forms/layer2/packetstormcontrolformunit.h"
#include "tests/forms/device/devicefixture.h"

namespace {

const std::string kRecover = "1.3.6.1.4.1.171.12.25.1.1.0";
const std::string kTrap = "1.3.6.1.4.1.171.12.25.1.2.0";

bool Read(TPacketStormControlForm* f) { return f->Request != nullptr; }

using PacketStormTest = DeviceFormTest;

}  // namespace

TEST_F(PacketStormTest, ReadsThePortsAndTheTrapAndWritesBothInOneSet)
{
    StartSwitch();
    RunMenu<TPacketStormControlForm>("PacketStormControl1", Read, [&](TPacketStormControlForm* f) {
        EXPECT_EQ(f->Caption().std(), "Packet Storm Control Form");
        EXPECT_EQ(Checked(f->PortPage), (std::vector<int>{1, 5}));
        EXPECT_TRUE(f->PortPage->PortCheck(26)->Visible());
        EXPECT_FALSE(f->PortPage->PortCheck(27)->Visible());
        EXPECT_EQ(f->rgPktStromTrapCtrl->ItemIndex(), 1);
        EXPECT_EQ(f->rgPktStromTrapCtrl->Columns(), 4);
        EXPECT_EQ(f->Request->Request.timeout, 300);
        EXPECT_EQ(f->Request->Mode, 0);
        Screenshot(f, "TPacketStormControlForm");

        Tick(f->PortPage, {5}, false);
        Tick(f->PortPage, {27});
        f->rgPktStromTrapCtrl->SetItemIndex(3);
        Mark();
        Click(f->btnSet);
        EXPECT_EQ(SetVarbinds(), (std::vector<std::vector<std::string>>{
                                     {kRecover + " string 0x8000002000000000", kTrap + " integer 4"}}));
        EXPECT_EQ(f->StatusBar1->Panels()->Items(0)->Text().std().find("Set: (QzSNMP++) Ok!"), 0u)
            << f->StatusBar1->Panels()->Items(0)->Text().std();

        Click(f->btnGet);
        EXPECT_EQ(Checked(f->PortPage), (std::vector<int>{1, 27}));
        EXPECT_EQ(f->rgPktStromTrapCtrl->ItemIndex(), 3);
    });
}

// Bits of ports the model lacks stay in the hidden boxes and go back as they were read.
TEST_F(PacketStormTest, PortsBeyondTheModelGoBackUnchanged)
{
    StartSwitch({kRecover + " rw hex 8000000000000101 size=0..96"});
    RunMenu<TPacketStormControlForm>("PacketStormControl1", Read, [&](TPacketStormControlForm* f) {
        EXPECT_EQ(Checked(f->PortPage), (std::vector<int>{1, 56, 64}));
        Tick(f->PortPage, {2});
        Mark();
        Click(f->btnSet);
        EXPECT_EQ(SetVarbinds()[0][0], kRecover + " string 0xC000000000000101");
    });
}

// A list shorter than the page: the boxes past its end do not keep an earlier read's ticks,
// so the next Set does not write them back.
TEST_F(PacketStormTest, AShortPortListLeavesNoStaleBoxes)
{
    StartSwitch({kRecover + " rw hex 8000002000000001 size=0..96"});
    RunMenu<TPacketStormControlForm>("PacketStormControl1", Read, [&](TPacketStormControlForm* f) {
        EXPECT_EQ(Checked(f->PortPage), (std::vector<int>{1, 27, 64}));
        agent->Control(kRecover + " rw hex 4000 size=0..96");
        Click(f->btnGet);
        const std::string panel = f->StatusBar1->Panels()->Items(0)->Text().std();
        EXPECT_NE(panel.find("(QzSNMP++) Out of range for the bit(byte) index of the associated SNMP variable's "
                             "(partial) data!"),
                  std::string::npos)
            << panel;
        EXPECT_EQ(Checked(f->PortPage), (std::vector<int>{2}));

        Mark();
        Click(f->btnSet);
        EXPECT_EQ(SetVarbinds()[0][0], kRecover + " string 0x4000000000000000");
    });
}

TEST_F(PacketStormTest, ARefusedSetIsShownAndTheTicksStay)
{
    StartSwitch({"fault error " + kTrap + " wrongValue set"});
    RunMenu<TPacketStormControlForm>("PacketStormControl1", Read, [&](TPacketStormControlForm* f) {
        Tick(f->PortPage, {9});
        Click(f->btnSet);
        const std::string panel = f->StatusBar1->Panels()->Items(0)->Text().std();
        EXPECT_NE(panel.find("Wrong Value"), std::string::npos) << panel;
        EXPECT_EQ(Checked(f->PortPage), (std::vector<int>{1, 5, 9}));
        EXPECT_TRUE(boxes.Boxes().empty());
    });
}
