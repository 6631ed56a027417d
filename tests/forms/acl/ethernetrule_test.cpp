// The Ethernet rule form: the rules read, Add / Edit / Delete on the wire with the objects the
// field check boxes choose, the port list as 8 octets, the checks.
#include "forms/acl/EthernetInformationRule.h"
#include "tests/forms/acl/aclfixture.h"

namespace {

using F = TEthernetInformationRuleForm;
const std::string kEntry = "1.3.6.1.4.1.171.12.9.3.1.1.";
using Wires = std::vector<std::vector<std::string>>;

class EthernetRuleTest : public AclFormTest {
protected:
    void Run(std::function<void(F*)> body) { Open<F>("RuleOfEthernetInformation1", body); }
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
    // A new rule with only the row status chosen, on createAndGo.
    static void NewRule(F* f, const char* mask, const char* access)
    {
        Type(f->MaskIDEdit, mask);
        Type(f->AccessEdit, access);
        Pick(f->RowComboBox, 3);
        Tick(f->cbxRow);
    }
};

}  // namespace

TEST_F(EthernetRuleTest, ListsTheRulesAndASelectedRowFillsTheFieldsAndPorts)
{
    StartSwitch();
    Run([&](F* f) {
        Screenshot(f, "EthernetInformationRuleForm");
        EXPECT_EQ(f->Caption(), "Ethernet Information Rule");
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1", "2"}));
        EXPECT_EQ(f->StaticText1->Caption(), "2");
        EXPECT_FALSE(f->EditButton->Enabled());
        EXPECT_TRUE(f->AddButton->Enabled());
        EXPECT_EQ(f->RowComboBox->Text(), "createAndGo");
        EXPECT_EQ(f->PermitComboBox->Text(), "permit");
        EXPECT_FALSE(f->cbxPriority->Enabled());  // enable priority starts on "disabled"
        ClickRow(f->ListView1, 0);
        EXPECT_EQ(f->MaskIDEdit->Text(), "1");
        EXPECT_EQ(f->AccessEdit->Text(), "1");
        EXPECT_EQ(f->VlanRuleEdit->Text(), "servers");
        EXPECT_EQ(f->SourceMACEdit->Text(), "001B213A4F10");
        EXPECT_EQ(f->EnablePriorityComboBox->Text(), "enabled");
        EXPECT_TRUE(f->cbxPriority->Enabled());
        EXPECT_EQ(CheckedPorts(f), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
        EXPECT_TRUE(f->EditButton->Enabled());
        EXPECT_FALSE(f->AddButton->Enabled());
        EXPECT_FALSE(f->MaskIDEdit->Enabled());
        ClickRow(f->ListView1, 1);
        EXPECT_EQ(CheckedPorts(f), (std::vector<int>{9, 10}));
        EXPECT_EQ(f->EthTypeEdit->Text(), "0806");
        EXPECT_FALSE(f->cbxPriority->Enabled());
    });
}

TEST_F(EthernetRuleTest, AddSendsTheChosenFieldsThePortListAndCreateAndGo)
{
    StartSwitch();
    Run([&](F* f) {
        // Mask 1 is listed, access 5 is not: only a match of both is a duplicate.
        NewRule(f, "1", "5");
        Tick(f->cbxVlan);
        Type(f->VlanRuleEdit, "guests");
        Tick(f->cbxPermit);
        Pick(f->PermitComboBox, 0);
        TickPorts(f->PortPage, {1, 9});
        Mark();
        Click(f->AddButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{
                                    kEntry + "3.1.5 string 677565737473",
                                    kEntry + "13.1.5 integer 1",
                                    kEntry + "14.1.5 string 8080000000000000",
                                    kEntry + "17.1.5 integer 4",
                                }}));
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1", "1", "2"}));
        EXPECT_EQ(f->StaticText1->Caption(), "3");
        EXPECT_EQ(f->MaskIDEdit->Text(), "");
        EXPECT_FALSE(f->cbxRow->Checked());
        EXPECT_TRUE(CheckedPorts(f).empty());

        // Only the row status chosen, no row selected: no priority objects.
        NewRule(f, "3", "1");
        Mark();
        Click(f->AddButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{
                                    kEntry + "14.3.1 string 0000000000000000",
                                    kEntry + "17.3.1 integer 4",
                                }}));
    });
}

