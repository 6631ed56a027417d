// The Ethernet mask profile form: the profiles read, Add / Set / Delete on the wire, the checks.
#include "forms/acl/EthernetMaskInformation.h"
#include "tests/forms/acl/aclfixture.h"

namespace {

using F = TEthernetMaskInformationForm;
const std::string kEntry = "1.3.6.1.4.1.171.12.9.2.1.1.";

class EthernetMaskTest : public AclFormTest {
protected:
    void Run(std::function<void(F*)> body) { Open<F>("EthernetMask1", body); }
    static std::vector<int> Flags(F* f)
    {
        std::vector<int> out;
        for (int i = 0; i < f->Request->Request.varList.GetCount(); ++i)
            out.push_back(f->Request->Request.varList.Items(i).access);
        return out;
    }
};

}  // namespace

TEST_F(EthernetMaskTest, ListsTheProfilesAndStartsInAddMode)
{
    StartSwitch();
    Run([&](F* f) {
        Screenshot(f, "EthernetMaskInformationForm");
        EXPECT_EQ(f->Caption(), "Ethernet Mask Information :" + agent->Address());
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1", "2"}));
        TListItem* row = f->ListView1->Items()->Item(0);
        EXPECT_EQ(row->SubItems()->Strings(0), "enabled");
        EXPECT_EQ(row->SubItems()->Strings(1), "dst-src-mac-addr");
        EXPECT_EQ(row->SubItems()->Strings(2), "FFFFFFFFFFFF");
        EXPECT_EQ(row->SubItems()->Strings(6), "active");
        EXPECT_FALSE(f->SetBtn->Enabled());
        EXPECT_FALSE(f->BT_Delete->Enabled());
        EXPECT_TRUE(f->AddBtn->Enabled());
        EXPECT_TRUE(f->IDEdit->Enabled());
        ClickRow(f->ListView1, 1);
        EXPECT_EQ(f->IDEdit->Text(), "2");
        EXPECT_EQ(f->Use8021pComBo->Text(), "enabled");
        EXPECT_TRUE(f->SetBtn->Enabled());
        EXPECT_FALSE(f->AddBtn->Enabled());
        EXPECT_FALSE(f->IDEdit->Enabled());
    });
}

TEST_F(EthernetMaskTest, AddWritesTheChosenMaskAndTheRowStatusAtTheProfile)
{
    StartSwitch();
    Run([&](F* f) {
        Type(f->IDEdit, "3");
        Pick(f->MacMaskStateComBo, 1);  // dst-mac-addr: the source mask is not sent
        Type(f->MacMaskDstEdit, "FFFFFF000000");
        Type(f->MacAddMaskSourceEdit, "FFFFFFFFFFFF");
        Pick(f->RowStatusComBo, 3);
        Mark();
        Click(f->AddBtn);
        EXPECT_EQ(SetsOnWire(), (std::vector<std::vector<std::string>>{{
                                    kEntry + "2.3 integer 1",
                                    kEntry + "3.3 integer 2",
                                    kEntry + "5.3 string FFFFFF000000",
                                    kEntry + "6.3 integer 1",
                                    kEntry + "7.3 integer 1",
                                    kEntry + "8.3 integer 4",
                                }}));
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1", "2", "3"}));
        EXPECT_EQ(f->IDEdit->Text(), "");
        EXPECT_TRUE(f->AddBtn->Enabled());
    });
}

TEST_F(EthernetMaskTest, SetWithStateOtherLeavesBothMasksOutAndDestroyWritesOnlyTheRowStatus)
{
    StartSwitch();
    Run([&](F* f) {
        ClickRow(f->ListView1, 0);
        Pick(f->MacMaskStateComBo, 0);
        Mark();
        Click(f->SetBtn);
        EXPECT_EQ(SetsOnWire(), (std::vector<std::vector<std::string>>{{
                                    kEntry + "2.1 integer 1",
                                    kEntry + "3.1 integer 1",
                                    kEntry + "6.1 integer 2",
                                    kEntry + "7.1 integer 2",
                                    kEntry + "8.1 integer 1",
                                }}));
        ClickRow(f->ListView1, 0);
        Pick(f->RowStatusComBo, 5);
        Mark();
        Click(f->SetBtn);
        EXPECT_EQ(SetsOnWire(), (std::vector<std::vector<std::string>>{{kEntry + "8.1 integer 6"}}));
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"2"}));
    });
}

TEST_F(EthernetMaskTest, DeleteWritesDestroyAtTheSelectedProfile)
{
    StartSwitch();
    Run([&](F* f) {
        ClickRow(f->ListView1, 1);
        Mark();
        Click(f->BT_Delete);
        EXPECT_EQ(SetsOnWire(), (std::vector<std::vector<std::string>>{{kEntry + "8.2 integer 6"}}));
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1"}));
        EXPECT_FALSE(f->BT_Delete->Enabled());
    });
}

