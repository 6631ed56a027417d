// The IPv6 access-list mask profiles: each matches either the traffic class and flow label or
// a source or destination address under a mask; a radio button chooses the kind.
#pragma once

#include "forms/acl/aclformkit.h"

class TIPv6MaskInfoForm : public TFeatureFormBase {
public:
    explicit TIPv6MaskInfoForm(TComponent* Owner);

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void GetButtonClick(TObject* Sender);
    void RadioButton1Click(TObject* Sender);
    void RadioButton2Click(TObject* Sender);
    void ListView1Click(TObject* Sender);
    void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
    void AddButtonClick(TObject* Sender);
    void EditButtonClick(TObject* Sender);
    void DeleteButtonClick(TObject* Sender);

    TStaticText* Static;
    TButton* GetButton;
    TButton* EditButton;
    TButton* AddButton;
    TButton* DeleteButton;
    TListView* ListView1;
    TRadioButton* RadioButton1;
    TRadioButton* RadioButton2;
    TComboBox* cbxMaskClass;
    TComboBox* cbxMaskFlowlabel;
    TComboBox* cbxMaskState;
    TEdit* edtSrcMask;
    TEdit* edtDstMask;
    TStatusBar* StatusBar1;
    TEdit* edtMaskID;
    TComboBox* cbxStatus;
    QzSNMPRequest2Edits* Request = nullptr;

private:
    void StartItems();
    void ClearFields();
    void IdleState();
    void RowSelectedState();
    void EnableKinds(bool classKind, bool addressKind);
    bool MaskPasses(TEdit* edit, const char* nullMessage);
    bool EntryPasses();
    void ChooseObjects(TSavedAccessFlags& flags, bool adding);
    void Failed();
    void WriteFailed();
};

extern TIPv6MaskInfoForm* IPv6MaskInfoForm;
