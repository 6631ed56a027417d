// A list-view form over the System Log server table (a RowStatus table) against the simulated
// agent: the walk, the Add and Edit pages and Delete, as the operator drives them.
#include "tests/configform/configformfixture.h"

namespace {

class ListViewTest : public ConfigFormTest {
protected:
    void Open(unsigned char mode = 1)
    {
        Agent(MoreSysLogServers());
        Make("SystemLogServerTable1", mode);
    }
};

const std::vector<std::string> kStatusItems = {"active", "notInService", "notReady", "createAndGo", "createAndWait",
                                               "destroy"};

}  // namespace

TEST_F(ListViewTest, TheWalkFillsTheListAndTheCounter)
{
    Open();
    TCtrlBtnPanel* b = table->BtnPanel;
    Run([&] {
        EXPECT_EQ(Captions(), (std::vector<std::string>{"swSysLogServerIndex-1", "swSysLogServerIndex-2",
                                                        "swSysLogServerIndex-4"}));
        EXPECT_EQ(Row(1)->SubItems()->Get(0), "10.90.90.102");
        EXPECT_EQ(Row(1)->SubItems()->Get(5), "active");
        EXPECT_EQ(b->CountBox->Caption(), "3");
        EXPECT_TRUE(b->SamplesLabel->Visible());
        for (TBitBtn* shown : {b->RefreshBtn, b->EditBtn, b->AddBtn, b->DeleteBtn, b->CloseBtn})
            EXPECT_TRUE(shown->Visible()) << shown->Caption();
        for (TBitBtn* hidden : {b->SetCheckedBtn, b->CheckAllBtn, b->ClearChecksBtn})
            EXPECT_FALSE(hidden->Visible()) << hidden->Caption();
        EXPECT_FALSE(b->EditBtn->Enabled());
        EXPECT_FALSE(b->DeleteBtn->Enabled());
        EXPECT_FALSE(table->EditsPanel->Visible());  // kept under the list

        // A click on a row enables Edit and Delete; a click where no row lies disables them
        // and empties the hidden edit rows.
        ClickRow(1);
        EXPECT_TRUE(b->EditBtn->Enabled());
        EXPECT_TRUE(b->DeleteBtn->Enabled());
        EXPECT_EQ(EditOf(1)->Text(), "10.90.90.102");
        TListView* lv = ListView();
        QTest::mouseClick(lv->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, lv->viewport()->height() - 3));
        EXPECT_FALSE(b->EditBtn->Enabled());
        EXPECT_FALSE(b->DeleteBtn->Enabled());
        EXPECT_EQ(EditOf(1)->Text(), "");

        // Refresh walks again.
        size_t before = Of("GETNEXT", 4).size();
        Click(b->RefreshBtn);
        EXPECT_TRUE(WaitFor([&] { return !request->Busy; }));
        EXPECT_EQ(Of("GETNEXT", before + 4).size(), before + 4);
        EXPECT_EQ(b->CountBox->Caption(), "3");
    });
    EXPECT_TRUE(Of("SET").empty());
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(ListViewTest, AddWritesTheKeyTheCreateStatusAndTheCheckedColumns)
{
    Open();
    Run([&] {
        ClickRow(0);
        TEditsPanel* e = table->EditsPanel;
        std::string caption;
        OnPage([&](TSNMPPanel* page) {
            caption = page->Form->Caption().std();
            EXPECT_TRUE(e->Visible());
            EXPECT_EQ(e->Parent(), page->ClientPanel);
            EXPECT_EQ(EditOf(1)->Text(), "");  // cleared before the page opened
            // The index is typed in and always written; the status is fixed.
            EXPECT_TRUE(ComboOf(0)->Enabled());
            EXPECT_TRUE(e->RowCheck(0)->Checked());
            EXPECT_FALSE(e->RowCheck(0)->Enabled());
            EXPECT_EQ(ComboOf(6)->Text(), "createAndGo");
            EXPECT_FALSE(ComboOf(6)->Enabled());
            EXPECT_TRUE(e->RowCheck(6)->Checked());
            EXPECT_FALSE(page->BtnPanel->RefreshBtn->Visible());
            EXPECT_EQ(page->BtnPanel->SetCheckedBtn->Tag(), 1);
            ComboOf(0)->SetItemIndex(2);  // swSysLogServerIndex-3
            EditOf(1)->SetText("10.90.90.33");
            e->RowCheck(1)->SetChecked(true);
            EditOf(4)->SetText("1514");  // typed, not checked: not written
            Click(page->BtnPanel->SetCheckedBtn);
        });
        Click(table->BtnPanel->AddBtn);
        EXPECT_EQ(caption, "System Log Server Table (Add)");
        EXPECT_EQ(table->PagePanel, nullptr);
        // The edits panel is back under the list; the table was read again.
        EXPECT_EQ(table->EditsPanel->Parent(), table->ClientPanel);
        EXPECT_FALSE(table->EditsPanel->Visible());
        EXPECT_TRUE(WaitFor([&] { return !request->Busy && ListView()->Items()->Count() == 4; }));
        EXPECT_EQ(Row(2)->Caption(), "swSysLogServerIndex-3");
        EXPECT_EQ(Row(2)->SubItems()->Get(3), "514");
        EXPECT_EQ(table->BtnPanel->CountBox->Caption(), "4");
    });
    auto sets = Of("SET", 1);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(Bindings(sets[0]), (std::vector<std::string>{SysLog(2, 3) + "=10.90.90.33", SysLog(7, 3) + "=4"}));
    EXPECT_EQ(sets[0].status, "noError");
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(ListViewTest, ARejectedAddClosesThePageAndShowsTheErrorInTheList)
{
    Open();
    Run([&] {
        OnPage([&](TSNMPPanel* page) {
            ComboOf(0)->SetItemIndex(0);  // row 1 exists: createAndGo is refused
            EditOf(1)->SetText("10.90.90.1");
            table->EditsPanel->RowCheck(1)->SetChecked(true);
            Click(page->BtnPanel->SetCheckedBtn);
        });
        Click(table->BtnPanel->AddBtn);
        EXPECT_TRUE(WaitFor([&] { return !request->Busy; }));
        std::vector<std::string> lines = MemoLines(table->MsgPanel->Memo);
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[lines.size() - 2].rfind("Set: ", 0), 0u);
        EXPECT_EQ(lines[lines.size() - 2].find("Ok!"), std::string::npos) << lines[lines.size() - 2];
        EXPECT_EQ(lines.back().rfind("Get: (QzSNMP++) Ok!", 0), 0u);
    });
    auto sets = Of("SET", 1);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].status, "inconsistentValue");
}