TEST_F(EthernetMaskTest, ChecksRefuseWithTheirMessagesAndSendNothing)
{
    StartSwitch();
    Run([&](F* f) {
        auto add = [&](const char* id, int state, const char* dst, const char* src) {
            return [=](F* f) {
                Type(f->IDEdit, id);
                Pick(f->MacMaskStateComBo, state);
                Type(f->MacMaskDstEdit, dst);
                Type(f->MacAddMaskSourceEdit, src);
            };
        };
        auto focus = [](TWinControl* (*pick)(F*)) { return std::function<TWinControl*(F*)>(pick); };
        std::vector<Check<F>> checks = {
            {"no id", add("", 1, "", ""), "Mask ID must be set", focus([](F* f) -> TWinControl* { return f->IDEdit; })},
            {"listed id", add("2", 0, "", ""), "There is already a record with the same Ethernet Mask ID. Please modified it.",
             focus([](F* f) -> TWinControl* { return f->IDEdit; })},
            {"dashes", add("4", 1, "00-11-22-33-44-55", ""), "Invalid Macaddrss",
             focus([](F* f) -> TWinControl* { return f->MacMaskDstEdit; })},
            {"11 digits", add("4", 2, "", "00112233445"), "Invalid Macaddress",
             focus([](F* f) -> TWinControl* { return f->MacAddMaskSourceEdit; })},
            {"destination first", add("4", 3, "0011223344zz", "00112233445"), "Invalid Macaddrss",
             focus([](F* f) -> TWinControl* { return f->MacMaskDstEdit; })},
        };
        RunChecks<F>(f, checks, [](F* f) { Pick(f->RowStatusComBo, 3); }, [](F* f) { Click(f->AddBtn); });
        // The duplicate wins whatever the row status; a new profile needs createAndGo.
        std::vector<Check<F>> rowStatus = {
            {"listed id, active", add("1", 0, "", ""),
             "There is already a record with the same Ethernet Mask ID. Please modified it.", nullptr},
            {"new id, active", add("5", 0, "", ""), "Row Status must be createAndGo.",
             focus([](F* f) -> TWinControl* { return f->RowStatusComBo; })},
        };
        RunChecks<F>(f, rowStatus, [](F* f) { Pick(f->RowStatusComBo, 0); }, [](F* f) { Click(f->AddBtn); });
    });
}

TEST_F(EthernetMaskTest, ARefusedWriteGivesEveryAccessFlagBack)
{
    StartSwitch({"fault error 1.3.6.1.4.1.171.12.9.2.1.1.8 genErr set"});
    Run([&](F* f) {
        const std::vector<int> before = Flags(f);
        ClickRow(f->ListView1, 0);
        Pick(f->MacMaskStateComBo, 0);
        Mark();
        Click(f->SetBtn);
        EXPECT_EQ(Sets().size(), 1u);  // the agent logs once it has answered
        EXPECT_EQ(Flags(f), before);
        ClickRow(f->ListView1, 1);
        Click(f->BT_Delete);
        EXPECT_EQ(Flags(f), before);
        EXPECT_FALSE(f->StatusBar1->Panels()->Items(0)->Text().IsEmpty());
        Click(f->BT_Get);
        EXPECT_EQ(f->ListView1->Items()->Item(0)->SubItems()->Count(), 7);
    });
}

// "001" is profile 1 on the wire, so it is listed; a write the switch refuses is shown, with
// the list read again and no row left highlighted.
TEST_F(EthernetMaskTest, ARefusedSetOrAddIsShownAndAnIdWithLeadingZerosIsADuplicate)
{
    StartSwitch();
    Run([&](F* f) {
        const char* kError = "(SNMP) Cannot perform operation, General Error!";
        Type(f->IDEdit, "001");
        Pick(f->RowStatusComBo, 3);
        boxes.Clear();
        Mark();
        Click(f->AddBtn);
        EXPECT_EQ(BoxTexts(),
                  std::vector<std::string>{"There is already a record with the same Ethernet Mask ID. Please modified it."});
        Settle();
        EXPECT_TRUE(Since("SET").empty());

        agent->Control("fault error 1.3.6.1.4.1.171.12.9.2.1.1 genErr set");
        const struct {
            const char* name;
            std::function<void(F*)> write;
        } writes[] = {
            {"Set", [](F* f) { ClickRow(f->ListView1, 0); Click(f->SetBtn); }},
            {"Add", [](F* f) { Type(f->IDEdit, "3"); Pick(f->RowStatusComBo, 3); Click(f->AddBtn); }},
        };
        for (const auto& w : writes) {
            SCOPED_TRACE(w.name);
            ShowInPanel(f->StatusBar1, "");
            Mark();
            w.write(f);
            EXPECT_EQ(Sets(1).size(), 1u);
            EXPECT_EQ(f->StatusBar1->Panels()->Items(0)->Text(), kError);
            EXPECT_EQ(f->ListView1->Selected(), nullptr);
            EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1", "2"}));
            EXPECT_FALSE(f->SetBtn->Enabled());
            EXPECT_EQ(f->IDEdit->Text(), "");
        }
    });
}
