#include "mainwindow/panelvrx6120.h"

#include <memory>

#include "common/qzoptionlist.h"
#include "mainwindow/mainunit.h"
#include "platform/ui/comctrls.h"
#include "platform/ui/sysutils.h"
#include "platform/ui/uilog.h"
#include "snmpvars/qzsnmperror.h"
#include "snmpvars/qzsnmprequest2edits.h"
#include "snmpvars/qzsnmprequest2leds.h"
#include "snmpvars/qzsnmpvarlist.h"

namespace {

// ---- colour maps ----

const QzSNMPLedColorPair kSystemColours[] = {
    {0, clWhite}, {1, clWhite}, {2, clLime}, {3, clLime}, {4, clBlue}, {5, clRed}, {0, 0xFFFFFFFFu}};
const unsigned int kOrange = 0x4080FF;
const QzSNMPLedColorPair kPortColours[] = {
    {0, clBlack}, {1, kOrange}, {2, kOrange}, {3, clLime}, {4, clLime}, {5, clRed}, {0, 0xFFFFFFFFu}};

// ---- descriptor tables ----

const QzOptionEntry kLinkStatus[] = {{1, "other"}, {2, "link-pass"}, {3, "link-fail"}, {0, nullptr}};
QzOptionList LinkStatusOptions(kLinkStatus);
const UISnmpVar kLinkStatusVars[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.3.1.1.5", "swL2PortInfoLinkStatus", sxInteger, acReadOnly, &LinkStatusOptions},
    {nullptr},
};
const UISnmpVar kLedStatusVars[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.1.1.6", "swUnitMgmtFrontPanelLedStatus", sxOctetStr, acReadOnly},
    {nullptr},
};

// ---- layout ----

struct Bounds {
    int left, top, width, height;
};

// SpeedButton1 .. SpeedButton28: odd ports in the upper row, even ones below, then the fibre
// slots of ports 21 (upper) and 22, 23 (upper) and 24.
const Bounds kButtons[TPanelVRX6120Form::ButtonCount] = {
    {358, 21, 25, 23}, {358, 49, 25, 23}, {383, 21, 25, 23}, {383, 49, 25, 23},
    {409, 21, 25, 23}, {409, 49, 25, 23}, {435, 21, 25, 23}, {435, 49, 25, 23},
    {460, 21, 25, 23}, {460, 49, 25, 23}, {486, 21, 25, 23}, {486, 49, 25, 23},
    {530, 21, 25, 23}, {530, 49, 25, 23}, {556, 21, 25, 23}, {556, 49, 25, 23},
    {581, 21, 25, 23}, {581, 48, 25, 24}, {606, 21, 25, 23}, {606, 48, 25, 24},
    {631, 21, 25, 23}, {631, 48, 25, 24}, {656, 21, 26, 23}, {656, 48, 26, 24},
    {696, 27, 29, 17}, {696, 53, 29, 17}, {732, 27, 29, 17}, {732, 53, 29, 17},
};
const int kPortPanelLefts[] = {635, 648, 661, 674};
const int kComboPanelLefts[] = {702, 714, 737, 750};
// Status byte of ports 21 to 24 in the LED string.
const char* const kComboLedBytes[] = {"43", "45", "47", "49"};

TPanelVRX6120Form* MakePanel(TComponent* owner) { return new TPanelVRX6120Form(owner); }

}  // namespace

QzSNMPLedColorMapList SystemLedColorMap(kSystemColours, 7, 0x80, clBlack, clWhite);
QzSNMPLedColorMapList PortLedColorMap(kPortColours, 3, 0x80, clBlack, clBlack);

TFrontPanelMaker FrontPanelMaker = MakePanel;

TPanelVRX6120Form::TPanelVRX6120Form(TComponent* Owner) : TForm(Owner)
{
    BuildLayout();
    Image1->SetLeft(0);
    Image1->SetTop(0);
    for (bool& fibre : ComboFibre) fibre = false;
    DoCreate();
}

