// The multiple-configuration forms against the simulated switch: the two configurations
// listed, an action written for the selected one, the progress dialog while one is made
// active (closing at its 16th tick), and the request released before the edit dialog.
#include "forms/layer2/multiconfigcontroleditformunit.h"
#include "forms/layer2/multiconfigcontrolformunit.h"
#include "mainwindow/progressunit.h"
#include "tests/forms/device/devicefixture.h"

namespace {

const std::string kAction = "1.3.6.1.4.1.171.12.1.2.8.4.1.2.";

bool Listed(TMultipleConfigControlForm* f) { return f->Request && !f->Request->Busy && f->ListView1->Items()->Count() == 2; }

class MultiConfigTest : public DeviceFormTest {
protected:
    // Opens the edit dialog for row `row` and, once it shows, picks `action` and presses Set.
    void Apply(TMultipleConfigControlForm* f, int row, const char* action, std::function<void()> whileOpen = {})
    {
        ClickRow(f->ListView1, row);
        ASSERT_TRUE(f->btnEdit->Enabled());
        bool shown = false;
        WhenShown<TMultiConfigControlEditForm>([] { return MultiConfigControlEditForm; },
                                               [&](TMultiConfigControlEditForm* d) {
                                                   shown = true;
                                                   EXPECT_FALSE(d->cbxCtrlID->Enabled());
                                                   EXPECT_EQ(d->cbxCtrlID->Text().std(), row == 0 ? "cfgId-1" : "cfgId-2");
                                                   d->cbxCfgAction->SetItemIndex(d->cbxCfgAction->Items()->IndexOf(action));
                                                   if (whileOpen) whileOpen();
                                                   Click(d->btnSet);
                                               });
        Click(f->btnEdit);
        EXPECT_TRUE(shown);
        EXPECT_FALSE(MultiConfigControlEditForm->isVisible());
    }
};

}  // namespace

TEST_F(MultiConfigTest, ListsTheConfigurationsAndWritesTheChosenActionAtOnce)
{
    StartSwitch();
    RunMenu<TMultipleConfigControlForm>("MultipleConfigControl1", Listed, [&](TMultipleConfigControlForm* f) {
        EXPECT_EQ(f->Caption().std(), "Multiple Config Control");
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"cfgId-1", "cfgId-2"}));
        EXPECT_EQ(f->ListView1->Items()->Item(1)->SubItems()->Get(0).std(), "none");
        EXPECT_FALSE(f->btnEdit->Enabled());
        ASSERT_NE(MultiConfigControlEditForm, nullptr);
        EXPECT_EQ(MultiConfigControlEditForm->Caption().std(), "Multiple Config Control Edit");
        ClickRow(f->ListView1, 1);
        Screenshot(f, "TMultipleConfigControlForm");

        struct Case {
            int row;
            const char* action;
            const char* wire;
        } cases[] = {{1, "bootup", "2 integer 3"}, {0, "delete", "1 integer 2"}, {1, "none", "2 integer 4"}};
        for (const Case& c : cases) {
            SCOPED_TRACE(c.action);
            Mark();
            Apply(f, c.row, c.action);
            EXPECT_EQ(ProgressForm2, nullptr);
            EXPECT_EQ(SetVarbinds(), (std::vector<std::vector<std::string>>{{kAction + c.wire}}));
            WaitIdle(f->Request);
            EXPECT_TRUE(Since("GETNEXT").empty());  // the list is not read again
        }

        Click(f->btnGet);
        EXPECT_FALSE(f->btnEdit->Enabled());
        EXPECT_TRUE(WaitFor([&] { return Listed(f); }));
        EXPECT_EQ(f->ListView1->Items()->Item(0)->SubItems()->Get(0).std(), "delete");
        EXPECT_EQ(f->ListView1->Items()->Item(1)->SubItems()->Get(0).std(), "none");
        EXPECT_TRUE(boxes.Boxes().empty());
    });
}

