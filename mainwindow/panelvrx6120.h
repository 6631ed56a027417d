// The VRX-6120 front panel inside the main window: the switch's picture, a speed button over
// every port (its hint names the port and medium, "21.2" = port 21, fibre) and LED shapes
// that mirror the device's LEDs, polled every 3000 ms from one octet string.
#pragma once

#include "platform/ui/ansistring.h"
#include "platform/ui/buttons.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"

class QzSNMPLedColorMapList;
class QzSNMPRequest2Edits;
class QzSNMPRequest2Leds;
class TList;
class TStatusPanel;

// LED colour maps: power, console and RPS; ports 1 to 24.
extern QzSNMPLedColorMapList SystemLedColorMap;
extern QzSNMPLedColorMapList PortLedColorMap;

class TPanelVRX6120Form : public TForm {
public:
    enum { ButtonCount = 28, ComboCount = 4, FirstComboPort = 21 };

    explicit TPanelVRX6120Form(TComponent* Owner);
    // Stops the poll and frees the requests when the form goes without being closed.
    ~TPanelVRX6120Form() override;

    // Components.
    TImage* Image1 = nullptr;  // the front-panel picture
    TImage* Image2 = nullptr;
    TPanel* Panel1 = nullptr;
    TPanel* PowerLedPanel = nullptr;
    TPanel* ConsoleLedPanel = nullptr;
    TPanel* RPSPanel = nullptr;
    TPanel* LedPanel1 = nullptr;                // ports 1 to 12
    TPanel* LedPanel2 = nullptr;                // ports 13 to 20
    TPanel* PortPanels[ComboCount] = {};        // Port21Panel .. Port24Panel: copper of 21 to 24
    TPanel* ComboPanels[ComboCount] = {};       // Combo1Panel .. Combo4Panel: fibre of 21 to 24
    TSpeedButton* SpeedButtons[ButtonCount] = {};  // SpeedButton1 .. SpeedButton28
    TLabel* ST_ComboPortLinkStatus = nullptr;

    int UnitIndex = 0;
    // Null when it could not be made; nothing calls it then.
    QzSNMPRequest2Leds* LedRequest = nullptr;
    QzSNMPRequest2Edits* LinkRequest = nullptr;
    // Port 21 + i shows its fibre LED.
    bool ComboFibre[ComboCount] = {};

    // Reads which combo ports have their fibre linked, makes the LED request and its LEDs,
    // and starts the poll; its result lines go to messagePanel. A failure of the combo reads
    // leaves every combo port on copper; a failure of the LED request is dropped.
    void BuildPanelLeds(TStatusPanel* messagePanel);
    // Sets each port button's hint to its instance and appends the 28 buttons to portButtons.
    void AssignPortButtons(TList* portButtons);
    // Starts the poll once more; a failure shows in the LED request's result line.
    void RestartPolling();

    void FormClose(TObject* Sender, TCloseAction& Action);

    // "<unit x 64 + port>.<medium>" of the speed button numbered n (1 to 28).
    static AnsiString PortInstance(int unitIndex, int n);

protected:
    // The LED request of this panel (tests put a failing one here).
    virtual QzSNMPRequest2Leds* NewLedRequest();

private:
    void BuildLayout();
    void LoadPictures();
    void ReadComboMedia();
    void CreateLedRequest(TStatusPanel* messagePanel);
    void StopRequests();
};

// Makes the front-panel form that the main window shows (tests put their own here).
using TFrontPanelMaker = TPanelVRX6120Form* (*)(TComponent* owner);
extern TFrontPanelMaker FrontPanelMaker;

// The model's port count by name, without regard to case: "VRX-6110" and "VRX-6110P" 26,
// "VRX-6120" 27, "VRX-6150" 50, any other name 0.
int PortCountForModel(const AnsiString& model);
