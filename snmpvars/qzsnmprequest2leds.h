// LED binding: a device reports its LED states in one octet string, a status byte (or a pair
// of bytes) per LED. QzSNMPLedColorMapList turns a status byte into a colour and a blink flag;
// QzSNMPRequest2Leds polls the string, decodes it for every LED shape and makes LEDs blink.
//
//   static const QzSNMPLedColorPair kPort[] = {{1, 0x0080FF}, {3, clLime}, {5, clRed}, {0, 0xFFFFFFFF}};
//   static QzSNMPLedColorMapList portMap(kPort, 0x07, 0x80, clBlack, clBlack);
//   auto* leds = new QzSNMPRequest2Leds(form);
//   leds->Request.varList = QzSNMPVarList(ledTable, MVT_SV, 0);
//   leds->SetLedEncoding(2, 3);                 // bytes 0-2 one byte each, then pairs
//   leds->CreateLeds(0, {"3,5,7", &portMap, panel, 1, 7, stRectangle, 6, 6});
//   leds->SetMessageControl(statusBar->Panels()->Items(0));
//   leds->StartPolling(300);                    // every 3000 ms, and once now
//   ... leds->StopPolling(); leds->Request.enabled = 0; wait while leds->Busy; delete leds;
//
// Encoding 1: every LED one byte: colour = map(byte AND colour mask), blinking when a bit of
// the blink mask is set. Encoding 2: LEDs from FirstPairByte on own a pair, status byte then
// colour byte; status 1 means no LED state (absent colour). A string too short for an LED
// gives the absent colour, or the error -519 when the map has none (0xFFFFFFFF).
#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

#include "snmpvars/qzsnmprequest2controls.h"

class TPanel;
class TShape;
class TTimer;

// A static pair table ends with the first entry whose colour is 0xFFFFFFFF.
struct QzSNMPLedColorPair {
    unsigned int value;   // only its low byte is looked up
    unsigned int colour;  // 0x00BBGGRR
};

class QzSNMPLedColorMapList {
public:
    enum : unsigned int { NoColour = 0xFFFFFFFFu };

    QzSNMPLedColorMapList(const QzSNMPLedColorPair* table, unsigned char colourMask, unsigned char blinkMask,
                          unsigned int defaultColour, unsigned int absentColour);
    QzSNMPLedColorMapList(const QzSNMPLedColorMapList&) = delete;
    QzSNMPLedColorMapList& operator=(const QzSNMPLedColorMapList&) = delete;

    // The colour of the first pair of that value; 0 (black) when none has it.
    unsigned int ColourOf(unsigned char value) const;
    int IndexOfValue(unsigned char value) const;
    int Count() const { return static_cast<int>(pairs_.size()); }
    const QzSNMPLedColorPair& Pair(int k) const { return pairs_[static_cast<size_t>(k)]; }

    unsigned char ColourMask;
    unsigned char BlinkMask;
    unsigned int DefaultColour;  // idle, reset, and the dark phase of blinking
    unsigned int AbsentColour;   // no status for the LED; NoColour: raise -519 instead

private:
    std::vector<QzSNMPLedColorPair> pairs_;
};

struct QzSNMPLedRecord {
    int VarIndex = 0;   // the variable holding the status octets
    int ByteIndex = 0;  // the LED's status byte in them
    QzSNMPLedColorMapList* ColorMap = nullptr;
    TShape* Shape = nullptr;  // owned by the request's owner form
    bool Blink = false;
    unsigned int Colour = 0;
    QPointer<QWidget> alive;  // cleared when the shape is destroyed
};

// A row of LEDs of one map on one panel: shape i at Left + (Width + Spacing) * i, Top 1.
struct QzSNMPLedGroup {
    AnsiString IndexList;  // comma-separated byte indexes
    QzSNMPLedColorMapList* ColorMap = nullptr;
    TPanel* Parent = nullptr;
    int Left = 0;
    int Spacing = 0;
    unsigned char ShapeType = 0;  // TShapeType; 0 rectangle
    int Width = 0;
    int Height = 0;
};

class QzSNMPRequest2Leds : public QzSNMPRequest2Controls {
public:
    explicit QzSNMPRequest2Leds(TForm* owner);
    // Stops polling and resets the LEDs; its timers go with it.
    ~QzSNMPRequest2Leds() override;

    void CreateLeds(int varIndex, const QzSNMPLedGroup& group);
    void AddLed(int varIndex, int byteIndex, QzSNMPLedColorMapList* colorMap, TShape* shape);
    // mode < 1 gives 1, firstPairByte < 1 gives 4.
    void SetLedEncoding(int mode, int firstPairByte);
    // One poll (Get); a failure to start it resets the LEDs and is raised again.
    void Refresh();
    // Polls every period hundredths of a second, and once at once.
    void StartPolling(int period);
    void StopPolling();
    void ResetLeds();
    void BlinkTick();

    int LedCount() const { return static_cast<int>(Leds.size()); }
    const QzSNMPLedRecord& Led(int k) const { return *Leds[static_cast<size_t>(k)]; }

    std::vector<QzSNMPLedRecord*> Leds;
    TTimer* PollTimer;
    TTimer* BlinkTimer;
    int BlinkLimit = 6;
    int BlinkCount = 0;
    int LedEncoding = 1;
    int FirstPairByte = 4;

protected:
    void OnRowReceived() override;
    void OnGetError(QzSNMPError* result) override;
    // Decodes the record's status from its variable; painting is BlinkTick's.
    virtual void ValuesToLeds(QzSNMPLedRecord* r);

private:
    void PollTimerTimer(TObject* Sender);
    void BlinkTimerTimer(TObject* Sender);
    static void Paint(QzSNMPLedRecord* r, unsigned int colour);
};
