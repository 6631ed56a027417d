// The IP rule form: the rules read, what the field boxes, the protocol and the priority switch
// let go in a write, Edit / Delete on the wire, the checks, and a refused write.
#include "forms/acl/IPRule.h"
#include "tests/forms/acl/aclfixture.h"

namespace {

using F = TIPRuleForm;
using Wires = std::vector<std::vector<std::string>>;
const std::string kEntry = "1.3.6.1.4.1.171.12.9.3.2.1.";

class IPRuleTest : public AclFormTest {
protected:
    void Run(std::function<void(F*)> body) { Open<F>("IPRule1", body); }
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
    // The enable-priority choice as the operator makes it (the change event follows).
    static void PickPriority(F* f, int item)
    {
        Pick(f->PriorityComboBox, item);
        f->PriorityComboBoxChange(f->PriorityComboBox);
    }
};

}  // namespace

TEST_F(IPRuleTest, ListsTheRulesAndASelectedRowLocksItsProtocol)
{
    StartSwitch();
    Run([&](F* f) {
        Screenshot(f, "IPRuleForm");
        EXPECT_EQ(f->Caption(), "IP Rule");
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1", "2"}));
        EXPECT_EQ(f->StaticText1->Caption(), "2");
        EXPECT_EQ(f->RowComboBox->Text(), "createAndGo");
        EXPECT_EQ(f->PermitComboBox->Text(), "permit");
        EXPECT_FALSE(f->cbxPriority->Enabled());
        EXPECT_FALSE(f->EditButton->Enabled());
        ClickRow(f->ListView1, 0);
        EXPECT_EQ(f->IPRuleEdit->Text(), "1");
        EXPECT_EQ(f->AccessIDEdit->Text(), "1");
        EXPECT_EQ(f->SourceIPEdit->Text(), "10.90.90.0");
        EXPECT_EQ(f->DestPortEdit->Text(), "80");
        EXPECT_EQ(f->ProtocolComboBox->Text(), "tcp");
        EXPECT_EQ(CheckedPorts(f), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
        EXPECT_FALSE(f->ProtocolComboBox->Enabled());
        EXPECT_FALSE(f->cbxProtocol->Enabled());
        EXPECT_FALSE(f->AddButton->Enabled());
        EXPECT_TRUE(f->EditButton->Enabled());
        // Check All ticks the disabled protocol box too.
        Click(f->CheckButton);
        EXPECT_TRUE(f->cbxProtocol->Checked());
        EXPECT_FALSE(f->cbxPriority->Checked());
        // A click on no row frees the protocol, back on no item.
        QTest::mouseClick(f->ListView1->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 140));
        EXPECT_TRUE(f->ProtocolComboBox->Enabled());
        EXPECT_EQ(f->ProtocolComboBox->ItemIndex(), -1);
        EXPECT_TRUE(f->cbxProtocol->Enabled());
        EXPECT_FALSE(f->cbxRow->Checked());
        EXPECT_TRUE(CheckedPorts(f).empty());
    });
}

TEST_F(IPRuleTest, AddSendsTheCheckedFieldsTheProtocolAllowsAndAlwaysThePorts)
{
    StartSwitch();
    Run([&](F* f) {
        // UDP with every box checked: no ICMP, IGMP, flag bits, protocol number or user mask,
        // never the read-only protocol, no priority while it is "disabled".
        Type(f->IPRuleEdit, "3");
        Type(f->AccessIDEdit, "5");
        Type(f->SourceIPEdit, "10.0.0.0");
        Type(f->DestIPEdit, "192.168.0.0");
        Type(f->DSCPEdit, "8");
        Pick(f->ProtocolComboBox, 4);
        Type(f->SourcePortEdit, "53");
        Type(f->DestPortEdit, "54");
        Type(f->FlagEdit, "3");
        Type(f->ProtocolIDEdit, "17");
        Type(f->UserMaskEdit, "0000ffff");
        Pick(f->EnableReplComboBox, 0);
        Type(f->DSCPValueEdit, "10");
        Type(f->RxRateEdit, "156249");
        TickPorts(f->PortPage, {1, 9});
        Click(f->CheckButton);
        Mark();
        Click(f->AddButton);
        const std::string at = ".3.5";
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "4" + at + " ipaddress 10.0.0.0",
                                        kEntry + "5" + at + " ipaddress 192.168.0.0",
                                        kEntry + "6" + at + " integer 8", kEntry + "10" + at + " integer 53",
                                        kEntry + "11" + at + " integer 54", kEntry + "15" + at + " integer 2",
                                        kEntry + "18" + at + " integer 1", kEntry + "19" + at + " integer 10",
                                        kEntry + "20" + at + " integer 2",
                                        kEntry + "21" + at + " string 8080000000000000",
                                        kEntry + "22" + at + " integer 156249", kEntry + "24" + at + " integer 4"}}));
        EXPECT_EQ(Captions(f->ListView1).size(), 3u);
        EXPECT_EQ(f->StaticText1->Caption(), "3");
        EXPECT_EQ(f->IPRuleEdit->Text(), "");
        EXPECT_TRUE(CheckedPorts(f).empty());

        // No row selected and the enable box unchecked: priority and its replacement never go,
        // though their own boxes are checked. The unticked ports still go, as 8 zero octets.
        Type(f->IPRuleEdit, "3");
        Type(f->AccessIDEdit, "6");
        PickPriority(f, 0);
        Tick(f->cbxPriority);
        Type(f->PriorityEdit, "5");
        Tick(f->cbxReplacePriority);
        Tick(f->cbxRow);
        Mark();
        Click(f->AddButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "21.3.6 string 0000000000000000", kEntry + "24.3.6 integer 4"}}));
    });
}

