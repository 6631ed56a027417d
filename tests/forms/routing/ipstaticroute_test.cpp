// The IPv4 static route form and its edit dialog against the simulated switch: routes listed
// by destination, mask and backup state, the dialog's modes and checks, the partial writes of
// Add and Delete, and the close while a read is under way.
#include <QMessageBox>

#include "forms/routing_security/ipstaticrouteeditform.h"
#include "platform/ui/dialogs.h"
#include "forms/routing_security/ipstaticrouteform.h"
#include "tests/forms/routing/routingfixture.h"

namespace {

const std::string kRoute = "1.3.6.1.4.1.171.11.70.2.3.2.5.1.";
const std::string kDefaultRow = "0.0.0.0.0.0.0.0.1";
std::vector<std::string> NoDefaultRoute()
{
    std::vector<std::string> lines;
    for (int column : {4, 5, 6}) lines.push_back("unset " + kRoute + std::to_string(column) + "." + kDefaultRow);
    return lines;
}

bool Read(TIpStaticRouteForm* f) { return f->Request && !f->Request->Busy && f->ListView1->Items()->Count() > 0; }

using Dialog = TIpStaticRouteEditForm;

class IpStaticRouteTest : public RoutingFormTest {
protected:
    static void Fill(Dialog* d, const char* dest, const char* mask, int backup, const char* nextHop, const char* metric)
    {
        if (d->DesEdit->Enabled()) d->DesEdit->SetText(dest);
        if (d->MaskEdit->Enabled()) d->MaskEdit->SetText(mask);
        if (d->BakeupComboBox->Enabled()) d->BakeupComboBox->SetItemIndex(backup);
        d->NextHopEdit->SetText(nextHop);
        d->MetricEdit->SetText(metric);
    }
    // Opens the dialog with the button, fills it and presses Set.
    void AddRoute(TIpStaticRouteForm* f, TButton* button, const char* dest, const char* mask, int backup,
                  const char* nextHop, const char* metric)
    {
        WhenShown<Dialog>([=](Dialog* d) {
            Fill(d, dest, mask, backup, nextHop, metric);
            Click(d->SetButton);
        });
        Click(button);
    }
};

}  // namespace

TEST_F(IpStaticRouteTest, RoutesAreListedAndTheDefaultRouteLocksItsButton)
{
    StartSwitch();
    RunMenu<TIpStaticRouteForm>("IPStaticRoute1", Read, [&](TIpStaticRouteForm* f) {
        EXPECT_EQ(f->Caption().std(), "IP Static Route");
        EXPECT_EQ(IpStaticRouteForm, f);
        EXPECT_EQ(Captions(f->ListView1), (std::vector<std::string>{"0.0.0.0", "172.16.0.0", "192.168.10.0"}));
        EXPECT_EQ(f->StaticText1->Caption().std(), "3");
        EXPECT_FALSE(f->btnDefaultRoute->Enabled());
        EXPECT_FALSE(f->EditButton->Visible());
        EXPECT_FALSE(f->DeleteButton->Enabled());
        Screenshot(f, "TIpStaticRouteForm");
        ClickRow(f->ListView1, 2);
        EXPECT_TRUE(f->DeleteButton->Enabled());
        Dialog* d = IpStaticRouteEditForm;
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->DesEdit->Text().std(), "192.168.10.0");
        EXPECT_EQ(d->MaskEdit->Text().std(), "255.255.255.0");
        EXPECT_EQ(d->BakeupComboBox->Text().std(), "backup");
        EXPECT_EQ(d->NextHopEdit->Text().std(), "10.90.90.252");
        EXPECT_EQ(d->MetricEdit->Text().std(), "10");
        EXPECT_EQ(d->StatusComboBox->Text().std(), "valid");
    });
    EXPECT_EQ(IpStaticRouteForm, nullptr);
    EXPECT_EQ(IpStaticRouteEditForm, nullptr);
}

