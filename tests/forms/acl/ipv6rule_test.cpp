// The IPv6 rule form: the rules read, the address written in a SET of its own (after the
// row-creating SET on Add, before the rest on Edit), Delete, the checks.
#include "forms/acl/Ipv6Rule.h"
#include "tests/forms/acl/aclfixture.h"

namespace {

using F = TIpv6RuleForm;
const std::string kEntry = "1.3.6.1.4.1.171.12.9.3.4.1.";
const char* kAddress = "FE800000000000000000000000000001";
using Wires = std::vector<std::vector<std::string>>;

class Ipv6RuleTest : public AclFormTest {
protected:
    void Run(std::function<void(F*)> body) { Open<F>("IPv6Rule1", body); }
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
    static std::vector<int> CheckedPorts(F* f)
    {
        std::vector<int> out;
        for (int k = 0; k < 64; ++k)
            if (f->PortPage->PortCheck(k)->Checked()) out.push_back(k + 1);
        return out;
    }
    // A new rule with the row status chosen on createAndGo and a source address to match.
    static void NewRuleWithSource(F* f, const char* id, const char* access)
    {
        Type(f->edtRuleID, id);
        Type(f->edtRuleAccessID, access);
        Pick(f->RowComboBox, 3);
        Tick(f->cbxRow);
        Tick(f->cbxRuleSrcIpv6addr);
        Type(f->edtRuleSrcIpv6addr, kAddress);
    }
};

}  // namespace

TEST_F(Ipv6RuleTest, ListsTheRulesAndASelectedRowFillsTheFieldsAndPorts)
{
    StartSwitch();
    Run([&](F* f) {
        Screenshot(f, "Ipv6RuleForm");
        EXPECT_EQ(f->Caption(), "Ipv6 Rule Form");
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1", "2"}));
        EXPECT_EQ(f->StaticText1->Caption(), "2");
        EXPECT_EQ(f->RowComboBox->Text(), "createAndGo");
        EXPECT_FALSE(f->cbxPriority->Enabled());
        EXPECT_FALSE(f->EditButton->Enabled());
        ClickRow(f->ListView1, 1);
        EXPECT_EQ(f->edtRuleID->Text(), "2");
        EXPECT_EQ(f->edtRuleAccessID->Text(), "1");
        EXPECT_EQ(f->edtRuleSrcIpv6addr->Text(), "20010DB8000000000000000000000000");
        EXPECT_EQ(f->PermitComboBox->Text(), "deny");
        EXPECT_EQ(CheckedPorts(f), (std::vector<int>{5}));
        EXPECT_FALSE(f->edtRuleID->Enabled());
        EXPECT_TRUE(f->EditButton->Enabled());
        EXPECT_FALSE(f->AddButton->Enabled());
        ClickRow(f->ListView1, 0);
        EXPECT_EQ(f->edtRuleClass->Text(), "46");
        EXPECT_EQ(f->PriorityComboBox->Text(), "enabled");
        EXPECT_TRUE(f->cbxPriority->Enabled());
        EXPECT_EQ(CheckedPorts(f), (std::vector<int>{1, 2, 3, 4}));
    });
}

// The address column of a rule that does not exist yet cannot be written: the row comes first.
TEST_F(Ipv6RuleTest, AddCreatesTheRowFirstThenWritesTheAddress)
{
    StartSwitch();
    Run([&](F* f) {
        NewRuleWithSource(f, "3", "7");
        Tick(f->cbxPermit);
        Pick(f->PermitComboBox, 0);
        TickPorts(f->PortPage, {1, 9});
        Mark();
        Click(f->AddButton);
        EXPECT_EQ(SetsOnWire(2), (Wires{
                                     {
                                         kEntry + "10.3.7 integer 1",
                                         kEntry + "11.3.7 string 8080000000000000",
                                         kEntry + "14.3.7 integer 4",
                                     },
                                     {kEntry + "5.3.7 string " + kAddress},
                                 }));
        ASSERT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1", "2", "3"}));
        EXPECT_EQ(f->ListView1->Items()->Item(2)->SubItems()->Strings(3), kAddress);
        EXPECT_EQ(f->StaticText1->Caption(), "3");
        EXPECT_EQ(f->edtRuleID->Text(), "");
        EXPECT_FALSE(f->cbxRow->Checked());

        // Without an address: one SET, the class chosen, no priority objects.
        Type(f->edtRuleID, "3");
        Type(f->edtRuleAccessID, "8");
        Pick(f->RowComboBox, 3);
        Tick(f->cbxRow);
        Tick(f->cbxRuleClass);
        Type(f->edtRuleClass, "10");
        Mark();
        Click(f->AddButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{
                                    kEntry + "3.3.8 integer 10",
                                    kEntry + "11.3.8 string 0000000000000000",
                                    kEntry + "14.3.8 integer 4",
                                }}));
    });
}

