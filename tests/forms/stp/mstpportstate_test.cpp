// The MSTP port state forms against the simulated switch: every port listed from the two port
// tables, the dialog filled from the selected row, the port's settings written at the port's
// own index, the hello time only under MSTP, and the access flags back after every write.
#include <cstring>

#include "forms/layer2/mstpportstateeditformunit.h"
#include "forms/layer2/mstpportstateformunit.h"
#include "mib/stpforms.h"
#include "tests/forms/stp/stpfixture.h"

namespace {

const std::string kPort = "1.3.6.1.4.1.171.12.15.2.4.1.";
const char* kVersion = "1.3.6.1.4.1.171.12.15.1.2.0";

bool Listed(TMSTPPortStateForm* f)
{
    return f->PortRequest && !f->PortRequest->Busy && f->lvMSTPPortState->Items()->Count() == 27;
}

// "column.port integer value" as the agent logs it.
std::string At(int column, int port, int value)
{
    return kPort + std::to_string(column) + "." + std::to_string(port) + " integer " + std::to_string(value);
}

void Pick(TComboBox* box, const char* label) { box->SetItemIndex(box->Items()->IndexOf(label)); }

class MstpPortStateTest : public StpFormTest {
protected:
    // Opens the dialog for the row of `port`, runs inDialog there, then presses Set unless told not to.
    void Edit(TMSTPPortStateForm* f, int port, std::function<void(TMSTPPortStateEditForm*)> inDialog, bool set = true)
    {
        TListView* lv = f->lvMSTPPortState;
        ASSERT_GE(RowOf(lv, std::to_string(port)), 0);
        lv->scrollToItem(lv->Items()->Item(RowOf(lv, std::to_string(port))));
        ClickCaption(lv, std::to_string(port));
        ASSERT_TRUE(f->btnEdit->Enabled());
        bool shown = false;
        WhenShown<TMSTPPortStateEditForm>([] { return MSTPPortStateEditForm; }, [&](TMSTPPortStateEditForm* d) {
            shown = true;
            EXPECT_EQ(d->edtPortIndex->Text().std(), std::to_string(port));
            inDialog(d);
            Click(set ? d->btnEdit : d->btnClose);
        });
        Click(f->btnEdit);
        EXPECT_TRUE(shown);
        EXPECT_FALSE(MSTPPortStateEditForm->isVisible());
        EXPECT_FALSE(f->btnEdit->Enabled());
    }
    // The agent's version, read by the form's Refresh.
    void UseVersion(TMSTPPortStateForm* f, int value, const char* label)
    {
        agent->Control(std::string(kVersion) + " integer " + std::to_string(value));
        Click(f->btnRefresh);
        EXPECT_TRUE(WaitFor([&] { return Listed(f); }));
        EXPECT_EQ(f->lblSTPVersion->Caption().std(), label);
    }
    static void ExpectFlagsAsDescribed(TMSTPPortStateForm* f)
    {
        QzSNMPVarList& list = f->PortRequest->Request.varList;
        for (int i = 0; i < list.GetCount(); ++i) EXPECT_EQ(list.Items(i).access, swMSTPPortEntry[i].access) << i;
    }
};

}  // namespace

