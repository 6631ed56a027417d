// The 802.3 MAC-control and pause forms against the simulated switch: the port tables, the
// counters read at the selected port's instance and polled at the chosen interval, Set of the
// admin mode, and Refresh and Set that never lock when a request cannot start.
#include "forms/layer2/dot3controlformunit.h"
#include "forms/layer2/dot3pauseformunit.h"
#include "tests/forms/security/securityfixture.h"

namespace {

const std::string kPause = "1.3.6.1.2.1.10.7.10.1.";
const std::string kControl = "1.3.6.1.2.1.10.7.9.1.";

bool Read(TDot3FormBase* f) { return f->ReadDone && f->TableRequest && !f->TableRequest->Busy; }

AnsiString Value(TDot3FormBase* f, int row) { return f->ListView2->Items()->Item(row)->SubItems()->Get(0); }

std::string LastLine(TMemo* memo)
{
    TStrings* lines = memo->Lines();
    return lines->Count() ? lines->Get(lines->Count() - 1).std() : std::string();
}

// The OIDs of the GETs logged.
std::vector<std::string> GetOids(const std::vector<SimRequest>& gets)
{
    std::vector<std::string> out;
    for (const SimRequest& r : gets)
        for (const SimVarbind& vb : r.varbinds) out.push_back(vb.oid);
    return out;
}

class Dot3Test : public SecurityFormTest {
protected:
    // Every row of the list fills its view: a click beside the rows, as the list view gives it.
    static void ClickNoRow(TDot3FormBase* f)
    {
        f->ListView1->ClearSelection();
        f->ListView1Click(f->ListView1);
    }
    void OpenPause(std::function<void(Tdot3PauseForm*)> body)
    {
        RunMenu<Tdot3PauseForm>("dot3PauseTable1", [](Tdot3PauseForm* f) { return Read(f); }, body);
    }
    void OpenControl(std::function<void(Tdot3ControlForm*)> body)
    {
        RunMenu<Tdot3ControlForm>("dot3ControlTable1", [](Tdot3ControlForm* f) { return Read(f); }, body);
    }
    // The operator picks an interval.
    static void ChooseInterval(TDot3FormBase* f, int item)
    {
        f->cbxInterval->SetItemIndex(item);
        f->cbxIntervalChange(f->cbxInterval);
    }
};

}  // namespace

TEST_F(Dot3Test, ThePauseFormReadsTheSelectedPortsCountersAtItsInstance)
{
    StartSwitch();
    OpenPause([&](Tdot3PauseForm* f) {
        EXPECT_EQ(f->Caption(), "dot3PauseForm");
        ASSERT_EQ(f->ListView1->Items()->Count(), 27);
        EXPECT_EQ(f->ListView1->Items()->Item(4)->Caption(), "5");
        EXPECT_EQ(f->ListView1->Items()->Item(4)->SubItems()->Get(0), "enabledXmitAndRcv");
        EXPECT_FALSE(f->btnSet->Enabled());
        EXPECT_FALSE(f->Timer1->Enabled());
        EXPECT_EQ(f->cbxInterval->Text(), "none");

        Mark();
        ClickRow(f->ListView1, 4);
        Settle();
        EXPECT_EQ(GetOids(Since("GET")), (std::vector<std::string>{kPause + "3.5", kPause + "4.5"}));
        EXPECT_EQ(f->CounterRequest->Mode, 0);
        EXPECT_EQ(Value(f, 0), "5000");
        EXPECT_EQ(Value(f, 1), "2500");
        EXPECT_EQ(f->cbxInterval->Text(), "5s");
        EXPECT_TRUE(f->Timer1->Enabled());
        EXPECT_EQ(f->Timer1->Interval(), 5000u);
        EXPECT_TRUE(f->btnSet->Enabled());
        EXPECT_EQ(f->cbxAdminMode->Text(), "enabledXmitAndRcv");
        Screenshot(f, "dot3PauseForm");

        // A click on no row: values gone, polling off.
        ClickNoRow(f);
        EXPECT_EQ(Value(f, 0), "");
        EXPECT_EQ(Value(f, 1), "");
        EXPECT_FALSE(f->Timer1->Enabled());
        EXPECT_EQ(f->cbxInterval->ItemIndex(), 0);
        EXPECT_FALSE(f->btnSet->Enabled());
        EXPECT_EQ(f->cbxAdminMode->ItemIndex(), -1);
    });
}

TEST_F(Dot3Test, ThePollReadsTheChosenPortAtTheChosenIntervalAndShowsTheCountersMove)
{
    StartSwitch();
    agent->Control("counters moving");
    OpenPause([&](Tdot3PauseForm* f) {
        const struct {
            int item;
            bool on;
            unsigned interval;
        } intervals[] = {{1, true, 2000}, {2, true, 5000}, {3, true, 10000}, {4, true, 30000}, {5, true, 60000},
                         {0, false, 0}};
        for (const auto& c : intervals) {
            ChooseInterval(f, c.item);
            EXPECT_EQ(f->Timer1->Enabled(), c.on) << c.item;
            if (c.on) EXPECT_EQ(f->Timer1->Interval(), c.interval) << c.item;
        }

        ClickRow(f->ListView1, 2);
        ChooseInterval(f, 1);
        EXPECT_EQ(f->Timer1->Interval(), 2000u);
        const AnsiString first = Value(f, 0);
        Mark();
        // Ticks of the poll until the agent's counter has moved.
        EXPECT_TRUE(WaitFor([&] {
            f->Timer1Timer(f->Timer1);
            return Value(f, 0) != first;
        }, 5000));
        EXPECT_GT(StrToInt(Value(f, 0)), StrToInt(first));
        for (const std::string& oid : GetOids(Since("GET"))) EXPECT_TRUE(oid == kPause + "3.3" || oid == kPause + "4.3") << oid;
        EXPECT_TRUE(f->Timer1->Enabled());
    });
}

