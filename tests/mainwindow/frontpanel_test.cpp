// The front panel in the main window against the simulated switch: the combo ports' media,
// the LED poll and what the LEDs show, the port buttons and their pop-up commands, the model
// port counts, and a screenshot of the window for a person to look at.
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "mainwindow/panelvrx6120.h"
#include "mainwindow/tableform.h"
#include "platform/ui/comctrls.h"
#include "snmpvars/qzsnmprequest2leds.h"
#include "tests/mainwindow/mainformfixture.h"

namespace {

const std::string kLedOid = "1.3.6.1.4.1.171.11.70.2.2.1.1.6.0";
const std::string kLinkOid = "1.3.6.1.4.1.171.11.70.2.2.3.1.1.5.";
const std::string kRmonOid = "1.3.6.1.4.1.171.11.70.2.2.1.2.4.0";
const std::string kDot1xOid = "1.0.8802.1.1.1.1.1.1.0";
const unsigned kOrange = 0x4080FF;

// The agent's LED string: power, console and RPS bytes, then a status and a colour byte for
// each port 1 to 24 (status 1: no LED).
std::string LedLine(int power, int console, int rps, std::vector<std::pair<int, int>> ports)
{
    char buf[8];
    std::string hex;
    auto add = [&](int b) {
        std::snprintf(buf, sizeof buf, "%02X", b & 0xFF);
        hex += buf;
    };
    add(power);
    add(console);
    add(rps);
    ports.resize(24, {1, 0});
    for (auto& p : ports) {
        add(p.first);
        add(p.second);
    }
    return kLedOid + " hex " + hex;
}

// LED record of the power (0), console (1) and RPS (2) LEDs and of port p: 2 + p.
int PortLed(int port) { return 2 + port; }

class FrontPanelTest : public MainFormTest {
protected:
    TPanelVRX6120Form* Panel() const { return dynamic_cast<TPanelVRX6120Form*>(form->CurrentPanel); }
    const QzSNMPLedRecord& Led(int k) const { return Panel()->LedRequest->Led(k); }
    unsigned Painted(int k) const { return static_cast<unsigned>(Led(k).Shape->Brush()->Color()); }
    bool LedReplied() const { return Status().Pos("Get: (QzSNMP++) Ok! Request: Led Status. Receive at ") == 1; }
    TSpeedButton* Button(int n) const { return Panel()->SpeedButtons[n - 1]; }
};

bool IsResultLine(const AnsiString& text, const std::string& error)
{
    QRegularExpression re("^Get: " + QRegularExpression::escape(QString::fromStdString(error)) +
                          " Request: Led Status\\. Receive at \\d\\d:\\d\\d:\\d\\d (AM|PM)\\.$");
    return re.match(QString::fromStdString(text.std())).hasMatch();
}

}  // namespace