TEST_F(IpStaticRouteTest, AddWritesTheRouteAtDestinationMaskAndBackupState)
{
    StartSwitch();
    RunMenu<TIpStaticRouteForm>("IPStaticRoute1", Read, [&](TIpStaticRouteForm* f) {
        ClickRow(f->ListView1, 1);
        WhenShown<Dialog>([&](Dialog* d) {
            EXPECT_EQ(d->Caption().std(), "IP Static Route (Add)");
            EXPECT_TRUE(d->DesEdit->Enabled());
            EXPECT_TRUE(d->MaskEdit->Enabled());
            EXPECT_FALSE(d->StatusComboBox->Enabled());
            EXPECT_EQ(d->DesEdit->Text().std(), "");
            EXPECT_EQ(d->NextHopEdit->Text().std(), "");
            EXPECT_EQ(d->StatusComboBox->Text().std(), "valid");
            Screenshot(d, "TIpStaticRouteEditForm");
            Fill(d, "10.1.0.0", "255.255.0.0", 1, "10.90.90.251", "");
            Mark();
            Click(d->SetButton);
        });
        Click(f->AddButton);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        // The empty metric is left out.
        EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{
                                         kRoute + "4.10.1.0.0.255.255.0.0.2 ipaddress 10.90.90.251",
                                         kRoute + "6.10.1.0.0.255.255.0.0.2 integer 3",
                                     }));
        EXPECT_EQ(sets[0].status, "noError");
        EXPECT_TRUE(WaitFor([&] { return Read(f) && f->ListView1->Items()->Count() == 4; }));
        EXPECT_EQ(f->StaticText1->Caption().std(), "4");
        EXPECT_EQ(f->ListView1->Selected(), nullptr);
        EXPECT_FALSE(f->DeleteButton->Enabled());

        Mark();
        AddRoute(f, f->AddButton, "10.2.0.0", "255.0.0.0", 0, "10.90.90.250", "65535");
        sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{
                                         kRoute + "4.10.2.0.0.255.0.0.0.1 ipaddress 10.90.90.250",
                                         kRoute + "5.10.2.0.0.255.0.0.0.1 integer 65535",
                                         kRoute + "6.10.2.0.0.255.0.0.0.1 integer 3",
                                     }));
        // Every object is read again after the partial write.
        EXPECT_TRUE(WaitFor([&] { return Read(f) && f->ListView1->Items()->Count() == 5; }));
        EXPECT_EQ(f->ListView1->Columns()->Count(), 6);
    });
}

TEST_F(IpStaticRouteTest, DefaultRouteIsAddedOnlyWhenNoneIsListed)
{
    StartSwitch(NoDefaultRoute());
    RunMenu<TIpStaticRouteForm>("IPStaticRoute1", Read, [&](TIpStaticRouteForm* f) {
        EXPECT_EQ(f->ListView1->Items()->Count(), 2);
        EXPECT_TRUE(f->btnDefaultRoute->Enabled());
        WhenShown<Dialog>([&](Dialog* d) {
            EXPECT_EQ(d->Caption().std(), "IP Static Route (Add Default Route)");
            EXPECT_EQ(d->DesEdit->Text().std(), "0.0.0.0");
            EXPECT_EQ(d->MaskEdit->Text().std(), "0.0.0.0");
            EXPECT_EQ(d->BakeupComboBox->Text().std(), "primary");
            for (TWinControl* c : std::vector<TWinControl*>{d->DesEdit, d->MaskEdit, d->BakeupComboBox, d->StatusComboBox})
                EXPECT_FALSE(c->Enabled()) << c->Name().std();
            // The next hop is still checked.
            Click(d->SetButton);
            EXPECT_EQ(Texts(), std::vector<std::string>{"Next Hop should be Set"});
            Fill(d, "", "", 0, "10.90.90.254", "3");
            Mark();
            Click(d->SetButton);
        });
        Click(f->btnDefaultRoute);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{
                                         kRoute + "4." + kDefaultRow + " ipaddress 10.90.90.254",
                                         kRoute + "5." + kDefaultRow + " integer 3",
                                         kRoute + "6." + kDefaultRow + " integer 3",
                                     }));
        EXPECT_TRUE(WaitFor([&] { return Read(f) && !f->btnDefaultRoute->Enabled(); }));
        EXPECT_EQ(f->ListView1->Items()->Count(), 3);

        // After a default route, the add dialog lets the backup state be chosen again.
        WhenShown<Dialog>([&](Dialog* d) { EXPECT_TRUE(d->BakeupComboBox->Enabled()); });
        Click(f->AddButton);

        // Deleting it and reading again unlocks the button.
        ClickRow(f->ListView1, 0);
        Mark();
        Click(f->DeleteButton);
        ASSERT_EQ(Sets().size(), 1u);
        EXPECT_TRUE(WaitFor([&] { return Read(f) && f->btnDefaultRoute->Enabled(); }));
        EXPECT_EQ(f->ListView1->Items()->Count(), 2);
    });
}