TPanelVRX6120Form::~TPanelVRX6120Form() { StopRequests(); }

void TPanelVRX6120Form::BuildLayout()
{
    SetName("PanelVRX6120Form");
    SetCaption("PanelVRX6120Form");
    SetBorderStyle(bsNone);
    SetClientWidth(800);
    SetClientHeight(89);

    Image1 = new TImage(this);
    Image1->SetName("Image1");
    Image1->SetParent(this);
    Image1->SetBounds(0, 0, 800, 89);
    Image1->SetStretch(true);
    Image1->SetAlign(alClient);

    auto panel = [this](const char* name, int left, int top, int width, int height) {
        auto* p = new TPanel(this);
        p->SetName(name);
        p->SetParent(this);
        p->SetBounds(left, top, width, height);
        p->SetBevelOuter(bvNone);
        return p;
    };
    // LED hosts: white until an LED covers them.
    PowerLedPanel = panel("PowerLedPanel", 99, 30, 7, 7);
    ConsoleLedPanel = panel("ConsoleLedPanel", 99, 41, 7, 7);
    RPSPanel = panel("RPSPanel", 99, 51, 7, 7);
    LedPanel1 = panel("LedPanel1", 360, 7, 150, 7);
    LedPanel2 = panel("LedPanel2", 531, 7, 99, 7);
    for (int k = 0; k < ComboCount; ++k) {
        PortPanels[k] = panel(("Port" + IntToStr(FirstComboPort + k) + "Panel").c_str(), kPortPanelLefts[k], 7, 7, 7);
        ComboPanels[k] = panel(("Combo" + IntToStr(k + 1) + "Panel").c_str(), kComboPanelLefts[k], 7, 7, 7);
    }
    for (TPanel* p : {PowerLedPanel, ConsoleLedPanel, RPSPanel, LedPanel1, LedPanel2}) p->SetColor(clHighlightText);
    for (int k = 0; k < ComboCount; ++k) {
        PortPanels[k]->SetColor(clHighlightText);
        ComboPanels[k]->SetColor(clHighlightText);
    }

    Panel1 = panel("Panel1", 765, 46, 26, 26);
    Image2 = new TImage(Panel1);
    Image2->SetName("Image2");
    Image2->SetParent(Panel1);
    Image2->SetAlign(alClient);
    Image2->SetStretch(true);

    for (int i = 0; i < ButtonCount; ++i) {
        auto* b = new TSpeedButton(this);
        b->SetName(("SpeedButton" + IntToStr(i + 1)).c_str());
        b->SetParent(this);
        const Bounds& r = kButtons[i];
        b->SetBounds(r.left, r.top, r.width, r.height);
        b->SetFlat(true);  // the picture shows the port
        b->SetGroupIndex(1);
        b->SetAllowAllUp(true);
        SpeedButtons[i] = b;
    }

    ST_ComboPortLinkStatus = new TLabel(this);
    ST_ComboPortLinkStatus->SetName("ST_ComboPortLinkStatus");
    ST_ComboPortLinkStatus->SetParent(this);
    ST_ComboPortLinkStatus->SetVisible(false);

    LoadPictures();
    OnClose = TCloseEvent(this, &TPanelVRX6120Form::FormClose);
}

void TPanelVRX6120Form::LoadPictures()
{
    // A picture that does not load leaves its image empty: the ports and LEDs work without it.
    try {
        Image1->Picture()->LoadFromFile(":/pictures/vrx6120panel.jpg");
        Image2->Picture()->LoadFromFile(":/pictures/vrx6120mark.png");
    } catch (const Exception& e) {
        qCDebug(lcUi) << "front panel picture not loaded:" << e.Message.c_str();
    }
}

