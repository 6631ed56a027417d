// The BOOTP relay forms (hidden in the menu, opened directly) against the simulated switch:
// servers indexed by interface name and address, the four-servers-per-interface limit,
// Delete only of a selected row, and failures shown in the memo.
#include "forms/routing_security/bootctrltableform.h"
#include "forms/routing_security/newbootpctrlform.h"
#include "tests/forms/routing/routingfixture.h"

namespace {

const std::string kServer = "1.3.6.1.4.1.171.11.55.2.3.3.1.4.1.";
const std::string kSystem = "6.83.121.115.116.101.109";  // "System"
const std::string kLower = "6.115.121.115.116.101.109";  // "system"

bool Read(TBOOTCtrlTableForm* f) { return f->Request && !f->Request->Busy && f->ListView1->Items()->Count() > 0; }

using Dialog = TNewBootpCtrlForm;

class BootCtrlTableTest : public RoutingFormTest {
protected:
    // Opens the dialog, types the server and presses Set; whether the dialog closed.
    bool AddServer(TBOOTCtrlTableForm* f, const char* name, const char* ip)
    {
        bool closed = false;
        WhenShown<Dialog>([&](Dialog* d) {
            d->Edit1->SetText(name);
            d->Edit2->SetText(ip);
            Click(d->DeleteBtn);
            closed = d->ModalResult() != mrNone;
        });
        Click(f->AddBtn);
        return closed;
    }
};

}  // namespace

TEST_F(BootCtrlTableTest, AFifthServerOfAnInterfaceIsRefused)
{
    StartSwitch();
    RunForm<TBOOTCtrlTableForm>(Read, [&](TBOOTCtrlTableForm* f) {
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"System", "System", "System", "system"}));
        Screenshot(f, "TBOOTCtrlTableForm");
        WhenShown<Dialog>([&](Dialog* d) {
            EXPECT_EQ(d->Caption().std(), "New Bootp Ctrl Entry");
            EXPECT_TRUE(d->Edit1->Enabled());
            EXPECT_EQ(d->Edit1->Text().std(), "");
            Screenshot(d, "TNewBootpCtrlForm");
        });
        Click(f->AddBtn);

        Mark();
        EXPECT_TRUE(AddServer(f, "System", "10.90.90.103"));
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), std::vector<std::string>{kServer + "3." + kSystem + ".10.90.90.103 integer 3"});
        EXPECT_EQ(sets[0].status, "noError");
        EXPECT_TRUE(WaitFor([&] { return Read(f) && f->ListView1->Items()->Count() == 5; }));

        boxes.Clear();
        Mark();
        EXPECT_FALSE(AddServer(f, "System", "10.90.90.104"));
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, "One interface can support four bootp servers at most.");
        EXPECT_EQ(boxes.Boxes()[0].caption, "Warning");
        WaitFor([] { return false; }, 50);
        EXPECT_TRUE(Since("SET").empty());

        // Later showings keep what the edits hold; rows of "system" do not count for "System".
        WhenShown<Dialog>([&](Dialog* d) { EXPECT_EQ(d->Edit1->Text().std(), "System"); });
        Click(f->AddBtn);
        Mark();
        EXPECT_TRUE(AddServer(f, "system", "10.90.90.201"));
        sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), std::vector<std::string>{kServer + "3." + kLower + ".10.90.90.201 integer 3"});
    });
}

TEST_F(BootCtrlTableTest, DeleteWritesInvalidToTheSelectedServerOnly)
{
    StartSwitch();
    RunForm<TBOOTCtrlTableForm>(Read, [&](TBOOTCtrlTableForm* f) {
        // The edits hold a server the operator typed but never chose in the list.
        WhenShown<Dialog>([&](Dialog* d) {
            d->Edit1->SetText("System");
            d->Edit2->SetText("10.90.90.100");
        });
        Click(f->AddBtn);
        Mark();
        Click(f->DeleteBtn);
        WaitFor([] { return false; }, 100);
        EXPECT_TRUE(Since("SET").empty());

        ClickRow(f->ListView1, 3);
        EXPECT_EQ(NewBootpCtrlForm->Edit2->Text().std(), "10.90.90.200");
        Mark();
        Click(f->DeleteBtn);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), std::vector<std::string>{kServer + "3." + kLower + ".10.90.90.200 integer 2"});
        EXPECT_TRUE(WaitFor([&] { return Read(f) && f->ListView1->Items()->Count() == 3; }));
    });
    EXPECT_EQ(NewBootpCtrlForm, nullptr);
}

// A failure before anything is sent is a line of the memo, not silence.
TEST_F(BootCtrlTableTest, AFailureBeforeSendingIsShownInTheMemo)
{
    StartSwitch();
    RunForm<TBOOTCtrlTableForm>(Read, [&](TBOOTCtrlTableForm* f) {
        const size_t before = Lines(f->Memo1).size();
        Mark();
        AddServer(f, "lab", "10.90.90");
        std::vector<std::string> lines = Lines(f->Memo1);
        ASSERT_EQ(lines.size(), before + 1);
        EXPECT_EQ(lines.back().find("Set:"), std::string::npos) << lines.back();
        WaitFor([] { return false; }, 50);
        EXPECT_TRUE(Since("SET").empty());
    });
}