TEST_F(FrontPanelTest, FirstActivationReadsTheComboMediaThenPollsTheLeds)
{
    SimAgent agent;
    MakeOn(agent);
    ShowAndActivate();
    ASSERT_TRUE(WaitFor([&] { return LedReplied(); }));
    EXPECT_TRUE(IsResultLine(Status(), "(QzSNMP++) Ok!")) << Status().std();
    // The agent logs a request once it has answered it: 4 link reads, 2 LED reads, 2 states.
    ASSERT_TRUE(agent.WaitForRequests(8));

    // The fibre link of each combo port, then the LED string, then the menu states.
    std::vector<std::string> oids;
    for (const SimRequest& r : agent.Requests()) {
        EXPECT_EQ(r.kind, "GET");
        ASSERT_EQ(r.varbinds.size(), 1u);
        oids.push_back(r.varbinds[0].oid);
    }
    ASSERT_GE(oids.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(oids.begin(), oids.begin() + 5),
              (std::vector<std::string>{kLinkOid + "21.2", kLinkOid + "22.2", kLinkOid + "23.2", kLinkOid + "24.2",
                                        kLedOid}));
    EXPECT_EQ(std::vector<std::string>(oids.end() - 2, oids.end()), (std::vector<std::string>{kRmonOid, kDot1xOid}));
    for (size_t i = 5; i + 2 < oids.size(); ++i) EXPECT_EQ(oids[i], kLedOid);

    // One panel at the top of the scroll box; the window fits it.
    TPanelVRX6120Form* panel = Panel();
    ASSERT_NE(panel, nullptr);
    ASSERT_EQ(form->PanelForms->Count(), 1);
    EXPECT_EQ(form->PanelForms->Get(0), static_cast<void*>(static_cast<TForm*>(panel)));
    EXPECT_EQ(panel->Parent(), form->ScrollBox1);
    EXPECT_EQ(panel->Left(), 0);
    EXPECT_EQ(panel->Top(), 0);
    EXPECT_TRUE(panel->Visible());
    EXPECT_EQ(panel->ClientWidth(), 800);
    EXPECT_EQ(panel->ClientHeight(), 89);
    EXPECT_EQ(form->ClientWidth(), 803);
    EXPECT_EQ(form->ClientHeight(), 89 + form->StatusBar->Height() + 3);
    EXPECT_EQ(form->ScrollBox1->Align(), alClient);
    EXPECT_EQ(panel->Image1->Picture()->Width(), 800);  // the JPEG decoded
    EXPECT_EQ(panel->Image1->Picture()->Height(), 89);
    EXPECT_EQ(panel->Image2->Picture()->Width(), 26);
    ASSERT_EQ(form->PortButtons->Count(), 28);
    for (int i = 0; i < 28; ++i) EXPECT_EQ(form->PortButtons->Get(i), static_cast<void*>(panel->SpeedButtons[i]));

    // No combo port has its fibre linked: the copper LEDs show, the fibre hosts are black.
    for (int k = 0; k < 4; ++k) {
        EXPECT_FALSE(panel->ComboFibre[k]);
        EXPECT_EQ(Led(PortLed(21 + k)).Shape->Parent(), panel->PortPanels[k]);
        EXPECT_EQ(Led(PortLed(21 + k)).Shape->Left(), 1);
        EXPECT_EQ(panel->ComboPanels[k]->Color(), clBlack);
        EXPECT_EQ(panel->PortPanels[k]->Color(), clHighlightText);
    }

    // The agent's string: power lime, console and RPS white, ports 1 to 8 lime, port 9 orange
    // and blinking, ports 10 to 24 without a state (black).
    ASSERT_EQ(panel->LedRequest->LedCount(), 27);
    EXPECT_EQ(Led(0).Colour, static_cast<unsigned>(clLime));
    EXPECT_EQ(Led(1).Colour, static_cast<unsigned>(clWhite));
    EXPECT_EQ(Led(2).Colour, static_cast<unsigned>(clWhite));
    for (int p = 1; p <= 24; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(Led(PortLed(p)).Colour, p <= 8 ? unsigned(clLime) : p == 9 ? kOrange : unsigned(clBlack));
        EXPECT_EQ(Led(PortLed(p)).Blink, p == 9);
    }
    // A blinking LED settles on its colour after its blinks.
    EXPECT_TRUE(WaitFor([&] { return Painted(PortLed(9)) == kOrange && Painted(PortLed(1)) == clLime; }));
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(FrontPanelTest, LedsFollowThePortStatesOfTheSwitch)
{
    SimAgent agent;
    MakeOn(agent);
    ShowAndActivate();
    ASSERT_TRUE(WaitFor([&] { return LedReplied(); }));
    ASSERT_EQ(Led(PortLed(10)).Colour, static_cast<unsigned>(clBlack));
    ASSERT_TRUE(agent.WaitForRequests(8));

    // Port 1 loses its link, port 10 links, port 12 blinks orange, power shows red and blinks.
    std::vector<std::pair<int, int>> ports(24, {1, 0});
    ports[9] = {0, 3};
    ports[11] = {0x80, 2};
    agent.Control(LedLine(0x85, 0x02, 0x04, ports));
    const size_t before = agent.Requests().size();
    // The next poll comes from the 3000 ms timer.
    ASSERT_TRUE(WaitFor([&] { return Led(PortLed(10)).Colour == clLime; }));
    EXPECT_TRUE(agent.WaitForRequests(before + 1));
    EXPECT_EQ(agent.Requests().back().varbinds[0].oid, kLedOid);
    EXPECT_EQ(Led(PortLed(1)).Colour, static_cast<unsigned>(clBlack));
    EXPECT_EQ(Led(PortLed(12)).Colour, kOrange);
    EXPECT_TRUE(Led(PortLed(12)).Blink);
    EXPECT_EQ(Led(0).Colour, static_cast<unsigned>(clRed));
    EXPECT_TRUE(Led(0).Blink);
    EXPECT_EQ(Led(1).Colour, static_cast<unsigned>(clLime));
    EXPECT_EQ(Led(2).Colour, static_cast<unsigned>(clBlue));
    EXPECT_TRUE(WaitFor([&] { return Painted(PortLed(10)) == clLime && Painted(PortLed(1)) == clBlack; }));
}

TEST_F(FrontPanelTest, SilentSwitchResetsTheLedsAndShowsTheTimeOut)
{
    SimAgent agent;
    MakeOn(agent);
    ShowAndActivate();
    ASSERT_TRUE(WaitFor([&] { return LedReplied(); }));
    ASSERT_EQ(Led(0).Colour, static_cast<unsigned>(clLime));
    // A short wait for the test's sake; the panel waits 3 s.
    EXPECT_EQ(Panel()->LedRequest->Request.timeout, 300);
    Panel()->LedRequest->Request.timeout = 20;
    Panel()->LedRequest->Request.retries = 0;

    agent.Control("fault drop all");
    ASSERT_TRUE(WaitFor([&] { return Status().Pos("timed out") > 0; }));
    EXPECT_TRUE(IsResultLine(Status(), "(SNMPClass) SNMP request timed out!")) << Status().std();
    for (int k = 0; k < Panel()->LedRequest->LedCount(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(Led(k).Colour, static_cast<unsigned>(clBlack));
        EXPECT_FALSE(Led(k).Blink);
        EXPECT_EQ(Painted(k), clBlack);
    }

    // The poll goes on: once the switch answers again, so do the LEDs.
    Panel()->LedRequest->Request.timeout = kPatientTimeout;
    agent.Control("fault drop off");
    ASSERT_TRUE(WaitFor([&] { return LedReplied(); }));
    EXPECT_EQ(Led(0).Colour, static_cast<unsigned>(clLime));
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(FrontPanelTest, ComboPortsShowTheirLinkedMedium)
{
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        bool fibre[4];
    } cases[] = {
        {"all on copper", {}, {false, false, false, false}},
        {"port 22 fibre linked", {kLinkOid + "22.2 integer 2"}, {false, true, false, false}},
        {"ports 21 and 24 fibre linked", {kLinkOid + "21.2 integer 2", kLinkOid + "24.2 integer 2"},
         {true, false, false, true}},
        {"a failed read puts all on copper",
         {kLinkOid + "22.2 integer 2", "fault error " + kLinkOid + "23.2 genErr"},
         {false, false, false, false}},
        {"a port without a fibre medium stays on copper",
         {kLinkOid + "22.2 integer 2", "unset " + kLinkOid + "23.2"}, {false, true, false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimAgentOptions options;
        options.lines = c.lines;
        std::vector<std::pair<int, int>> ports(24, {1, 0});
        ports[21] = {0, 3};  // port 22 lime
        options.lines.push_back(LedLine(3, 0, 0, ports));
        SimAgent agent(options);
        MakeOn(agent);
        auto* panel = new TPanelVRX6120Form(form);
        panel->BuildPanelLeds(form->StatusBar->Panels()->Items(0));
        ASSERT_TRUE(WaitFor([&] { return Status().Pos("Ok!") > 0; }));
        for (int k = 0; k < 4; ++k) {
            SCOPED_TRACE(k);
            EXPECT_EQ(panel->ComboFibre[k], c.fibre[k]);
            const QzSNMPLedRecord& led = panel->LedRequest->Led(PortLed(21 + k));
            EXPECT_EQ(led.ByteIndex, 43 + 2 * k);
            EXPECT_EQ(led.Shape->Parent(), c.fibre[k] ? panel->ComboPanels[k] : panel->PortPanels[k]);
            EXPECT_EQ(led.Shape->Left(), c.fibre[k] ? 0 : 1);
            EXPECT_EQ((c.fibre[k] ? panel->PortPanels[k] : panel->ComboPanels[k])->Color(), clBlack);
        }
        EXPECT_EQ(panel->LedRequest->Led(PortLed(22)).Colour, static_cast<unsigned>(clLime));
        delete panel;
    }
}

TEST_F(FrontPanelTest, PortButtonsNameTheirPortsAndActAsOneGroup)
{
    SimAgent agent;
    MakeOn(agent);
    ShowAndActivate();
    TPanelVRX6120Form* panel = Panel();
    ASSERT_NE(panel, nullptr);

    struct Case {
        int button;
        const char* hint;
        int left, top, width, height;
    } cases[] = {
        {1, "1.1", 358, 21, 25, 23},   {2, "2.1", 358, 49, 25, 23},   {12, "12.1", 486, 49, 25, 23},
        {13, "13.1", 530, 21, 25, 23}, {16, "16.1", 556, 49, 25, 23}, {18, "18.1", 581, 48, 25, 24},
        {23, "23.1", 656, 21, 26, 23}, {24, "24.1", 656, 48, 26, 24}, {25, "21.2", 696, 27, 29, 17},
        {26, "22.2", 696, 53, 29, 17}, {27, "23.2", 732, 27, 29, 17}, {28, "24.2", 732, 53, 29, 17},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        TSpeedButton* b = Button(c.button);
        EXPECT_EQ(b->Name(), "SpeedButton" + IntToStr(c.button));
        EXPECT_EQ(b->Hint(), c.hint);
        EXPECT_EQ(b->Left(), c.left);
        EXPECT_EQ(b->Top(), c.top);
        EXPECT_EQ(b->Width(), c.width);
        EXPECT_EQ(b->Height(), c.height);
    }
    for (int n = 1; n <= 28; ++n) {
        EXPECT_EQ(Button(n)->GroupIndex(), 1);
        EXPECT_EQ(Button(n)->PopupMenu(), form->PortInfoPopupMenu);
        EXPECT_EQ(Button(n)->OnClick, TNotifyEvent(form, &TMainForm::PortButtonClick));
    }
    EXPECT_EQ(TPanelVRX6120Form::PortInstance(1, 5), "69.1");
    EXPECT_EQ(TPanelVRX6120Form::PortInstance(1, 28), "88.2");

    // A click puts a port down and the others up; a second click may leave all up.
    QTest::mouseClick(Button(3), Qt::LeftButton);
    EXPECT_TRUE(Button(3)->Down());
    QTest::mouseClick(Button(25), Qt::LeftButton);
    EXPECT_TRUE(Button(25)->Down());
    EXPECT_FALSE(Button(3)->Down());
    QTest::mouseClick(Button(25), Qt::LeftButton);
    for (int n = 1; n <= 28; ++n) EXPECT_FALSE(Button(n)->Down());
}

namespace {

// A stand-in for the configuration-form generator: records what the port command asked for
// and what its form looked like while shown.
struct PortFormLog {
    std::string component, tableCaption, instance;
    std::vector<std::string> oids;
    int listType = -1, keyCount = -1, panel = -1;
    TCommandExtra extra = exNone;
    int extraValue = 0;
    std::string caption;
    int width = 0;
    std::vector<int> downWhileShown;  // the port buttons down while the form was open
    QPointer<TForm> form;
    int builds = 0;
};
PortFormLog* PortLog = nullptr;

void PortFormBuilder(TMainForm& main, const TMenuCommand& cmd, const MibCommand& table, std::unique_ptr<TForm>& form)
{
    PortFormLog& log = *PortLog;
    ++log.builds;
    log.component = table.component;
    log.tableCaption = table.caption;
    log.instance = cmd.instance ? cmd.instance : "(none)";
    log.oids.clear();
    for (const UISnmpVar* v = table.table; v->oid; ++v) log.oids.push_back(v->oid);
    log.listType = table.listType;
    log.keyCount = table.keyCount;
    log.panel = table.panel;
    log.extra = cmd.extra;
    log.extraValue = cmd.extraValue;
    form.reset(new TForm(Application));
    form->SetBounds(0, 0, 400, 300);
    log.form = form.get();
    TForm* f = form.get();
    TList* buttons = main.PortButtons;
    QTimer::singleShot(0, f, [f, &log, buttons] {
        log.caption = f->Caption().std();
        log.width = f->Width();
        log.downWhileShown.clear();
        for (int i = 0; i < buttons->Count(); ++i)
            if (static_cast<TSpeedButton*>(buttons->Get(i))->Down()) log.downWhileShown.push_back(i + 1);
        f->Close();
    });
}

// Right-clicks the button (its pop-up opens on it) and picks the item.
void PickFromPopup(TMainForm* form, TControl* button, TMenuItem* item)
{
    QWidget* w = button->Widget();
    QContextMenuEvent ev(QContextMenuEvent::Mouse, QPoint(4, 4), w->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(w, &ev);
    EXPECT_EQ(form->PortInfoPopupMenu->PopupComponent(), button);
    form->PortInfoPopupMenu->Menu()->hide();
    item->Click();
}

std::vector<std::string> Columns(const char* table, int first, int last)
{
    std::vector<std::string> oids;
    for (int c = first; c <= last; ++c) oids.push_back(std::string(table) + "." + std::to_string(c));
    return oids;
}

}  // namespace

TEST_F(FrontPanelTest, PopupOpensThePortsRowWithItsCaption)
{
    PortFormLog log;
    PortLog = &log;
    TableFormBuilder = PortFormBuilder;
    SimAgent agent;
    MakeOn(agent);
    ShowAndActivate();

    struct Case {
        const char* name;
        int button;
        const char* item;
        float scale;
        const char* component;
        const char* caption;
        const char* instance;
        std::vector<std::string> oids;
        int growth;
        int width;
    } cases[] = {
        {"information of a fibre slot", 25, "PortInformation2", 1.0f, "PortInformation2",
         "Port Information Table : 21 , fiber", "21.2", Columns("1.3.6.1.4.1.171.11.70.2.2.3.1.1", 3, 7), 50, 450},
        {"configuration of a copper port", 2, "PortConfiguration1", 1.0f, "PortConfiguration1",
         "Port Configuration : 2 , copper", "2.1", Columns("1.3.6.1.4.1.171.11.70.2.2.3.2.1", 3, 8), 82, 482},
        {"scaled information", 24, "PortInformation2", 1.25f, "PortInformation2", "Port Information Table : 24 , copper",
         "24.1", Columns("1.3.6.1.4.1.171.11.70.2.2.3.1.1", 3, 7), 50, 462},
        {"scaled configuration", 28, "PortConfiguration1", 1.25f, "PortConfiguration1",
         "Port Configuration : 24 , fiber", "24.2", Columns("1.3.6.1.4.1.171.11.70.2.2.3.2.1", 3, 8), 82, 502},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form->ScaleFactor = c.scale;
        Button(5)->SetDown(true);
        PickFromPopup(form, Button(c.button), dynamic_cast<TMenuItem*>(form->FindComponent(c.item)));
        EXPECT_EQ(log.component, c.component);
        EXPECT_EQ(log.instance, c.instance);
        EXPECT_EQ(log.oids, c.oids);
        EXPECT_EQ(log.listType, MVT_SV);
        EXPECT_EQ(log.keyCount, 0);
        EXPECT_EQ(log.panel, mpEditor);
        EXPECT_EQ(log.extra, exPortEditorWidth);
        EXPECT_EQ(log.extraValue, c.growth);
        EXPECT_EQ(log.caption, c.caption);
        EXPECT_EQ(log.width, c.width);
        EXPECT_EQ(form->NextFormCaption, log.tableCaption);
        EXPECT_TRUE(log.form.isNull());  // deleted after the modal loop
        // The port of the pop-up is the one down while its form is open, and none after.
        EXPECT_EQ(log.downWhileShown, std::vector<int>{c.button});
        for (int n = 1; n <= 28; ++n) EXPECT_FALSE(Button(n)->Down()) << n;
    }

    // A pop-up that was not opened on a port button opens nothing.
    const int builds = log.builds;
    form->PortInfoPopupMenu->SetPopupComponent(nullptr);
    form->PortInformation2->Click();
    EXPECT_EQ(log.builds, builds);
    EXPECT_TRUE(boxes.Boxes().empty());

    TableFormBuilder = BuildTableForm;
    PortLog = nullptr;
}

// The real generated form of a pop-up command reads the port's row: every OID carries the
// port and medium of the button.
TEST_F(FrontPanelTest, PopupFormReadsThePortsRowFromTheSwitch)
{
    SimAgent agent;
    MakeOn(agent);
    ShowAndActivate();
    const size_t before = agent.Requests().size();
    bool shown = false;
    std::function<void()> closeWhenRead = [&] {
        QWidget* modal = QApplication::activeModalWidget();
        const auto requests = agent.Requests();
        if (modal && requests.size() > before && requests.back().kind == "GET") {
            shown = true;
            if (auto* f = dynamic_cast<TForm*>(modal)) f->Close();
            return;
        }
        QTimer::singleShot(20, closeWhenRead);
    };
    QTimer::singleShot(0, closeWhenRead);
    PickFromPopup(form, Button(2), form->PortInformation2);

    ASSERT_TRUE(shown);
    const SimRequest get = agent.Requests().back();
    ASSERT_EQ(get.kind, "GET");
    std::vector<std::string> oids;
    for (const SimVarbind& vb : get.varbinds) oids.push_back(vb.oid);
    std::vector<std::string> expected;
    for (const std::string& column : Columns("1.3.6.1.4.1.171.11.70.2.2.3.1.1", 3, 7)) expected.push_back(column + ".2.1");
    EXPECT_EQ(oids, expected);
    EXPECT_EQ(get.status, "noError");
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST(PortFormCaption, PortAndMediumFromTheInstance)
{
    EXPECT_EQ(PortFormCaption("Port Information Table", "21.2"), "Port Information Table : 21 , fiber");
    EXPECT_EQ(PortFormCaption("Port Configuration", "85.1"), "Port Configuration : 85 , copper");
    EXPECT_EQ(PortFormCaption("Port Configuration", "7.3"), "Port Configuration : 7");
    EXPECT_EQ(PortFormCaption("Port Configuration", "7"), "Port Configuration : 7");
}

TEST(PortCountForModel, ByNameWithoutRegardToCase)
{
    struct Case {
        const char* model;
        int ports;
    } cases[] = {
        {"VRX-6110", 26}, {"VRX-6110P", 26}, {"VRX-6120", 27}, {"VRX-6150", 50}, {"vrx-6120", 27},
        {"Vrx-6110p", 26}, {"", 0}, {"VRX-6120 ", 0}, {"VRX-612", 0}, {"VRX-6130", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(PortCountForModel(c.model), c.ports) << c.model;
}

namespace {

// A panel whose LED request cannot be made.
class TPanelWithoutLeds : public TPanelVRX6120Form {
public:
    using TPanelVRX6120Form::TPanelVRX6120Form;

protected:
    QzSNMPRequest2Leds* NewLedRequest() override { throw Exception("no LED request"); }
};

TPanelVRX6120Form* MakePanelWithoutLeds(TComponent* owner) { return new TPanelWithoutLeds(owner); }

}  // namespace

TEST_F(FrontPanelTest, PanelWithoutItsLedRequestWorksOnAndCloses)
{
    SimAgent agent;
    MakeOn(agent);
    FrontPanelMaker = MakePanelWithoutLeds;
    ShowAndActivate();
    FrontPanelMaker = [](TComponent* owner) { return new TPanelVRX6120Form(owner); };
    QPointer<TPanelVRX6120Form> panel = Panel();
    ASSERT_FALSE(panel.isNull());
    EXPECT_EQ(panel->LedRequest, nullptr);
    EXPECT_EQ(form->PortButtons->Count(), 28);
    EXPECT_EQ(Status(), "");  // nothing reports for the request that is not there

    // Nothing polls: no LED GET reaches the switch.
    QTest::qWait(100);
    for (const SimRequest& r : agent.Requests()) EXPECT_NE(r.varbinds[0].oid, kLedOid);

    // Closing the panel (a refresh) and then the window touch no request.
    boxes.QueueAnswers({IDOK});
    form->RefreshPanel2->Click();
    EXPECT_TRUE(panel.isNull());
    ASSERT_NE(Panel(), nullptr);
    EXPECT_NE(Panel()->LedRequest, nullptr);
    form->Close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    form = nullptr;
}

TEST_F(FrontPanelTest, ScreenshotOfTheMainWindow)
{
    SimAgent agent;
    MakeOn(agent);
    ShowAndActivate();
    ASSERT_TRUE(WaitFor([&] { return LedReplied(); }));
    // Let the blinking LED settle and the window paint.
    QTest::qWait(600);
    const char* buildDir = std::getenv("VRX_BUILD_DIR");
    const QString dirName = QString(buildDir && *buildDir ? buildDir : VRX_BUILD_DIR) + "/screenshots";
    ASSERT_TRUE(QDir().mkpath(dirName));
    const QString file = dirName + "/mainwindow.png";
    QPixmap shot = form->grab();
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.width(), form->Width());
    EXPECT_TRUE(shot.save(file, "PNG")) << file.toStdString();
}
