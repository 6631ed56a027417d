// The IPv6 mask profile form: the kind of a listed profile recognised, the objects each kind
// sends on Add and Edit (Edit first takes the profile out of the other kind), the checks.
#include "forms/acl/IPv6MaskInfo.h"
#include "tests/forms/acl/aclfixture.h"

namespace {

using F = TIPv6MaskInfoForm;
const std::string kEntry = "1.3.6.1.4.1.171.12.9.2.4.1.";
const char* kMask = "FFFFFFFFFFFFFFFFFFFFFFFF00000000";
using Wires = std::vector<std::vector<std::string>>;

class Ipv6MaskTest : public AclFormTest {
protected:
    void Run(std::function<void(F*)> body) { Open<F>("IPv6MaskInformation1", body); }
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
    // Profile 3: neither class, flow label nor an address state.
    static std::vector<std::string> NeitherKind()
    {
        const std::string zeros = " hex 00000000000000000000000000000000";
        return {kEntry + "2.3 integer 2", kEntry + "3.3 integer 2", kEntry + "4.3 integer 1",
                kEntry + "5.3" + zeros,   kEntry + "6.3" + zeros,   kEntry + "7.3 integer 1"};
    }
};

}  // namespace

TEST_F(Ipv6MaskTest, ASelectedProfileChoosesItsKind)
{
    StartSwitch(NeitherKind());
    Run([&](F* f) {
        Screenshot(f, "IPv6MaskInfoForm");
        EXPECT_EQ(f->Caption(), "IPv6 Mask Information");
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1", "2", "3"}));
        EXPECT_EQ(f->Static->Caption(), "3");
        EXPECT_EQ(f->cbxStatus->Text(), "createAndGo");
        EXPECT_FALSE(f->EditButton->Enabled());
        EXPECT_TRUE(f->edtMaskID->Enabled());
        ClickRow(f->ListView1, 0);
        EXPECT_TRUE(f->RadioButton1->Checked());
        EXPECT_TRUE(f->cbxMaskClass->Enabled());
        EXPECT_FALSE(f->cbxMaskState->Enabled());
        EXPECT_FALSE(f->edtSrcMask->Enabled());
        EXPECT_TRUE(f->EditButton->Enabled());
        EXPECT_FALSE(f->edtMaskID->Enabled());
        ClickRow(f->ListView1, 1);
        EXPECT_TRUE(f->RadioButton2->Checked());
        EXPECT_FALSE(f->RadioButton1->Checked());
        EXPECT_EQ(f->cbxMaskState->Text(), "src-ipv6-addr");
        EXPECT_EQ(f->edtSrcMask->Text(), "FFFFFFFFFFFFFFFF0000000000000000");
        EXPECT_FALSE(f->cbxMaskClass->Enabled());
        EXPECT_TRUE(f->edtDstMask->Enabled());
        ClickRow(f->ListView1, 2);
        EXPECT_FALSE(f->RadioButton1->Checked());
        EXPECT_FALSE(f->RadioButton2->Checked());
        for (TWinControl* c : std::initializer_list<TWinControl*>{f->cbxMaskClass, f->cbxMaskFlowlabel,
                                                                   f->cbxMaskState, f->edtSrcMask, f->edtDstMask})
            EXPECT_TRUE(c->Enabled()) << c->Name().c_str();
    });
}

TEST_F(Ipv6MaskTest, AddSendsTheChosenKindAndTheRowStatus)
{
    StartSwitch();
    Run([&](F* f) {
        Type(f->edtMaskID, "3");
        f->RadioButton1->SetChecked(true);
        Pick(f->cbxMaskClass, 0);
        Mark();
        Click(f->AddButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "2.3 integer 1", kEntry + "3.3 integer 2", kEntry + "7.3 integer 4"}}));
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1", "2", "3"}));
        EXPECT_EQ(f->edtMaskID->Text(), "");
        EXPECT_FALSE(f->RadioButton1->Checked());

        // Destination state: only the destination mask, though the source edit holds text.
        Type(f->edtMaskID, "4");
        f->RadioButton2->SetChecked(true);
        Pick(f->cbxMaskState, 1);
        Type(f->edtDstMask, kMask);
        Type(f->edtSrcMask, "0000000000000000000000000000FFFF");
        Mark();
        Click(f->AddButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "4.4 integer 2", kEntry + "6.4 string " + kMask,
                                        kEntry + "7.4 integer 4"}}));

        // No kind chosen: the row status alone.
        Type(f->edtMaskID, "5");
        Mark();
        Click(f->AddButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "7.5 integer 4"}}));
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    });
}

