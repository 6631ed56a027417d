// The spanning-tree bridge form against the simulated switch: the checks, the two write paths
// (all nine settings, or the MSTP group without the hello time), the progress dialog of a
// version change, and the main window's version text set only by a write the switch took.
#include "forms/layer2/stpinfo.h"
#include "tests/forms/stp/stpfixture.h"

namespace {

const std::string kStp = "1.3.6.1.4.1.171.12.15.1.";
const std::string kState = "1.3.6.1.4.1.171.11.70.2.2.1.2.1.0";

bool Read(TSTP_Info* f) { return f->STPRequest && !f->ET_AgingTime->Text().IsEmpty(); }

class StpInfoTest : public StpFormTest {
protected:
    AnsiString Panel(TSTP_Info* f) const { return f->StatusBar1->Panels()->Items(0)->Text(); }
    AnsiString MainVersion() const { return form->ST_STPVersion->Caption(); }
};

}  // namespace

TEST_F(StpInfoTest, OpensAfterTheMainWindowReadTheVersionAndWritesAllNineSettings)
{
    StartSwitch();
    form->ST_STPVersion->SetCaption("");
    RunMenu<TSTP_Info>("Information2", Read, [&](TSTP_Info* f) {
        EXPECT_EQ(STP_Info, f);
        EXPECT_EQ(MainVersion().std(), "rstp");
        EXPECT_EQ(f->Caption().std(), "Spanning Tree Control : 127.0.0.1");
        EXPECT_EQ(f->Combo_STPVersion->Text().std(), "rstp");
        EXPECT_EQ(f->ET_AgingTime->Text().std(), "2000");
        EXPECT_EQ(f->ET_HelloTime->Text().std(), "200");
        EXPECT_TRUE(f->ET_HelloTime->Enabled());
        EXPECT_EQ(f->lbMSTPState->Caption().std(), "disabled");
        EXPECT_EQ(f->ListView1->Items()->Count(), 1);
        Screenshot(f, "TSTP_Info");

        f->ET_AgingTime->SetText("1800");
        f->ET_ForwardDelay->SetText("1000");
        f->ET_HelloTime->SetText("300");
        Mark();
        Click(f->BT_Set);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]),
                  (std::vector<std::string>{kStp + "2.0 integer 1", kStp + "3.0 integer 1800", kStp + "4.0 integer 300",
                                            kStp + "5.0 integer 1000", kStp + "6.0 integer 20", kStp + "7.0 integer 3",
                                            kStp + "8.0 integer 3", kStp + "9.0 integer 2", kStp + "10.0 integer 60"}));
        EXPECT_EQ(MainVersion().std(), "rstp");
        EXPECT_EQ(ProgressForm2, nullptr);
    });
}

TEST_F(StpInfoTest, ChecksStopBeforeAnythingIsSent)
{
    StartSwitch();
    struct Case {
        const char* age;
        const char* delay;
        const char* hello;
        const char* recover;
        const char* panel;
        const char* box;  // or null
    };
    const Case cases[] = {
        {"1801", "1000", "200", "60", "Data Error !", nullptr},
        {"2000", "1500", "1000", "60", "Data Error !", nullptr},  // 2 x 1000 + 200 > 2000
        {"2000", "1500", "", "60", "Don't Leave Empty Fileds !", nullptr},
        {"2000", "1500", "200", "", "Don't Leave Empty Fileds !", nullptr},
        {"2000", "1500", "200", "59", "LBD recover time value is wrong!",
         "LBD recover time should be equal to 0 or between 60-1000000"},
        {"2000", "1500", "200", "1000001", "LBD recover time value is wrong!",
         "LBD recover time should be equal to 0 or between 60-1000000"},
    };
    RunMenu<TSTP_Info>("Information2", Read, [&](TSTP_Info* f) {
        Mark();
        for (const Case& c : cases) {
            boxes.Clear();
            f->ET_AgingTime->SetText(c.age);
            f->ET_ForwardDelay->SetText(c.delay);
            f->ET_HelloTime->SetText(c.hello);
            f->ET_LBDRecover->SetText(c.recover);
            Click(f->BT_Set);
            EXPECT_EQ(Panel(f).std(), c.panel) << c.age << " " << c.recover;
            EXPECT_EQ(Texts(), c.box ? std::vector<std::string>{c.box} : std::vector<std::string>{}) << c.recover;
        }
        WaitFor([] { return false; }, 50);
        EXPECT_TRUE(Since("SET").empty());
        // The bounds themselves pass.
        for (const char* recover : {"0", "60", "1000000"}) {
            f->ET_AgingTime->SetText("1800");
            f->ET_ForwardDelay->SetText("1000");
            f->ET_HelloTime->SetText("200");
            f->ET_LBDRecover->SetText(recover);
            const size_t before = Since("SET").size();
            Click(f->BT_Set);
            EXPECT_EQ(Sets(before + 1).size(), before + 1) << recover;
        }
    });
}

