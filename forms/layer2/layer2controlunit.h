// The switch's global layer-2 device switches in one window: each field has a check box, and
// "Set Checked" writes only the checked fields. The web and telnet TCP ports are read and
// written only while their server is enabled.
#pragma once

#include "forms/layer2/featureframe.h"

// The pause before a port is read again after a write: longer under SNMPv3.
unsigned Layer2PortPause(int snmpVersion);

class TLayer2ControlForm : public TFeatureFormBase {
public:
    explicit TLayer2ControlForm(TComponent* Owner);

    TPanel* Panel3;
    TPanel* Panel4;
    TMemo* Memo1;
    TComboBox* IGMPComBo;
    TComboBox* SnoopingComBo;
    TComboBox* RmonComBo;
    TComboBox* CleanComBo;
    TEdit* VlanEdit;
    TEdit* edtMVlanID;
    TComboBox* cbxMACNotify;
    TEdit* edtNotifySize;
    TEdit* edtNotifyInterval;
    TComboBox* WebStateComBo;
    TEdit* WebPortEdit;
    TComboBox* TelStateComBo;
    TEdit* TelPortEdit;
    TComboBox* IPConfigComBo;
    TCheckBox* CheckBox[15];  // CheckBox1 .. CheckBox14 at their numbers; [0] unused
    TButton* GetButton;
    TButton* SetButton;
    TButton* CheckButton;
    TButton* ClearButton;
    TButton* CloseButton;

    QzSNMPRequest2Edits* MainRequest = nullptr;
    QzSNMPRequest2Edits* WebPortRequest = nullptr;
    QzSNMPRequest2Edits* TelnetPortRequest = nullptr;

    void FormCreate(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void GetButtonClick(TObject* Sender);
    void SetButtonClick(TObject* Sender);
    void CheckButtonClick(TObject* Sender);
    void ClearButtonClick(TObject* Sender);
    void CloseButtonClick(TObject* Sender);
    void WebStateComBoChange(TObject* Sender);
    void TelStateComBoChange(TObject* Sender);

private:
    void ReadAll();
    bool AnyBusy() const;
    // The port of a server whose state now reads "enabled": written when checked, else read,
    // blanked for the pause and read again.
    void PortAfterSet(TComboBox* state, TCheckBox* check, TEdit* port, QzSNMPRequest2Edits* request);
};

extern TLayer2ControlForm* Layer2ControlForm;