TEST_F(Ipv6RuleTest, EditWritesTheAddressFirstAndFollowsTheRowStatusItem)
{
    StartSwitch();
    Run([&](F* f) {
        ClickRow(f->ListView1, 1);
        Tick(f->cbxRuleSrcIpv6addr);
        Type(f->edtRuleSrcIpv6addr, kAddress);
        Tick(f->cbxPermit);
        Pick(f->PermitComboBox, 1);
        Pick(f->RowComboBox, 0);
        Mark();
        Click(f->EditButton);
        EXPECT_EQ(SetsOnWire(2), (Wires{
                                     {kEntry + "5.2.1 string " + kAddress},
                                     {kEntry + "10.2.1 integer 2", kEntry + "11.2.1 string 0800000000000000"},
                                 }));
        EXPECT_EQ(f->ListView1->Items()->Item(1)->SubItems()->Strings(8), "permit");

        // createAndGo: Edit is Add, and the selected rule is listed.
        ClickRow(f->ListView1, 0);
        Pick(f->RowComboBox, 3);
        Tick(f->cbxRow);
        boxes.Clear();
        Mark();
        Click(f->EditButton);
        EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                                  "Has already a record with the same IPv6 Rule ID and Access ID. Please change eithor of them."}));
        EXPECT_TRUE(Since("SET").empty());

        // destroy: Edit deletes.
        Pick(f->RowComboBox, 5);
        Click(f->EditButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "14.1.1 integer 6"}}));
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"2"}));
    });
}

TEST_F(Ipv6RuleTest, DeleteWritesDestroyAtTheTypedRuleAndTheCountFollows)
{
    StartSwitch();
    Run([&](F* f) {
        ClickRow(f->ListView1, 1);
        Mark();
        Click(f->DeleteButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "14.2.1 integer 6"}}));
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1"}));
        EXPECT_FALSE(f->DeleteButton->Enabled());
        EXPECT_TRUE(f->edtRuleID->Enabled());
        // The last rule gone: the count follows the emptied list.
        ClickRow(f->ListView1, 0);
        Click(f->DeleteButton);
        EXPECT_TRUE(Captions(f->ListView1).empty());
        EXPECT_EQ(f->StaticText1->Caption(), "0");
    });
}

TEST_F(Ipv6RuleTest, CheckAllLeavesTheRxRateAndTheDisabledPriorityBoxes)
{
    StartSwitch();
    Run([&](F* f) {
        Click(f->CheckButton);
        for (TCheckBox* b : {f->cbxRuleClass, f->cbxRuleFlowlabel, f->cbxRuleSrcIpv6addr, f->cbxRuleDstIpv6addr,
                             f->cbxEnablePriority, f->cbxPermit, f->cbxRow})
            EXPECT_TRUE(b->Checked()) << b->Name().c_str();
        EXPECT_FALSE(f->cbxRxRate->Checked());
        EXPECT_FALSE(f->cbxPriority->Checked());
        Pick(f->PriorityComboBox, 0);
        f->PriorityComboBoxChange(f->PriorityComboBox);
        EXPECT_TRUE(f->cbxReplacePriority->Enabled());
        Click(f->CheckButton);
        EXPECT_TRUE(f->cbxPriority->Checked());
        Tick(f->cbxRxRate);
        Click(f->UncheckButton);
        EXPECT_FALSE(f->cbxPriority->Checked());
        EXPECT_FALSE(f->cbxRow->Checked());
        EXPECT_TRUE(f->cbxRxRate->Checked());
    });
}

