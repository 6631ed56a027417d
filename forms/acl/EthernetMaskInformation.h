// The Ethernet access-list mask profiles: which parts of a frame the rules of a profile match.
#pragma once

#include "forms/layer2/featureframe.h"

class TEthernetMaskInformationForm : public TFeatureFormBase {
public:
    explicit TEthernetMaskInformationForm(TComponent* Owner);

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void BT_GetClick(TObject* Sender);
    void ListView1Click(TObject* Sender);
    void AddBtnClick(TObject* Sender);
    void SetBtnClick(TObject* Sender);
    void BT_DeleteClick(TObject* Sender);

    TButton* BT_Get;
    TButton* SetBtn;
    TButton* AddBtn;
    TButton* BT_Delete;
    TListView* ListView1;
    TEdit* IDEdit;
    TComboBox* UseVLanComBo;
    TComboBox* MacMaskStateComBo;
    TEdit* MacAddMaskSourceEdit;
    TEdit* MacMaskDstEdit;
    TComboBox* Use8021pComBo;
    TComboBox* UseEthTypeCombo;
    TComboBox* RowStatusComBo;
    TStatusBar* StatusBar1;
    QzSNMPRequest2Edits* Request = nullptr;

private:
    void IdleState();
    void RowSelectedState();
    void ClearEdits();
    bool MacTextPasses(TEdit* edit);
    bool EntryPasses();
    void WriteProfile();
    void ShowWriteFailure(const AnsiString& text);
};