TEST_F(MstpPortStateTest, ListsEveryPortAndFillsTheDialogFromTheSelectedRow)
{
    StartSwitch({"1.3.6.1.4.1.171.12.15.2.4.1.5.4 integer 20000", "1.3.6.1.4.1.171.12.15.2.4.1.8.4 integer 1"});
    RunMenu<TMSTPPortStateForm>("PortStateInformation1", Listed, [&](TMSTPPortStateForm* f) {
        EXPECT_EQ(f->Caption().std(), "MSTP Port State");
        EXPECT_EQ(f->lblSTPVersion->Caption().std(), "rstp");
        EXPECT_FALSE(f->lblSTPVersion->Visible());
        EXPECT_FALSE(f->btnEdit->Enabled());
        TListItem* row = f->lvMSTPPortState->Items()->Item(3);
        EXPECT_EQ(row->Caption().std(), "4");
        std::vector<std::string> cells;
        for (int k = 0; k < row->SubItems()->Count(); ++k) cells.push_back(row->SubItems()->Get(k).std());
        EXPECT_EQ(cells, (std::vector<std::string>{"4", "200", "200", "enabled", "20000", "false", "false", "true",
                                                   "auto", "true", "enabled"}));
        EXPECT_EQ(f->lvMSTPPortState->Items()->Item(26)->Caption().std(), "27");
        ASSERT_NE(MSTPPortStateEditForm, nullptr);
        EXPECT_EQ(MSTPPortStateEditForm->Owner(), f);
        EXPECT_EQ(MSTPPortStateEditForm->Caption().std(), "MSTP Port State Edit ");

        Mark();
        ClickCaption(f->lvMSTPPortState, "4");
        Screenshot(f, "TMSTPPortStateForm");
        Edit(
            f, 4,
            [&](TMSTPPortStateEditForm* d) {
                EXPECT_EQ(d->Caption().std(), "Port State Information(Edit)");
                EXPECT_EQ(d->edtPortNumber->Text().std(), "4");
                EXPECT_EQ(d->edtExtPathCost->Text().std(), "20000");
                EXPECT_EQ(d->cbxPortEnable->Text().std(), "enabled");
                EXPECT_EQ(d->cbxOperEdgePort->Text().std(), "true");
                EXPECT_EQ(d->cbxAdminP2P->Text().std(), "auto");
                EXPECT_EQ(d->cbxSTPlbd->Text().std(), "enabled");
                EXPECT_EQ(d->cbxAdminP2P->Items()->Count(), 3);
                // The read-only fields cannot be edited; the settings can.
                for (TControl* c : std::initializer_list<TControl*>{d->edtPortIndex, d->edtPortNumber,
                                                                    d->edtOperHelloTime, d->cbxOperEdgePort,
                                                                    d->cbxOperP2P})
                    EXPECT_FALSE(c->Enabled()) << c->Name().std();
                EXPECT_TRUE(d->edtAdminHelloTime->Enabled());
                EXPECT_TRUE(d->cbxSTPlbd->Enabled());
                Screenshot(d, "TMSTPPortStateEditForm");
            },
            false);
        // The version is read again after the dialog; nothing is written.
        EXPECT_TRUE(WaitFor([&] { return Since("GET").size() == 1; }));
        EXPECT_EQ(Varbinds(Since("GET")[0]), (std::vector<std::string>{std::string(kVersion) + " null "}));
        EXPECT_TRUE(Since("SET").empty());
    });
}

// Each version in turn, on one form: the hello time goes out only under MSTP, and after a
// write that left it out it takes part again. Every write goes to the port's own index, though
// the port number column is read under port.instance.
TEST_F(MstpPortStateTest, WritesThePortsSettingsAtItsIndexWithTheHelloTimeOnlyUnderMstp)
{
    StartSwitch();
    RunMenu<TMSTPPortStateForm>("PortStateInformation1", Listed, [&](TMSTPPortStateForm* f) {
        struct Case {
            int version;
            const char* label;
            int port;
            std::function<void(TMSTPPortStateEditForm*)> change;
            std::vector<std::string> wire;
            int shownCost;  // the row's path cost once read again
        } cases[] = {
            {1, "rstp", 3,
             [](TMSTPPortStateEditForm* d) {
                 d->edtAdminHelloTime->SetText("300");
                 Pick(d->cbxPortEnable, "disabled");
                 d->edtExtPathCost->SetText("2000");
                 Pick(d->cbxAdminP2P, "true");
             },
             {At(4, 3, 2), At(5, 3, 2000), At(6, 3, 2), At(7, 3, 2), At(9, 3, 0), At(11, 3, 3)}, 2000},
            {2, "mstp", 7,
             [](TMSTPPortStateEditForm* d) {
                 d->edtAdminHelloTime->SetText("300");
                 Pick(d->cbxMigration, "true");
                 Pick(d->cbxSTPlbd, "disabled");
             },
             {At(2, 7, 300), At(4, 7, 1), At(5, 7, 200000), At(6, 7, 1), At(7, 7, 2), At(9, 7, 2), At(11, 7, 2)},
             200000},
            {0, "stp", 27,
             [](TMSTPPortStateEditForm* d) {
                 Pick(d->cbxAdminEdgePort, "true");
                 d->edtExtPathCost->SetText("5");
             },
             {At(4, 27, 1), At(5, 27, 5), At(6, 27, 2), At(7, 27, 1), At(9, 27, 2), At(11, 27, 3)}, 5},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.label);
            UseVersion(f, c.version, c.label);
            Mark();
            Edit(f, c.port, c.change);
            EXPECT_EQ(SetVarbinds(), (std::vector<std::vector<std::string>>{c.wire}));
            EXPECT_EQ(Sets().front().status, "noError");
            ExpectFlagsAsDescribed(f);
            // The rows are read again, with what the switch now holds.
            EXPECT_TRUE(WaitFor([&] { return Listed(f) && Since("GETNEXT").size() >= 28; }));
            TListItem* row = f->lvMSTPPortState->Items()->Item(c.port - 1);
            EXPECT_EQ(row->Caption().std(), std::to_string(c.port));
            for (int r = 0; r < 27; ++r) {
                TListItem* each = f->lvMSTPPortState->Items()->Item(r);
                EXPECT_EQ(each->SubItems()->Get(0).std(), std::to_string(r + 1));
                EXPECT_EQ(each->SubItems()->Get(10).std(), r + 1 == 7 && c.version != 1 ? "disabled" : "enabled");
            }
            EXPECT_EQ(row->SubItems()->Get(4).std(), std::to_string(c.shownCost));
        }
        EXPECT_EQ(f->lvMSTPPortState->Items()->Item(6)->SubItems()->Get(1).std(), "300");
        EXPECT_EQ(f->lvMSTPPortState->Items()->Item(2)->SubItems()->Get(1).std(), "200");
    });
}