AnsiString TPanelVRX6120Form::PortInstance(int unitIndex, int n)
{
    if (n <= 24) return IntToStr(unitIndex * 64 + n) + ".1";
    return IntToStr(unitIndex * 64 + n - 4) + ".2";
}

// ---- combo media and LEDs ----

void TPanelVRX6120Form::BuildPanelLeds(TStatusPanel* messagePanel)
{
    ReadComboMedia();
    try {
        CreateLedRequest(messagePanel);
        if (LedRequest) LedRequest->StartPolling(300);
    } catch (const Exception& e) {
        // The panel works on; the next poll reports what is wrong.
        qCDebug(lcUi) << "LED polling not started:" << e.Message.c_str();
    }
}

void TPanelVRX6120Form::ReadComboMedia()
{
    try {
        LinkRequest = new QzSNMPRequest2Edits(this);
        LinkRequest->Request.varList = QzSNMPVarList(kLinkStatusVars, MVT_SV, 0);
        LinkRequest->Mode = 0;
        LinkRequest->Associate(0, ST_ComboPortLinkStatus);
        for (int k = 0; k < ComboCount; ++k) {
            LinkRequest->Request.varList.instance = IntToStr(FirstComboPort + k) + ".2";
            try {
                LinkRequest->Get();
                ComboFibre[k] = ST_ComboPortLinkStatus->Caption() == "link-pass";
            } catch (const Exception& e) {
                // A port without a fibre medium has no such object: that port alone stays on copper.
                if (e.HelpContext != qzsAgentNoSuchName) throw;
                ComboFibre[k] = false;
            }
        }
    } catch (const Exception& e) {
        // Shown as copper: the panel still works, on the wrong connector of a fibre port.
        qCDebug(lcUi) << "combo port medium not read, every combo port shown as copper:" << e.Message.c_str();
        for (bool& fibre : ComboFibre) fibre = false;
    }
}

QzSNMPRequest2Leds* TPanelVRX6120Form::NewLedRequest() { return new QzSNMPRequest2Leds(this); }

void TPanelVRX6120Form::CreateLedRequest(TStatusPanel* messagePanel)
{
    LedRequest = NewLedRequest();
    LedRequest->Request.varList = QzSNMPVarList(kLedStatusVars, MVT_SV, 0);
    LedRequest->Request.timeout = 300;
    LedRequest->Request.varList.instance = IntToStr(UnitIndex);
    LedRequest->SetLedEncoding(2, 3);

    auto group = [](const char* bytes, QzSNMPLedColorMapList* map, TPanel* host, int left, int spacing) {
        QzSNMPLedGroup g;
        g.IndexList = bytes;
        g.ColorMap = map;
        g.Parent = host;
        g.Left = left;
        g.Spacing = spacing;
        g.ShapeType = stRectangle;
        g.Width = 6;
        g.Height = 6;
        return g;
    };
    LedRequest->CreateLeds(0, group("0", &SystemLedColorMap, PowerLedPanel, 1, 10));
    LedRequest->CreateLeds(0, group("1", &SystemLedColorMap, ConsoleLedPanel, 1, 10));
    LedRequest->CreateLeds(0, group("2", &SystemLedColorMap, RPSPanel, 1, 10));
    LedRequest->CreateLeds(0, group("3,5,7,9,11,13,15,17,19,21,23,25", &PortLedColorMap, LedPanel1, 1, 7));
    LedRequest->CreateLeds(0, group("27,29,31,33,35,37,39,41", &PortLedColorMap, LedPanel2, 1, 7));
    for (int k = 0; k < ComboCount; ++k) {
        TPanel* host = ComboFibre[k] ? ComboPanels[k] : PortPanels[k];
        TPanel* other = ComboFibre[k] ? PortPanels[k] : ComboPanels[k];
        LedRequest->CreateLeds(0, group(kComboLedBytes[k], &PortLedColorMap, host, ComboFibre[k] ? 0 : 1, 10));
        other->SetColor(clBlack);
    }

    LedRequest->SetMessageControl(messagePanel);
    LedRequest->Request.varList.description = " Led Status";
}

