// The payload mask form (hidden in the menu, opened directly): the entries read with their
// ports, the masks and port list a write sends, Edit / Delete on the wire, the checks, and the
// failures of a short port list and of a refused delete.
#include "forms/acl/UserMaskInfo.h"
#include "tests/forms/acl/aclfixture.h"

namespace {

using F = TUserMaskInfoForm;
using Wires = std::vector<std::vector<std::string>>;
const std::string kEntry = "1.3.6.1.4.1.171.11.5.1.3.1.";
const std::string kZeros = "00000000000000000000000000000000";

class PayloadMaskTest : public AclFormTest {
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
    static std::vector<int> CheckedPorts(F* f)
    {
        std::vector<int> out;
        for (int k = 0; k < 64; ++k)
            if (f->PortPage->PortCheck(k)->Checked()) out.push_back(k + 1);
        return out;
    }
};

}  // namespace

TEST_F(PayloadMaskTest, ListsTheEntriesAndASelectedOneFillsMasksAndPorts)
{
    StartSwitch();
    Run([&](F* f) {
        Screenshot(f, "UserMaskInfoForm");
        EXPECT_EQ(f->Caption(), "User Defined Mask Information :" + agent->Address());
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1"}));
        EXPECT_EQ(f->ListView1->Items()->Item(0)->SubItems()->Strings(1), "000000000000000000000000FFFF0000");
        EXPECT_EQ(f->ComboBox1->Text(), "createAndGo");
        EXPECT_FALSE(f->OperButton->Enabled());
        ClickRow(f->ListView1, 0);
        EXPECT_EQ(f->Edit1->Text(), "1");
        EXPECT_EQ(f->Edit3->Text(), "0000000000000000FF00000000000000");
        EXPECT_EQ(CheckedPorts(f), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
        EXPECT_TRUE(f->OperButton->Enabled());
        EXPECT_FALSE(f->AddButton->Enabled());
        EXPECT_FALSE(f->Edit1->Enabled());
        Click(f->GetButton);
        EXPECT_TRUE(CheckedPorts(f).empty());
        EXPECT_EQ(f->Edit5->Text(), "");
        EXPECT_EQ(f->Edit1->Text(), "");
        EXPECT_TRUE(f->AddButton->Enabled());
    });
}

TEST_F(PayloadMaskTest, AddSendsTheFilledMasksAndThePortsOnlyWhenTicked)
{
    StartSwitch();
    Run([&](F* f) {
        // Two masks in use and one of zeros, which does not count; no port ticked.
        Type(f->Edit1, "2");
        Type(f->Edit5, "FFFF");
        Type(f->Edit3, "00ff");
        Type(f->Edit4, kZeros.c_str());
        Mark();
        Click(f->AddButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "3.2 string FFFF", kEntry + "4.2 string 00FF",
                                        kEntry + "5.2 string " + kZeros, kEntry + "8.2 integer 4"}}));
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1", "2"}));
        EXPECT_EQ(f->Static->Caption(), "2");

        Type(f->Edit1, "3");
        TickPorts(f->PortPage, {1, 9});
        Mark();
        Click(f->AddButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "2.3 string 8080000000000000", kEntry + "8.3 integer 4"}}));
        EXPECT_TRUE(CheckedPorts(f).empty());
    });
}

TEST_F(PayloadMaskTest, EditSendsThePortsAndTheShownRowStatusAndDeleteOnlyDestroy)
{
    StartSwitch({"1.3.6.1.4.1.171.11.5.1.3.1.8.2 integer 1"});
    Run([&](F* f) {
        ClickRow(f->ListView1, 0);
        Type(f->Edit3, "");  // an emptied mask is left out
        Type(f->Edit6, "0F0F0000000000000000000000000000");
        Mark();
        Click(f->OperButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "2.1 string FF00000000000000",
                                        kEntry + "3.1 string 000000000000000000000000FFFF0000",
                                        kEntry + "5.1 string " + kZeros, kEntry + "6.1 string 0F0F0000000000000000000000000000",
                                        kEntry + "7.1 string " + kZeros, kEntry + "8.1 integer 1"}}));
        EXPECT_EQ(f->ListView1->Items()->Item(0)->SubItems()->Strings(4), "0F0F0000000000000000000000000000");
        EXPECT_FALSE(f->OperButton->Enabled());

        // "destroy" shown: three masks filled are not counted, and the entry goes.
        ClickRow(f->ListView1, 0);
        Pick(f->ComboBox1, 5);
        Mark();
        Click(f->OperButton);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_EQ(Wire(Sets()[0]).back(), kEntry + "8.1 integer 6");
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"2"}));

        ClickRow(f->ListView1, 0);
        Mark();
        Click(f->DeleteButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "8.2 integer 6"}}));
        EXPECT_TRUE(Captions(f->ListView1).empty());
        EXPECT_EQ(f->Static->Caption(), "0");
    });
}

