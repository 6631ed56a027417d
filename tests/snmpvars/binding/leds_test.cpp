// LED binding: colour maps, the two encodings of the status string, blinking, and a poll of
// the simulated switch's front-panel LED string.
#include "bindingfixture.h"
#include "platform/ui/extctrls.h"
#include "snmpvars/qzsnmprequest2leds.h"
#include "tests/snmpvars/requestfixture.h"

namespace {

const unsigned kWhite = 0xFFFFFF, kLime = 0x00FF00, kBlue = 0xFF0000, kRed = 0x0000FF, kGrey = 0x808080;
const unsigned kOrange = 0x0080FF;

const QzSNMPLedColorPair kSixColours[] = {{0, kWhite}, {1, kWhite}, {2, kLime}, {3, kLime}, {4, kBlue}, {5, kRed},
                                       {0, 0xFFFFFFFF}};
// The VRX-6120's port LEDs: 1, 2 orange; 3, 4 lime; 5 red.
const QzSNMPLedColorPair kPortMap[] = {{1, kOrange}, {2, kOrange}, {3, kLime}, {4, kLime}, {5, kRed},
                                       {0, 0xFFFFFFFF}};

// Exposes the decoding and the row hook.
class TestLeds : public QzSNMPRequest2Leds {
public:
    using QzSNMPRequest2Leds::QzSNMPRequest2Leds;
    using QzSNMPRequest2Leds::OnRowReceived;
    using QzSNMPRequest2Leds::ValuesToLeds;
};

const UISnmpVar kLedVar[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.1.1.6", "swUnitMgmtFrontPanelLedStatus", sxOctetStr, acReadOnly},
    {nullptr},
};

class LedsTest : public BindingTest {
protected:
    void Make()
    {
        panel = new TPanel(form);
        panel->SetParent(form);
        leds = std::make_unique<TestLeds>(form);
        leds->Request.varList = QzSNMPVarList(kLedVar, MVT_SV, 0);
        leds->Request.varList.instance = "0";
    }
    AnsiString& Value() { return *leds->Request.varList.Items(0).value; }
    unsigned Painted(int k) { return static_cast<unsigned>(leds->Led(k).Shape->Brush()->Color()); }
    TPanel* panel = nullptr;
    std::unique_ptr<TestLeds> leds;
};

struct DecodeCase {
    const char* name;
    int encoding, firstPair;
    unsigned char colourMask, blinkMask;
    unsigned absent;
    const char* status;  // hex text of the string
    int byteIndex;
    unsigned colour;
    bool blink;
};

}  // namespace

TEST(LedColourMap, LooksUpTheLowByteOfTheFirstPair)
{
    const QzSNMPLedColorPair table[] = {{0x105, kRed}, {5, kBlue}, {7, kLime}, {0, 0xFFFFFFFF}, {9, kWhite}};
    QzSNMPLedColorMapList map(table, 7, 0x80, kGrey, 0xFFFFFFFF);
    EXPECT_EQ(map.Count(), 3);
    EXPECT_EQ(map.ColourOf(5), kRed);
    EXPECT_EQ(map.IndexOfValue(7), 2);
    EXPECT_EQ(map.ColourOf(9), 0u);  // not the default colour
    EXPECT_EQ(map.IndexOfValue(9), -1);
    EXPECT_EQ(map.DefaultColour, kGrey);
}

TEST_F(LedsTest, DecodingTheStatusString)
{
    const DecodeCase cases[] = {
        {"colour and blink bit", 1, 4, 7, 0x80, kGrey, "82", 0, kLime, true},
        {"value not in the map", 1, 4, 7, 0x80, kGrey, "07", 0, 0, false},
        {"a pair with no LED state", 2, 3, 3, 0x80, kGrey, "000000 01 05", 3, kGrey, false},
        {"a blinking pair", 2, 3, 3, 0x80, kGrey, "000000 80 03", 3, kLime, true},
        {"a single byte before the pairs", 2, 3, 7, 0x80, kGrey, "000085 0103", 2, kRed, true},
        {"byte index equal to the length", 1, 4, 7, 0x80, kGrey, "0303", 2, kGrey, false},
        {"a pair cut after its status byte", 2, 3, 3, 0x80, kGrey, "000000 80", 3, kGrey, false},
        {"no value at all", 1, 4, 7, 0x80, kBlue, "(NULL)", 0, kBlue, false},
    };
    Make();
    for (const DecodeCase& k : cases) {
        SCOPED_TRACE(k.name);
        QzSNMPLedColorMapList map(kSixColours, k.colourMask, k.blinkMask, kWhite, k.absent);
        leds->Leds.clear();
        leds->AddLed(0, k.byteIndex, &map, new TShape(form));
        leds->SetLedEncoding(k.encoding, k.firstPair);
        Value() = k.status;
        leds->ValuesToLeds(leds->Leds[0]);
        EXPECT_EQ(leds->Led(0).Colour, k.colour);
        EXPECT_EQ(leds->Led(0).Blink, k.blink);
        delete leds->Leds[0];
    }
    leds->Leds.clear();

    // Without an absent colour a missing status is an error.
    QzSNMPLedColorMapList strict(kSixColours, 7, 0x80, kWhite, 0xFFFFFFFF);
    leds->AddLed(0, 2, &strict, new TShape(form));
    leds->SetLedEncoding(2, 2);
    Value() = "0001 80";
    AnsiString text;
    EXPECT_EQ(RaisedCode([&] { leds->ValuesToLeds(leds->Leds[0]); }, &text), -519);
    EXPECT_EQ(text, "(QzSNMP++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) "
                    "data!");

    leds->SetLedEncoding(0, 0);
    EXPECT_EQ(leds->LedEncoding, 1);
    EXPECT_EQ(leds->FirstPairByte, 4);
    leds.reset();  // before its map goes
}