TEST_F(ListViewTest, AnEmptyKeyKeepsTheAddPageOpen)
{
    Open();
    Run([&] {
        bool stillOpen = false;
        OnPage([&](TSNMPPanel* page) {
            EditOf(1)->SetText("10.90.90.33");
            table->EditsPanel->RowCheck(1)->SetChecked(true);
            Click(page->BtnPanel->SetCheckedBtn);  // no index chosen
            stillOpen = page->Form->isVisible();
        });
        Click(table->BtnPanel->AddBtn);
        EXPECT_TRUE(stillOpen);
    });
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Some items are empty!");
    EXPECT_TRUE(Of("SET").empty());
}

TEST_F(ListViewTest, EditOffersNeitherCreateNorDestroyAndWritesTheCheckedColumns)
{
    Open();
    Run([&] {
        ClickRow(1);
        TEditsPanel* e = table->EditsPanel;
        EXPECT_EQ(ItemsOf(ComboOf(6)), kStatusItems);
        OnPage([&](TSNMPPanel* page) {
            EXPECT_EQ(page->Form->Caption(), "System Log Server Table");
            EXPECT_EQ(ItemsOf(ComboOf(6)), (std::vector<std::string>{"active", "notInService", "notReady",
                                                                      "createAndWait"}));
            EXPECT_EQ(ComboOf(6)->Text(), "active");
            // The index is not changed here; the other columns are offered unchecked.
            EXPECT_FALSE(ComboOf(0)->Enabled());
            EXPECT_FALSE(e->RowCheck(0)->Visible());
            EXPECT_EQ(ComboOf(0)->Text(), "swSysLogServerIndex-2");
            EXPECT_EQ(EditOf(1)->Text(), "10.90.90.102");
            for (int i = 1; i <= 6; ++i) EXPECT_FALSE(e->RowCheck(i)->Checked()) << i;
            EXPECT_FALSE(page->BtnPanel->SetCheckedBtn->Enabled());
            EditOf(4)->SetText("1514");
            e->RowCheck(4)->SetChecked(true);
            EXPECT_TRUE(page->BtnPanel->SetCheckedBtn->Enabled());
            Click(page->BtnPanel->SetCheckedBtn);
        });
        Click(table->BtnPanel->EditBtn);
        EXPECT_EQ(ItemsOf(ComboOf(6)), kStatusItems);  // the same items in the same order
        EXPECT_TRUE(WaitFor([&] { return !request->Busy && ListView()->Items()->Count() == 3; }));
        EXPECT_EQ(Row(1)->SubItems()->Get(3), "1514");
    });
    auto sets = Of("SET", 1);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(Bindings(sets[0]), (std::vector<std::string>{SysLog(5, 2) + "=1514"}));
}

