// The login and enable method-list forms against the simulated switch: the lists read, the
// rows written at the instance their names form, the methods left out of a write, the checks
// and their messages, and the default list that is never deleted.
#include "forms/routing_security/enablemethodform.h"
#include "forms/routing_security/loginmethodlistform.h"
#include "tests/forms/security/securityfixture.h"

namespace {

const std::string kLogin = "1.3.6.1.4.1.171.12.5.3.1.";
const std::string kEnable = "1.3.6.1.4.1.171.12.5.4.1.";
// The instances of the list names.
const std::string kVty = "3.118.116.121";
const std::string kNetops = "6.110.101.116.111.112.115";
const std::string kConsole = "7.99.111.110.115.111.108.101";

bool Read(TAAAMethodListForm* f) { return f->Request && f->ListView1->Items()->Count() >= 2; }

struct MethodCase {
    int codes[4];
    bool effective;
};

class MethodListTest : public SecurityFormTest {};

}  // namespace

TEST(MethodCodes, MethodsAfterLocalOrNoneAreIneffective)
{
    // Positions: 0 tacacs, 3 radius, 5 local (or local-enable), 6 none; -1 unset.
    const MethodCase cases[] = {
        {{3, 5, 0, -1}, false},   // radius, local, tacacs
        {{5, -1, -1, 6}, false},  // local, unset, unset, none: none is a set method
        {{5, -1, -1, -1}, true},
        {{-1, 5, -1, -1}, true},  // "other", local
        {{6, 0, -1, -1}, false},  // none, tacacs
        {{0, 3, 4, 5}, true},
        {{-1, -1, -1, -1}, true},
    };
    for (const MethodCase& c : cases) {
        int codes[4] = {c.codes[0], c.codes[1], c.codes[2], c.codes[3]};
        EXPECT_EQ(MethodsEffective(codes), c.effective) << codes[0] << "," << codes[1] << "," << codes[2] << "," << codes[3];
    }
    int trimmed[4] = {3, 5, 0, 6};
    TrimMethods(trimmed);
    EXPECT_EQ(std::vector<int>(trimmed, trimmed + 4), (std::vector<int>{3, 5, -1, -1}));
    EXPECT_EQ(MethodCode("other", 7), -1);
    EXPECT_EQ(MethodCode("", -1), -1);
    EXPECT_EQ(MethodCode("local", 5), 5);
}

TEST_F(MethodListTest, LoginListsAreReadWithTheirCaptionCountAndDefaultRow)
{
    StartSwitch();
    RunMenu<TLoginMethodListForm>("LoginMethodControl1", Read, [&](TLoginMethodListForm* f) {
        EXPECT_EQ(f->Caption().std(), "Login Method List: 127.0.0.1");
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"netops", "console", "default"}));
        EXPECT_EQ(f->StaticText1->Caption().std(), "3");
        EXPECT_EQ(f->RowComboBox->Text().std(), "createAndGo");
        EXPECT_FALSE(f->EditButton->Enabled());
        EXPECT_FALSE(f->DeleteButton->Enabled());
        EXPECT_FALSE(f->Server1Edit->Enabled());  // no type yet
        Screenshot(f, "TLoginMethodListForm");

        ClickCaption(f->ListView1, "default");
        EXPECT_EQ(f->ComboBoxType1->Text().std(), "server-group");
        EXPECT_EQ(f->ComboBoxType2->Text().std(), "local");
        EXPECT_TRUE(f->EditButton->Enabled());
        EXPECT_FALSE(f->DeleteButton->Enabled());
        EXPECT_FALSE(f->AddButton->Enabled());
        EXPECT_FALSE(f->ListnameEdit->Enabled());
        // The server-group name as the switch holds it.
        EXPECT_TRUE(f->Server1Edit->Enabled());
        EXPECT_EQ(f->Server1Edit->Text().std(), "tacacs+");
        EXPECT_FALSE(f->Server2Edit->Enabled());

        ClickCaption(f->ListView1, "netops");
        EXPECT_TRUE(f->DeleteButton->Enabled());
        EXPECT_EQ(f->Server1Edit->Text().std(), "");
        EXPECT_EQ(f->Server2Edit->Text().std(), "core-aaa");
    });
}

