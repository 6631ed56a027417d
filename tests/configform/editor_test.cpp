// Editor forms over scalars against the simulated agent: the first read, what Set Checked
// writes, empty rows, the single-object form and the read-only form.
#include "tests/configform/configformfixture.h"

namespace {

const char kNtp[] = "1.3.6.1.4.1.171.12.10.11";
std::string Ntp(int n) { return std::string(kNtp) + "." + std::to_string(n) + ".0"; }

// The buttons of the column that are shown, top to bottom.
std::vector<std::string> ShownButtons(TCtrlBtnPanel* p)
{
    std::vector<std::string> out;
    for (int i = 0; i < p->Arrangement->Count(); ++i) {
        auto* c = static_cast<TControl*>(p->Arrangement->Get(i));
        if (!c->Visible()) continue;
        if (auto* b = dynamic_cast<TBitBtn*>(c)) out.push_back(b->Caption().std());
        else if (auto* l = dynamic_cast<TLabel*>(c)) out.push_back(l->Caption().std());
        else if (auto* t = dynamic_cast<TStaticText*>(c)) out.push_back("[" + t->Caption().std() + "]");
    }
    return out;
}

using EditorTest = ConfigFormTest;

}  // namespace

TEST_F(EditorTest, TheFirstReadIsOneGetOnceTheModalLoopRuns)
{
    Agent();
    Make("NetworkTime1");
    // Built, not shown: nothing is read yet.
    EXPECT_EQ(form->CurrentRequest, nullptr);
    EXPECT_TRUE(agent_->Requests().empty());
    Run([&] {
        auto gets = Of("GET", 1);
        ASSERT_EQ(gets.size(), 1u);
        EXPECT_EQ(Oids(gets[0]), (std::vector<std::string>{Ntp(1), Ntp(2), Ntp(3), Ntp(4), Ntp(5)}));
        EXPECT_EQ(ComboOf(0)->Text(), "enabled");
        EXPECT_EQ(EditOf(1)->Text(), "server1");  // a read-only enumeration, as an edit
        EXPECT_TRUE(EditOf(1)->ReadOnly());
        EXPECT_EQ(EditOf(2)->Text(), "10.90.90.5");
        EXPECT_EQ(EditOf(4)->Text(), "720");
        std::vector<std::string> lines = MemoLines(editor->MsgPanel->Memo);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].rfind("Get: (QzSNMP++) Ok!. Receive at ", 0), 0u) << lines[0];
        EXPECT_TRUE(editor->MsgPanel->Memo->ReadOnly());
    });
    EXPECT_EQ(Of("GET").size(), 1u);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(EditorTest, SetCheckedWritesTheCheckedRowsOnly)
{
    Agent();
    Make("NetworkTime1");
    TCtrlBtnPanel* b = editor->BtnPanel;
    Run([&] {
        EXPECT_EQ(ShownButtons(b), (std::vector<std::string>{"Refresh", "Set Checked", "Check All", "Clear Checks",
                                                              "Close"}));
        EXPECT_FALSE(b->SetCheckedBtn->Enabled());
        ComboOf(0)->SetItemIndex(0);  // "disabled"
        EditOf(3)->SetText("10.90.90.6");
        EditOf(4)->SetText("600");
        editor->EditsPanel->RowCheck(0)->SetChecked(true);
        EXPECT_TRUE(b->SetCheckedBtn->Enabled());
        editor->EditsPanel->RowCheck(4)->SetChecked(true);
        Click(b->SetCheckedBtn);
        auto sets = Of("SET", 1);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Bindings(sets[0]), (std::vector<std::string>{Ntp(1) + "=2", Ntp(5) + "=600"}));
        EXPECT_EQ(sets[0].status, "noError");
        // Nothing stays left out, and the request reads asynchronously again.
        for (int i = 0; i < request->Request.varList.GetCount(); ++i)
            EXPECT_EQ(request->Request.varList.Items(i).access & acInvalid, 0) << i;
        EXPECT_EQ(request->Mode, 1);
        EXPECT_EQ(MemoLines(editor->MsgPanel->Memo).back().rfind("Set: (QzSNMP++) Ok!. Receive at ", 0), 0u);
    });
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(EditorTest, CheckAllAndClearChecksTurnSetCheckedOnAndOff)
{
    Agent();
    Make("NetworkTime1");
    TCtrlBtnPanel* b = editor->BtnPanel;
    TEditsPanel* e = editor->EditsPanel;
    Run([&] {
        Click(b->CheckAllBtn);
        EXPECT_TRUE(b->SetCheckedBtn->Enabled());
        for (int i : {0, 2, 3, 4}) EXPECT_TRUE(e->RowCheck(i)->Checked()) << i;
        EXPECT_FALSE(e->RowCheck(1)->Checked());  // read-only: no check box
        EXPECT_FALSE(e->RowCheck(1)->Visible());
        Click(b->ClearChecksBtn);
        EXPECT_FALSE(b->SetCheckedBtn->Enabled());
        for (int i = 0; i < 5; ++i) EXPECT_FALSE(e->RowCheck(i)->Checked()) << i;
        Click(b->SetCheckedBtn);  // disabled: nothing happens
    });
    EXPECT_TRUE(Of("SET").empty());
}

