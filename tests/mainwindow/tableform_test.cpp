// Table commands opened for real from the menu: the generated configuration form over the
// simulated VRX-6120, read, shown with its caption and buttons, written, and closed.
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

#include "configform/guiconfigform.h"
#include "mainwindow/menucommands.h"
#include "mainwindow/tableform.h"
#include "mib/mibcatalog.h"
#include "snmpvars/qzsnmprequest2edits.h"
#include "snmpvars/qzsnmpsession.h"
#include "tests/mainwindow/mainformfixture.h"
#include "tests/support/simagent.h"

namespace {

// The form's panel.
template <class P>
P* PanelOf(TConfigForm* f)
{
    for (int i = 0; i < f->ComponentCount(); ++i)
        if (auto* p = dynamic_cast<P*>(f->Components(i))) return p;
    return nullptr;
}

TConfigForm* ShownConfigForm()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = dynamic_cast<TConfigForm*>(w); f && f->isVisible()) return f;
    return nullptr;
}

class TableFormTest : public MainFormTest {
protected:
    void TearDown() override
    {
        MainFormTest::TearDown();
        agent.reset();
    }

    // The main window connected to a simulated switch at SNMP version `version`.
    void Connect(int version = 1, const std::vector<std::string>& lines = {})
    {
        SimAgentOptions o;
        o.lines = lines;
        agent = std::make_unique<SimAgent>(o);
        dir.Write("127.0.0.1.cfg", "[Program Information]\nAgentPort=" + std::to_string(agent->Port()) +
                                       "\nVersion=" + std::to_string(version) +
                                       "\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n");
        Make({"/I127.0.0.1", "/Rpublic", "/Wprivate"});
    }

    TMenuItem* Item(const char* name) { return dynamic_cast<TMenuItem*>(form->FindComponent(name)); }

    // Picks the menu item; once the form it opens has read, runs inspect and closes the form.
    // Returns how many forms were inspected (1 unless the command opened none).
    int Open(const char* component, const std::function<void(TConfigForm*)>& inspect = {})
    {
        int seen = 0;
        TConfigForm* last = nullptr;
        QTimer poll;
        poll.setInterval(2);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            TConfigForm* f = ShownConfigForm();
            if (!f || f == last || !f->CurrentRequest || f->CurrentRequest->Busy) return;
            last = f;
            ++seen;
            if (inspect) inspect(f);
            f->Close();
        });
        poll.start();
        Item(component)->Click();
        return seen;
    }

    std::vector<SimRequest> Log(size_t count) const
    {
        agent->WaitForRequests(count);
        agent->Sync();
        return agent->Requests();
    }

    std::unique_ptr<SimAgent> agent;
};

}  // namespace

TEST_F(TableFormTest, AnEditorCommandReadsItsScalarsAndWrites)
{
    Connect();
    int fields = 0;
    EXPECT_EQ(Open("NetworkTime1",
                   [&](TConfigForm* f) {
                       EXPECT_EQ(f->Caption(), "Network Time");
                       EXPECT_EQ(f->FormType, 1);
                       auto* p = PanelOf<TSNMPEditorPanel>(f);
                       ASSERT_NE(p, nullptr);
                       fields = p->EditsPanel->RowCount();
                       auto* server = dynamic_cast<TEdit*>(p->EditsPanel->RowInput(2));
                       EXPECT_EQ(server->Text(), "10.90.90.5");
                       server->SetText("10.90.90.8");
                       p->EditsPanel->RowCheck(2)->SetChecked(true);
                       QTest::mouseClick(p->BtnPanel->SetCheckedBtn, Qt::LeftButton);
                   }),
              1);
    EXPECT_EQ(fields, 5);
    std::vector<SimRequest> log = Log(2);
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].kind, "GET");
    EXPECT_EQ(log[0].varbinds.size(), 5u);
    EXPECT_EQ(log[1].kind, "SET");
    ASSERT_EQ(log[1].varbinds.size(), 1u);
    EXPECT_EQ(log[1].varbinds[0].oid, "1.3.6.1.4.1.171.12.10.11.3.0");
    EXPECT_EQ(log[1].varbinds[0].value, "10.90.90.8");
    EXPECT_EQ(log[1].status, "noError");
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(TableFormTest, AListViewCommandWithAddAndDelete)
{
    Connect();
    boxes.QueueAnswers({IDOK});
    EXPECT_EQ(Open("SystemLogServerTable1",
                   [&](TConfigForm* f) {
                       EXPECT_EQ(f->Caption(), "System Log Server Table");
                       EXPECT_EQ(f->FormType, 2);
                       auto* p = PanelOf<TSNMPListViewPanel>(f);
                       ASSERT_NE(p, nullptr);
                       EXPECT_TRUE(p->BtnPanel->AddBtn->Visible());
                       EXPECT_TRUE(p->BtnPanel->DeleteBtn->Visible());
                       EXPECT_EQ(p->ListViewPanel->AddStatusValue, "createAndGo");
                       EXPECT_EQ(p->ListViewPanel->DeleteStatusValue, "destroy");
                       TListView* lv = p->ListViewPanel->ListView;
                       ASSERT_EQ(lv->Items()->Count(), 1);
                       EXPECT_EQ(lv->Items()->Item(0)->SubItems()->Get(0), "10.90.90.99");
                       QPoint row(10, lv->visualItemRect(lv->Items()->Item(0)).center().y());
                       QTest::mouseClick(lv->viewport(), Qt::LeftButton, Qt::NoModifier, row);
                       QTest::mouseClick(p->BtnPanel->DeleteBtn, Qt::LeftButton);
                       EXPECT_EQ(lv->Items()->Count(), 0);
                       EXPECT_EQ(p->BtnPanel->CountBox->Caption(), "0");
                   }),
              1);
    // The walk of one row, the write, the walk of none.
    std::vector<SimRequest> log = Log(4);
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[3].kind, "GETNEXT");
    const SimRequest& set = log[2];
    EXPECT_EQ(set.kind, "SET");
    ASSERT_EQ(set.varbinds.size(), 1u);
    EXPECT_EQ(set.varbinds[0].oid, "1.3.6.1.4.1.171.12.12.2.1.7.1");
    EXPECT_EQ(set.varbinds[0].value, "6");
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Are you sure to delete it?");
}