TEST_F(MethodListTest, ADefaultListWithAnotherCaseCanBeDeleted)
{
    StartSwitch({"1.3.6.1.4.1.171.12.5.3.1.2.7.68.101.102.97.117.108.116 integer 6",
                 "1.3.6.1.4.1.171.12.5.3.1.10.7.68.101.102.97.117.108.116 integer 1"});
    RunMenu<TLoginMethodListForm>("LoginMethodControl1", Read, [&](TLoginMethodListForm* f) {
        ClickCaption(f->ListView1, "Default");
        EXPECT_TRUE(f->DeleteButton->Enabled());
    });
}

// Radius, a server group and local, then tacacs after local: answering No writes the methods up
// to local and leaves the rest out; Yes writes nothing.
TEST_F(MethodListTest, AddAsksAboutMethodsAfterLocalAndWritesTheEffectiveOnes)
{
    StartSwitch();
    RunMenu<TLoginMethodListForm>("LoginMethodControl1", Read, [&](TLoginMethodListForm* f) {
        f->ListnameEdit->SetText("vty");
        f->ComboBoxType1->SetItemIndex(3);  // radius
        f->ComboBoxType2->SetItemIndex(4);  // server-group
        f->ComboBoxType2Change(f->ComboBoxType2);
        EXPECT_TRUE(f->Server2Edit->Enabled());
        f->Server2Edit->SetText("core-aaa");
        f->ComboBoxType3->SetItemIndex(5);  // local
        f->ComboBoxType4->SetItemIndex(0);  // tacacs: ineffective
        f->Server1Edit->SetText("ignored");

        Mark();
        boxes.QueueAnswers({IDYES});
        Click(f->AddButton);
        ASSERT_EQ(Texts().size(), 1u);
        EXPECT_EQ(Texts()[0],
                  "Method(s) after method local and none is(are) ineffective. Do you want to change your "
                  "configurations?");
        EXPECT_EQ(boxes.Boxes()[0].flags & MB_YESNO, MB_YESNO);
        EXPECT_TRUE(Since("SET").empty());
        EXPECT_EQ(f->ListnameEdit->Text().std(), "vty");  // kept for the change

        Mark();
        boxes.Clear();
        boxes.QueueAnswers({IDNO});
        Click(f->AddButton);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{
                                         kLogin + "2." + kVty + " integer 4",
                                         kLogin + "4." + kVty + " integer 5",
                                         kLogin + "5." + kVty + " string \"core-aaa\"",
                                         kLogin + "6." + kVty + " integer 6",
                                         kLogin + "10." + kVty + " integer 4",
                                     }));
        EXPECT_EQ(sets[0].status, "noError");
        EXPECT_GE(RowOf(f->ListView1, "vty"), 0);
        EXPECT_EQ(f->ListnameEdit->Text().std(), "");
        EXPECT_TRUE(f->AddButton->Enabled());
        // Every object is read again after the partial write.
        ClickCaption(f->ListView1, "vty");
        EXPECT_EQ(f->ComboBoxType4->Text().std(), "other");
        EXPECT_EQ(f->Server2Edit->Text().std(), "core-aaa");
    });
}