TEST_F(Dot3Test, ATickBeforeAnyPortIsChosenFindsNoDataAndStopsThePoll)
{
    StartSwitch();
    OpenPause([&](Tdot3PauseForm* f) {
        ChooseInterval(f, 1);
        ASSERT_TRUE(f->Timer1->Enabled());
        f->Timer1Timer(f->Timer1);
        EXPECT_EQ(LastLine(f->Memo1), "Get data not completed!");
        EXPECT_FALSE(f->Timer1->Enabled());
        EXPECT_EQ(f->cbxInterval->Text(), "none");
        WaitIdle(f->CounterRequest);
    });
}

TEST_F(Dot3Test, SetWritesTheAdminModeOfTheSelectedPortAloneAndReadsTheTableAgain)
{
    StartSwitch();
    OpenPause([&](Tdot3PauseForm* f) {
        ClickRow(f->ListView1, 11);
        f->cbxAdminMode->SetItemIndex(2);
        Mark();
        Click(f->btnSet);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_EQ(Varbinds(Sets()[0]), std::vector<std::string>{kPause + "1.12 integer 3"});
        EXPECT_FALSE(f->btnSet->Enabled());
        EXPECT_FALSE(f->Timer1->Enabled());
        EXPECT_TRUE(WaitFor([&] { return Read(f) && !Since("GETNEXT").empty(); }));
        EXPECT_EQ(f->ListView1->Items()->Item(11)->SubItems()->Get(0), "enabledRcv");
    });
}

TEST_F(Dot3Test, RefreshAndSetStayPossibleWhenTheirRequestCannotStart)
{
    StartSwitch();
    OpenPause([&](Tdot3PauseForm* f) {
        const AnsiString address = f->TableRequest->Request.device.address;
        f->TableRequest->Request.device.address = "no.such.address.";
        Click(f->btnGet);
        EXPECT_TRUE(f->ReadDone);
        EXPECT_FALSE(LastLine(f->Memo1).empty());
        f->TableRequest->Request.device.address = address;
        Mark();
        Click(f->btnGet);
        EXPECT_TRUE(WaitFor([&] { return Read(f) && !Since("GETNEXT").empty(); }));

        ClickRow(f->ListView1, 0);
        f->TableRequest->Request.device.address = "no.such.address.";
        f->Memo1->Lines()->Clear();
        Click(f->btnSet);
        EXPECT_TRUE(f->ReadDone);
        EXPECT_FALSE(f->btnSet->Enabled());
        EXPECT_FALSE(LastLine(f->Memo1).empty());

        f->TableRequest->Request.device.address = address;
        ClickRow(f->ListView1, 0);
        f->cbxAdminMode->SetItemIndex(0);
        Mark();
        Click(f->btnSet);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_EQ(Varbinds(Sets()[0]), std::vector<std::string>{kPause + "1.1 integer 1"});
    });
}

TEST_F(Dot3Test, RefreshTwiceQuicklyStartsOneWalk)
{
    StartSwitch();
    OpenPause([&](Tdot3PauseForm* f) {
        agent->Control("fault delay 100");
        Mark();
        Click(f->btnGet);
        Click(f->btnGet);
        agent->Control("fault delay 0");
        EXPECT_TRUE(WaitFor([&] { return Read(f); }));
        size_t walks = 0;
        for (const SimRequest& r : Since("GETNEXT"))
            if (!r.varbinds.empty() && r.varbinds[0].oid == kPause + "1") ++walks;
        EXPECT_EQ(walks, 1u);
        EXPECT_EQ(f->ListView1->Items()->Count(), 27);
    });
}

TEST_F(Dot3Test, TheControlFormShowsThePauseCapabilityAndTheUnknownOpcodesOfThePort)
{
    StartSwitch();
    OpenControl([&](Tdot3ControlForm* f) {
        EXPECT_EQ(f->Caption(), "dot3 Control Table");
        ASSERT_EQ(f->ListView1->Items()->Count(), 27);
        EXPECT_TRUE(f->CheckBox[0]->Visible());
        for (int k = 1; k < 8; ++k) EXPECT_FALSE(f->CheckBox[k]->Visible()) << k;
        EXPECT_EQ(f->ListView2->Items()->Item(0)->Caption(), "Recived Unknown Opcodes");

        Mark();
        ClickRow(f->ListView1, 1);
        Settle();
        EXPECT_EQ(GetOids(Since("GET")), std::vector<std::string>{kControl + "2.2"});
        EXPECT_TRUE(f->CheckBox[0]->Checked());
        EXPECT_EQ(Value(f, 0), "6");
        Screenshot(f, "dot3ControlForm");

        ClickNoRow(f);
        EXPECT_FALSE(f->CheckBox[0]->Checked());
        EXPECT_EQ(Value(f, 0), "");
    });
}