TEST_F(LedsTest, AnAnsweredPollBlinksForSevenTicksThenShowsTheColour)
{
    Make();
    leds->StopPolling();  // the ticks are driven here
    QzSNMPLedColorMapList map(kSixColours, 7, 0x80, kWhite, kGrey);
    leds->CreateLeds(0, {"0,1", &map, panel, 2, 3, stRectangle, 6, 5});
    ASSERT_EQ(leds->LedCount(), 2);
    TShape* first = leds->Led(0).Shape;
    EXPECT_EQ(first->Left(), 2);
    EXPECT_EQ(leds->Led(1).Shape->Left(), 11);
    EXPECT_EQ(first->Top(), 1);
    EXPECT_EQ(first->Width(), 6);
    EXPECT_EQ(first->Height(), 5);
    EXPECT_EQ(panel->BevelOuter(), bvNone);
    EXPECT_EQ(Painted(0), kWhite);

    Value() = "8405";  // LED 0 blue and blinking, LED 1 red
    leds->OnRowReceived();
    std::vector<unsigned> seen{Painted(0)};
    for (int tick = 0; tick < 9; ++tick) {
        leds->BlinkTick();
        seen.push_back(Painted(0));
        EXPECT_EQ(Painted(1), kRed);
    }
    EXPECT_EQ(seen, (std::vector<unsigned>{kBlue, kWhite, kBlue, kWhite, kBlue, kWhite, kBlue, kBlue, kBlue, kBlue}));
    EXPECT_EQ(static_cast<unsigned>(first->Pen()->Color()), kBlue);
}

TEST_F(LedsTest, LedsFollowTheSwitchAndResetWhenItFallsSilent)
{
    Start({}, 1, false);
    Make();
    auto* bar = new TStatusBar(form);
    bar->SetParent(form);
    bar->Panels()->Add();
    QzSNMPLedColorMapList portMap(kPortMap, 7, 0x80, kGrey, kGrey);
    leds->SetLedEncoding(2, 3);
    leds->CreateLeds(0, {"3,5,7,9,19,21", &portMap, panel, 1, 7, stRectangle, 6, 6});
    leds->SetMessageControl(bar->Panels()->Items(0));
    leds->Request.varList.description = " Led Status";
    leds->Request.retries = 0;
    leds->StartPolling(300);
    EXPECT_EQ(leds->PollTimer->Interval(), 3000u);
    EXPECT_TRUE(leds->PollTimer->Enabled());
    // The data file's ports 1 to 8 lime, port 9 orange and blinking, ports 10 on without a link.
    ASSERT_TRUE(WaitFor([&] { return !leds->Busy; }));
    EXPECT_EQ(Log(1).size(), 1u);
    EXPECT_EQ(OidsOf(Log(1)[0]), (std::vector<std::string>{"1.3.6.1.4.1.171.11.70.2.2.1.1.6.0"}));
    EXPECT_EQ(leds->Led(0).Colour, kLime);
    EXPECT_FALSE(leds->Led(0).Blink);
    EXPECT_EQ(leds->Led(4).Colour, kOrange);
    EXPECT_TRUE(leds->Led(4).Blink);
    EXPECT_EQ(leds->Led(5).Colour, kGrey);  // status 1: no LED
    EXPECT_TRUE(IsResultLine(bar->Panels()->Items(0)->Text().std(), "Get", OkText(), " Led Status"));

    // The string changes on the switch: port 2 red and blinking.
    leds->PollTimer->SetInterval(30);
    agent_->Control(
        "1.3.6.1.4.1.171.11.70.2.2.1.1.6.0 hex 03 00 00 00 03 85 05 00 03 00 03 00 03 00 03 00 03 00 03 80 01 01 00");
    ASSERT_TRUE(WaitFor([&] { return leds->Led(1).Colour == kRed; }));
    EXPECT_TRUE(leds->Led(1).Blink);
    EXPECT_EQ(leds->Led(0).Colour, kLime);
    // Blinking for seven ticks after the answer, then steady.
    leds->PollTimer->SetInterval(3000);
    ASSERT_TRUE(WaitFor([&] { return leds->BlinkCount > leds->BlinkLimit + 1; }));  // the first steady tick
    EXPECT_EQ(Painted(1), kRed);
    WaitFor([] { return false; }, 150);
    EXPECT_EQ(Painted(1), kRed);

    // The switch stops answering: every LED back to its default colour, the error in the panel.
    leds->Request.timeout = 20;
    agent_->Control("fault drop all");
    leds->PollTimer->SetInterval(30);
    ASSERT_TRUE(WaitFor([&] { return bar->Panels()->Items(0)->Text().Pos("timed out") > 0; }));
    EXPECT_TRUE(IsResultLine(bar->Panels()->Items(0)->Text().std(), "Get", "(SNMPClass) SNMP request timed out!",
                             " Led Status"));
    for (int k = 0; k < leds->LedCount(); ++k) {
        EXPECT_EQ(leds->Led(k).Colour, kGrey);
        EXPECT_FALSE(leds->Led(k).Blink);
        EXPECT_EQ(Painted(k), kGrey);
    }

    leds->StopPolling();
    EXPECT_FALSE(leds->PollTimer->Enabled());
    EXPECT_FALSE(leds->BlinkTimer->Enabled());
}

