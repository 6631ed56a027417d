// The AAA server host form against the simulated switch: rows indexed by address and protocol,
// the columns a write carries, and the checks.
#include "forms/routing_security/serverinformationform.h"
#include "tests/forms/security/securityfixture.h"

namespace {

const std::string kServer = "1.3.6.1.4.1.171.12.5.10.1.";

bool Read(TServerInformationForm* f) { return f->Request && f->ListView1->Items()->Count() >= 4; }

class ServerInformationTest : public SecurityFormTest {
protected:
    static void Fill(TServerInformationForm* f, const char* ip, int protocol, const char* port, const char* key,
                     const char* timeout, const char* retry)
    {
        f->IPEdit->SetText(ip);
        f->ProtocolComboBox->SetItemIndex(protocol);
        f->PortEdit->SetText(port);
        f->KeyEdit->SetText(key);
        f->TimeoutEdit->SetText(timeout);
        f->RetryCEdit->SetText(retry);
    }
};

}  // namespace

TEST_F(ServerInformationTest, ServersAreListedByAddressAndProtocol)
{
    StartSwitch();
    RunMenu<TServerInformationForm>("ServerInformation1", Read, [&](TServerInformationForm* f) {
        EXPECT_EQ(f->Caption().std(), "Server Information Table");
        EXPECT_EQ(f->Static->Caption().std(), "4");
        EXPECT_EQ(f->RowComboBox->Text().std(), "createAndGo");
        EXPECT_FALSE(f->EditButton->Enabled());
        Screenshot(f, "TServerInformationForm");
        ClickRow(f->ListView1, 3);
        EXPECT_EQ(f->IPEdit->Text().std(), "10.90.90.30");
        EXPECT_EQ(f->ProtocolComboBox->Text().std(), "tacacs-plus");
        EXPECT_EQ(f->PortEdit->Text().std(), "49");
        EXPECT_EQ(f->KeyEdit->Text().std(), "TacPlusKey");
        EXPECT_FALSE(f->IPEdit->Enabled());
        EXPECT_FALSE(f->ProtocolComboBox->Enabled());
        EXPECT_FALSE(f->AddButton->Enabled());
        EXPECT_TRUE(f->DeleteButton->Enabled());
    });
}

TEST_F(ServerInformationTest, AddWritesOnlyTheFilledColumnsAtTheAddressAndProtocol)
{
    StartSwitch();
    RunMenu<TServerInformationForm>("ServerInformation1", Read, [&](TServerInformationForm* f) {
        Fill(f, "10.90.90.40", 3, "", "", "", "");
        Mark();
        Click(f->AddButton);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), std::vector<std::string>{kServer + "7.10.90.90.40.4 integer 4"});
        EXPECT_EQ(sets[0].status, "noError");
        EXPECT_EQ(f->Static->Caption().std(), "5");

        // The same address with another protocol is another server.
        Fill(f, "10.90.90.40", 1, "1049", "Secret", "7", "3");
        Mark();
        Click(f->AddButton);
        sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{
                                         kServer + "3.10.90.90.40.2 integer 1049",
                                         kServer + "4.10.90.90.40.2 string \"Secret\"",
                                         kServer + "5.10.90.90.40.2 integer 7",
                                         kServer + "6.10.90.90.40.2 integer 3",
                                         kServer + "7.10.90.90.40.2 integer 4",
                                     }));
        EXPECT_EQ(f->Static->Caption().std(), "6");
        EXPECT_EQ(f->IPEdit->Text().std(), "");
    });
}

TEST_F(ServerInformationTest, AddChecksStopBeforeAnythingIsSent)
{
    StartSwitch();
    struct Case {
        const char* ip;
        int protocol, rowStatus;
        const char* message;
    };
    const Case cases[] = {
        {"", 3, 3, "Server IP must be set."},
        {"10.90.90.40", -1, 3, "Protocol must be set."},
        {"10.90.90.30", 2, 3, "Has already a record with the same Server IP and Protocol. Please Change Server IP or Protocol."},
        {"10.90.90.20", 3, 3, "Has already a record with the same Server IP and Protocol. Please Change Server IP or Protocol."},
        {"10.90.90.40", 3, 0, "Row State must be createAndGo."},
    };
    RunMenu<TServerInformationForm>("ServerInformation1", Read, [&](TServerInformationForm* f) {
        Mark();
        for (const Case& c : cases) {
            boxes.Clear();
            Fill(f, c.ip, c.protocol, "", "", "", "");
            f->RowComboBox->SetItemIndex(c.rowStatus);
            Click(f->AddButton);
            EXPECT_EQ(Texts(), std::vector<std::string>{c.message}) << c.ip;
        }
        WaitFor([] { return false; }, 50);
        EXPECT_TRUE(Since("SET").empty());
    });
}