TEST_F(MethodListTest, AddChecksStopBeforeAnythingIsSent)
{
    StartSwitch();
    struct Case {
        const char* name;
        int rowStatus;
        const char* message;
    };
    const Case cases[] = {
        {"", 3, "AAC Login Method List Name must be set."},
        {"console", 3, "Has already a record with the same Login Method List Name. Please Change Login Method List Name."},
        {"netops", 3, "Has already a record with the same Login Method List Name. Please Change Login Method List Name."},
        {"vty", 0, "Row State must be createAndGo."},
        {"vty", 5, "Row State must be createAndGo."},
    };
    RunMenu<TLoginMethodListForm>("LoginMethodControl1", Read, [&](TLoginMethodListForm* f) {
        Mark();
        for (const Case& c : cases) {
            boxes.Clear();
            f->ListnameEdit->SetText(c.name);
            f->RowComboBox->SetItemIndex(c.rowStatus);
            f->ComboBoxType1->SetItemIndex(5);
            Click(f->AddButton);
            EXPECT_EQ(Texts(), std::vector<std::string>{c.message}) << c.name;
        }
        WaitFor([] { return false; }, 50);
        EXPECT_TRUE(Since("SET").empty());
    });
}

// An edit writes back the server-group names shown, the types of set methods, and no row
// status; "other" methods stay out.
TEST_F(MethodListTest, EditWritesTheServerGroupAsReadAndNoRowStatus)
{
    StartSwitch();
    RunMenu<TLoginMethodListForm>("LoginMethodControl1", Read, [&](TLoginMethodListForm* f) {
        ClickCaption(f->ListView1, "netops");
        Mark();
        Click(f->EditButton);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{
                                         kLogin + "2." + kNetops + " integer 4",
                                         kLogin + "4." + kNetops + " integer 5",
                                         kLogin + "5." + kNetops + " string \"core-aaa\"",
                                         kLogin + "6." + kNetops + " integer 6",
                                     }));
        EXPECT_TRUE(boxes.Boxes().empty());
        EXPECT_FALSE(f->EditButton->Enabled());
        EXPECT_EQ(f->Server2Edit->Text().std(), "");

        // A name typed over the one read is what goes out.
        ClickCaption(f->ListView1, "netops");
        f->Server2Edit->SetText("radius");
        Mark();
        Click(f->EditButton);
        sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0])[2], kLogin + "5." + kNetops + " string \"radius\"");
    });
}

TEST_F(MethodListTest, EditWithDestroyDeletesAListButNeverTheDefaultOne)
{
    StartSwitch();
    RunMenu<TLoginMethodListForm>("LoginMethodControl1", Read, [&](TLoginMethodListForm* f) {
        ClickCaption(f->ListView1, "default");
        f->RowComboBox->SetItemIndex(5);
        Mark();
        Click(f->EditButton);
        EXPECT_EQ(Texts(), std::vector<std::string>{"The method list default cannot be deleted."});
        WaitFor([] { return false; }, 50);
        EXPECT_TRUE(Since("SET").empty());
        EXPECT_GE(RowOf(f->ListView1, "default"), 0);

        ClickCaption(f->ListView1, "console");
        f->RowComboBox->SetItemIndex(5);
        Click(f->EditButton);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{kLogin + "2." + kConsole + " integer 6",
                                                               kLogin + "10." + kConsole + " integer 6"}));
        EXPECT_EQ(RowOf(f->ListView1, "console"), -1);
        EXPECT_EQ(f->StaticText1->Caption().std(), "2");
    });
}

TEST_F(MethodListTest, DeleteLeavesDestroySelectedAndAddRefusedUntilCreateAndGo)
{
    StartSwitch();
    RunMenu<TLoginMethodListForm>("LoginMethodControl1", Read, [&](TLoginMethodListForm* f) {
        ClickCaption(f->ListView1, "netops");
        Mark();
        Click(f->DeleteButton);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{kLogin + "2." + kNetops + " integer 4",
                                                               kLogin + "10." + kNetops + " integer 6"}));
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"console", "default"}));
        EXPECT_EQ(f->RowComboBox->Text().std(), "destroy");

        f->ListnameEdit->SetText("vty");
        Click(f->AddButton);
        EXPECT_EQ(Texts(), std::vector<std::string>{"Row State must be createAndGo."});
    });
}