TEST_F(EthernetRuleTest, EditLeavesThePriorityObjectsOutWhileTheRowReadsDisabled)
{
    StartSwitch();
    Run([&](F* f) {
        ClickRow(f->ListView1, 1);  // 2.1, enable priority "disabled"
        Click(f->AddCheckButton);   // the disabled priority boxes too
        EXPECT_TRUE(f->cbxPriority->Checked());
        Tick(f->cbxEnablePriority, false);
        Type(f->VlanRuleEdit, "lab");
        Pick(f->RowComboBox, 0);
        Mark();
        Click(f->EditButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{
                                    kEntry + "3.2.1 string 6C6162",
                                    kEntry + "4.2.1 string 000000000000",
                                    kEntry + "5.2.1 string 000000000000",
                                    kEntry + "6.2.1 integer 3",
                                    kEntry + "7.2.1 string 0806",
                                    kEntry + "13.2.1 integer 1",
                                    kEntry + "14.2.1 string 00C0000000000000",
                                    kEntry + "15.2.1 integer 0",
                                    kEntry + "17.2.1 integer 1",
                                }}));
        EXPECT_EQ(f->ListView1->Items()->Item(1)->SubItems()->Strings(1), "lab");
        EXPECT_FALSE(f->EditButton->Enabled());

        // "destroy" chosen: Edit deletes, the indexes and the row status only.
        ClickRow(f->ListView1, 0);
        Tick(f->cbxRow);
        Pick(f->RowComboBox, 5);
        Mark();
        Click(f->EditButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "17.1.1 integer 6"}}));
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"2"}));
    });
}

TEST_F(EthernetRuleTest, DeleteWritesDestroyAtTheSelectedRule)
{
    StartSwitch();
    Run([&](F* f) {
        ClickRow(f->ListView1, 1);
        Mark();
        Click(f->DeleteButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "17.2.1 integer 6"}}));
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1"}));
        EXPECT_EQ(f->StaticText1->Caption(), "1");
        EXPECT_FALSE(f->DeleteButton->Enabled());
    });
}

TEST_F(EthernetRuleTest, ThePrioritySwitchAndTheCheckButtons)
{
    StartSwitch();
    Run([&](F* f) {
        Pick(f->EnablePriorityComboBox, 0);
        f->EnablePriorityComboBoxChange(f->EnablePriorityComboBox);
        EXPECT_TRUE(f->PriorityEdit->Enabled());
        EXPECT_TRUE(f->ReplacePriorityComboBox->Enabled());
        Click(f->AddCheckButton);
        for (TCheckBox* b : {f->cbxVlan, f->cbxPriority, f->cbxReplacePriority, f->cbxRxRate, f->cbxRow})
            EXPECT_TRUE(b->Checked()) << b->Name().c_str();
        TickPorts(f->PortPage, {3});
        Pick(f->EnablePriorityComboBox, 1);
        f->EnablePriorityComboBoxChange(f->EnablePriorityComboBox);
        EXPECT_FALSE(f->cbxPriority->Enabled());
        EXPECT_FALSE(f->cbxPriority->Checked());
        EXPECT_FALSE(f->cbxReplacePriority->Checked());
        EXPECT_TRUE(f->cbxVlan->Checked());
        Click(f->CleanCheButton);
        EXPECT_FALSE(f->cbxVlan->Checked());
        EXPECT_FALSE(f->cbxRow->Checked());
        EXPECT_EQ(CheckedPorts(f), (std::vector<int>{3}));  // the ports are no field
    });
}

