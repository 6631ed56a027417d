// The safeguard engine form against the simulated switch: the read, the checked fields
// written one object per SET in the form's order, the threshold checks, the Set button
// following the boxes, and the flags back after a Set on a busy request.
#include "forms/layer2/safeguardctrlformunit.h"
#include "tests/forms/device/devicefixture.h"

namespace {

const std::string kSg = "1.3.6.1.4.1.171.12.19.2.";

bool Read(TSafeguardCtrlForm* f) { return f->Request && !f->edtRising->Text().IsEmpty(); }

class SafeguardTest : public DeviceFormTest {
protected:
    static std::vector<int> Flags(TSafeguardCtrlForm* f)
    {
        std::vector<int> out;
        for (int i = 0; i < f->Request->Request.varList.GetCount(); ++i)
            out.push_back(f->Request->Request.varList.Items(i).access);
        return out;
    }
    static void Check(TSafeguardCtrlForm* f, bool rising, bool falling, bool mode, bool alarm)
    {
        f->ckRising->SetChecked(rising);
        f->ckFalling->SetChecked(falling);
        f->ckMode->SetChecked(mode);
        f->ckAlarm->SetChecked(alarm);
    }
};

const std::vector<int> kFlags = {acReadWrite, acReadWrite, acReadWrite, acReadWrite, acReadOnly};

}  // namespace

TEST_F(SafeguardTest, ReadsEveryObjectAndWritesTheCheckedOnesOneBySetInOrder)
{
    StartSwitch();
    RunMenu<TSafeguardCtrlForm>("ProtectControl1", Read, [&](TSafeguardCtrlForm* f) {
        EXPECT_EQ(f->Caption().std(), "Safeguard Control");
        EXPECT_EQ(f->edtRising->Text().std(), "30");
        EXPECT_EQ(f->edtFalling->Text().std(), "20");
        EXPECT_EQ(f->cbxMode->Text().std(), "fuzzy");
        EXPECT_EQ(f->cbxAlarm->Text().std(), "enabled");
        EXPECT_EQ(f->cbxCurrentState->Text().std(), "normal");
        EXPECT_FALSE(f->cbxCurrentState->Enabled());
        EXPECT_FALSE(f->btnSet->Enabled());
        EXPECT_EQ(Flags(f), kFlags);
        Screenshot(f, "TSafeguardCtrlForm");

        // Rising and mode, checked in the other order: rising goes first all the same.
        f->ckMode->SetChecked(true);
        f->ckRising->SetChecked(true);
        f->edtRising->SetText("80");
        f->cbxMode->SetItemIndex(0);
        f->edtFalling->SetText("abc");  // not checked, so not looked at
        Mark();
        Click(f->btnSet);
        EXPECT_EQ(SetVarbinds(2), (std::vector<std::vector<std::string>>{{kSg + "1.0 integer 80"},
                                                                          {kSg + "3.0 integer 1"}}));
        EXPECT_TRUE(boxes.Boxes().empty());
        EXPECT_EQ(Flags(f), kFlags);

        // Every box: four SETs, the current status never among them; nothing is read back.
        f->btnCheckAll->Click();
        f->edtFalling->SetText("25");
        f->cbxAlarm->SetItemIndex(1);
        Mark();
        Click(f->btnSet);
        EXPECT_EQ(SetVarbinds(4), (std::vector<std::vector<std::string>>{{kSg + "1.0 integer 80"},
                                                                          {kSg + "2.0 integer 25"},
                                                                          {kSg + "3.0 integer 1"},
                                                                          {kSg + "4.0 integer 2"}}));
        WaitFor([] { return false; }, 50);
        EXPECT_TRUE(Since("GET").empty());
        EXPECT_EQ(Flags(f), kFlags);
    });
}

TEST_F(SafeguardTest, SetFollowsTheBoxes)
{
    StartSwitch();
    RunMenu<TSafeguardCtrlForm>("ProtectControl1", Read, [&](TSafeguardCtrlForm* f) {
        Click(f->ckAlarm);
        EXPECT_TRUE(f->btnSet->Enabled());
        Click(f->ckFalling);
        Click(f->ckAlarm);
        EXPECT_TRUE(f->btnSet->Enabled());
        Click(f->ckFalling);
        EXPECT_FALSE(f->btnSet->Enabled());
        Click(f->btnCheckAll);
        EXPECT_TRUE(f->ckRising->Checked() && f->ckFalling->Checked() && f->ckMode->Checked() && f->ckAlarm->Checked());
        EXPECT_TRUE(f->btnSet->Enabled());
        Click(f->btnClearCheck);
        EXPECT_FALSE(f->ckRising->Checked() || f->ckFalling->Checked() || f->ckMode->Checked() || f->ckAlarm->Checked());
        EXPECT_FALSE(f->btnSet->Enabled());
    });
}