TEST_F(ListViewTest, DoubleClickOpensTheEditPage)
{
    Open();
    Run([&] {
        bool opened = false;
        OnPage([&](TSNMPPanel*) { opened = true; });
        DoubleClickRow(0);
        EXPECT_TRUE(opened);
    });
}

TEST_F(ListViewTest, DeleteAsksAndWritesTheDestroyStatusOnly)
{
    Open();
    Run([&] {
        ClickRow(1);
        boxes.QueueAnswers({IDCANCEL});
        Click(table->BtnPanel->DeleteBtn);
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, "Are you sure to delete it?");
        EXPECT_EQ(boxes.Boxes()[0].caption, "Confirm");
        EXPECT_TRUE(Of("SET").empty());

        boxes.QueueAnswers({IDOK});
        Click(table->BtnPanel->DeleteBtn);
        EXPECT_EQ(boxes.Boxes().size(), 2u);
        auto sets = Of("SET", 1);
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Bindings(sets[0]), (std::vector<std::string>{SysLog(7, 2) + "=6"}));
        EXPECT_EQ(sets[0].status, "noError");
        // The table was read again at once, and the marks are gone.
        EXPECT_EQ(Captions(), (std::vector<std::string>{"swSysLogServerIndex-1", "swSysLogServerIndex-4"}));
        EXPECT_EQ(table->BtnPanel->CountBox->Caption(), "2");
        EXPECT_EQ(request->Mode, 1);
        for (int i = 0; i < request->Request.varList.GetCount(); ++i)
            EXPECT_EQ(request->Request.varList.Items(i).access & acInvalid, 0) << i;
        EXPECT_FALSE(table->BtnPanel->DeleteBtn->Enabled());
    });
}

TEST_F(ListViewTest, DeleteRemovesTheSelectedRowWhateverItsKeyShows)
{
    Agent(OddCommunityRows());
    Make("CommunityStringTable1");
    const std::vector<std::string> indexes = OddCommunityIndexes();
    Run([&] {
        // The key and the community name of each row.
        auto rows = [&] {
            std::vector<std::string> out;
            for (int i = 0; i < ListView()->Items()->Count(); ++i)
                out.push_back(Row(i)->Caption().std() + " " + Row(i)->SubItems()->Get(0).std());
            return out;
        };
        ASSERT_EQ(rows(), (std::vector<std::string>{"private private", "pub odd-1", "pub odd-2", "public public",
                                                    "p,b odd-3"}));
        struct Case {
            int row;
            std::string index;
            std::vector<std::string> left;
        } cases[] = {
            {2, indexes[1], {"private private", "pub odd-1", "public public", "p,b odd-3"}},
            {3, indexes[2], {"private private", "pub odd-1", "public public"}},
        };
        size_t n = 0;
        for (const Case& c : cases) {
            ClickRow(c.row);
            boxes.QueueAnswers({IDOK});
            Click(table->BtnPanel->DeleteBtn);
            auto sets = Of("SET", ++n);
            ASSERT_EQ(sets.size(), n);
            EXPECT_EQ(Bindings(sets.back()), (std::vector<std::string>{std::string(CommunityEntry()) + ".8." + c.index + "=6"}));
            EXPECT_EQ(sets.back().status, "noError");
            ASSERT_TRUE(WaitFor([&] { return !request->Busy; }));
            EXPECT_EQ(rows(), c.left) << c.row;
        }
    });
}