TEST_F(IPRuleTest, EditSendsTheCheckedFieldsAndDestroyOrDeleteOnlyTheRowStatus)
{
    StartSwitch();
    Run([&](F* f) {
        ClickRow(f->ListView1, 0);  // tcp: the ICMP box is checked but its object cannot go
        Tick(f->cbxDscp);
        Type(f->DSCPEdit, "16");
        Tick(f->cbxRuleIcmp);
        Mark();
        Click(f->EditButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "6.1.1 integer 16", kEntry + "21.1.1 string FF00000000000000"}}));
        EXPECT_EQ(f->ListView1->Items()->Item(0)->SubItems()->Strings(3), "16");
        EXPECT_FALSE(f->EditButton->Enabled());

        ClickRow(f->ListView1, 1);
        Pick(f->RowComboBox, 5);
        Tick(f->cbxRow);
        Mark();
        Click(f->EditButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "24.2.1 integer 6"}}));
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1"}));

        ClickRow(f->ListView1, 0);
        Mark();
        Click(f->DeleteButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "24.1.1 integer 6"}}));
        EXPECT_TRUE(Captions(f->ListView1).empty());
        EXPECT_EQ(f->StaticText1->Caption(), "0");
    });
}

TEST_F(IPRuleTest, ChecksRefuseWithTheirMessagesAndSendNothing)
{
    StartSwitch();
    Run([&](F* f) {
        auto field = [](TCheckBox* F::*box, TEdit* F::*edit, const char* text) {
            return [=](F* f) {
                Tick(f->*box);
                Type(f->*edit, text);
            };
        };
        const char* kEmpty = "Some checked field is empty";
        const char* kRow = "Row State must be checked and set to createAndGo.";
        const std::vector<Check<F>> checks = {
            {"no rule id", [](F* f) { Type(f->IPRuleEdit, ""); }, "IP Rule ID must be set.", At(&F::IPRuleEdit)},
            {"no access id", [](F* f) { Type(f->AccessIDEdit, ""); }, "IP Rule Access ID must be set.",
             At(&F::AccessIDEdit)},
            {"checked source empty", field(&F::cbxSourceIP, &F::SourceIPEdit, ""), kEmpty, At(&F::SourceIPEdit)},
            {"three groups", field(&F::cbxDestIP, &F::DestIPEdit, "10.0.0"), "Please input a valid ip",
             At(&F::DestIPEdit)},
            {"no protocol chosen", [](F* f) { Tick(f->cbxProtocol); Pick(f->ProtocolComboBox, -1); }, kEmpty,
             At(&F::ProtocolComboBox)},
            {"user mask of 7", field(&F::cbxUserMask, &F::UserMaskEdit, "0000fff"), "Invalid UserMask",
             At(&F::UserMaskEdit)},
            {"user mask of 9", field(&F::cbxUserMask, &F::UserMaskEdit, "0000fffff"), "Invalid UserMask",
             At(&F::UserMaskEdit)},
            {"user mask with g", field(&F::cbxUserMask, &F::UserMaskEdit, "0000fffg"), "Invalid UserMask",
             At(&F::UserMaskEdit)},
            {"rx rate 156250", field(&F::cbxRxRate, &F::RxRateEdit, "156250"), "Rx Rate should between 0-156249",
             At(&F::RxRateEdit)},
            {"listed rule", [](F* f) { Type(f->IPRuleEdit, "2"); },
             "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.",
             At(&F::IPRuleEdit)},
            {"row box unchecked", [](F* f) { Tick(f->cbxRow, false); }, kRow, At(&F::RowComboBox)},
            {"row active", [](F* f) { Pick(f->RowComboBox, 0); }, kRow, At(&F::RowComboBox)},
        };
        RunChecks<F>(
            f, checks,
            [](F* f) {
                Click(f->UncheckButton);
                Type(f->IPRuleEdit, "4");
                Type(f->AccessIDEdit, "1");
                Pick(f->RowComboBox, 3);
                Tick(f->cbxRow);
            },
            [](F* f) { Click(f->AddButton); });
        // The same profile with another access number is no duplicate.
        Type(f->IPRuleEdit, "2");
        Type(f->AccessIDEdit, "2");
        Pick(f->RowComboBox, 3);
        Tick(f->cbxRow);
        boxes.Clear();
        Mark();
        Click(f->AddButton);
        EXPECT_TRUE(BoxTexts().empty());
        EXPECT_EQ(Sets().size(), 1u);
    });
}