TEST_F(SafeguardTest, ThresholdsOutside20To100AreRefused)
{
    StartSwitch();
    struct Case {
        bool rising, falling;
        const char *risingText, *fallingText, *message;
    };
    const char* const kRising = "Rising Threshold should between 20-100";
    const char* const kFalling = "Falling Threshold should between 20-100";
    const Case cases[] = {
        {true, false, "19", "20", kRising},   {true, false, "101", "20", kRising},
        {true, false, "", "20", kRising},     {true, false, "abc", "20", kRising},
        {true, true, "19", "19", kRising},    // the rising check comes first
        {false, true, "19", "101", kFalling}, {true, true, "100", "0", kFalling},
        {false, true, "50", "", kFalling},
    };
    RunMenu<TSafeguardCtrlForm>("ProtectControl1", Read, [&](TSafeguardCtrlForm* f) {
        Mark();
        for (const Case& c : cases) {
            boxes.Clear();
            Check(f, c.rising, c.falling, false, false);
            f->edtRising->SetText(c.risingText);
            f->edtFalling->SetText(c.fallingText);
            Click(f->btnSet);
            EXPECT_EQ(Texts(), std::vector<std::string>{c.message}) << c.risingText << " " << c.fallingText;
            EXPECT_EQ(Flags(f), kFlags);
        }
        WaitFor([] { return false; }, 50);
        EXPECT_TRUE(Since("SET").empty());

        // The bounds pass, and no check compares the two thresholds.
        boxes.Clear();
        Check(f, true, true, false, false);
        f->edtRising->SetText("20");
        f->edtFalling->SetText("100");
        Mark();
        Click(f->btnSet);
        EXPECT_EQ(SetVarbinds(2), (std::vector<std::vector<std::string>>{{kSg + "1.0 integer 20"},
                                                                          {kSg + "2.0 integer 100"}}));
        EXPECT_TRUE(boxes.Boxes().empty());
    });
}

// A refused SET ends the sequence: what follows it is not sent, the error is shown, and the
// flags come back so that Refresh reads every object again.
TEST_F(SafeguardTest, ARefusedSetEndsTheSequenceAndRestoresTheFlags)
{
    StartSwitch({"fault error " + kSg + "2 genErr set"});
    RunMenu<TSafeguardCtrlForm>("ProtectControl1", Read, [&](TSafeguardCtrlForm* f) {
        Check(f, true, true, true, true);
        Mark();
        Click(f->btnSet);
        std::vector<SimRequest> sets = Sets(2);
        ASSERT_GE(sets.size(), 2u);
        for (const SimRequest& r : sets)  // a slow reply may bring a retry, never a later object
            EXPECT_TRUE(r.varbinds[0].oid == kSg + "1.0" || r.varbinds[0].oid == kSg + "2.0") << r.varbinds[0].oid;
        EXPECT_EQ(Varbinds(sets[0]), std::vector<std::string>{kSg + "1.0 integer 30"});
        EXPECT_EQ(Varbinds(sets[1]), std::vector<std::string>{kSg + "2.0 integer 20"});
        EXPECT_EQ(sets[1].status, "genErr");
        const std::string panel = f->stbStatus->Panels()->Items(0)->Text().std();
        EXPECT_NE(panel.find("(SNMP)"), std::string::npos) << panel;
        EXPECT_EQ(Flags(f), kFlags);

        Mark();
        Click(f->btnGet);
        ASSERT_TRUE(WaitFor([&] { return !Since("GET").empty(); }));  // logged once answered
        std::vector<SimRequest> gets = Since("GET");
        ASSERT_EQ(gets.size(), 1u);
        EXPECT_EQ(gets[0].varbinds.size(), 5u);
    });
}

// Set while the request is busy sends nothing and leaves no object out of the next read.
TEST_F(SafeguardTest, SetOnABusyRequestSendsNothingAndRestoresTheFlags)
{
    StartSwitch();
    RunMenu<TSafeguardCtrlForm>("ProtectControl1", Read, [&](TSafeguardCtrlForm* f) {
        agent->Control("fault delay 300");
        f->Request->Mode = 1;
        f->Request->Get();
        ASSERT_TRUE(f->Request->Busy);
        Check(f, true, false, false, false);
        Mark();
        Click(f->btnSet);
        EXPECT_EQ(Flags(f), kFlags);
        WaitIdle(f->Request);
        agent->Control("fault delay 0");
        f->Request->Mode = 0;
        EXPECT_TRUE(Since("SET").empty());

        agent->Control({kSg + "2.0 rw integer 45 range=20..100", kSg + "3.0 rw integer 1 range=1,2",
                        kSg + "4.0 rw integer 2 range=1..3"});
        Click(f->btnGet);
        EXPECT_EQ(f->edtFalling->Text().std(), "45");
        EXPECT_EQ(f->cbxMode->Text().std(), "strict");
        EXPECT_EQ(f->cbxAlarm->Text().std(), "disabled");
    });
}
