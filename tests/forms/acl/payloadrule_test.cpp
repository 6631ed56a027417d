// The payload rule form (hidden in the menu, opened directly): the rules read, the windows and
// priority fields a write sends, Edit / Delete on the wire, the checks, and a refused write.
#include "forms/acl/UserDefinedInformationRule.h"
#include "tests/forms/acl/aclfixture.h"

namespace {

using F = TUserDefinedInformationRuleForm;
using Wires = std::vector<std::vector<std::string>>;
const std::string kEntry = "1.3.6.1.4.1.171.11.5.2.3.1.";
const char* kZeros = "00000000000000000000000000000000";

class PayloadRuleTest : public AclFormTest {
protected:
    void Run(std::function<void(F*)> body) { OpenDirectly<F>(body); }
    template <class C>
    static std::function<TWinControl*(F*)> At(C* F::*member)
    {
        return [member](F* f) -> TWinControl* { return f->*member; };
    }
    static std::vector<int> Flags(F* f)
    {
        std::vector<int> out;
        for (int i = 0; i < f->Request->Request.varList.GetCount(); ++i)
            out.push_back(f->Request->Request.varList.Items(i).access);
        return out;
    }
};

}  // namespace

TEST_F(PayloadRuleTest, ListsTheRulesAndADenyingRowLocksThePriorityControls)
{
    StartSwitch();
    Run([&](F* f) {
        Screenshot(f, "UserDefinedInformationRuleForm");
        EXPECT_EQ(f->Caption(), "User Defined Information Rule");
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1", "1"}));
        EXPECT_EQ(f->ListView1->Items()->Item(0)->SubItems()->Count(), 13);
        EXPECT_EQ(f->ListView1->Items()->Item(0)->SubItems()->Strings(1), "00000000000000000000000008000000");
        EXPECT_EQ(f->StaticText1->Caption(), "2");
        EXPECT_EQ(f->RowComboBox->Text(), "createAndGo");
        EXPECT_FALSE(f->EditButton->Enabled());
        ClickRow(f->ListView1, 1);
        EXPECT_EQ(f->ProfileIDEdit->Text(), "1");
        EXPECT_EQ(f->AccessIDEdit->Text(), "2");
        EXPECT_FALSE(f->ProfileIDEdit->Enabled());
        EXPECT_TRUE(f->EditButton->Enabled());
        for (TWinControl* c : {static_cast<TWinControl*>(f->EnablePriComboBox), static_cast<TWinControl*>(f->ReplDSCPEdit),
                               static_cast<TWinControl*>(f->cbxPriority)})
            EXPECT_FALSE(c->Enabled()) << c->Name().c_str();
        ClickRow(f->ListView1, 0);
        EXPECT_EQ(f->PriorityEdit->Text(), "4");
        EXPECT_TRUE(f->EnablePriComboBox->Enabled());
        EXPECT_TRUE(f->cbxPriority->Enabled());
        // Check All reaches every box, Refresh clears them and the edits.
        Click(f->CheckButton);
        EXPECT_TRUE(f->cbxGroupFifth->Checked());
        EXPECT_TRUE(f->cbxRow->Checked());
        Click(f->GetButton);
        EXPECT_FALSE(f->cbxRow->Checked());
        EXPECT_EQ(f->ProfileIDEdit->Text(), "");
        EXPECT_EQ(f->OffsetGroupSecondEdit->Text(), "");
        EXPECT_TRUE(f->AddButton->Enabled());
    });
}

TEST_F(PayloadRuleTest, AddSendsTheCheckedWindowsAndLeavesPriorityOutOfADenyingRule)
{
    StartSwitch();
    Run([&](F* f) {
        // Three windows filled, two chosen, plus a chosen window of zeros that does not count.
        Type(f->ProfileIDEdit, "2");
        Type(f->AccessIDEdit, "1");
        Type(f->OffsetGroupFirstEdit, "0000000000000000000000000800ffff");
        Type(f->OffsetGroupSecondEdit, "11111111111111111111111111111111");
        Type(f->OffsetGroupThirdEdit, "06");
        Type(f->OffsetGroupForthEdit, kZeros);
        Tick(f->cbxGroupFirst);
        Tick(f->cbxGroupThird);
        Tick(f->cbxGroupForth);
        // Deny: the priority objects stay out though their boxes are checked.
        Tick(f->cbxPermit);
        Pick(f->PermitComboBox, 0);
        Tick(f->cbxEnablePriority);
        Pick(f->EnablePriComboBox, 0);
        Tick(f->cbxPriority);
        Type(f->PriorityEdit, "3");
        Mark();
        Click(f->AddButton);  // row box unchecked: the row status goes all the same
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "4.2.1 string 0000000000000000000000000800FFFF",
                                        kEntry + "6.2.1 string 06", kEntry + "7.2.1 string " + kZeros,
                                        kEntry + "14.2.1 integer 1", kEntry + "15.2.1 integer 4"}}));
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1", "1", "2"}));
        EXPECT_EQ(f->StaticText1->Caption(), "3");
        EXPECT_FALSE(f->cbxGroupFirst->Checked());

        // With the row box unchecked another row status is not refused; the one shown goes.
        Type(f->ProfileIDEdit, "1");
        Type(f->AccessIDEdit, "3");
        Pick(f->RowComboBox, 0);
        Tick(f->cbxEnableReplace);
        Pick(f->EnableReplComboBox, 0);
        Mark();
        Click(f->AddButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "12.1.3 integer 1", kEntry + "15.1.3 integer 1"}}));
    });
}

