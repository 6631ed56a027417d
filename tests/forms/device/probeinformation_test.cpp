// The RMON probe information form against the simulated switch: the revisions read, the fixed
// capability text, and the reset control written alone.
#include "forms/layer2/probebasicinformationformunit.h"
#include "tests/forms/device/devicefixture.h"

namespace {

const char* const kCapabilities = "etherStats,historyControl,etherHistory,alarm,event,probeConfig";

bool Read(TProbeBasicInformationForm* f) { return f->Request != nullptr; }

using ProbeInformationTest = DeviceFormTest;

}  // namespace

TEST_F(ProbeInformationTest, ShowsTheRevisionsAndWritesTheResetControl)
{
    StartSwitch();
    RunMenu<TProbeBasicInformationForm>("ProbeBasicInformation1", Read, [&](TProbeBasicInformationForm* f) {
        EXPECT_EQ(f->Caption().std(), "Probe Basic Information");
        EXPECT_EQ(f->stCap->Caption().std(), kCapabilities);
        EXPECT_EQ(f->edtCap->Text().std(), "F040");
        EXPECT_FALSE(f->edtCap->Visible());
        EXPECT_EQ(f->stSoftware->Caption().std(), "2.60.017");
        EXPECT_EQ(f->stHardware->Caption().std(), "A1");
        EXPECT_EQ(f->cbxReset->Text().std(), "running");
        EXPECT_EQ(f->StatusBar1->SimpleText().std().find("Get: (QzSNMP++) Ok!"), 0u) << f->StatusBar1->SimpleText().std();
        Screenshot(f, "TProbeBasicInformationForm");

        f->cbxReset->SetItemIndex(2);
        Mark();
        Click(f->btnSet);
        EXPECT_EQ(SetVarbinds(), (std::vector<std::vector<std::string>>{{"1.3.6.1.2.1.16.19.5.0 integer 3"}}));
        EXPECT_EQ(f->StatusBar1->SimpleText().std().find("Set: (QzSNMP++) Ok!"), 0u) << f->StatusBar1->SimpleText().std();

        // Whatever the probe reports next, the capability text stays.
        agent->Control({"1.3.6.1.2.1.16.19.1.0 hex 0001", "1.3.6.1.2.1.16.19.2.0 string \"2.70.001\"",
                        "1.3.6.1.2.1.16.19.5.0 rw integer 1 range=1..3"});
        Click(f->btnGet);
        EXPECT_EQ(f->stSoftware->Caption().std(), "2.70.001");
        EXPECT_EQ(f->cbxReset->Text().std(), "running");
        EXPECT_EQ(f->stCap->Caption().std(), kCapabilities);
    });
}

TEST_F(ProbeInformationTest, ARefusalIsShownInTheStatusBar)
{
    StartSwitch({"fault error 1.3.6.1.2.1.16.19.5 noAccess set"});
    RunMenu<TProbeBasicInformationForm>("ProbeBasicInformation1", Read, [&](TProbeBasicInformationForm* f) {
        f->cbxReset->SetItemIndex(1);
        Click(f->btnSet);
        EXPECT_NE(f->StatusBar1->SimpleText().std().find("(SNMP)"), std::string::npos) << f->StatusBar1->SimpleText().std();
        EXPECT_TRUE(boxes.Boxes().empty());
    });
}