TEST_F(TableFormTest, Counter64TablesReadWithSnmpV2cOnAnSnmpV1Connection)
{
    Connect(0);
    ASSERT_EQ(QzSNMPSecurity.version, 0);
    EXPECT_EQ(Open("IFXTable1",
                   [&](TConfigForm* f) {
                       EXPECT_EQ(f->Caption(), "IfX Table");
                       TListView* lv = PanelOf<TSNMPListViewPanel>(f)->ListViewPanel->ListView;
                       ASSERT_EQ(lv->Items()->Count(), 27);
                       EXPECT_EQ(lv->Items()->Item(0)->SubItems()->Get(0), "1/1");
                       EXPECT_EQ(lv->Items()->Item(1)->SubItems()->Get(5), "3686400");  // Octets Received
                       EXPECT_EQ(QzSNMPSecurity.version, 1);
                   }),
              1);
    EXPECT_EQ(QzSNMPSecurity.version, 0);
    const size_t walk = agent->Requests().size();
    EXPECT_EQ(Open("DeviceInformation1"), 1);
    std::vector<SimRequest> log = Log(walk + 1);
    ASSERT_EQ(log.size(), walk + 1);
    for (size_t i = 0; i < walk; ++i) {
        EXPECT_EQ(log[i].kind, "GETNEXT");
        EXPECT_EQ(log[i].version, "v2c") << i;
    }
    EXPECT_EQ(log.back().kind, "GET");
    EXPECT_EQ(log.back().version, "v1");
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(TableFormTest, CommandsWithAStepOfTheirOwn)
{
    Connect();
    form->ScaleFactor = 1.25f;
    struct Case {
        const char* component;
        std::function<void(TConfigForm*)> check;
    } cases[] = {
        {"NetDefaultGateway1",
         [](TConfigForm* f) {
             EXPECT_EQ(f->Caption(), "Net Default Gateway: 127.0.0.1");
             auto* p = PanelOf<TSNMPEditorPanel>(f);
             EXPECT_EQ(dynamic_cast<TEdit*>(p->EditsPanel->RowInput(0))->Text(), "10.90.90.254");
             EXPECT_EQ(p->BtnPanel->SetCheckedBtn->Caption(), "Set");
         }},
        {"ServerGroup1",
         [](TConfigForm* f) {
             EXPECT_EQ(f->Caption(), "Server Group Table: 127.0.0.1");
             EXPECT_FALSE(PanelOf<TSNMPListViewPanel>(f)->BtnPanel->EditBtn->Visible());
         }},
        {"Time1", [](TConfigForm* f) { EXPECT_EQ(f->CurrentRequest->Mode, 0); }},
        {"Auth1",
         [](TConfigForm* f) {
             EXPECT_EQ(PanelOf<TSNMPEditorPanel>(f)->EditsPanel->RowInput(0)->Width(), 177);  // 142 x 1.25
         }},
        {"PortInformation1",
         [](TConfigForm* f) {
             auto* p = PanelOf<TSNMPListViewPanel>(f);
             EXPECT_EQ(p->EditsPanel->RowInput(0)->Width(), 121 + 62);  // 50 x 1.25 more
             EXPECT_GT(p->ListViewPanel->ListView->Items()->Count(), 27);
         }},
        {"RMONSetting1",
         [](TConfigForm* f) {
             EXPECT_EQ(f->Caption(), "RMON Control");
             EXPECT_EQ(dynamic_cast<TComboBox*>(PanelOf<TSNMPEditorPanel>(f)->EditsPanel->RowInput(0))->Text(),
                       "enabled");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.component);
        EXPECT_EQ(Open(c.component, c.check), 1);
    }
    EXPECT_TRUE(boxes.Boxes().empty());
}

// Every table command of the menu opens its form against the agent and closes it again; a
// share of the commands per case, so that the cases run side by side.
class EveryTableCommandTest : public TableFormTest, public ::testing::WithParamInterface<int> {};

const int kShares = 6;

TEST_P(EveryTableCommandTest, OpensReadsAndCloses)
{
    Connect();
    int table = 0;
    for (int i = 0; i < MenuCommandCount(); ++i) {
        const TMenuCommand& cmd = MenuCommandAt(i);
        if (cmd.kind != ckEditor && cmd.kind != ckListView) continue;
        if (table++ % kShares != GetParam()) continue;
        SCOPED_TRACE(cmd.component);
        const MibCommand* mib = FindMibCommand(TableComponent(cmd));
        ASSERT_NE(mib, nullptr);
        std::string caption;
        EXPECT_EQ(Open(cmd.component,
                       [&](TConfigForm* f) {
                           caption = f->Caption().std();
                           EXPECT_EQ(f->FormType, cmd.kind == ckEditor ? 1 : 2);
                       }),
                  1);
        EXPECT_EQ(caption.rfind(mib->caption, 0), 0u) << caption;
        EXPECT_TRUE(boxes.Boxes().empty()) << (boxes.Boxes().empty() ? "" : boxes.Boxes()[0].text);
        boxes.Clear();
    }
    EXPECT_EQ(QzSNMPSecurity.version, 1);
}

INSTANTIATE_TEST_SUITE_P(Shares, EveryTableCommandTest, ::testing::Range(0, kShares));