TEST_F(IpStaticRouteTest, AddChecksStopAtTheFirstFailureWithItsMessage)
{
    StartSwitch();
    struct Case {
        const char *dest, *mask, *nextHop, *metric, *message;
    };
    const Case cases[] = {
        {"", "255.0.0.0", "10.90.90.1", "", "Destination Ip should be Set!"},
        {"10.100.100.1000x", "255.0.0.0", "10.90.90.1", "", "Please input a valid ip"},
        {"10.100.100.10000", "255.0.0.0", "10.90.90.1", "", "Please input a valid ip"},
        {"10.100.100.100000", "255.0.0.0", "10.90.90.1", "", "Ip should be 16 bit"},
        {"255.255.255.255", "255.0.0.0", "10.90.90.1", "", "Destination ip can not be 255.255.255.255"},
        {"10..0.1", "255.0.0.0", "10.90.90.1", "", "Please input a valid ip"},
        {"10.00.0.1", "255.0.0.0", "10.90.90.1", "", "Please input a valid ip"},
        {"10.0.0.0", "", "10.90.90.1", "", "Mask should be Set"},
        {"10.0.0.0", "255.255.255.2550", "10.90.90.1", "", "Please input a valid mask"},
        {"10.0.0.0", "255.255.255.25500", "10.90.90.1", "", "Ip should be 16 bit"},
        {"10.0.0.0", "255.255.255.128", "10.90.90.1", "", "Please input a valid mask"},
        {"10.0.0.0", "0.0.0.0", "10.90.90.1", "", "Please input a valid mask"},
        {"10.0.0.0", "255.0.0.0", "", "", "Next Hop should be Set"},
        {"10.0.0.0", "255.0.0.0", "10.100.100.100000", "", "Next Hop should be 16 bit"},
        {"10.0.0.0", "255.0.0.0", "0.0.0.0", "", "Next Hop can not be 0.0.0.0"},
        {"10.0.0.0", "255.0.0.0", "127.0.0.1", "", "Next Hop can not be itself"},
        {"10.0.0.0", "255.0.0.0", "10.90.90.256", "", "Please input a valid ip"},
        {"10.0.0.0", "255.0.0.0", "10.90.90.1", "0", "Metric should between 1-65535"},
        {"10.0.0.0", "255.0.0.0", "10.90.90.1", "65536", "Metric should between 1-65535"},
        {"10.0.0.0", "255.0.0.0", "10.90.90.1", "99999", "Metric should between 1-65535"},
    };
    RunMenu<TIpStaticRouteForm>("IPStaticRoute1", Read, [&](TIpStaticRouteForm* f) {
        Mark();
        WhenShown<Dialog>([&](Dialog* d) {
            for (const Case& c : cases) {
                boxes.Clear();
                Fill(d, c.dest, c.mask, 0, c.nextHop, c.metric);
                // The handler itself: a click would first move the focus, and the edits' own
                // exit checks would answer for overlong texts.
                d->SetButtonClick(d->SetButton);
                EXPECT_EQ(Texts(), std::vector<std::string>{c.message}) << c.dest << " " << c.mask << " " << c.nextHop;
                EXPECT_TRUE(d->isVisible());
            }
            // The status must stay "valid".
            boxes.Clear();
            Fill(d, "10.0.0.0", "255.0.0.0", 0, "10.90.90.1", "");
            d->StatusComboBox->SetItemIndex(0);
            Click(d->SetButton);
            EXPECT_EQ(Texts(), std::vector<std::string>{"Status should be createAndGo!"});
        });
        Click(f->AddButton);
        WaitFor([] { return false; }, 50);
        EXPECT_TRUE(Since("SET").empty());
    });
}