TEST_F(EditorTest, AnEmptyCheckedRowSendsNothing)
{
    Agent();
    Make("NetworkTime1");
    Run([&] {
        EditOf(3)->SetText("");
        editor->EditsPanel->RowCheck(3)->SetChecked(true);
        editor->EditsPanel->RowCheck(4)->SetChecked(true);
        Click(editor->BtnPanel->SetCheckedBtn);
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, "Some items are empty!");
        EXPECT_EQ(boxes.Boxes()[0].caption, "Warning");
        for (int i = 0; i < request->Request.varList.GetCount(); ++i)
            EXPECT_EQ(request->Request.varList.Items(i).access & acInvalid, 0) << i;
        EXPECT_EQ(request->Mode, 1);
        // An unchecked empty row does not count.
        editor->EditsPanel->RowCheck(3)->SetChecked(false);
        Click(editor->BtnPanel->SetCheckedBtn);
    });
    auto sets = Of("SET", 1);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(Bindings(sets[0]), (std::vector<std::string>{Ntp(5) + "=720"}));
    EXPECT_EQ(boxes.Boxes().size(), 1u);
}

TEST_F(EditorTest, RowsLeftUncheckedCannotSpoilTheWrite)
{
    Agent();
    Make("NetworkTime1");
    Run([&] {
        ComboOf(0)->SetItemIndex(-1);  // nothing chosen, and not checked
        EditOf(2)->SetText("not an address");
        editor->EditsPanel->RowCheck(4)->SetChecked(true);
        Click(editor->BtnPanel->SetCheckedBtn);
    });
    auto sets = Of("SET", 1);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(Bindings(sets[0]), (std::vector<std::string>{Ntp(5) + "=720"}));
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(EditorTest, ABadValueInACheckedRowIsReportedAndLeavesNothingBehind)
{
    Agent();
    Make("NetworkTime1");
    Run([&] {
        EditOf(2)->SetText("not an address");
        editor->EditsPanel->RowCheck(2)->SetChecked(true);
        editor->EditsPanel->RowCheck(4)->SetChecked(true);
        Click(editor->BtnPanel->SetCheckedBtn);
        std::string last = MemoLines(editor->MsgPanel->Memo).back();
        EXPECT_EQ(last.rfind("Set: (QzSNMP++) ", 0), 0u) << last;
        EXPECT_EQ(last.find("Ok!"), std::string::npos) << last;
        EXPECT_EQ(request->Mode, 1);
        for (int i = 0; i < request->Request.varList.GetCount(); ++i)
            EXPECT_EQ(request->Request.varList.Items(i).access & acInvalid, 0) << i;
        // The next write sends what is checked.
        EditOf(2)->SetText("10.90.90.7");
        Click(editor->BtnPanel->SetCheckedBtn);
    });
    auto sets = Of("SET", 1);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(Bindings(sets[0]), (std::vector<std::string>{Ntp(3) + "=10.90.90.7", Ntp(5) + "=720"}));
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(EditorTest, OneWritableObjectGetsAPlainSetButton)
{
    Agent();
    Make("SystemLogState1");
    TCtrlBtnPanel* b = editor->BtnPanel;
    Run([&] {
        EXPECT_EQ(ShownButtons(b), (std::vector<std::string>{"Refresh", "Set", "Close"}));
        EXPECT_TRUE(b->SetCheckedBtn->Enabled());
        EXPECT_FALSE(editor->EditsPanel->RowCheck(0)->Visible());
        EXPECT_TRUE(editor->EditsPanel->RowCheck(0)->Checked());
        EXPECT_EQ(ComboOf(0)->Text(), "disabled");
        ComboOf(0)->SetItemIndex(1);
        Click(b->SetCheckedBtn);
    });
    auto sets = Of("SET", 1);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(Bindings(sets[0]), (std::vector<std::string>{"1.3.6.1.4.1.171.12.12.1.0=3"}));
    EXPECT_EQ(sets[0].status, "noError");
}

TEST_F(EditorTest, AListThatReadNothingShowsNoItemAndItsSetSendsNothing)
{
    Agent();
    agent_->Control("fault error 1.3.6.1.4.1.171.12.12.1.0 genErr get");
    Make("SystemLogState1");
    Run([&] {
        EXPECT_EQ(ComboOf(0)->ItemIndex(), -1);
        EXPECT_EQ(ComboOf(0)->Text(), "");
        Click(editor->BtnPanel->SetCheckedBtn);
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, "Some items are empty!");
    });
    agent_->Sync();
    EXPECT_TRUE(Of("SET").empty());
    EXPECT_FALSE(Of("GET").empty());
}

TEST_F(EditorTest, AReadOnlyFormShowsRefreshAndCloseOnly)
{
    Agent();
    Make("DeviceInformation1");
    Run([&] {
        EXPECT_EQ(ShownButtons(editor->BtnPanel), (std::vector<std::string>{"Refresh", "Close"}));
        EXPECT_EQ(EditOf(0)->Text(), "27");
        EXPECT_EQ(EditOf(3)->Text(), "Build 2.60.017");
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(EditOf(i)->ReadOnly());
            EXPECT_FALSE(editor->EditsPanel->RowCheck(i)->Visible());
        }
        // Refresh reads again; the visible buttons stack from the top with 5 pixels between.
        Click(editor->BtnPanel->RefreshBtn);
        EXPECT_TRUE(WaitFor([&] { return Of("GET").size() == 2 && !request->Busy; }));
        EXPECT_EQ(editor->BtnPanel->RefreshBtn->Top(), 10);
        EXPECT_EQ(editor->BtnPanel->CloseBtn->Top(), 10 + editor->BtnPanel->RefreshBtn->Height() + 5);
    });
    EXPECT_TRUE(Of("SET").empty());
}