void TPanelVRX6120Form::RestartPolling()
{
    if (!LedRequest) return;
    try {
        LedRequest->StartPolling(300);
    } catch (const Exception& e) {
        LedRequest->ShowResult(e.Message);
    }
}

void TPanelVRX6120Form::AssignPortButtons(TList* portButtons)
{
    for (int i = 0; i < ButtonCount; ++i) {
        SpeedButtons[i]->SetHint(PortInstance(UnitIndex, i + 1));
        portButtons->Add(SpeedButtons[i]);  // the list holds TSpeedButton pointers
    }
}

// ---- closing ----

void TPanelVRX6120Form::StopRequests()
{
    if (LedRequest) {
        LedRequest->StopPolling();
        LedRequest->Withdraw();
        delete LedRequest;
        LedRequest = nullptr;
    }
    if (LinkRequest) {
        LinkRequest->Withdraw();
        delete LinkRequest;
        LinkRequest = nullptr;
    }
}

void TPanelVRX6120Form::FormClose(TObject*, TCloseAction& Action)
{
    StopRequests();
    Action = caFree;
}

// ---- the main window's side ----

void TMainForm::CreateFrontPanel()
{
    TPanelVRX6120Form* panel = FrontPanelMaker(this);
    const int h = panel->ClientHeight(), w = panel->ClientWidth();
    panel->UnitIndex = 0;
    panel->BuildPanelLeds(StatusBar->Panels()->Items(0));
    panel->AssignPortButtons(PortButtons);
    panel->RestartPolling();

    panel->SetParent(ScrollBox1);
    panel->SetLeft(0);
    panel->SetTop(0);
    ScrollBox1->SetAlign(alNone);
    if (!CurrentPanel) {
        panel->SetTop(0);
        SetClientWidth(w + 3);
    } else {
        panel->SetTop(ScrollBox1->Height() - 2 - (PanelForms->Count() - 1));
        if (ClientWidth() < w + 3) SetClientWidth(w + 3);
    }
    CurrentPanel = panel;
    SetClientHeight(panel->Top() + h + StatusBar->Height() + PanelForms->Count() + 3);
    ScrollBox1->SetAlign(alClient);
    panel->Show();
    if (panel->Width() > Width()) SetWidth(panel->Width() + 4);
    PanelForms->Add(static_cast<TForm*>(panel));
}

void TMainForm::AttachPortPopup()
{
    for (int i = 0; i < PortButtons->Count(); ++i)
        static_cast<TSpeedButton*>(PortButtons->Get(i))->SetPopupMenu(PortInfoPopupMenu);
}

void TMainForm::AttachPortButtonClick()
{
    for (int i = 0; i < PortButtons->Count(); ++i)
        static_cast<TSpeedButton*>(PortButtons->Get(i))->OnClick = TNotifyEvent(this, &TMainForm::PortButtonClick);
}

void TMainForm::PortButtonClick(TObject* Sender)
{
    for (int i = 0; i < PortButtons->Count(); ++i) {
        auto* b = static_cast<TSpeedButton*>(PortButtons->Get(i));
        if (b != Sender) b->SetDown(false);
    }
}

void TMainForm::ReleaseAllPortButtons()
{
    for (int i = 0; i < PortButtons->Count(); ++i) static_cast<TSpeedButton*>(PortButtons->Get(i))->SetDown(false);
}

// ---- model port counts ----

int PortCountForModel(const AnsiString& model)
{
    static const struct {
        const char* name;
        int ports;
    } kModels[] = {{"VRX-6110", 26}, {"VRX-6110P", 26}, {"VRX-6120", 27}, {"VRX-6150", 50}};
    for (const auto& m : kModels)
        if (AnsiCompareText(model, m.name) == 0) return m.ports;
    return 0;
}