TEST_F(IpStaticRouteTest, ACheckMessageLeavesWhatWasTyped)
{
    StartSwitch();
    // Message boxes as the window system gives them: a window of their own takes the
    // activation while open, and the window manager gives it back to the dialog afterwards.
    std::vector<std::string> texts;
    MessageBoxHandler old = SetMessageBoxHandler([&texts](const AnsiString& text, const AnsiString&, int) {
        texts.push_back(text.std());
        QPointer<QWidget> before = QApplication::activeWindow();
        QMessageBox box(before);
        box.setText(ToQ(text));
        QTimer poll;
        QElapsedTimer open;
        open.start();
        QObject::connect(&poll, &QTimer::timeout, &box, [&] {
            if (box.isActiveWindow() || open.elapsed() > 5000) box.accept();
        });
        poll.start(5);
        box.exec();
        if (before) before->activateWindow();
        return IDOK;
    });
    struct Case {
        const char *dest, *mask, *message;
    } const cases[] = {
        {"10.0.0.256", "255.0.0.0", "Please input a valid ip"},
        {"10.0.0.0", "255.255.255.128", "Please input a valid mask"},
    };
    RunMenu<TIpStaticRouteForm>("IPStaticRoute1", Read, [&](TIpStaticRouteForm* f) {
        Mark();
        WhenShown<Dialog>([&](Dialog* d) {
            ASSERT_TRUE(WaitFor([&] { return d->isActiveWindow(); }));
            for (const Case& c : cases) {
                Fill(d, c.dest, c.mask, 1, "10.90.90.1", "5");
                for (int n = 0; n < 2; ++n) {  // the same answer each time: nothing was emptied
                    texts.clear();
                    d->SetButtonClick(d->SetButton);
                    EXPECT_TRUE(WaitFor([&] { return d->isActiveWindow(); }));
                    EXPECT_EQ(texts, std::vector<std::string>{c.message}) << c.dest << " " << n;
                    EXPECT_EQ(d->DesEdit->Text().std(), c.dest);
                    EXPECT_EQ(d->MaskEdit->Text().std(), c.mask);
                    EXPECT_EQ(d->BakeupComboBox->ItemIndex(), 1);
                    EXPECT_EQ(d->NextHopEdit->Text().std(), "10.90.90.1");
                    EXPECT_EQ(d->MetricEdit->Text().std(), "5");
                }
            }
        });
        Click(f->AddButton);
        Settle();
        EXPECT_TRUE(Since("SET").empty());
    });
    SetMessageBoxHandler(old);
}

TEST_F(IpStaticRouteTest, DestinationZeroAsksForTheDefaultRouteButton)
{
    StartSwitch();
    RunMenu<TIpStaticRouteForm>("IPStaticRoute1", Read, [&](TIpStaticRouteForm* f) {
        Mark();
        bool closed = false;
        WhenShown<Dialog>([&](Dialog* d) {
            QPointer<QWidget> alive(d);
            // Cancel keeps the dialog open.
            boxes.QueueAnswers({IDCANCEL, IDOK});
            Fill(d, "0.0.0.0", "255.0.0.0", 0, "10.90.90.1", "");
            Click(d->SetButton);
            ASSERT_EQ(boxes.Boxes().size(), 1u);
            EXPECT_EQ(boxes.Boxes()[0].text.rfind("If you want to add a default route", 0), 0u);
            EXPECT_TRUE(boxes.Boxes()[0].text.find("Do you want to add a defaut route?") != std::string::npos);
            EXPECT_TRUE(d->isVisible());
            // OK closes it without writing.
            Click(d->SetButton);
            closed = d->ModalResult() != mrNone;
        });
        Click(f->AddButton);
        EXPECT_TRUE(closed);
        WaitFor([] { return false; }, 50);
        EXPECT_TRUE(Since("SET").empty());
    });
}