TEST_F(EditorTest, AFailedWriteShowsItsErrorInTheMessageStrip)
{
    Agent({"fault error 1.3.6.1.4.1.171.12.12.1 genErr set"});
    Make("SystemLogState1");
    Run([&] {
        Click(editor->BtnPanel->SetCheckedBtn);
        std::string last = MemoLines(editor->MsgPanel->Memo).back();
        EXPECT_EQ(last.rfind("Set: ", 0), 0u) << last;
        EXPECT_NE(last.find("General"), std::string::npos) << last;
    });
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(EditorTest, CloseButtonClosesTheForm)
{
    Agent();
    Make("DeviceInformation1");
    QTimer::singleShot(0, form, [&] {
        WaitFor([&] { return form->CurrentRequest && !request->Busy; });
        Click(editor->BtnPanel->CloseBtn);
    });
    form->ShowModal();
    EXPECT_EQ(form->Requests, nullptr);  // the close released the request
    EXPECT_FALSE(form->isVisible());
}

// A form's own control in a row's place: the row keeps its place, check box and variable, and
// the control's caption tells Set Checked whether the composed row is empty.
TEST_F(EditorTest, ACustomRowTakesTheInputsPlaceAndItsCaptionTellsEmptiness)
{
    Agent();
    Make("NetworkTime1");
    TEditsPanel* rows = editor->EditsPanel;
    TControl* generated = rows->RowInput(4);
    const QRect place(generated->Left(), generated->Top(), generated->Width(), generated->Height());
    auto* own = new TPanel(form);
    rows->ReplaceRowInput(4, own);
    EXPECT_EQ(rows->Row(4).Kind, rkCustom);
    EXPECT_EQ(rows->RowInput(4), own);
    EXPECT_EQ(own->Parent(), rows->ScrollBox());
    EXPECT_EQ(QRect(own->Left(), own->Top(), own->Width(), own->Height()), place);
    EXPECT_TRUE(own->Enabled());
    for (int k = 0; k < request->AssociationCount(); ++k) EXPECT_NE(request->Association(k).varIndex, 4);
    auto* minutes = new TEdit(own);
    minutes->SetParent(own);
    request->AssociateFormat(4, "%i", minutes);
    rows->ArrangeRows(2, true);
    EXPECT_EQ(own->Top(), place.top());
    EXPECT_EQ(own->Width(), place.width());
    Run([&] {
        EXPECT_EQ(minutes->Text(), "720");
        minutes->SetText("600");
        rows->RowCheck(4)->SetChecked(true);
        Click(editor->BtnPanel->SetCheckedBtn);
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, "Some items are empty!");
        EXPECT_TRUE(Of("SET").empty());
        own->SetCaption("-");
        Click(editor->BtnPanel->SetCheckedBtn);
    });
    auto sets = Of("SET", 1);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(Bindings(sets[0]), (std::vector<std::string>{Ntp(5) + "=600"}));
    EXPECT_EQ(boxes.Boxes().size(), 1u);
}