TEST_F(StpInfoTest, MstpWritesItsGroupWithoutTheHelloTimeThroughTheProgressDialogWhileTheTreeRuns)
{
    StartSwitch({kState + " rw integer 3 range=2,3"});
    auto seen = std::make_shared<ProgressSeen>();
    RunMenu<TSTP_Info>("Information2", Read, [&](TSTP_Info* f) {
        f->Combo_STPVersion->SetItemIndex(2);
        f->Combo_STPVersionChange(f->Combo_STPVersion);
        EXPECT_FALSE(f->ET_HelloTime->Enabled());
        EXPECT_EQ(f->ET_HelloTime->Text().std(), "");
        f->ET_AgingTime->SetText("2200");
        Mark();
        WatchProgress(seen);
        Click(f->BT_Set);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]),
                  (std::vector<std::string>{kStp + "2.0 integer 2", kStp + "3.0 integer 2200", kStp + "5.0 integer 1500",
                                            kStp + "6.0 integer 20", kStp + "7.0 integer 3", kStp + "8.0 integer 3",
                                            kStp + "9.0 integer 2", kStp + "10.0 integer 60"}));
        ASSERT_TRUE(seen->shown);
        EXPECT_EQ(seen->caption, "Set STP Progress");
        EXPECT_EQ(seen->prompt, "Change STP Version is doing...");
        EXPECT_EQ(seen->parent, f);
        EXPECT_EQ(seen->ticks, 31);
        EXPECT_EQ(ProgressForm2, nullptr);
        EXPECT_EQ(MainVersion().std(), "mstp");

        // The same version again: no dialog.
        auto again = std::make_shared<ProgressSeen>();
        WatchProgress(again);
        Click(f->BT_Set);
        EXPECT_EQ(Sets(2).size(), 2u);
        WaitFor([] { return false; }, 30);
        EXPECT_FALSE(again->shown);
    });
}

TEST_F(StpInfoTest, ARefusedWriteLeavesTheMainWindowsVersionAlone)
{
    StartSwitch({"fault error 1.3.6.1.4.1.171.12.15.1.3 genErr set"});
    RunMenu<TSTP_Info>("Information2", Read, [&](TSTP_Info* f) {
        for (int version : {0, 2}) {
            f->Combo_STPVersion->SetItemIndex(version);
            f->Combo_STPVersionChange(f->Combo_STPVersion);
            f->ET_AgingTime->SetText("1800");
            f->StatusBar1->Panels()->Items(0)->SetText("");
            Click(f->BT_Set);
            EXPECT_NE(Panel(f).Pos("General"), 0) << Panel(f).std();
            EXPECT_EQ(MainVersion().std(), "rstp") << version;
        }
    });
}

TEST_F(StpInfoTest, MstpWithoutItsReadRowSaysSoInsteadOfWriting)
{
    StartSwitch();
    RunMenu<TSTP_Info>("Information2", Read, [&](TSTP_Info* f) {
        f->ListView1->Items()->Clear();
        f->Combo_STPVersion->SetItemIndex(2);
        Mark();
        Click(f->BT_Set);
        EXPECT_EQ(Panel(f).std(), "Get data not complete");
        WaitFor([] { return false; }, 50);
        EXPECT_TRUE(Since("SET").empty());
        EXPECT_EQ(MainVersion().std(), "rstp");
    });
}
