// The IGMP and MLD router-port forms against the simulated switch: the VLAN rows and their
// three port lists, Set of the static and forbidden lists alone, and the pages reset after
// Refresh and Set with Set off until a VLAN is chosen again.
#include <cstdio>

#include "forms/layer2/igmprouterportsunit.h"
#include "forms/layer2/mld_snoopingrouterportsunit.h"
#include "tests/forms/security/securityfixture.h"

namespace {

const std::string kIgmp = "1.3.6.1.4.1.171.11.70.2.2.11.6.1.";
const std::string kMld = "1.3.6.1.4.1.171.12.34.3.4.1.";

bool Read(TRouterPortsFormBase* f) { return f->ReadDone && f->Request && !f->Request->Busy; }

std::vector<int> Checked(TStackingPortUitForm* page)
{
    std::vector<int> ports;
    for (int k = 0; k < 64; ++k)
        if (page->PortCheck(k)->Checked()) ports.push_back(k + 1);
    return ports;
}

// The message place's last text: the memo's last line or the status bar's text.
std::string Message(TRouterPortsFormBase* f)
{
    if (f->Memo1) {
        TStrings* lines = f->Memo1->Lines();
        return lines->Count() ? lines->Get(lines->Count() - 1).std() : std::string();
    }
    return f->StatusBar1->SimpleText().std();
}

class RouterPortsTest : public SecurityFormTest {
protected:
    // Runs body on the form of that menu item once its first walk has ended.
    template <class F>
    void Open(const char* item, std::function<void(TRouterPortsFormBase*)> body)
    {
        RunMenu<F>(item, [](F* f) { return Read(f); }, [&](F* f) { body(f); });
    }
    template <class F>
    void EachForm(std::function<void(TRouterPortsFormBase*, const std::string& table)> body)
    {
        Open<TIGMPRouterPortsForm>("IGMPRouterPorts1", [&](TRouterPortsFormBase* f) { body(f, kIgmp); });
        Open<TMLD_SnoopingRouterPortsForm>("RouterPorts1", [&](TRouterPortsFormBase* f) { body(f, kMld); });
    }
};

}  // namespace

TEST_F(RouterPortsTest, TheIgmpFormShowsEachVlansThreeListsAndWritesStaticAndForbiddenOnly)
{
    StartSwitch();
    Open<TIGMPRouterPortsForm>("IGMPRouterPorts1", [&](TRouterPortsFormBase* f) {
        EXPECT_EQ(f->Caption(), "IGMP Router ports");
        EXPECT_EQ(f->Label1->Caption(), "Vlan ID");
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1", "10", "20"}));
        EXPECT_EQ(Message(f).find("Get: (QzSNMP++) Ok!"), 0u) << Message(f);
        EXPECT_FALSE(f->btnSet->Enabled());

        ClickRow(f->ListView1, 0);
        EXPECT_EQ(f->stVlanID->Caption(), "1");
        EXPECT_EQ(Checked(f->StaticPage), (std::vector<int>{1, 3}));
        EXPECT_EQ(Checked(f->DynamicPage), std::vector<int>{26});
        EXPECT_TRUE(Checked(f->ForbiddenPage).empty());
        EXPECT_TRUE(f->btnSet->Enabled());
        // Ports the model lacks stay hidden.
        EXPECT_TRUE(f->StaticPage->PortCheck(26)->Visible());
        EXPECT_FALSE(f->StaticPage->PortCheck(27)->Visible());
        f->PageControl1->SetActivePage(f->tbsDynamic);
        Screenshot(f, "IGMPRouterPortsForm");
        f->PageControl1->SetActivePage(f->tbsStatic);

        // The dynamic list may be ticked on screen but is never written.
        f->StaticPage->PortCheck(1)->SetChecked(true);
        f->DynamicPage->PortCheck(4)->SetChecked(true);
        f->ForbiddenPage->PortCheck(26)->SetChecked(true);
        Mark();
        Click(f->btnSet);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_EQ(Varbinds(Sets()[0]), (std::vector<std::string>{kIgmp + "2.1 string 0xE000000000000000",
                                                                 kIgmp + "4.1 string 0x0000002000000000"}));
        // No VLAN on screen until one is chosen again; the table is read again.
        EXPECT_EQ(f->stVlanID->Caption(), "");
        EXPECT_TRUE(Checked(f->StaticPage).empty());
        EXPECT_FALSE(f->btnSet->Enabled());
        EXPECT_TRUE(WaitFor([&] { return !Since("GETNEXT").empty() && Read(f); }));
        ClickRow(f->ListView1, 0);
        EXPECT_EQ(Checked(f->StaticPage), (std::vector<int>{1, 2, 3}));
        EXPECT_EQ(Checked(f->ForbiddenPage), std::vector<int>{27});
    });
}

