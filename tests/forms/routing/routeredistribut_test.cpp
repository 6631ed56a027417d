// The route redistribution form (hidden in the menu, opened directly) against the simulated
// switch: rules indexed by source and destination protocol, the types and metric range each
// pair allows, Set, Add and Delete, and failures shown in the memo.
#include "forms/routing_security/routeredistributform.h"
#include "tests/forms/routing/routingfixture.h"

namespace {

const std::string kRule = "1.3.6.1.4.1.171.11.55.2.3.5.1.";

bool Read(TRouteRedistributForm* f) { return f->Request && !f->Request->Busy && f->ListView1->Items()->Count() > 0; }

class RouteRedistributTest : public RoutingFormTest {
protected:
    static std::vector<int> Offered(TRouteRedistributForm* f)
    {
        std::vector<int> out;
        for (int n = 1; n <= 10; ++n)
            if (f->RadioButtons[n - 1]->Enabled()) out.push_back(n);
        return out;
    }
    static int CheckedType(TRouteRedistributForm* f)
    {
        for (int n = 1; n <= 10; ++n)
            if (f->RadioButtons[n - 1]->Checked()) return n;
        return 0;
    }
    static void Pick(TRouteRedistributForm* f, const char* src, const char* dst)
    {
        f->ComboBox1->SetItemIndex(f->ComboBox1->Items()->IndexOf(src));
        f->ComboBox2->SetItemIndex(f->ComboBox2->Items()->IndexOf(dst));
        f->ComboBox1Change(f->ComboBox1);
    }
    // The SET sent by a click, once the table has been read again.
    std::vector<SimRequest> WriteWith(TRouteRedistributForm* f, TBitBtn* button)
    {
        Mark();
        Click(button);
        std::vector<SimRequest> sets = Sets();
        WaitFor([&] { return Idle(f->Request); });
        return sets;
    }
};

}  // namespace

TEST_F(RouteRedistributTest, SelectingARuleChecksItsTypeAndOffersWhatItsProtocolsAllow)
{
    StartSwitch();
    RunForm<TRouteRedistributForm>(Read, [&](TRouteRedistributForm* f) {
        EXPECT_EQ(f->Caption().std(), "Route Redistribution Table");
        ASSERT_EQ(f->ListView1->Items()->Count(), 2);
        ClickRow(f->ListView1, 0);
        EXPECT_EQ(f->ComboBox1->Text().std(), "ospf");
        EXPECT_EQ(f->ComboBox2->Text().std(), "rip");
        EXPECT_EQ(f->Edit1->Text().std(), "5");
        EXPECT_EQ(CheckedType(f), 8);  // inter+E2
        EXPECT_EQ(f->Label5->Caption().std(), "[0..16]");
        EXPECT_EQ(Offered(f), (std::vector<int>{1, 2, 5, 6, 7, 8, 9, 10}));
        EXPECT_TRUE(f->DeleteBtn->Enabled());
        Screenshot(f, "TRouteRedistributForm");
        ClickRow(f->ListView1, 1);
        EXPECT_EQ(CheckedType(f), 3);  // type-1
        EXPECT_EQ(f->Label5->Caption().std(), "[0..16777214]");
        EXPECT_EQ(Offered(f), (std::vector<int>{3, 4}));

        Pick(f, "static", "rip");
        EXPECT_EQ(Offered(f), std::vector<int>{2});
        EXPECT_EQ(f->Label5->Caption().std(), "[0..16]");
        // rip into rip changes nothing.
        Pick(f, "rip", "rip");
        EXPECT_EQ(Offered(f), std::vector<int>{2});
        // "other" leaves the type without a value.
        f->RadioButtons[0]->SetEnabled(true);
        f->RadioButtons[0]->SetChecked(true);
        EXPECT_EQ(f->ComboBox3->ItemIndex(), -1);
        f->RadioButtons[1]->SetChecked(true);
        EXPECT_EQ(f->ComboBox3->Text().std(), "all");
    });
}

