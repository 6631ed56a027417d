// The layer-2 device control form against the simulated switch: one SET of exactly the checked
// fields, the web and telnet ports read around a pause while their server is enabled, and the
// RMON menu items following the state when the form closes.
#include <algorithm>

#include "forms/layer2/layer2controlunit.h"
#include "platform/snmp/snmperrs.h"
#include "platform/ui/menus.h"
#include "tests/forms/stp/stpfixture.h"

namespace {

const std::string kDev = "1.3.6.1.4.1.171.11.70.2.2.1.2.";
const std::string kWebPort = kDev + "13.2.0";
const std::string kTelnetPort = kDev + "14.2.0";

bool Read(TLayer2ControlForm* f) { return f->MainRequest && !f->IGMPComBo->Text().IsEmpty(); }

class Layer2ControlTest : public StpFormTest {
protected:
    // The objects of each GET since Mark(), one text per request, once at least `count` are
    // logged (the agent may log a request after it has answered it).
    std::vector<std::string> Gets(size_t count = 1) const
    {
        WaitFor([&] { return Since("GET").size() >= count; });
        Settle();
        std::vector<std::string> out;
        for (const SimRequest& r : Since("GET")) {
            std::string oids;
            for (const SimVarbind& vb : r.varbinds) oids += (oids.empty() ? "" : " ") + vb.oid.substr(kDev.size());
            out.push_back(oids);
        }
        return out;
    }
    // A read of every main object since Mark(): no flag was left invalid.
    bool ReadsAllMain() const
    {
        return WaitFor([&] {
            std::vector<std::string> gets = Gets(0);
            return std::find(gets.begin(), gets.end(), AllMain()) != gets.end();
        }, 3000);
    }
    static std::string AllMain() { return "2.0 3.0 4.0 5.0 6.0 7.0 8.0 9.0 10.0 13.1.0 14.1.0 15.0"; }
};

}  // namespace

TEST_F(Layer2ControlTest, OpensWithEveryGroupReadAndTheCaptionOfTheAgent)
{
    StartSwitch();
    Mark();
    RunMenu<TLayer2ControlForm>("DeviceControl1", Read, [&](TLayer2ControlForm* f) {
        EXPECT_EQ(Layer2ControlForm, f);
        EXPECT_EQ(f->Caption().std(), "Layer2 Control: 127.0.0.1");
        EXPECT_EQ(Gets(3), (std::vector<std::string>{AllMain(), "13.2.0", "14.2.0"}));
        EXPECT_EQ(f->IGMPComBo->Text().std(), "disabled");
        EXPECT_EQ(f->RmonComBo->Text().std(), "enabled");
        EXPECT_EQ(f->CleanComBo->Text().std(), "normal");
        EXPECT_EQ(f->IPConfigComBo->Text().std(), "disabled");
        EXPECT_EQ(f->IPConfigComBo->Items()->Get(0).std(), "enabled");
        EXPECT_EQ(f->VlanEdit->Text().std(), "1");
        EXPECT_EQ(f->WebPortEdit->Text().std(), "80");
        EXPECT_EQ(f->TelPortEdit->Text().std(), "23");
        EXPECT_TRUE(f->CheckBox[7]->Enabled());
        Screenshot(f, "TLayer2ControlForm");
    });
}

TEST_F(Layer2ControlTest, SetCheckedWritesExactlyTheCheckedFieldsInOneSet)
{
    StartSwitch();
    RunMenu<TLayer2ControlForm>("DeviceControl1", Read, [&](TLayer2ControlForm* f) {
        // Nothing checked: nothing of the main group goes; the ports are read around the pause.
        Mark();
        Click(f->SetButton);
        for (const SimRequest& r : Since("SET")) EXPECT_TRUE(r.varbinds.empty());
        // (A read of the opening may be logged late, after the mark: the last five count.)
        const std::vector<std::string> expected{AllMain(), "13.2.0", "13.2.0", "14.2.0", "14.2.0"};
        EXPECT_TRUE(WaitFor([&] {
            std::vector<std::string> gets = Gets(0);
            return gets.size() >= 5 && std::equal(expected.begin(), expected.end(), gets.end() - 5);
        }, 3000)) << ::testing::PrintToString(Gets(0));
        EXPECT_EQ(f->WebPortEdit->Text().std(), "80");
        EXPECT_FALSE(f->WebPortEdit->ReadOnly());

        // Only the counters: that one object; every object is read again afterwards.
        f->CleanComBo->SetItemIndex(1);
        f->CheckBox[4]->SetChecked(true);
        Mark();
        Click(f->SetButton);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), std::vector<std::string>{kDev + "5.0 integer 2"});
        EXPECT_TRUE(ReadsAllMain());

        // Check All: every field in one SET, then the ports written as checked.
        f->VlanEdit->SetText("20");
        f->WebPortEdit->SetText("8080");
        Click(f->CheckButton);
        Mark();
        Click(f->SetButton);
        sets = Sets(3);
        ASSERT_EQ(sets.size(), 3u);
        EXPECT_EQ(sets[0].varbinds.size(), 12u);
        EXPECT_EQ(Varbinds(sets[0])[4], kDev + "6.0 integer 20");
        EXPECT_EQ(Varbinds(sets[1]), std::vector<std::string>{kWebPort + " integer 8080"});
        EXPECT_EQ(Varbinds(sets[2]), std::vector<std::string>{kTelnetPort + " integer 23"});
        EXPECT_EQ(f->WebPortEdit->Text().std(), "8080");

        Click(f->ClearButton);
        for (int n = 1; n <= 14; ++n) EXPECT_FALSE(f->CheckBox[n]->Checked()) << n;
    });
}