TEST_F(MethodListTest, AnAgentRefusalLeavesTheFlagsRestoredAndTheFormInAddMode)
{
    StartSwitch({"fault error 1.3.6.1.4.1.171.12.5.3.1.10 noAccess set"});
    RunMenu<TLoginMethodListForm>("LoginMethodControl1", Read, [&](TLoginMethodListForm* f) {
        f->ListnameEdit->SetText("vty");
        f->ComboBoxType1->SetItemIndex(6);  // none
        Click(f->AddButton);
        EXPECT_NE(f->StatusBar1->Panels()->Items(0)->Text().std(), "");
        for (int i = 0; i < f->Request->Request.varList.GetCount(); ++i)
            EXPECT_NE(f->Request->Request.varList.Items(i).access, acInvalid) << i;
        EXPECT_TRUE(f->AddButton->Enabled());
        EXPECT_EQ(f->ListnameEdit->Text().std(), "");
        // The next read shows every column again.
        Click(f->GetButton);
        ClickCaption(f->ListView1, "netops");
        EXPECT_EQ(f->Server2Edit->Text().std(), "core-aaa");
    });
}

TEST_F(MethodListTest, EnableListsWriteLocalEnableAsSevenAndApplyTheTypeRulesAfterAWrite)
{
    StartSwitch();
    RunMenu<TEnableMethodForm>("EnableMethodControl1", Read, [&](TEnableMethodForm* f) {
        EXPECT_EQ(f->Caption().std(), "Enable Method List");
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"admin", "default"}));
        EXPECT_TRUE(f->ServerGroupEdit1->Enabled());  // no type rules at create
        EXPECT_EQ(f->Type1ComboBox->Items()->Strings(5).std(), "local-enable");
        Screenshot(f, "TEnableMethodForm");

        f->NameEdit->SetText("ops");
        f->Type1ComboBox->SetItemIndex(5);  // local-enable
        f->ServerGroupEdit1->SetText("unused");
        Mark();
        Click(f->AddButton);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{kEnable + "2.3.111.112.115 integer 7",
                                                               kEnable + "10.3.111.112.115 integer 4"}));
        EXPECT_FALSE(f->ServerGroupEdit1->Enabled());  // the type rules ran

        boxes.Clear();
        f->NameEdit->SetText("");
        Click(f->AddButton);
        EXPECT_EQ(Texts(), std::vector<std::string>{"Enable MethodList Name must be set."});
    });
}

// After a refused write no row stays highlighted: a click on it fills the edits again, and
// Delete then destroys that list, never a row named by the emptied edit.
TEST_F(MethodListTest, ARefusedEditLeavesNoRowHighlightedAndTheNextClickRefillsIt)
{
    StartSwitch();
    RunMenu<TLoginMethodListForm>("LoginMethodControl1", Read, [&](TLoginMethodListForm* f) {
        ClickCaption(f->ListView1, "netops");
        agent->Control("fault error " + kLogin.substr(0, kLogin.size() - 1) + " genErr set");
        Mark();
        Click(f->EditButton);
        EXPECT_EQ(Sets().size(), 1u);
        EXPECT_NE(f->StatusBar1->Panels()->Items(0)->Text().std(), "");
        EXPECT_EQ(f->ListView1->Selected(), nullptr);
        EXPECT_EQ(f->ListnameEdit->Text().std(), "");
        EXPECT_TRUE(f->ListnameEdit->Enabled());
        EXPECT_FALSE(f->EditButton->Enabled());
        EXPECT_FALSE(f->DeleteButton->Enabled());

        agent->Control("fault clear");
        ClickCaption(f->ListView1, "netops");
        EXPECT_EQ(f->ListnameEdit->Text().std(), "netops");
        ASSERT_TRUE(f->DeleteButton->Enabled());
        Mark();
        Click(f->DeleteButton);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{kLogin + "2." + kNetops + " integer 4",
                                                               kLogin + "10." + kNetops + " integer 6"}));
    });
}
