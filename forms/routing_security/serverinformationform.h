// The switch's AAA server hosts, one row per address and protocol: list, add, change and
// delete them.
#pragma once

#include "forms/layer2/featureframe.h"

class TServerInformationForm : public TFeatureFormBase {
public:
    explicit TServerInformationForm(TComponent* Owner);

    TStatusBar* StatusBar1;
    TStaticText* Static;
    TButton* GetButton;
    TButton* EditButton;
    TButton* AddButton;
    TButton* DeleteButton;
    TListView* ListView1;
    TEdit* IPEdit;
    TComboBox* ProtocolComboBox;
    TEdit* PortEdit;
    TEdit* KeyEdit;
    TEdit* TimeoutEdit;
    TEdit* RetryCEdit;
    TComboBox* RowComboBox;
    QzSNMPRequest2Edits* Request = nullptr;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void GetButtonClick(TObject* Sender);
    void EditButtonClick(TObject* Sender);
    void AddButtonClick(TObject* Sender);
    void DeleteButtonClick(TObject* Sender);
    void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
    void ListView1Click(TObject* Sender);

private:
    void AddMode();
    void ClearEdits();
    // Leaves out the port, key, time-out and retry count (only those left empty, or all).
    void LeaveOutSettings(TSavedAccessFlags& saved, bool all) const;
    void WriteAndReload(TSavedAccessFlags& saved);
    void Focus(TWinControl* control) const;
};

extern TServerInformationForm* ServerInformationForm;
