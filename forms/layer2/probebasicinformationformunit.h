// The RMON probe's basic information: its capabilities, software and hardware revisions, and
// the reset control that restarts the probe.
#pragma once

#include "forms/layer2/featureframe.h"

class TProbeBasicInformationForm : public TFeatureFormBase {
public:
    explicit TProbeBasicInformationForm(TComponent* Owner);

    TStaticText* stCap;
    TStaticText* stSoftware;
    TStaticText* stHardware;
    TComboBox* cbxReset;
    TEdit* edtCap;
    TButton* btnGet;
    TButton* btnSet;
    TStatusBar* StatusBar1;

    QzSNMPRequest2Edits* Request = nullptr;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void btnGetClick(TObject* Sender);
    void btnSetClick(TObject* Sender);
};

extern TProbeBasicInformationForm* ProbeBasicInformationForm;