TEST_F(Ipv6RuleTest, ChecksRefuseWithTheirMessagesAndSendNothing)
{
    StartSwitch();
    Run([&](F* f) {
        using A = std::function<void(F*)>;
        const char* empty = "Some checked field is empty";
        std::vector<Check<F>> checks = {
            {"no rule id", A([](F* f) { Type(f->edtRuleID, ""); }), "Rule ID must be set.", At(&F::edtRuleID)},
            {"no access id", A([](F* f) { Type(f->edtRuleAccessID, ""); }), "Rule Access ID must be set.",
             At(&F::edtRuleAccessID)},
            {"both addresses", A([](F* f) { Tick(f->cbxRuleDstIpv6addr); }),
             "Can not support Source IP and Destination IP both", nullptr},
            {"class with an address", A([](F* f) { Tick(f->cbxRuleClass); }), "Can not set mutex data together",
             nullptr},
            {"flow label with an address", A([](F* f) { Tick(f->cbxRuleFlowlabel); }),
             "Can not set mutex data together", nullptr},
            {"empty address", A([](F* f) { Type(f->edtRuleSrcIpv6addr, ""); }), empty, At(&F::edtRuleSrcIpv6addr)},
            {"address with colons", A([](F* f) { Type(f->edtRuleSrcIpv6addr, "fe80:0000:0000:0000:0000:00"); }),
             "Invalid Ipv6 Address value", At(&F::edtRuleSrcIpv6addr)},
            {"address of 31 digits", A([](F* f) { Type(f->edtRuleSrcIpv6addr, "FE80000000000000000000000000001"); }),
             "Invalid Ipv6 Address value", At(&F::edtRuleSrcIpv6addr)},
            {"flow label of 5 digits", A([](F* f) {
                 Tick(f->cbxRuleSrcIpv6addr, false);
                 Tick(f->cbxRuleFlowlabel);
                 Type(f->edtRuleFlowlabel, "12345");
             }),
             "Invalid data!", At(&F::edtRuleFlowlabel)},
            {"flow label not hex", A([](F* f) {
                 Tick(f->cbxRuleSrcIpv6addr, false);
                 Tick(f->cbxRuleFlowlabel);
                 Type(f->edtRuleFlowlabel, "0000000G");
             }),
             "Invalid data!", At(&F::edtRuleFlowlabel)},
            {"empty class", A([](F* f) {
                 Tick(f->cbxRuleSrcIpv6addr, false);
                 Tick(f->cbxRuleClass);
             }),
             empty, At(&F::edtRuleClass)},
            {"empty priority", A([](F* f) {
                 Pick(f->PriorityComboBox, 0);
                 f->PriorityComboBoxChange(f->PriorityComboBox);
                 Tick(f->cbxPriority);
             }),
             empty, At(&F::PriorityEdit)},
            {"empty rx rate", A([](F* f) { Tick(f->cbxRxRate); }), empty, At(&F::RxRateEdit)},
            {"rx rate too high", A([](F* f) {
                 Tick(f->cbxRxRate);
                 Type(f->RxRateEdit, "156250");
             }),
             "Rx Rate should between 0-156249", At(&F::RxRateEdit)},
            {"listed rule", A([](F* f) { Type(f->edtRuleID, "1"); }),
             "Has already a record with the same IPv6 Rule ID and Access ID. Please change eithor of them.",
             At(&F::edtRuleID)},
            {"row status not chosen", A([](F* f) { Tick(f->cbxRow, false); }),
             "Row State must be checked and set to createAndGo.", At(&F::RowComboBox)},
            {"row status active", A([](F* f) { Pick(f->RowComboBox, 0); }),
             "Row State must be checked and set to createAndGo.", At(&F::RowComboBox)},
        };
        RunChecks<F>(
            f, checks,
            [](F* f) {
                Click(f->UncheckButton);
                Tick(f->cbxRxRate, false);
                for (TEdit* e : {f->edtRuleClass, f->edtRuleFlowlabel, f->PriorityEdit, f->RxRateEdit}) Type(e, "");
                NewRuleWithSource(f, "4", "1");
            },
            [](F* f) { Click(f->AddButton); });
    });
}

TEST_F(Ipv6RuleTest, ARefusedAddressLeavesTheNewRowListedTheErrorShownAndTheFlagsBack)
{
    StartSwitch({"fault error 1.3.6.1.4.1.171.12.9.3.4.1.5 genErr set"});
    Run([&](F* f) {
        const std::vector<int> before = Flags(f);
        NewRuleWithSource(f, "3", "7");
        Mark();
        Click(f->AddButton);
        EXPECT_EQ(SetsOnWire(2).size(), 2u);
        EXPECT_EQ(Flags(f), before);
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1", "2", "3"}));
        const AnsiString shown = f->StatusBar1->Panels()->Items(0)->Text();
        EXPECT_FALSE(shown.IsEmpty());
        EXPECT_EQ(shown.std().find("Ok!"), std::string::npos) << shown.c_str();
        EXPECT_TRUE(f->AddButton->Enabled());

        // Edit: the refused address ends the write before the rest.
        ClickRow(f->ListView1, 1);
        Tick(f->cbxRuleSrcIpv6addr);
        Type(f->edtRuleSrcIpv6addr, kAddress);
        Tick(f->cbxPermit);
        Pick(f->RowComboBox, 0);
        Mark();
        Click(f->EditButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "5.2.1 string " + kAddress}}));
        EXPECT_EQ(Flags(f), before);
        Click(f->GetButton);
        EXPECT_EQ(f->ListView1->Items()->Item(0)->SubItems()->Count(), 12);
    });
}
