// TConfigForm: the panel it is built with, its size, its first refresh, and closing while a
// request is still reading.
#include "tests/configform/configformfixture.h"

namespace {

// A request that tells when it is deleted.
class CountedRequest : public QzSNMPRequest2Edits {
public:
    CountedRequest(TForm* owner, int* deleted) : QzSNMPRequest2Edits(owner), deleted_(deleted) {}
    ~CountedRequest() override { ++*deleted_; }

private:
    int* deleted_;
};

// n writable scalars of our own.
std::vector<UISnmpVar> ManyScalars(int n, std::vector<std::string>& oids)
{
    oids.clear();
    for (int i = 0; i < n; ++i) oids.push_back("1.3.6.1.4.1.99999.3." + std::to_string(i + 1));
    std::vector<UISnmpVar> vars;
    for (const std::string& oid : oids) vars.push_back({oid.c_str(), "A value of our own", sxInteger, acReadWrite});
    vars.push_back({nullptr});
    return vars;
}

using ConfigFormTypeTest = ConfigFormTest;

}  // namespace

TEST_F(ConfigFormTypeTest, TheKindOfPanelIsChosenOnce)
{
    Agent();
    Make("NetworkTime1");
    EXPECT_EQ(form->FormType, 1);
    EXPECT_EQ(form->Caption(), "Network Time");
    const int width = form->ClientWidth(), height = form->ClientHeight();
    int deleted = 0;
    auto* other = new CountedRequest(form, &deleted);
    other->Request.varList = QzSNMPVarList(FindMibCommand("SystemLogServerTable1")->table, MVT_UMV, 1);
    for (bool list : {true, false}) {
        try {
            if (list) form->AddListViewPanel(other, 6, "createAndGo", 6, "destroy");
            else form->AddEditorPanel(other);
            ADD_FAILURE() << "no exception";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, "Can not change Type of a Config Form!");
        }
    }
    EXPECT_EQ(form->FormType, 1);
    ASSERT_EQ(form->Requests->Count(), 1);
    EXPECT_EQ(form->Requests->First(), request);
    EXPECT_EQ(form->ClientWidth(), width);
    EXPECT_EQ(form->ClientHeight(), height);
    // The form still works with its own panel, and leaves the refused request alone.
    Run([&] { EXPECT_EQ(ComboOf(0)->Text(), "enabled"); });
    EXPECT_EQ(deleted, 0);
    delete other;
    EXPECT_EQ(deleted, 1);
}

TEST_F(ConfigFormTypeTest, StatusValuesAreSetOnlyWhenGiven)
{
    Agent();
    struct Case {
        const char* add;
        const char* remove;
        bool addShown, deleteShown;
    } cases[] = {
        {nullptr, nullptr, false, false},
        {"createAndGo", nullptr, true, false},
        {nullptr, "destroy", false, true},
        {"createAndGo", "destroy", true, true},
    };
    for (const Case& c : cases) {
        delete form;
        form = new TConfigForm(Application);
        request = new QzSNMPRequest2Edits(form);
        request->Request.varList = QzSNMPVarList(FindMibCommand("SystemLogServerTable1")->table, MVT_UMV, 1);
        table = form->AddListViewPanel(request, c.add ? 6 : -1, c.add, c.remove ? 6 : -1, c.remove);
        EXPECT_EQ(table->BtnPanel->AddBtn->Visible(), c.addShown);
        EXPECT_EQ(table->BtnPanel->DeleteBtn->Visible(), c.deleteShown);
        EXPECT_EQ(table->ListViewPanel->AddStatusColumn, c.add ? 6 : -1);
        EXPECT_EQ(table->ListViewPanel->DeleteStatusColumn, c.remove ? 6 : -1);
        EXPECT_EQ(table->ListViewPanel->AddStatusValue, c.add ? c.add : "");
    }
}

TEST_F(ConfigFormTypeTest, AStatusValueOutsideTheColumnsListIsRefused)
{
    Agent();
    Make("SystemLogServerTable1");
    struct Case {
        bool add;
        int column;
        const char* value;
        const char* message;
    } cases[] = {
        {true, 6, "created", "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:created"},
        {false, 6, "gone", "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:gone"},
        {true, 1, "createAndGo", "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:createAndGo"},  // no list
        {false, 42, "destroy", "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:destroy"},
    };
    for (const Case& c : cases) {
        try {
            if (c.add) table->SetAddStatus(c.column, c.value);
            else table->SetDeleteStatus(c.column, c.value);
            ADD_FAILURE() << c.message;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, c.message);
        }
    }
    EXPECT_EQ(table->ListViewPanel->AddStatusColumn, 6);
    EXPECT_EQ(table->ListViewPanel->AddStatusValue, "createAndGo");
    EXPECT_EQ(table->ListViewPanel->DeleteStatusValue, "destroy");
}

TEST_F(ConfigFormTypeTest, ARefreshBeforeAnyPanelIsIgnored)
{
    Agent();
    form = new TConfigForm(Application);
    // The posted refresh is handled while the form has no panel yet.
    WaitFor([] { return false; }, 50);
    EXPECT_EQ(form->CurrentRequest, nullptr);
    request = new QzSNMPRequest2Edits(form);
    request->Request.varList = QzSNMPVarList(FindMibCommand("DeviceInformation1")->table, SVT_SV, 0);
    editor = form->AddEditorPanel(request);
    QTimer::singleShot(100, form, [&] { form->Close(); });
    form->ShowModal();
    EXPECT_TRUE(agent_->Requests().empty());
}