TEST_F(IpStaticRouteTest, DeleteWritesOnlyInvalidToTheSelectedRoute)
{
    StartSwitch();
    RunMenu<TIpStaticRouteForm>("IPStaticRoute1", Read, [&](TIpStaticRouteForm* f) {
        // No selection.
        Click(f->DeleteButton);  // disabled: nothing
        f->DeleteButtonClick(f->DeleteButton);
        EXPECT_EQ(Texts(), std::vector<std::string>{"Choose the item first."});

        ClickRow(f->ListView1, 2);
        Mark();
        Click(f->DeleteButton);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]),
                  std::vector<std::string>{kRoute + "6.192.168.10.0.255.255.255.0.2 integer 2"});
        EXPECT_EQ(f->ListView1->Selected(), nullptr);
        EXPECT_FALSE(f->DeleteButton->Enabled());
        EXPECT_TRUE(WaitFor([&] { return Read(f) && f->ListView1->Items()->Count() == 2; }));
        EXPECT_EQ(f->StaticText1->Caption().std(), "2");

        // While a read is outstanding, nothing is sent and the selection stays. Each reply is
        // held long enough for a loaded machine to click in between, and well within the
        // request's time-out, so the read is still running when the button is clicked.
        f->Request->Request.timeout = 1500;
        f->Request->Request.retries = 0;
        agent->Control("fault delay 2500");
        Click(f->GetButton);
        ASSERT_TRUE(WaitFor([&] { return f->ListView1->Items()->Count() == 1; }, 10000));
        ASSERT_TRUE(f->Request->Busy);
        ClickRow(f->ListView1, 0);
        boxes.Clear();
        Mark();
        Click(f->DeleteButton);
        EXPECT_EQ(Texts(), std::vector<std::string>{"Get data not complete"});
        EXPECT_NE(f->ListView1->Selected(), nullptr);
        EXPECT_TRUE(f->DeleteButton->Enabled());
        agent->Control("fault delay 0");
        WaitIdle(f->Request);
        EXPECT_TRUE(Since("SET").empty());
    });
}

// Closing while a read runs withdraws it: no reply reaches the form or its dialog, which goes.
TEST_F(IpStaticRouteTest, ClosingWithdrawsTheReadBeforeTheDialogGoes)
{
    StartSwitch();
    QPointer<QWidget> dialog;
    bool dialogAtReply = false;
    int replies = 0;
    RunMenu<TIpStaticRouteForm>("IPStaticRoute1", Read, [&](TIpStaticRouteForm* f) {
        dialog = IpStaticRouteEditForm;
        QzSNMPControlsDoneEvent own = f->Request->OnGetDone;
        f->Request->OnGetDone = QzSNMPControlsDoneEvent(
            std::function<void(QzSNMPRequest2Controls*, QzSNMPError*)>([&, own](QzSNMPRequest2Controls* r, QzSNMPError* e) {
                ++replies;
                dialogAtReply = !dialog.isNull() && IpStaticRouteEditForm != nullptr;
                own(r, e);
            }));
        agent->Control("fault delay 300");
        Click(f->GetButton);
        ASSERT_TRUE(f->Request->Busy);
        f->Close();
    });
    Application->ProcessMessages();
    EXPECT_EQ(replies, 0);
    EXPECT_FALSE(dialogAtReply);
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(IpStaticRouteEditForm, nullptr);
}

// A listed route (same destination, mask and backup state) is refused by name instead of being
// written over; another backup state is another route.
TEST_F(IpStaticRouteTest, AddOfAListedRouteIsRefusedNamingIt)
{
    StartSwitch();
    const std::string message =
        "Has already a record with the same Destination, Mask and Bakeup State (172.16.0.0 255.255.0.0 primary, "
        "Next Hop 10.90.90.253, Metric 2). Please change one of them.";
    RunMenu<TIpStaticRouteForm>("IPStaticRoute1", Read, [&](TIpStaticRouteForm* f) {
        Mark();
        WhenShown<Dialog>([&](Dialog* d) {
            for (const char* dest : {"172.16.0.0", "172.016.0.0"}) {
                boxes.Clear();
                Fill(d, dest, "255.255.0.0", 0, "10.90.90.200", "3");
                Click(d->SetButton);
                EXPECT_EQ(Texts(), std::vector<std::string>{message}) << dest;
                EXPECT_TRUE(d->isVisible());
            }
            Settle();
            EXPECT_TRUE(Since("SET").empty());
            Fill(d, "172.16.0.0", "255.255.0.0", 1, "10.90.90.200", "3");
            Click(d->SetButton);
        });
        Click(f->AddButton);
        std::vector<SimRequest> sets = Sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(Varbinds(sets[0]), (std::vector<std::string>{
                                         kRoute + "4.172.16.0.0.255.255.0.0.2 ipaddress 10.90.90.200",
                                         kRoute + "5.172.16.0.0.255.255.0.0.2 integer 3",
                                         kRoute + "6.172.16.0.0.255.255.0.0.2 integer 3",
                                     }));
    });
}