TEST_F(PayloadMaskTest, ChecksRefuseWithTheirMessagesAndSendNothing)
{
    StartSwitch();
    Run([&](F* f) {
        const std::vector<int> before = Flags(f);
        const std::vector<Check<F>> checks = {
            {"no id", [](F* f) { Type(f->Edit1, ""); }, "Payload Entry ID must be set.", At(&F::Edit1)},
            {"listed id", [](F* f) { Type(f->Edit1, "1"); }, "Payload Entry ID must be different.", At(&F::Edit1)},
            {"row active", [](F* f) { Pick(f->ComboBox1, 0); }, "Row State must be createAndGo.", At(&F::ComboBox1)},
            {"three masks",
             [](F* f) {
                 for (TEdit* e : {f->Edit5, f->Edit4, f->Edit7}) Type(e, "01");
             },
             "Filtered Ports can not over two groups.", At(&F::Edit5)},
            {"bad character in the second", [](F* f) { Type(f->Edit3, "00-FF"); },
             "Filtered Port(s) [16 to 31] can not contain invalid character(s).", At(&F::Edit3)},
            {"bad character in the fifth", [](F* f) { Type(f->Edit7, "0x"); },
             "Filtered Port(s) [64 to 79] can not contain invalid character(s).", At(&F::Edit7)},
        };
        RunChecks<F>(
            f, checks,
            [](F* f) {
                for (TEdit* e : {f->Edit3, f->Edit4, f->Edit5, f->Edit6, f->Edit7}) Type(e, "");
                Type(f->Edit1, "9");
                Pick(f->ComboBox1, 3);
            },
            [](F* f) { Click(f->AddButton); });
        EXPECT_EQ(Flags(f), before);
        Click(f->GetButton);
        EXPECT_EQ(f->ListView1->Items()->Item(0)->SubItems()->Count(), 7);
    });
}

TEST_F(PayloadMaskTest, AShortPortListCannotBeSelected)
{
    StartSwitch({"fault short 1.3.6.1.4.1.171.11.5.1.3.1.2 4"});
    Run([&](F* f) {
        boxes.Clear();
        ClickRow(f->ListView1, 0);
        const std::vector<std::string> texts = BoxTexts();
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_NE(texts[0].find("(QzSNMP++) Out of range for the bit(byte) index of the associated SNMP variable's "
                                "(partial) data!"),
                  std::string::npos)
            << texts[0];
    });
}

TEST_F(PayloadMaskTest, ARefusedDeleteIsShownAfterTheRereadWithTheFlagsBack)
{
    StartSwitch({"fault error 1.3.6.1.4.1.171.11.5.1.3.1.8 genErr set"});
    Run([&](F* f) {
        const std::vector<int> before = Flags(f);
        ClickRow(f->ListView1, 0);
        Mark();
        Click(f->DeleteButton);
        Settle();  // the write and the re-read are answered; their log lines may lag
        const std::vector<SimRequest> after = Since();
        ASSERT_FALSE(after.empty());
        EXPECT_EQ(after.front().kind, "SET");
        EXPECT_GT(after.size(), 1u) << "the table is read again";
        EXPECT_EQ(Flags(f), before);
        EXPECT_EQ(f->StatusBar1->Panels()->Items(0)->Text(), "(SNMP) Cannot perform operation, General Error!");
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1"}));
        EXPECT_FALSE(f->DeleteButton->Enabled());
    });
}