TEST_F(IPRuleTest, ARefusedWriteShowsItsFailureAndGivesTheFlagsBack)
{
    StartSwitch({"fault error 1.3.6.1.4.1.171.12.9.3.2.1.24 genErr set"});
    Run([&](F* f) {
        const std::vector<int> before = Flags(f);
        ClickRow(f->ListView1, 0);
        Tick(f->cbxRow);
        Pick(f->RowComboBox, 0);
        Mark();
        Click(f->EditButton);
        EXPECT_EQ(Sets().size(), 1u);
        EXPECT_EQ(Flags(f), before);
        EXPECT_EQ(f->StatusBar1->Panels()->Items(0)->Text(), "(SNMP) Cannot perform operation, General Error!");
        EXPECT_EQ(f->IPRuleEdit->Text(), "");
        EXPECT_TRUE(f->AddButton->Enabled());
        Click(f->GetButton);
        EXPECT_EQ(f->ListView1->Items()->Item(0)->SubItems()->Count(), 21);
    });
}

TEST_F(IPRuleTest, ARefusedEditLetsTheRowGoSoItsNextEditSendsItsPortsAsRead)
{
    StartSwitch();
    Run([&](F* f) {
        ClickRow(f->ListView1, 0);  // 1.1, ports 1 to 8
        agent->Control("fault error 1.3.6.1.4.1.171.12.9.3.2.1 genErr set");
        Mark();
        Click(f->EditButton);
        EXPECT_EQ(Sets(1).size(), 1u);
        EXPECT_EQ(f->ListView1->Selected(), nullptr);
        EXPECT_FALSE(f->EditButton->Enabled());
        EXPECT_FALSE(f->DeleteButton->Enabled());
        EXPECT_EQ(f->IPRuleEdit->Text(), "");
        EXPECT_TRUE(CheckedPorts(f).empty());
        EXPECT_TRUE(f->ProtocolComboBox->Enabled());
        agent->Control("fault clear");
        ClickRow(f->ListView1, 0);
        EXPECT_EQ(f->SourceIPEdit->Text(), "10.90.90.0");
        EXPECT_EQ(CheckedPorts(f), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
        Mark();
        Click(f->EditButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "21.1.1 string FF00000000000000"}}));
    });
}

// A ticked protocol field goes with its protocol or not at all, with a message: on a fresh form
// and after a row's protocol was shown by Refresh, Edit or Delete.
TEST_F(IPRuleTest, AProtocolFieldTickedWithoutItsProtocolIsRefusedByName)
{
    StartSwitch();
    Run([&](F* f) {
        const char* kPort = "Destination Port is sent only with the Rule Protocol tcp or udp.";
        const struct {
            const char* name;
            std::function<void(F*)> step;
            const char* access;
        } steps[] = {
            {"fresh form", [](F*) {}, "3"},
            {"Refresh", [](F* f) { ClickRow(f->ListView1, 1); Click(f->GetButton); }, "4"},
            {"Edit", [](F* f) { ClickRow(f->ListView1, 1); Click(f->EditButton); }, "5"},
            {"Delete", [](F* f) { ClickRow(f->ListView1, 1); Click(f->DeleteButton); }, "6"},
        };
        for (const auto& s : steps) {
            SCOPED_TRACE(s.name);
            s.step(f);
            EXPECT_TRUE(f->ProtocolComboBox->Enabled());
            EXPECT_EQ(f->ProtocolComboBox->ItemIndex(), -1);
            EXPECT_TRUE(f->cbxProtocol->Enabled());
            Type(f->IPRuleEdit, "1");
            Type(f->AccessIDEdit, s.access);
            Tick(f->cbxDestPort);
            Type(f->DestPortEdit, "443");
            Pick(f->RowComboBox, 3);  // a selected row left its own status there
            Tick(f->cbxRow);
            boxes.Clear();
            Mark();
            Click(f->AddButton);
            EXPECT_EQ(BoxTexts(), std::vector<std::string>{kPort});
            Pick(f->ProtocolComboBox, 0);  // "none" carries no port either
            Click(f->AddButton);
            EXPECT_EQ(BoxTexts(), (std::vector<std::string>{kPort, kPort}));
            Settle();
            EXPECT_TRUE(Since("SET").empty());
            Pick(f->ProtocolComboBox, 3);
            boxes.Clear();
            Click(f->AddButton);
            const std::string at = std::string(".1.") + s.access;
            EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "11" + at + " integer 443",
                                            kEntry + "21" + at + " string 0000000000000000",
                                            kEntry + "24" + at + " integer 4"}}));
            EXPECT_TRUE(BoxTexts().empty());
        }
    });
}