TEST_F(RouterPortsTest, TheMldFormWalksItsTableAndShowsMessagesInTheStatusBar)
{
    StartSwitch();
    Open<TMLD_SnoopingRouterPortsForm>("RouterPorts1", [&](TRouterPortsFormBase* f) {
        EXPECT_EQ(f->Caption(), "MLD Snooping Router Ports Form");
        EXPECT_EQ(f->Label1->Caption(), "VID");
        EXPECT_EQ(f->Memo1, nullptr);
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"1", "10"}));
        EXPECT_EQ(Message(f).find("Get: (QzSNMP++) Ok!"), 0u) << Message(f);
        ClickRow(f->ListView1, 1);
        EXPECT_EQ(f->stVlanID->Caption(), "10");
        EXPECT_EQ(Checked(f->DynamicPage), std::vector<int>{5});
        EXPECT_EQ(Checked(f->ForbiddenPage), std::vector<int>{27});
        Screenshot(f, "MLD_SnoopingRouterPortsForm");
        Mark();
        Click(f->btnSet);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_EQ(Varbinds(Sets()[0]), (std::vector<std::string>{kMld + "2.10 string 0x0000000000000000",
                                                                 kMld + "4.10 string 0x0000002000000000"}));
    });
}

TEST_F(RouterPortsTest, AfterRefreshSetStaysOffUntilAVlanIsChosenAndItsListsAreFilled)
{
    StartSwitch();
    EachForm<TRouterPortsFormBase>([&](TRouterPortsFormBase* f, const std::string&) {
        ClickRow(f->ListView1, 0);
        ASSERT_TRUE(f->btnSet->Enabled());
        ASSERT_FALSE(Checked(f->StaticPage).empty());
        Click(f->btnGet);
        EXPECT_FALSE(f->btnSet->Enabled());
        EXPECT_EQ(f->stVlanID->Caption(), "");
        EXPECT_TRUE(Checked(f->StaticPage).empty());
        EXPECT_TRUE(WaitFor([&] { return Read(f); }));
        // Set cannot write the cleared lists over a VLAN.
        Mark();
        Click(f->btnSet);
        EXPECT_TRUE(Since("SET").empty());

        ClickRow(f->ListView1, 0);
        EXPECT_TRUE(f->btnSet->Enabled());
        EXPECT_EQ(f->stVlanID->Caption(), "1");
        EXPECT_FALSE(Checked(f->StaticPage).empty());
        // A click on no row clears the pages and turns Set off again.
        QTest::mouseClick(f->ListView1->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(10, f->ListView1->viewport()->height() - 5));
        EXPECT_FALSE(f->btnSet->Enabled());
        EXPECT_EQ(f->stVlanID->Caption(), "");
        EXPECT_TRUE(Checked(f->DynamicPage).empty());
    });
}

TEST_F(RouterPortsTest, RefreshDoesNothingWhileTheWalkRunsAndStaysPossibleWhenTheReadCannotStart)
{
    StartSwitch();
    EachForm<TRouterPortsFormBase>([&](TRouterPortsFormBase* f, const std::string& table) {
        // A walk that has not ended: a second Refresh sends nothing.
        agent->Control("fault delay 300");
        Mark();
        Click(f->btnGet);
        ASSERT_FALSE(f->ReadDone);
        Click(f->btnGet);
        agent->Control("fault delay 0");
        EXPECT_TRUE(WaitFor([&] { return Read(f); }));
        size_t firsts = 0;
        for (const SimRequest& r : Since("GETNEXT"))
            if (!r.varbinds.empty() && r.varbinds[0].oid == table + "2") ++firsts;
        EXPECT_EQ(firsts, 1u);

        // A read that cannot even be sent: the flag comes back, so a later Refresh reads.
        const AnsiString address = f->Request->Request.device.address;
        f->Request->Request.device.address = "no.such.address.";
        Click(f->btnGet);
        EXPECT_TRUE(f->ReadDone);
        EXPECT_FALSE(Message(f).empty());
        f->Request->Request.device.address = address;
        Mark();
        Click(f->btnGet);
        EXPECT_TRUE(WaitFor([&] { return Read(f) && !Since("GETNEXT").empty(); }));
        EXPECT_EQ(f->ListView1->Items()->Count() > 0, true);
    });
}

TEST_F(RouterPortsTest, AfterARefusedSetAClickOnTheRowShowsItAsReadForTheNextSet)
{
    StartSwitch();
    EachForm<TRouterPortsFormBase>([&](TRouterPortsFormBase* f, const std::string& table) {
        agent->Control("fault error " + table.substr(0, table.size() - 1) + " noAccess set");
        ClickRow(f->ListView1, 0);
        const std::vector<int> asRead = Checked(f->StaticPage);
        f->StaticPage->PortCheck(4)->SetChecked(true);
        Mark();
        Click(f->btnSet);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_NE(Sets()[0].status, "noError");
        EXPECT_TRUE(WaitFor([&] { return Read(f); }));
        agent->Control("fault clear");

        ClickRow(f->ListView1, 0);
        EXPECT_EQ(Checked(f->StaticPage), asRead);
        EXPECT_EQ(f->stVlanID->Caption(), f->ListView1->Items()->Item(0)->Caption());
        Mark();
        Click(f->btnSet);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_EQ(Sets()[0].status, "noError");
        unsigned char octets[8] = {};
        for (int p : asRead) octets[(p - 1) / 8] |= static_cast<unsigned char>(0x80 >> ((p - 1) % 8));
        char hex[17];
        for (int i = 0; i < 8; ++i) std::snprintf(hex + 2 * i, 3, "%02X", octets[i]);
        const std::string sent = Varbinds(Sets()[0])[0];
        EXPECT_EQ(sent.substr(sent.find(" string ") + 8), "0x" + std::string(hex)) << sent;
        EXPECT_TRUE(WaitFor([&] { return Read(f); }));
    });
}