TEST_F(RouteRedistributTest, MetricIsCheckedAgainstTheDestinationsRange)
{
    StartSwitch();
    struct Case {
        const char *src, *dst, *metric, *message;
    };
    const Case cases[] = {
        {"static", "rip", "17", "Metric out of Bound [0..16]"},
        {"ospf", "rip", "99", "Metric out of Bound [0..16]"},
        {"rip", "ospf", "16777215", "Metric out of Bound [0..16777214]"},
        {"rip", "ospf", "", nullptr},  // only the focus moves
    };
    RunForm<TRouteRedistributForm>(Read, [&](TRouteRedistributForm* f) {
        Mark();
        for (const Case& c : cases) {
            for (TBitBtn* b : {f->AddBtn, f->EditBtn}) {
                boxes.Clear();
                Pick(f, c.src, c.dst);
                f->Edit1->SetText(c.metric);
                b->OnClick(b);
                EXPECT_EQ(Texts(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{})
                    << c.src << " " << c.dst << " " << c.metric;
            }
        }
        WaitFor([] { return false; }, 50);
        EXPECT_TRUE(Since("SET").empty());
    });
}

TEST_F(RouteRedistributTest, AddSetAndDeleteWriteAtSourceAndDestination)
{
    StartSwitch();
    RunForm<TRouteRedistributForm>(Read, [&](TRouteRedistributForm* f) {
        Pick(f, "rip", "ospf");
        f->RadioButtons[3]->SetChecked(true);  // type-2
        f->Edit1->SetText("16777214");
        std::vector<SimRequest> sets = WriteWith(f, f->AddBtn);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{kRule + "3.2.3 integer 4", kRule + "4.2.3 integer 16777214",
                                                               kRule + "5.2.3 integer 4"}));
        EXPECT_EQ(sets[0].status, "noError");
        EXPECT_TRUE(WaitFor([&] { return Read(f) && f->ListView1->Items()->Count() == 3; }));

        ClickRow(f->ListView1, 1);  // ospf into rip
        f->Edit1->SetText("7");
        sets = WriteWith(f, f->EditBtn);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{kRule + "3.3.2 integer 8", kRule + "4.3.2 integer 7",
                                                               kRule + "5.3.2 integer 1"}));

        EXPECT_TRUE(WaitFor([&] { return Read(f) && f->ListView1->Items()->Count() == 3; }));
        ClickRow(f->ListView1, 2);  // static into ospf
        sets = WriteWith(f, f->DeleteBtn);
        ASSERT_EQ(sets.size(), 1u);
        ASSERT_EQ(sets[0].varbinds.size(), 3u);
        EXPECT_EQ(Varbinds(sets[0])[2], kRule + "5.4.3 integer 6");
        EXPECT_TRUE(WaitFor([&] { return Read(f) && f->ListView1->Items()->Count() == 2; }));
    });
}

// A failure before anything is sent is a line of the memo, not silence.
TEST_F(RouteRedistributTest, AFailureBeforeSendingIsShownInTheMemo)
{
    StartSwitch();
    RunForm<TRouteRedistributForm>(Read, [&](TRouteRedistributForm* f) {
        const size_t before = Lines(f->Memo1).size();
        f->ComboBox1->SetItemIndex(-1);  // no source protocol: no instance to write at
        f->ComboBox2->SetItemIndex(0);
        f->Edit1->SetText("3");
        Mark();
        Click(f->AddBtn);
        std::vector<std::string> lines = Lines(f->Memo1);
        ASSERT_EQ(lines.size(), before + 1);
        EXPECT_FALSE(lines.back().empty());
        EXPECT_EQ(lines.back().find("Set:"), std::string::npos) << lines.back();
        WaitFor([] { return false; }, 50);
        EXPECT_TRUE(Since("SET").empty());
    });
}

// Delete removes the selected rule even when the protocol boxes were changed after selecting
// it, and the boxes show that rule again.
TEST_F(RouteRedistributTest, DeleteRemovesTheSelectedRuleWhateverTheProtocolBoxesShow)
{
    StartSwitch();
    RunForm<TRouteRedistributForm>(Read, [&](TRouteRedistributForm* f) {
        ClickRow(f->ListView1, 0);  // ospf into rip
        Pick(f, "static", "ospf");
        std::vector<SimRequest> sets = WriteWith(f, f->DeleteBtn);
        ASSERT_EQ(sets.size(), 1u);
        ASSERT_EQ(sets[0].varbinds.size(), 3u);
        EXPECT_EQ(Varbinds(sets[0])[2], kRule + "5.3.2 integer 6");
        EXPECT_EQ(f->ComboBox1->Text().std(), "ospf");
        EXPECT_EQ(f->ComboBox2->Text().std(), "rip");
        EXPECT_TRUE(WaitFor([&] { return Read(f) && Captions(f->ListView1) == std::vector<std::string>{"static"}; }));
    });
}