TEST_F(ConfigFormTypeTest, AFailedReadGoesToTheMessageStrip)
{
    Agent();
    QzSNMPDevice.address = "";
    Make("DeviceInformation1");
    Run([&] {
        std::vector<std::string> lines = MemoLines(editor->MsgPanel->Memo);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].rfind("Get: (QzSNMP++) Invalid IP Address or DNS name!", 0), 0u) << lines[0];
    });
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(ConfigFormTypeTest, ThePanelFitsItsContentAndTheFormGrowsToItUpTo800By550)
{
    Agent();
    // The panel alone: the content, the button column and the message strip.
    {
        TForm host(nullptr);
        QzSNMPRequest2Edits r(&host);
        r.Request.varList = QzSNMPVarList(FindMibCommand("NetworkTime1")->table, SVT_SV, 0);
        TSNMPEditorPanel p(&host, &r);
        TEditsPanel* e = p.EditsPanel;
        e->ArrangeRows(2, true);
        const int w = e->Width(), h = e->Height();
        p.SetContent(e);
        EXPECT_EQ(p.Width(), w + 116 + p.RightSplitter->Width() + 3);
        EXPECT_EQ(p.Height(), std::max(h + 50 + p.BottomSplitter->Height(), p.BtnPanel->ArrangedHeight()));
        EXPECT_EQ(e->Align(), alClient);
        EXPECT_EQ(p.Align(), alNone);
        EXPECT_EQ(p.Form, nullptr);
    }

    Make("NetworkTime1");
    EXPECT_EQ(editor->Align(), alClient);
    EXPECT_EQ(editor->Form, form);
    EXPECT_EQ(form->Position(), poMainFormCenter);
    EXPECT_EQ(form->ClientWidth(), editor->Width());
    EXPECT_EQ(form->ClientHeight(), editor->Height());

    // A long list: at most 550 high.
    std::vector<std::string> oids;
    std::vector<UISnmpVar> vars = ManyScalars(40, oids);
    delete form;
    form = new TConfigForm(Application);
    request = new QzSNMPRequest2Edits(form);
    request->Request.varList = QzSNMPVarList(vars.data(), SVT_SV, 0);
    editor = form->AddEditorPanel(request);
    const TControl* last = editor->EditsPanel->RowInput(39);
    EXPECT_GT(last->Top() + last->Height(), 550);
    EXPECT_EQ(form->ClientHeight(), 550);
    EXPECT_LE(form->ClientWidth(), 800);
    EXPECT_EQ(editor->EditsPanel->ScrollBox()->Align(), alClient);

    // A larger form stays as large.
    delete form;
    form = new TConfigForm(Application);
    form->SetClientWidth(700);
    form->SetClientHeight(500);
    request = new QzSNMPRequest2Edits(form);
    request->Request.varList = QzSNMPVarList(FindMibCommand("SystemLogState1")->table, SVT_SV, 0);
    editor = form->AddEditorPanel(request);
    EXPECT_EQ(form->ClientWidth(), 700);
    EXPECT_EQ(form->ClientHeight(), 500);
}

TEST_F(ConfigFormTypeTest, ClosingDuringAWalkWaitsForItsAnswerAndSendsNoMore)
{
    Agent(MoreSysLogServers());
    agent_->Control("fault delay 150");
    Make("SystemLogServerTable1");
    QTimer::singleShot(0, form, [&] {
        ASSERT_TRUE(WaitFor([&] { return ListView()->Items()->Count() == 1; }));
        EXPECT_TRUE(request->Busy);
        form->Close();
    });
    form->ShowModal();
    EXPECT_EQ(form->Requests, nullptr);
    EXPECT_EQ(form->CurrentRequest, nullptr);
    WaitFor([] { return false; }, 400);
    // The first step and the one under way when the form closed.
    EXPECT_EQ(Of("GETNEXT").size(), 2u);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(ConfigFormTypeTest, AFormDeletedUnshownReleasesItsRequest)
{
    Agent();
    int deleted = 0;
    form = new TConfigForm(Application);
    request = new CountedRequest(form, &deleted);
    request->Request.varList = QzSNMPVarList(FindMibCommand("NetworkTime1")->table, SVT_SV, 0);
    form->AddEditorPanel(request);
    delete form;
    form = nullptr;
    EXPECT_EQ(deleted, 1);
    EXPECT_TRUE(NoRequests());
}

TEST_F(ConfigFormTypeTest, ClosingTwiceWhileWaitingClosesOnce)
{
    Agent(MoreSysLogServers());
    agent_->Control("fault delay 150");
    Make("SystemLogServerTable1");
    int closes = 0;
    TCloseEvent own = form->OnClose;
    form->OnClose = TCloseEvent(std::function<void(TObject*, TCloseAction&)>([&](TObject* s, TCloseAction& a) {
        ++closes;
        if (closes == 1) QTimer::singleShot(20, form, [&] { form->Close(); });  // while the first waits
        own(s, a);
    }));
    QTimer::singleShot(0, form, [&] {
        WaitFor([&] { return ListView()->Items()->Count() == 1; });
        form->Close();
    });
    form->ShowModal();
    EXPECT_EQ(form->Requests, nullptr);
    EXPECT_TRUE(boxes.Boxes().empty());
}