TEST_F(ServerInformationTest, AnAddressThatIsNotOneIsRefusedAndNothingIsSent)
{
    StartSwitch();
    RunMenu<TServerInformationForm>("ServerInformation1", Read, [&](TServerInformationForm* f) {
        for (const char* ip : {"300.1.1.1", "1.2.3.256", "1.2.3.4.5", "1.2.3", "10.90.90.x"}) {
            SCOPED_TRACE(ip);
            Fill(f, ip, 3, "", "", "", "");
            f->RowComboBox->SetItemIndex(3);
            boxes.Clear();
            Mark();
            Click(f->AddButton);
            EXPECT_TRUE(Since("SET").empty());
            EXPECT_TRUE(boxes.Boxes().empty());
            const std::string shown = f->StatusBar1->Panels()->Items(0)->Text().std();
            EXPECT_NE(shown.find("(QzSNMP++) Bad value of the associated SNMP variable's (partial) data!"),
                      std::string::npos) << shown;
            EXPECT_EQ(f->Static->Caption().std(), "4");
        }
    });
}

TEST_F(ServerInformationTest, EditLeavesEmptySettingsAndTheRowStatusOut)
{
    StartSwitch();
    RunMenu<TServerInformationForm>("ServerInformation1", Read, [&](TServerInformationForm* f) {
        ClickRow(f->ListView1, 0);
        EXPECT_EQ(f->IPEdit->Text().std(), "10.90.90.20");
        f->KeyEdit->SetText("");  // the key on the switch stays
        f->TimeoutEdit->SetText("9");
        Mark();
        Click(f->EditButton);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{
                                         kServer + "3.10.90.90.20.4 integer 1812",
                                         kServer + "5.10.90.90.20.4 integer 9",
                                         kServer + "6.10.90.90.20.4 integer 2",
                                     }));
        EXPECT_TRUE(f->AddButton->Enabled());
        ClickRow(f->ListView1, 0);
        EXPECT_EQ(f->KeyEdit->Text().std(), "Rad1usKey");
        EXPECT_EQ(f->TimeoutEdit->Text().std(), "9");
    });
}

TEST_F(ServerInformationTest, EditWithDestroyAndDeleteRemoveTheRow)
{
    StartSwitch();
    RunMenu<TServerInformationForm>("ServerInformation1", Read, [&](TServerInformationForm* f) {
        ClickRow(f->ListView1, 1);
        f->RowComboBox->SetItemIndex(5);
        Mark();
        Click(f->EditButton);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), std::vector<std::string>{kServer + "7.10.90.90.21.4 integer 6"});
        EXPECT_EQ(f->Static->Caption().std(), "3");

        ClickRow(f->ListView1, 0);
        Mark();
        Click(f->DeleteButton);
        sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), std::vector<std::string>{kServer + "7.10.90.90.20.4 integer 6"});
        EXPECT_EQ(f->Static->Caption().std(), "2");
        EXPECT_EQ(f->RowComboBox->Text().std(), "destroy");
        Fill(f, "10.90.90.41", 3, "", "", "", "");
        Click(f->AddButton);
        EXPECT_EQ(Texts(), std::vector<std::string>{"Row State must be createAndGo."});
    });
}

TEST_F(ServerInformationTest, AnEmptyTableShowsZero)
{
    StartSwitch({"unset 1.3.6.1.4.1.171.12.5.10.1.3", "unset 1.3.6.1.4.1.171.12.5.10.1.4",
                 "unset 1.3.6.1.4.1.171.12.5.10.1.5", "unset 1.3.6.1.4.1.171.12.5.10.1.6",
                 "unset 1.3.6.1.4.1.171.12.5.10.1.7"});
    RunMenu<TServerInformationForm>("ServerInformation1", [](TServerInformationForm* f) { return Idle(f->Request); },
                                    [&](TServerInformationForm* f) {
                                        EXPECT_EQ(f->ListView1->Items()->Count(), 0);
                                        EXPECT_EQ(f->Static->Caption().std(), "0");
                                    });
}

// After a refused write no row stays highlighted: a click on it fills the address again, and
// Edit and Delete then act on that server.
TEST_F(ServerInformationTest, ARefusedEditLeavesNoRowHighlightedAndTheNextClickRefillsIt)
{
    StartSwitch();
    RunMenu<TServerInformationForm>("ServerInformation1", Read, [&](TServerInformationForm* f) {
        ClickRow(f->ListView1, 0);
        const std::string ip = f->IPEdit->Text().std();
        agent->Control("fault error 1.3.6.1.4.1.171.12.5.10.1 genErr set");
        Mark();
        Click(f->EditButton);
        EXPECT_EQ(Sets().size(), 1u);
        EXPECT_NE(f->StatusBar1->Panels()->Items(0)->Text().std(), "");
        EXPECT_EQ(f->ListView1->Selected(), nullptr);
        EXPECT_EQ(f->IPEdit->Text().std(), "");
        EXPECT_TRUE(f->IPEdit->Enabled());
        EXPECT_FALSE(f->EditButton->Enabled());
        EXPECT_FALSE(f->DeleteButton->Enabled());

        agent->Control("fault clear");
        ClickRow(f->ListView1, 0);
        EXPECT_EQ(f->IPEdit->Text().std(), ip);
        ASSERT_TRUE(f->DeleteButton->Enabled());
        Mark();
        Click(f->DeleteButton);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), std::vector<std::string>{kServer + "7." + ip + ".4 integer 6"});
    });
}