TEST_F(LedsTest, APollTickWhileTheLastPollWaitsIsSkipped)
{
    Start({}, 1, false);
    agent_->Control("fault delay 300");
    Make();
    QzSNMPLedColorMapList portMap(kPortMap, 7, 0x80, kGrey, kGrey);
    leds->SetLedEncoding(2, 3);
    leds->CreateLeds(0, {"3", &portMap, panel, 1, 7, stRectangle, 6, 6});
    leds->Request.timeout = 200;
    leds->Request.retries = 0;
    int answers = 0, most = 0;
    leds->OnGetDone = QzSNMPControlsDoneEvent(std::function<void(QzSNMPRequest2Controls*, QzSNMPError*)>(
        [&](QzSNMPRequest2Controls*, QzSNMPError*) { ++answers; }));
    leds->StartPolling(2);  // every 20 ms
    WaitFor([&] {
        most = std::max(most, leds->Request.outstanding);
        return false;
    }, 1000);
    leds->StopPolling();
    WaitFor([&] { return !leds->Busy; });
    // One poll at a time: about one per 300 ms answer, not one per tick.
    EXPECT_EQ(most, 1);
    EXPECT_GE(answers, 1);
    EXPECT_LE(answers, 5);
}

TEST_F(LedsTest, AFailedPollResetsTheLedsAndAStartThatFailsIsRaised)
{
    Start({}, 1, false);
    Make();
    QzSNMPLedColorMapList portMap(kPortMap, 7, 0x80, kGrey, kGrey);
    leds->SetLedEncoding(2, 3);
    leds->CreateLeds(0, {"3", &portMap, panel, 1, 7, stRectangle, 6, 6});
    leds->SetMessageControl(memo);
    leds->StartPolling(300);
    ASSERT_TRUE(WaitFor([&] { return leds->Led(0).Colour == kLime; }));
    leds->Request.device.address = "";
    EXPECT_EQ(RaisedCode([&] { leds->StartPolling(300); }), -509);
    EXPECT_EQ(leds->Led(0).Colour, kGrey);
    EXPECT_FALSE(leds->Busy);

    // From the timer the same failure goes to the message control.
    leds->PollTimer->SetInterval(10);
    ASSERT_TRUE(WaitFor([&] { return memo->Lines()->Count() >= 2; }));
    EXPECT_TRUE(IsResultLine(LinesOf(memo)[1], "Get", "(QzSNMP++) Invalid IP Address or DNS name!"));
}

TEST_F(LedsTest, APollOfASwitchWithoutTheStatusStringFails)
{
    Start({"unset 1.3.6.1.4.1.171.11.70.2.2.1.1.6.0"}, 1, false);
    Make();
    QzSNMPLedColorMapList portMap(kPortMap, 7, 0x80, kGrey, kGrey);
    leds->SetLedEncoding(2, 3);
    leds->CreateLeds(0, {"3", &portMap, panel, 1, 7, stRectangle, 6, 6});
    leds->SetMessageControl(memo);
    leds->StartPolling(300);
    ASSERT_TRUE(WaitFor([&] { return memo->Lines()->Count() >= 1 && !leds->Busy; }));
    EXPECT_TRUE(IsResultLine(LinesOf(memo)[0], "Get", "(SNMP) Variable does not exist!")) << LinesOf(memo)[0];
    EXPECT_EQ(leds->Led(0).Colour, kGrey);
    leds->StopPolling();
}

TEST_F(LedsTest, DeletingTheRequestStopsItsTimers)
{
    Start({}, 1, false);
    Make();
    QzSNMPLedColorMapList portMap(kPortMap, 7, 0x80, kGrey, kGrey);
    leds->CreateLeds(0, {"3", &portMap, panel, 1, 7, stRectangle, 6, 6});
    leds->StartPolling(1);
    TShape* shape = leds->Led(0).Shape;
    leds->StopPolling();
    leds->Request.enabled = 0;
    ASSERT_TRUE(WaitFor([&] { return !leds->Busy; }));
    leds.reset();
    const size_t polls = Count("GET");
    WaitFor([] { return false; }, 100);
    EXPECT_EQ(Count("GET"), polls);
    EXPECT_EQ(static_cast<unsigned>(shape->Brush()->Color()), kGrey);  // the shape stays with the form
}