// A write under RSTP that fails, refused by the switch or before it leaves, still gives the hello
// time its flags back: the next write under MSTP sends it, and the failure is in the memo.
TEST_F(MstpPortStateTest, AFailedWriteUnderRstpLeavesTheHelloTimeToTheNextWrite)
{
    StartSwitch();
    RunMenu<TMSTPPortStateForm>("PortStateInformation1", Listed, [&](TMSTPPortStateForm* f) {
        struct Case {
            const char* what;
            std::string fault;  // empty: no port state chosen, refused before the send
            size_t setsSent;
            const char* memo;   // the memo's new line begins so
        } cases[] = {
            {"refused by the switch", "fault error " + kPort + "5 genErr set", 1,
             "Set: (SNMP) Cannot perform operation, General Error!"},
            {"refused before the send", "", 0, "(QzSNMP++) Bad value of the associated SNMP variable's (partial) data!"},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            UseVersion(f, 1, "rstp");
            if (!c.fault.empty()) agent->Control(c.fault);
            const int lines = f->memMsg->Lines()->Count();
            Mark();
            Edit(f, 2, [&](TMSTPPortStateEditForm* d) {
                d->edtExtPathCost->SetText("2000");
                if (c.fault.empty()) d->cbxPortEnable->SetItemIndex(-1);
            });
            EXPECT_TRUE(WaitFor([&] { return Listed(f) && f->memMsg->Lines()->Count() > lines; }));
            EXPECT_EQ(Since("SET").size(), c.setsSent);
            if (c.setsSent) {
                EXPECT_EQ(Sets().front().status, "genErr");
            }
            EXPECT_EQ(f->memMsg->Lines()->Get(lines).SubString(1, static_cast<int>(strlen(c.memo))).std(), c.memo);
            ExpectFlagsAsDescribed(f);
            agent->Control("fault clear");

            UseVersion(f, 2, "mstp");
            Mark();
            Edit(f, 2, [&](TMSTPPortStateEditForm* d) { d->edtAdminHelloTime->SetText("400"); });
            auto sets = SetVarbinds();
            ASSERT_EQ(sets.size(), 1u);
            ASSERT_FALSE(sets[0].empty());
            EXPECT_EQ(sets[0][0], At(2, 2, 400));
            EXPECT_TRUE(WaitFor([&] { return Listed(f); }));
        }
    });
}

// While a write is on its way (the switch swallows its first try), Set in the dialog sends
// nothing and leaves the dialog open. Under MSTP the rows stay until the write is done.
TEST_F(MstpPortStateTest, SetWhileAWriteIsOnItsWaySendsNothing)
{
    StartSwitch({std::string(kVersion) + " integer 2"});
    RunMenu<TMSTPPortStateForm>("PortStateInformation1", Listed, [&](TMSTPPortStateForm* f) {
        EXPECT_EQ(f->lblSTPVersion->Caption().std(), "mstp");
        agent->Control("fault drop 1");
        Mark();
        Edit(f, 5, [](TMSTPPortStateEditForm* d) { d->edtExtPathCost->SetText("111"); });
        ASSERT_TRUE(f->PortRequest->Busy);
        Edit(
            f, 6,
            [&](TMSTPPortStateEditForm* d) {
                Click(d->btnEdit);
                EXPECT_TRUE(d->isVisible());
            },
            false);
        WaitIdle(f->PortRequest);
        auto sets = Sets(2);
        ASSERT_EQ(sets.size(), 2u);  // the swallowed write and its retry, both for port 5
        EXPECT_EQ(sets[0].status, "dropped");
        EXPECT_EQ(sets[1].status, "noError");
        for (const SimRequest& s : sets) EXPECT_EQ(Varbinds(s)[2], At(5, 5, 111));
    });
}
