// The switch's IP-MAC-port bindings: list them, add, change and delete a binding of an IPv4
// address to a MAC address and a set of ports, edited on the form itself.
#pragma once

#include "forms/layer2/featureframe.h"

class TIPMACBindingForm : public TFeatureFormBase {
public:
    explicit TIPMACBindingForm(TComponent* Owner);

    TButton* btnGet;
    TButton* btnEdit;
    TButton* btnAdd;
    TButton* btnDelete;
    TButton* btnClose;
    TComboBox* ComboStatus;
    TEdit* edtIpAddr;
    TEdit* edtMacAddr;
    TComboBox* cbxMode;
    TStatusBar* StatusBar1;
    TPanel* StackingPortPanel;
    TListView* ListView1;
    QzSNMPRequest2Edits* Request = nullptr;
    TStackingPortUitForm* PortPage = nullptr;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void btnGetClick(TObject* Sender);
    void btnEditClick(TObject* Sender);
    void btnAddClick(TObject* Sender);
    void btnDeleteClick(TObject* Sender);
    void btnCloseClick(TObject* Sender);
    void ListView1Click(TObject* Sender);

private:
    bool CheckFields();
    void Write(int statusItem);
    void ResetEdits();
};

extern TIPMACBindingForm* IPMACBindingForm;