TEST_F(Ipv6MaskTest, EditTakesTheProfileOutOfTheOtherKindFirst)
{
    StartSwitch();
    Run([&](F* f) {
        ClickRow(f->ListView1, 1);  // source addresses
        f->RadioButton1->SetChecked(true);
        Pick(f->cbxMaskClass, 0);
        Mark();
        Click(f->EditButton);
        EXPECT_EQ(SetsOnWire(2), (Wires{
                                     {kEntry + "4.2 integer 1", kEntry + "7.2 integer 1"},
                                     {kEntry + "2.2 integer 1", kEntry + "3.2 integer 2"},
                                 }));
        EXPECT_EQ(f->ListView1->Items()->Item(1)->SubItems()->Strings(0), "enable");

        ClickRow(f->ListView1, 0);  // class and flow label
        f->RadioButton2->SetChecked(true);
        Pick(f->cbxMaskState, 1);
        Type(f->edtDstMask, kMask);
        Mark();
        Click(f->EditButton);
        EXPECT_EQ(SetsOnWire(2), (Wires{
                                     {kEntry + "2.1 integer 2", kEntry + "3.1 integer 2", kEntry + "7.1 integer 1"},
                                     {kEntry + "4.1 integer 2", kEntry + "6.1 string " + kMask},
                                 }));
    });
}

TEST_F(Ipv6MaskTest, DestroyOnEditAndDeleteWriteOnlyTheRowStatus)
{
    StartSwitch();
    Run([&](F* f) {
        ClickRow(f->ListView1, 0);
        Pick(f->cbxStatus, 5);
        Mark();
        Click(f->EditButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "7.1 integer 6"}}));
        ClickRow(f->ListView1, 0);
        Mark();
        Click(f->DeleteButton);
        EXPECT_EQ(SetsOnWire(), (Wires{{kEntry + "7.2 integer 6"}}));
        EXPECT_TRUE(Captions(f->ListView1).empty());
        EXPECT_FALSE(f->DeleteButton->Enabled());
    });
}

TEST_F(Ipv6MaskTest, ChecksRefuseWithTheirMessagesAndSendNothing)
{
    StartSwitch();
    Run([&](F* f) {
        using A = std::function<void(F*)>;
        auto address = [](int state, const char* dst, const char* src) {
            return A([=](F* f) {
                f->RadioButton2->SetChecked(true);
                Pick(f->cbxMaskState, state);
                Type(f->edtDstMask, dst);
                Type(f->edtSrcMask, src);
            });
        };
        std::vector<Check<F>> checks = {
            {"no id", A([](F* f) { Type(f->edtMaskID, ""); }), "IPv6 Mask ID must be set.", At(&F::edtMaskID)},
            {"no class", A([](F* f) {
                 f->RadioButton1->SetChecked(true);
                 Pick(f->cbxMaskClass, -1);
             }),
             "Please choose Class.", nullptr},
            {"no flow label", A([](F* f) {
                 f->RadioButton1->SetChecked(true);
                 Pick(f->cbxMaskFlowlabel, -1);
             }),
             "Please choose Flow Label.", nullptr},
            {"no state", address(-1, "", ""), "Please choose IPv6 Address Mask State.", nullptr},
            {"destination first", address(1, "", "bad"), "IPv6 Destination Address Mask should not be null.",
             At(&F::edtDstMask)},
            {"no source", address(2, kMask, ""), "IPv6 Source Address Mask should not be null.", At(&F::edtSrcMask)},
            {"colons", address(1, "ffff:ffff:ffff:ffff:0000:0000", ""), "Invalid Ipv6 Address value",
             At(&F::edtDstMask)},
            {"31 digits", address(2, "", "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"), "Invalid Ipv6 Address value",
             At(&F::edtSrcMask)},
            {"listed id", A([](F* f) { Type(f->edtMaskID, "2"); }),
             "There is already a record with the same IPv6 Mask ID. Please modify it.", At(&F::edtMaskID)},
            {"not createAndGo", A([](F* f) { Pick(f->cbxStatus, 0); }), "Row Status must be createAndGo.",
             At(&F::cbxStatus)},
        };
        RunChecks<F>(
            f, checks,
            [](F* f) {
                f->RadioButton1->SetChecked(false);
                f->RadioButton2->SetChecked(false);
                Pick(f->cbxMaskClass, 1);
                Pick(f->cbxMaskFlowlabel, 1);
                Pick(f->cbxStatus, 3);
                Type(f->edtMaskID, "5");
            },
            [](F* f) { Click(f->AddButton); });
    });
}

TEST_F(Ipv6MaskTest, ARefusedWriteGivesEveryAccessFlagBackAndShowsTheError)
{
    StartSwitch({"fault error 1.3.6.1.4.1.171.12.9.2.4.1.7 genErr set"});
    Run([&](F* f) {
        const std::vector<int> before = Flags(f);
        ClickRow(f->ListView1, 1);
        f->RadioButton1->SetChecked(true);
        Mark();
        Click(f->EditButton);
        EXPECT_EQ(Sets(1).size(), 1u);  // the failed first write ends the edit
        EXPECT_EQ(Flags(f), before);
        EXPECT_FALSE(f->StatusBar1->Panels()->Items(0)->Text().IsEmpty());
        EXPECT_TRUE(f->AddButton->Enabled());
        Type(f->edtMaskID, "4");
        Click(f->AddButton);
        EXPECT_EQ(Flags(f), before);
        Click(f->GetButton);
        EXPECT_EQ(f->ListView1->Items()->Item(0)->SubItems()->Count(), 6);
    });
}
