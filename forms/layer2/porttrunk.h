// The port trunk (link aggregation) table: add, change and delete trunks of two to eight
// member ports of unit 1 with their master port, type and state.
#pragma once

#include "forms/layer2/featureframe.h"
#include "forms/layer2/stackingportunit.h"

// One stack unit the form manages: its number, port count and model.
struct TTrunkUnitRecord {
    int unit;
    int portCount;
    AnsiString model;
    TTrunkUnitRecord* next;
};

class TPortTrunkForm : public TFeatureFormBase {
public:
    explicit TPortTrunkForm(TComponent* Owner);
    ~TPortTrunkForm() override;

    TEdit* ED_Index;
    TEdit* ED_Name;
    TEdit* ED_MasterPort;
    TEdit* PortEdit;
    TEdit* UnitEdit;
    TStaticText* ST_FloodingPort;
    TComboBox* Combo_Type;
    TComboBox* Combo_State;
    TComboBox* ComboBox1;
    TPageControl* PageControl1;
    TTabSheet* tbsMember;
    TPanel* StackingPortPanel;
    TPanel* StackingPortPanel2;
    TButton* BT_Get;
    TButton* BT_Set;
    TButton* BT_Delete;
    TButton* SetBtn;
    TButton* BT_Close;
    TListView* LV_PortTrunk;
    TStatusBar* StatusBar1;

    TStackingPortUitForm* MemberPage = nullptr;
    TStackingPortUitForm* ActivePage = nullptr;
    QzSNMPRequest2Edits* TrunkRequest = nullptr;
    TTrunkUnitRecord* Units = nullptr;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void BT_GetClick(TObject* Sender);
    void BT_SetClick(TObject* Sender);
    void SetBtnClick(TObject* Sender);
    void BT_DeleteClick(TObject* Sender);
    void BT_CloseClick(TObject* Sender);
    void LV_PortTrunkClick(TObject* Sender);
    void Combo_StateChange(TObject* Sender);
    void UnitEditKeyPress(TObject* Sender, char& Key);

private:
    void Refresh();
    void NewTrunkState();
    // After a failure: editor back to a new trunk, the text in status panel 0.
    void Failed(const AnsiString& text);
    // Shows a check's message and moves the focus to the control when it can take it.
    void Refuse(const char* message, TWinControl* focus = nullptr);
    const TTrunkUnitRecord* Unit(int unit) const;
    // The master port (u, p) is a port of its unit's record.
    bool ValidMasterPort(int u, int p) const;
    // Counts the checked members of unit u; more than eight or fewer than two refuses.
    bool MemberCountOk(int u);
    void FreeUnits();
};