TEST_F(ListViewTest, RowHintListsEveryColumn)
{
    Open();
    Run([&] {
        // The longest caption has 23 letters; shorter ones are padded with a TAB per letter.
        std::string hint = table->RowHint(Row(0)).std();
        std::string first = hint.substr(0, hint.find('\n'));
        EXPECT_EQ(first, "swSysLogServerIndex\t\t\t\t  swSysLogServerIndex-1");
        EXPECT_NE(hint.find("swSysLogServerIPAddress  10.90.90.99\n"), std::string::npos) << hint;
        EXPECT_NE(hint.find("swSysLogServerUDPPort\t\t  514\n"), std::string::npos) << hint;
        EXPECT_EQ(std::count(hint.begin(), hint.end(), '\n'), 7);

        TListView* lv = ListView();
        QPoint p = RowPoint(1);
        QTest::mouseMove(lv->viewport(), p);
        table->ListViewMouseMove(lv, TShiftState(), p.x(), p.y());
        EXPECT_TRUE(lv->ShowHint());
        EXPECT_EQ(lv->Hint(), table->RowHint(Row(1)));
        table->ListViewMouseMove(lv, TShiftState(), 5, lv->viewport()->height() - 3);
        EXPECT_FALSE(lv->ShowHint());
    });
}

TEST_F(ListViewTest, TheEditPageWaitsForARunningWalk)
{
    Open();
    Run([&] {
        // Every answer from now on takes longer than a second (and comes well before the time-out).
        request->Request.timeout = kPatientTimeout;
        agent_->Control("fault delay 1100");
        size_t before = Of("GETNEXT", 4).size();
        Click(table->BtnPanel->RefreshBtn);
        ASSERT_TRUE(WaitFor([&] { return ListView()->Items()->Count() == 1; }));
        ListView()->SetSelected(Row(0));
        bool busyAtPage = true;
        size_t stepsAtPage = 0;
        OnPage([&](TSNMPPanel* page) {
            busyAtPage = request->Busy;
            stepsAtPage = Of("GETNEXT", before + 2).size() - before;
            EXPECT_EQ(EditOf(1)->Text(), "10.90.90.99");
            agent_->Control("fault delay 0");
        });
        table->EditBtnClick(table->BtnPanel->EditBtn);
        EXPECT_FALSE(busyAtPage);
        // The walk stopped at the answer it was waiting for.
        EXPECT_EQ(stepsAtPage, 2u);
        EXPECT_EQ(request->Request.enabled, 1);
        EXPECT_TRUE(WaitFor([&] { return !request->Busy && ListView()->Items()->Count() == 3; }));
        // Nothing more was read than the two steps and the walk after the page.
        WaitFor([] { return false; }, 100);
        EXPECT_EQ(Of("GETNEXT").size(), before + 2 + 4);
    });
    EXPECT_TRUE(Of("SET").empty());
}

// Edit asked from inside the walk's own row delivery (the list view's change event runs
// while the pump delivers a row): no answer can come while it waits there, so the page opens
// once the delivery has returned and the walk has stopped, instead of the window freezing.
TEST_F(ListViewTest, EditClickedWhileRowsArriveOpensThePageAfterTheWalk)
{
    Open();
    Run([&] {
        agent_->Control("fault delay 100");
        bool clicked = false, pageOpened = false;
        bool busyAtPage = true;
        ListView()->OnChange = TLVChangeEvent(std::function<void(TObject*, TListItem*, TItemChange)>(
            [&](TObject*, TListItem*, TItemChange) {
                if (clicked || ListView()->Items()->Count() != 1) return;
                clicked = true;
                ListView()->SetSelected(Row(0));
                table->EditBtnClick(table->BtnPanel->EditBtn);  // returns at once
            }));
        OnPage([&](TSNMPPanel*) {
            pageOpened = true;
            busyAtPage = request->Busy;
        });
        Click(table->BtnPanel->RefreshBtn);
        EXPECT_TRUE(WaitFor([&] { return pageOpened; }));
        EXPECT_TRUE(clicked);
        EXPECT_FALSE(busyAtPage);  // the walk ended (as any Edit ends it) before the page opened
        ListView()->OnChange = nullptr;
        EXPECT_TRUE(WaitFor([&] { return !request->Busy; }));
    });
}