TEST_F(Layer2ControlTest, ADisabledServerPortIsNeitherReadNorWrittenNorChecked)
{
    StartSwitch({kDev + "13.1.0 rw integer 2 range=2,3"});
    Mark();
    RunMenu<TLayer2ControlForm>("DeviceControl1", Read, [&](TLayer2ControlForm* f) {
        EXPECT_EQ(f->WebStateComBo->Text().std(), "disabled");
        EXPECT_EQ(f->WebPortEdit->Text().std(), "");
        EXPECT_FALSE(f->WebPortEdit->Enabled());
        EXPECT_FALSE(f->CheckBox[7]->Enabled());
        Click(f->CheckButton);
        EXPECT_FALSE(f->CheckBox[7]->Checked());
        EXPECT_TRUE(f->CheckBox[9]->Checked());
        Click(f->ClearButton);

        // The state enabled and only its box checked: the state goes, then the port is read
        // twice with the pause between and its box can be checked again.
        f->WebStateComBo->SetItemIndex(1);
        f->CheckBox[6]->SetChecked(true);
        Click(f->SetButton);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), std::vector<std::string>{kDev + "13.1.0 integer 3"});
        EXPECT_TRUE(f->WebPortEdit->Enabled());
        EXPECT_TRUE(f->CheckBox[7]->Enabled());
        EXPECT_EQ(f->WebPortEdit->Text().std(), "80");
    });
    std::vector<std::string> gets = Gets(8);
    // Last, the main window's own RMON read as the form closes.
    EXPECT_EQ(gets, (std::vector<std::string>{AllMain(), "14.2.0", AllMain(), "13.2.0", "13.2.0", "14.2.0", "14.2.0",
                                              "4.0"}));
}

TEST_F(Layer2ControlTest, ACheckedEmptyFieldIsWarnedAboutAndTheSetStillRuns)
{
    StartSwitch();
    struct Case {
        int box;
        TEdit* TLayer2ControlForm::*edit;
    };
    const Case cases[] = {
        {5, &TLayer2ControlForm::VlanEdit},
        {13, &TLayer2ControlForm::edtNotifySize},
        {7, &TLayer2ControlForm::WebPortEdit},
    };
    RunMenu<TLayer2ControlForm>("DeviceControl1", Read, [&](TLayer2ControlForm* f) {
        for (const Case& c : cases) {
            boxes.Clear();
            Click(f->ClearButton);
            f->CheckBox[c.box]->SetChecked(true);
            (f->*c.edit)->SetText("");
            Mark();
            Click(f->SetButton);
            EXPECT_EQ(Texts(), std::vector<std::string>{"Some Checked fields are empty."}) << c.box;
            // The form goes on: the main group and the ports are read again.
            EXPECT_FALSE(Gets().empty()) << c.box;
        }
        // The flags came back: the next read has every object.
        Mark();
        Click(f->GetButton);
        EXPECT_TRUE(ReadsAllMain());
    });
}

TEST_F(Layer2ControlTest, ClosingTheFormAppliesTheRmonStateToTheMenu)
{
    StartSwitch();
    auto* statistics = dynamic_cast<TMenuItem*>(form->FindComponent("Statistics1"));
    ASSERT_NE(statistics, nullptr);
    form->ApplyRmonMenuState();
    EXPECT_TRUE(statistics->Enabled());
    RunMenu<TLayer2ControlForm>("DeviceControl1", Read, [&](TLayer2ControlForm* f) {
        f->RmonComBo->SetItemIndex(0);
        f->CheckBox[3]->SetChecked(true);
        Click(f->SetButton);
        EXPECT_EQ(Varbinds(Sets()[0]), std::vector<std::string>{kDev + "4.0 integer 2"});
        EXPECT_TRUE(statistics->Enabled());
        Click(f->CloseButton);
    });
    EXPECT_FALSE(statistics->Enabled());
    EXPECT_EQ(Layer2ControlForm, nullptr);
}

TEST(Layer2PortPause, LongerUnderSnmpV3)
{
    EXPECT_EQ(Layer2PortPause(version1), 800u);
    EXPECT_EQ(Layer2PortPause(version2c), 800u);
    EXPECT_EQ(Layer2PortPause(version3), 1500u);
}

TEST_F(Layer2ControlTest, SetCheckedWithNoBoxCheckedSendsNothingAndReadsAgain)
{
    StartSwitch();
    RunMenu<TLayer2ControlForm>("DeviceControl1", Read, [&](TLayer2ControlForm* f) {
        Click(f->ClearButton);
        f->IGMPComBo->SetItemIndex(0);  // changed, not checked
        const int lines = f->Memo1->Lines()->Count();
        Mark();
        Click(f->SetButton);
        EXPECT_TRUE(ReadsAllMain());
        EXPECT_TRUE(Since("SET").empty());
        for (int i = lines; i < f->Memo1->Lines()->Count(); ++i)
            EXPECT_EQ(f->Memo1->Lines()->Get(i).Pos("Set:"), 0) << f->Memo1->Lines()->Get(i).std();
    });
}