// "active": the progress dialog over the edit dialog, closing itself at its 16th tick. Its
// timer is driven fast.
TEST_F(MultiConfigTest, ActivatingShowsTheProgressDialogForFifteenTicks)
{
    StartSwitch();
    RunMenu<TMultipleConfigControlForm>("MultipleConfigControl1", Listed, [&](TMultipleConfigControlForm* f) {
        int ticks = 0;
        bool progressShown = false;
        Mark();
        Apply(f, 1, "active", [&] {
            WhenShown<TProgressForm2>([] { return ProgressForm2; }, [&](TProgressForm2* p) {
                progressShown = true;
                EXPECT_EQ(p->Caption().std(), "Set Config");
                EXPECT_EQ(p->LB_Prompt->Caption().std(), "Active Config is doing...");
                EXPECT_EQ(p->TickLimit, 15);
                EXPECT_EQ(p->Parent(), MultiConfigControlEditForm);
                // A window inside the dialog, narrowed to fit it: nothing of it is cut off.
                EXPECT_TRUE(p->Parent()->ClientWidget()->rect().contains(p->geometry()));
                Screenshot(MultiConfigControlEditForm, "TProgressForm2-over-TMultiConfigControlEditForm");
                EXPECT_EQ(p->ProgressBar->Position(), 0);
                TNotifyEvent original = p->ProgressTimer->OnTimer;
                p->ProgressTimer->OnTimer = TNotifyEvent(std::function<void(TObject*)>([&ticks, original, p](TObject* s) {
                    ++ticks;
                    original(s);
                    if (ticks == 15) EXPECT_EQ(p->ProgressBar->Position(), 15);
                }));
                p->ProgressTimer->SetInterval(1);
            });
        });
        EXPECT_TRUE(progressShown);
        EXPECT_EQ(ticks, 16);
        EXPECT_EQ(ProgressForm2, nullptr);
        EXPECT_EQ(SetVarbinds(), (std::vector<std::vector<std::string>>{{kAction + "2 integer 1"}}));
    });
}

// Closing while a walk is on its way: the request is stopped and released before the edit
// dialog its controls belong to is deleted.
TEST_F(MultiConfigTest, ClosingReleasesTheRequestBeforeTheDialog)
{
    StartSwitch();
    bool dialogGone = false;
    bool requestGoneFirst = false;
    RunMenu<TMultipleConfigControlForm>("MultipleConfigControl1", Listed, [&](TMultipleConfigControlForm* f) {
        QObject::connect(MultiConfigControlEditForm, &QObject::destroyed, [&, f] {
            dialogGone = true;
            requestGoneFirst = f->Request == nullptr;
        });
        agent->Control("fault delay 100");
        Mark();
        Click(f->btnGet);
        ASSERT_TRUE(f->Request->Busy);
        Click(f->btnGet);  // busy: no second walk
        WaitIdle(f->Request);
        int starts = 0;
        for (const SimRequest& r : Since("GETNEXT"))
            if (!r.varbinds.empty() && r.varbinds[0].oid == "1.3.6.1.4.1.171.12.1.2.8.4.1.2") ++starts;
        EXPECT_EQ(starts, 1);
        EXPECT_EQ(f->ListView1->Items()->Count(), 2);

        Click(f->btnGet);
        ASSERT_TRUE(f->Request->Busy);
        f->Close();
    });
    EXPECT_TRUE(dialogGone);
    EXPECT_TRUE(requestGoneFirst);
    EXPECT_EQ(MultiConfigControlEditForm, nullptr);
}

TEST_F(MultiConfigTest, AnActionChosenInADialogClosedWithoutSetIsNotWrittenByTheNextSet)
{
    StartSwitch();
    RunMenu<TMultipleConfigControlForm>("MultipleConfigControl1", Listed, [&](TMultipleConfigControlForm* f) {
        ClickRow(f->ListView1, 1);  // cfgId-2, action "none"
        WhenShown<TMultiConfigControlEditForm>([] { return MultiConfigControlEditForm; },
                                               [&](TMultiConfigControlEditForm* d) {
                                                   d->cbxCfgAction->SetItemIndex(d->cbxCfgAction->Items()->IndexOf("bootup"));
                                                   Click(d->btnClose);
                                               });
        Mark();
        Click(f->btnEdit);
        WaitIdle(f->Request);
        EXPECT_TRUE(Since("SET").empty());
        ASSERT_TRUE(f->btnEdit->Enabled());

        bool shown = false;
        WhenShown<TMultiConfigControlEditForm>([] { return MultiConfigControlEditForm; },
                                               [&](TMultiConfigControlEditForm* d) {
                                                   shown = true;
                                                   EXPECT_EQ(d->cbxCfgAction->Text().std(), "none");
                                                   Click(d->btnSet);
                                               });
        Click(f->btnEdit);
        EXPECT_TRUE(shown);
        EXPECT_EQ(SetVarbinds(), (std::vector<std::vector<std::string>>{{kAction + "2 integer 4"}}));
        WaitIdle(f->Request);
    });
}
