// Packet storm control: the ports on which the switch recovers from a storm, ticked on a port
// page, and which storm events raise a trap.
#pragma once

#include "forms/layer2/featureframe.h"
#include "forms/layer2/stackingportunit.h"

class TPacketStormControlForm : public TFeatureFormBase {
public:
    explicit TPacketStormControlForm(TComponent* Owner);

    TPanel* StackingPortPanel;
    TGroupBox* gbStackingPort;
    TRadioGroup* rgPktStromTrapCtrl;
    TButton* btnSet;
    TButton* btnGet;
    TButton* btnClose;
    TStatusBar* StatusBar1;

    TStackingPortUitForm* PortPage = nullptr;
    QzSNMPRequest2Edits* Request = nullptr;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void btnGetClick(TObject* Sender);
    void btnSetClick(TObject* Sender);
    void btnCloseClick(TObject* Sender);
};

extern TPacketStormControlForm* PacketStormControlForm;