TEST_F(EthernetRuleTest, ChecksRefuseWithTheirMessagesAndSendNothing)
{
    StartSwitch();
    Run([&](F* f) {
        auto with = [](std::function<void(F*)> arrange) { return arrange; };
        std::vector<Check<F>> checks = {
            {"no mask id", with([](F* f) { Type(f->MaskIDEdit, ""); }), "Mask ID must be set.", At(&F::MaskIDEdit)},
            {"no access id", with([](F* f) { Type(f->AccessEdit, ""); }), "Access ID must be set.",
             At(&F::AccessEdit)},
            {"checked source empty", with([](F* f) { Tick(f->cbxSource); }), "Some check field is empty",
             At(&F::SourceMACEdit)},
            {"first empty field wins", with([](F* f) {
                 Tick(f->cbxRxRate);
                 Tick(f->cbxEtherType);
                 Tick(f->cbxVlan);
                 Type(f->VlanRuleEdit, "v");
             }),
             "Some check field is empty", At(&F::EthTypeEdit)},
            {"mac with separators", with([](F* f) {
                 Tick(f->cbxSource);
                 Type(f->SourceMACEdit, "00-1B-213A4F");
             }),
             "Invalid Macaddrss", At(&F::SourceMACEdit)},
            {"mac of 11 digits", with([](F* f) {
                 Tick(f->cbxDestination);
                 Type(f->DestMACEdit, "001B213A4F1");
             }),
             "Invalid Macaddress", At(&F::DestMACEdit)},
            {"ether type not hex", with([](F* f) {
                 Tick(f->cbxEtherType);
                 Type(f->EthTypeEdit, "08G6");
             }),
             "Invalid EtherType", At(&F::EthTypeEdit)},
            {"ether type of 3 digits", with([](F* f) {
                 Tick(f->cbxEtherType);
                 Type(f->EthTypeEdit, "806");
             }),
             "Invalid EtherType", At(&F::EthTypeEdit)},
            {"priority above 7", with([](F* f) {
                 Pick(f->EnablePriorityComboBox, 0);
                 f->EnablePriorityComboBoxChange(f->EnablePriorityComboBox);
                 Tick(f->cbxPriority);
                 Type(f->PriorityEdit, "8");
             }),
             "Priority value should between 0-7", nullptr},
            {"rx rate too high", with([](F* f) {
                 Tick(f->cbxRxRate);
                 Type(f->RxRateEdit, "156250");
             }),
             "Rx Rate should between 0-156249", nullptr},
            {"listed mask and access", with([](F* f) { Type(f->MaskIDEdit, "2"); }),
             "Has already a record with the same Mask ID and Access ID. Please change eithor of them.",
             At(&F::MaskIDEdit)},
            {"row status not chosen", with([](F* f) { Tick(f->cbxRow, false); }),
             "Row State must be checked and set to createAndGo.", At(&F::RowComboBox)},
            {"row status active", with([](F* f) { Pick(f->RowComboBox, 0); }),
             "Row State must be checked and set to createAndGo.", At(&F::RowComboBox)},
        };
        RunChecks<F>(
            f, checks,
            [](F* f) {
                Click(f->CleanCheButton);
                NewRule(f, "4", "1");
                for (TEdit* e : {f->VlanRuleEdit, f->SourceMACEdit, f->DestMACEdit, f->EthTypeEdit, f->RxRateEdit})
                    Type(e, "");
                Type(f->AccessEdit, "1");
            },
            [](F* f) { Click(f->AddButton); });
    });
}

TEST_F(EthernetRuleTest, ARefusedWriteGivesEveryAccessFlagBackAndShowsTheError)
{
    StartSwitch({"fault error 1.3.6.1.4.1.171.12.9.3.1.1.17 genErr set"});
    Run([&](F* f) {
        const std::vector<int> before = Flags(f);
        NewRule(f, "3", "3");
        Tick(f->cbxPermit);
        Mark();
        Click(f->AddButton);
        EXPECT_EQ(Sets(1).size(), 1u);
        EXPECT_EQ(Flags(f), before);
        EXPECT_FALSE(f->StatusBar1->Panels()->Items(0)->Text().IsEmpty());
        EXPECT_EQ(f->MaskIDEdit->Text(), "");
        EXPECT_TRUE(f->AddButton->Enabled());
        ClickRow(f->ListView1, 0);
        Click(f->DeleteButton);
        EXPECT_EQ(Flags(f), before);
        Click(f->GetButton);
        EXPECT_EQ(f->ListView1->Items()->Item(0)->SubItems()->Count(), 13);
    });
}

TEST_F(EthernetRuleTest, ARefusedEditLetsTheRowGoSoItsNextEditSendsItsPortsAsRead)
{
    StartSwitch();
    Run([&](F* f) {
        ClickRow(f->ListView1, 0);  // 1.1, ports 1 to 8
        agent->Control("fault error 1.3.6.1.4.1.171.12.9.3.1.1 genErr set");
        Mark();
        Click(f->EditButton);
        EXPECT_EQ(Sets(1).size(), 1u);
        EXPECT_EQ(f->ListView1->Selected(), nullptr);
        EXPECT_FALSE(f->EditButton->Enabled());
        EXPECT_FALSE(f->DeleteButton->Enabled());
        EXPECT_EQ(f->MaskIDEdit->Text(), "");
        EXPECT_TRUE(CheckedPorts(f).empty());
        agent->Control("fault clear");
        ClickRow(f->ListView1, 0);
        EXPECT_EQ(f->VlanRuleEdit->Text(), "servers");
        EXPECT_EQ(CheckedPorts(f), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
        Mark();
        Click(f->EditButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "14.1.1 string FF00000000000000"}}));
    });
}