TEST_F(PayloadRuleTest, EditSendsTheCheckedFieldsAndDestroyOrDeleteOnlyTheRowStatus)
{
    StartSwitch();
    Run([&](F* f) {
        ClickRow(f->ListView1, 0);
        Tick(f->cbxPriority);
        Type(f->PriorityEdit, "7");
        Mark();
        Click(f->EditButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "10.1.1 integer 7"}}));
        EXPECT_EQ(f->ListView1->Items()->Item(0)->SubItems()->Strings(7), "7");

        // Destroy with its box: no window is looked at, only the row status goes.
        ClickRow(f->ListView1, 0);
        Tick(f->cbxGroupFirst);
        Type(f->OffsetGroupFirstEdit, "zz");
        Pick(f->RowComboBox, 5);
        Tick(f->cbxRow);
        Mark();
        Click(f->EditButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "15.1.1 integer 6"}}));
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1"}));

        ClickRow(f->ListView1, 0);
        Mark();
        Click(f->DeleteButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "15.1.2 integer 6"}}));
        EXPECT_TRUE(Captions(f->ListView1).empty());
        EXPECT_EQ(f->StaticText1->Caption(), "0");
    });
}

TEST_F(PayloadRuleTest, ChecksRefuseWithTheirMessagesAndSendNothing)
{
    StartSwitch();
    Run([&](F* f) {
        const std::vector<int> before = Flags(f);
        auto window = [](TCheckBox* F::*box, TEdit* F::*edit, const char* text) {
            return [=](F* f) {
                Tick(f->*box);
                Type(f->*edit, text);
            };
        };
        auto three = [](F* f) {
            for (TCheckBox* b : {f->cbxGroupFirst, f->cbxGroupSecond, f->cbxGroupFifth}) Tick(b);
            for (TEdit* e : {f->OffsetGroupFirstEdit, f->OffsetGroupSecondEdit, f->OffsetGroupFifthEdit})
                Type(e, "FF");
        };
        const std::vector<Check<F>> checks = {
            {"no profile", [](F* f) { Type(f->ProfileIDEdit, ""); }, "Profile ID must be set.", nullptr},
            {"no access", [](F* f) { Type(f->AccessIDEdit, ""); }, "Access ID must be set.", nullptr},
            {"listed pair", [](F* f) { Type(f->AccessIDEdit, "2"); },
             "There is already a record with the same Profile ID and Access ID. Please modified eithor of them.",
             At(&F::ProfileIDEdit)},
            {"row box with active", [](F* f) { Tick(f->cbxRow); Pick(f->RowComboBox, 0); },
             "Row State must be createAndGo.", At(&F::RowComboBox)},
            {"three windows", three, "Packet(s) Offset can not over two groups.", At(&F::OffsetGroupFirstEdit)},
            {"bad character in the third", window(&F::cbxGroupThird, &F::OffsetGroupThirdEdit, "0G"),
             "Packet(s) Offset [32 to 47] can not contain invalid character(s).", At(&F::OffsetGroupThirdEdit)},
            {"33 digits in the fifth", window(&F::cbxGroupFifth, &F::OffsetGroupFifthEdit, "000000000000000000000000000000000"),
             "Packet(s) Offset [64 to 79] can not contain invalid character(s).", At(&F::OffsetGroupFifthEdit)},
        };
        RunChecks<F>(
            f, checks,
            [](F* f) {
                Click(f->UncheckButton);
                Type(f->ProfileIDEdit, "1");
                Type(f->AccessIDEdit, "9");
                Pick(f->RowComboBox, 3);
            },
            [](F* f) { Click(f->AddButton); });
        EXPECT_EQ(Flags(f), before);
        Click(f->GetButton);
        EXPECT_EQ(f->ListView1->Items()->Item(0)->SubItems()->Count(), 13);
    });
}

TEST_F(PayloadRuleTest, ARefusedWriteShowsItsFailureAndGivesTheFlagsBack)
{
    StartSwitch({"fault error 1.3.6.1.4.1.171.11.5.2.3.1.10 genErr set"});
    Run([&](F* f) {
        const std::vector<int> before = Flags(f);
        ClickRow(f->ListView1, 0);
        Tick(f->cbxPriority);
        Type(f->PriorityEdit, "2");
        Mark();
        Click(f->EditButton);
        EXPECT_EQ(Sets().size(), 1u);
        EXPECT_EQ(Flags(f), before);
        EXPECT_EQ(f->StatusBar1->Panels()->Items(0)->Text(), "(SNMP) Cannot perform operation, General Error!");
        EXPECT_FALSE(f->EditButton->Enabled());
        EXPECT_FALSE(f->cbxPriority->Checked());
    });
}

// Delete leaves no "destroy" behind for an Add whose row box is unticked, and the choices start
// blank with the priority controls open.
TEST_F(PayloadRuleTest, AnAddAfterDeleteCreatesTheRuleItNames)
{
    StartSwitch();
    Run([&](F* f) {
        for (TComboBox* c : {f->EnablePriComboBox, f->ReplPriyComboBox, f->EnableReplComboBox, f->PermitComboBox})
            EXPECT_EQ(c->ItemIndex(), -1) << c->Name().c_str();
        EXPECT_TRUE(f->EnablePriComboBox->Enabled());
        EXPECT_TRUE(f->cbxPriority->Enabled());
        ClickRow(f->ListView1, 1);
        Mark();
        Click(f->DeleteButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "15.1.2 integer 6"}}));
        EXPECT_EQ(f->RowComboBox->Text(), "createAndGo");
        Type(f->ProfileIDEdit, "1");
        Type(f->AccessIDEdit, "3");
        Mark();
        Click(f->AddButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "15.1.3 integer 4"}}));
        EXPECT_EQ(f->ListView1->Items()->Count(), 2);
        EXPECT_EQ(f->ListView1->Items()->Item(1)->SubItems()->Strings(0), "3");
        EXPECT_EQ(f->RowComboBox->Text(), "createAndGo");
    });
}
