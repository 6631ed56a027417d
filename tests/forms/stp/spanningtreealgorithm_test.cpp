// The spanning-tree state form against the simulated switch: "disabled" is written at once,
// "enabled" after a confirmation through the progress dialog, which closes at its 31st tick.
#include "forms/layer2/spanningtreealgorithmunit.h"
#include "tests/forms/stp/stpfixture.h"

namespace {

const std::string kState = "1.3.6.1.4.1.171.11.70.2.2.1.2.1.0";

bool Read(TSpanningTreeAlgorithmForm* f) { return f->Request && !f->Request->Busy && f->ComboBox1->ItemIndex() >= 0; }

class SpanningTreeStateTest : public StpFormTest {};

}  // namespace

TEST_F(SpanningTreeStateTest, DisabledIsWrittenAtOnceWithoutConfirmation)
{
    StartSwitch({kState + " rw integer 3 range=2,3"});
    RunMenu<TSpanningTreeAlgorithmForm>("SpanningTreeAlgorithm1", Read, [&](TSpanningTreeAlgorithmForm* f) {
        EXPECT_EQ(SpanningTreeAlgorithmForm, f);
        EXPECT_EQ(f->Caption().std(), "Spanning Tree Algorithm");
        EXPECT_EQ(f->ComboBox1->Text().std(), "enabled");
        EXPECT_EQ(f->ComboBox1->Items()->Count(), 2);
        Screenshot(f, "TSpanningTreeAlgorithmForm");

        f->ComboBox1->SetItemIndex(0);
        Mark();
        Click(f->SetButton);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), std::vector<std::string>{kState + " integer 2"});
        EXPECT_TRUE(Texts().empty());
        EXPECT_EQ(ProgressForm, nullptr);
        // The read follows at once, while the write may still be outstanding.
        EXPECT_TRUE(WaitFor([&] { return !Since("GET").empty(); }));
        EXPECT_TRUE(WaitFor([&] { return f->ComboBox1->Text() == "disabled" && !f->Request->Busy; }));
    });
    EXPECT_EQ(SpanningTreeAlgorithmForm, nullptr);
}

TEST_F(SpanningTreeStateTest, EnabledAfterCancelSendsNothingAndReadsTheStateAgain)
{
    StartSwitch();
    boxes.QueueAnswers({IDCANCEL});
    RunMenu<TSpanningTreeAlgorithmForm>("SpanningTreeAlgorithm1", Read, [&](TSpanningTreeAlgorithmForm* f) {
        EXPECT_EQ(f->ComboBox1->Text().std(), "disabled");
        f->ComboBox1->SetItemIndex(1);
        Mark();
        Click(f->SetButton);
        EXPECT_EQ(Texts(), std::vector<std::string>{"To enable STP may take a long time. Do you want to go on?"});
        WaitIdle(f->Request);
        EXPECT_TRUE(WaitFor([&] { return !Since("GET").empty(); }));
        EXPECT_TRUE(Since("SET").empty());
        EXPECT_EQ(f->ComboBox1->Text().std(), "disabled");
    });
}

TEST_F(SpanningTreeStateTest, EnabledAfterOkIsWrittenByTheProgressDialogWhichClosesAtItsThirtyFirstTick)
{
    StartSwitch();
    auto seen = std::make_shared<ProgressSeen>();
    RunMenu<TSpanningTreeAlgorithmForm>("SpanningTreeAlgorithm1", Read, [&](TSpanningTreeAlgorithmForm* f) {
        f->ComboBox1->SetItemIndex(1);
        Mark();
        WatchProgress(seen);
        Click(f->SetButton);  // returns once the dialog has closed itself
        ASSERT_TRUE(seen->shown);
        EXPECT_EQ(seen->caption, "Enable STP Progress");
        EXPECT_EQ(seen->prompt, "Enable STP is doing...");
        EXPECT_EQ(seen->parent, f);
        EXPECT_EQ(seen->ticks, 31);
        EXPECT_EQ(seen->position, 30);
        EXPECT_EQ(ProgressForm, nullptr);

        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), std::vector<std::string>{kState + " integer 3"});
        WaitIdle(f->Request);
        // The last read follows the write.
        std::vector<SimRequest> all = Since();
        ASSERT_FALSE(all.empty());
        EXPECT_EQ(all.back().kind, "GET");
        EXPECT_EQ(f->ComboBox1->Text().std(), "enabled");
        // The write's outcome shows where the bar shows its text: the first panel.
        EXPECT_EQ(f->StatusBar1->Panels()->Items(0)->Text().Pos("Set: (QzSNMP++) Ok!"), 1);
    });
}

TEST_F(SpanningTreeStateTest, AWriteTheSwitchRefusesIsShownInStatusPanelZero)
{
    StartSwitch();
    RunMenu<TSpanningTreeAlgorithmForm>("SpanningTreeAlgorithm1", Read, [&](TSpanningTreeAlgorithmForm* f) {
        agent->Control("fault error 1.3.6.1.4.1.171.11.70.2.2.1.2.1 genErr set");
        for (int item : {0, 1}) {
            f->StatusBar1->Panels()->Items(0)->SetText("");
            f->ComboBox1->SetItemIndex(item);
            auto seen = std::make_shared<ProgressSeen>();
            WatchProgress(seen);
            Click(f->SetButton);
            EXPECT_TRUE(WaitFor([&] { return !f->StatusBar1->Panels()->Items(0)->Text().IsEmpty(); })) << item;
            EXPECT_NE(f->StatusBar1->Panels()->Items(0)->Text().Pos("General"), 0)
                << f->StatusBar1->Panels()->Items(0)->Text().std();
            WaitIdle(f->Request);
        }
    });
}