TEST_F(ListViewTest, ClosingTheFormWhileTheEditPageWaitsClosesItAfterTheWalk)
{
    Open();
    bool pageOpened = false;
    size_t before = 0;
    Run([&] {
        before = Of("GETNEXT", 4).size();
        request->Request.timeout = kPatientTimeout;
        agent_->Control("fault delay 400");
        Click(table->BtnPanel->RefreshBtn);
        OnPage([&](TSNMPPanel*) { pageOpened = true; });
        QTimer::singleShot(50, form, [&] {
            EXPECT_TRUE(request->Busy);
            form->Close();  // refused while the page waits, made again afterwards
        });
        table->EditBtnClick(table->BtnPanel->EditBtn);
        EXPECT_NE(form->Requests, nullptr);  // still there when the wait returns
        EXPECT_FALSE(request->Busy);
    });
    EXPECT_FALSE(pageOpened);
    EXPECT_EQ(form->Requests, nullptr);
    WaitFor([] { return false; }, 100);
    EXPECT_EQ(Of("GETNEXT").size(), before + 1);  // the step under way, no more
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(ListViewTest, RefreshIsIgnoredWhileAReadRuns)
{
    Open();
    Run([&] {
        agent_->Control("fault delay 150");
        size_t before = Of("GETNEXT", 4).size();
        Click(table->BtnPanel->RefreshBtn);
        EXPECT_TRUE(request->Busy);
        Click(table->BtnPanel->RefreshBtn);
        EXPECT_TRUE(WaitFor([&] { return !request->Busy; }));
        WaitFor([] { return false; }, 100);
        EXPECT_EQ(Of("GETNEXT").size(), before + 4);  // one walk
        EXPECT_EQ(ListView()->Items()->Count(), 3);
        agent_->Control("fault delay 0");
    });
}

TEST_F(ListViewTest, ASynchronousFormWorksTheSame)
{
    Open(0);
    Run([&] {
        EXPECT_EQ(ListView()->Items()->Count(), 3);
        ClickRow(2);
        boxes.QueueAnswers({IDOK});
        Click(table->BtnPanel->DeleteBtn);
        EXPECT_EQ(Captions(), (std::vector<std::string>{"swSysLogServerIndex-1", "swSysLogServerIndex-2"}));
        EXPECT_EQ(request->Mode, 0);
    });
    auto sets = Of("SET", 1);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(Bindings(sets[0]), (std::vector<std::string>{SysLog(7, 4) + "=6"}));
}

TEST_F(ListViewTest, AValidInvalidTableAddsAndRemovesWithItsOwnValues)
{
    Agent();
    Make("DNSCtrlTable1");
    Run([&] {
        ASSERT_EQ(ListView()->Items()->Count(), 2);
        EXPECT_TRUE(table->BtnPanel->AddBtn->Visible());
        EXPECT_TRUE(table->BtnPanel->DeleteBtn->Visible());
        ClickRow(0);
        boxes.QueueAnswers({IDOK});
        Click(table->BtnPanel->DeleteBtn);
        EXPECT_EQ(ListView()->Items()->Count(), 1);
    });
    auto sets = Of("SET", 1);
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].varbinds.size(), 1u);
    EXPECT_EQ(sets[0].varbinds[0].oid, "1.3.6.1.4.1.171.11.55.2.3.3.2.6.1.3.4.109.97.105.108.192.168.1.25");
    EXPECT_EQ(sets[0].varbinds[0].value, "2");
    EXPECT_EQ(sets[0].status, "noError");
}
