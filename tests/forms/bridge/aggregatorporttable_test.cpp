// The LACP aggregator port form against the simulated switch: the port table read with the
// first port selected after every read, the write of the selected port's admin values, the
// partner system ID check, and the ready flag that holds Refresh and Edit while a read runs.
#include "forms/layer2/aggregatorporttableformunit.h"
#include "tests/forms/bridge/bridgefixture.h"

namespace {

const std::string kLacp = "1.3.6.1.4.1.171.12.4.1.2.1.1.";

bool LacpRead(TAggregatorPortTableForm* f) { return f->Ready && f->LacpRequest && !f->LacpRequest->Busy; }

class AggregatorPortTest : public BridgeFormTest {
protected:
    void Open(const std::function<void(TAggregatorPortTableForm*)>& body)
    {
        RunMenu<TAggregatorPortTableForm>("AggreatorPortTable1", LacpRead, body);
    }
    // Numbers (1 to 32) of the checked state boxes.
    static std::vector<int> Checked(TAggregatorPortTableForm* f)
    {
        std::vector<int> out;
        for (int k = 0; k < 32; ++k)
            if (f->CheckBoxes[k]->Checked()) out.push_back(k + 1);
        return out;
    }
    static std::string Selected(TAggregatorPortTableForm* f)
    {
        TListItem* item = f->ListView1->Selected();
        return item ? item->Caption().std() : std::string();
    }
};

}  // namespace

TEST_F(AggregatorPortTest, ReadsEveryPortAndShowsTheFirstPortAfterEachRead)
{
    StartSwitch();
    Open([&](TAggregatorPortTableForm* f) {
        EXPECT_EQ(f->Caption().std(), "Aggregator Port Table:127.0.0.1");
        TListView* lv = f->ListView1;
        ASSERT_EQ(lv->Items()->Count(), 27);
        EXPECT_EQ(Row(lv, 0), "1 32768 020000612000 1 1 32768 32768 000000000000 001B11223355 0 7 1 1 1 128 0 1 128 "
                              "128 A0 BC 02 BC true");
        EXPECT_EQ(f->StaticText1->Caption().std(), "27");
        EXPECT_FALSE(f->TabSheet2->TabVisible());
        EXPECT_FALSE(f->TabSheet4->TabVisible());
        EXPECT_TRUE(f->TabSheet1->TabVisible());
        EXPECT_TRUE(f->TabSheet3->TabVisible());
        EXPECT_EQ(f->CheckBoxes[0]->Caption().std(), "lacpActivity");
        EXPECT_EQ(f->CheckBoxes[23]->Caption().std(), "expired");

        EXPECT_EQ(Selected(f), "1");
        EXPECT_EQ(f->edtActorKey->Text().std(), "1");
        EXPECT_EQ(f->edtPartnerID->Text().std(), "000000000000");
        EXPECT_EQ(f->edtPartnerKey->Text().std(), "0");
        EXPECT_EQ(Checked(f), (std::vector<int>{1, 3, 23}));
        EXPECT_TRUE(f->edtActorKey->Enabled());
        EXPECT_TRUE(f->CheckBoxes[0]->Enabled());
        Screenshot(f, "TAggregatorPortTableForm");

        ClickListRow(lv, 5);
        EXPECT_EQ(f->edtActorKey->Text().std(), "6");
        EXPECT_TRUE(f->btnEdit->Enabled());
        Click(f->GetBtn);
        EXPECT_FALSE(f->btnEdit->Enabled());
        EXPECT_TRUE(WaitFor([&] { return LacpRead(f); }));
        EXPECT_EQ(Selected(f), "1");
        EXPECT_EQ(f->edtActorKey->Text().std(), "1");
        EXPECT_EQ(Checked(f), (std::vector<int>{1, 3, 23}));
    });
}

TEST_F(AggregatorPortTest, EditWritesTheSelectedPortsAdminValuesThenReadsAgain)
{
    StartSwitch();
    Open([&](TAggregatorPortTableForm* f) {
        ClickListRow(f->ListView1, 2);
        EXPECT_EQ(f->edtActorKey->Text().std(), "3");
        f->edtActorKey->SetText("300");
        f->edtPartnerID->SetText("001b11223355");
        f->edtPartnerKey->SetText("7");
        f->CheckBoxes[0]->SetChecked(true);  // lacpActivity
        f->CheckBoxes[1]->SetChecked(true);  // lacpTimeout
        f->CheckBoxes[16]->SetChecked(true);
        Mark();
        Click(f->btnEdit);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]),
                  (std::vector<std::string>{kLacp + "4.3 integer 300", kLacp + "8.3 string 0x001B11223355",
                                            kLacp + "10.3 integer 7", kLacp + "20.3 string 0xE0",
                                            kLacp + "22.3 string 0x82"}));
        EXPECT_TRUE(WaitFor([&] { return LacpRead(f); }));
        EXPECT_EQ(WalksOf(kLacp + "2"), 1u);
        EXPECT_EQ(Row(f->ListView1, 2).substr(0, 26), "3 32768 020000612000 300 3");
        EXPECT_EQ(Selected(f), "1");
    });
}

TEST_F(AggregatorPortTest, ThePartnerSystemIdMustBeTwelveHexDigits)
{
    StartSwitch();
    Open([&](TAggregatorPortTableForm* f) {
        struct Case {
            const char* id;
            const char* message;  // null: written
        } cases[] = {
            {"", "Invalid Macaddrss"},
            {"00112233445g", "Invalid Macaddrss"},
            {"0011-2233445", "Invalid Macaddrss"},
            {"0011223344", "Invalid Macaddress"},
            {"0011223344556", "Invalid Macaddress"},
            {"aAbBcCdDeEfF", nullptr},
        };
        for (const Case& c : cases) {
            ASSERT_TRUE(WaitFor([&] { return LacpRead(f); }));
            ClickListRow(f->ListView1, 0);
            f->edtPartnerID->SetText(c.id);
            const size_t before = Texts().size();
            Mark();
            Click(f->btnEdit);
            if (c.message) {
                ASSERT_EQ(Texts().size(), before + 1) << c.id;
                EXPECT_EQ(Texts().back(), c.message) << c.id;
                WaitFor([] { return false; }, 30);
                EXPECT_TRUE(Since("SET").empty()) << c.id;
            } else {
                std::vector<SimRequest> sets = Sets();
                ASSERT_EQ(sets.size(), 1u);
                EXPECT_EQ(Varbinds(sets[0])[1], kLacp + "8.1 string 0xAABBCCDDEEFF");
                EXPECT_EQ(Texts().size(), before);
            }
        }
    });
}

TEST_F(AggregatorPortTest, RefreshAndEditDoNothingWhileAReadRuns)
{
    StartSwitch();
    Open([&](TAggregatorPortTableForm* f) {
        agent->Control("fault delay 20");
        Mark();
        Click(f->GetBtn);
        EXPECT_FALSE(f->Ready);
        Click(f->GetBtn);
        f->btnEditClick(f->btnEdit);
        EXPECT_TRUE(WaitFor([&] { return LacpRead(f); }));
        EXPECT_EQ(WalksOf(kLacp + "2"), 1u);
        EXPECT_TRUE(Since("SET").empty());
        EXPECT_TRUE(Texts().empty());
        EXPECT_EQ(f->ListView1->Items()->Count(), 27);
    });
}
