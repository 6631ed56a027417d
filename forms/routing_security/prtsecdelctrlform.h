// Removes one MAC address that port security has learned on a port: the VLAN name, the port
// and the address are written with the action "start".
#pragma once

#include "forms/layer2/featureframe.h"

// One stack unit the form knows: its number, model and port count.
struct TPrtSecUnitRecord {
    int unit;
    AnsiString model;
    int portCount;
    TPrtSecUnitRecord* next;
};

// The unit and the port that a port number read from the switch shows: the port shows the
// number as read (within unit 1 that is the port itself).
struct TPortShown {
    int unit;
    int port;
};
TPortShown ShownPort(int portNumber);

class TPrtSecDelCtrlForm : public TFeatureFormBase {
public:
    explicit TPrtSecDelCtrlForm(TComponent* Owner);

    TStatusBar* StatusBar1;
    TEdit* edtVlan;
    TEdit* PortEdit;
    TEdit* edtMac;
    TEdit* edtPort;
    TComboBox* cbxOper;
    TEdit* UnitEdit;
    TButton* btnRefresh;
    TButton* btnSet;
    QzSNMPRequest2Edits* Request = nullptr;
    TPrtSecUnitRecord* Units = nullptr;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void btnRefreshClick(TObject* Sender);
    void btnSetClick(TObject* Sender);

private:
    void SplitPort();
    void BuildUnits();
    void FreeUnits();
    // The port count of a unit of the list, 0 when the list has no such unit.
    int PortCount(int unit) const;
    bool CheckPort();
};

extern TPrtSecDelCtrlForm* PrtSecDelCtrlForm;
