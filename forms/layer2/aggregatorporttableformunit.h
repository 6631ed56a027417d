// LACP (802.3ad) state of every port, and the administrative values of the selected port:
// actor admin key, partner admin system ID and key, actor and partner admin state bits.
#pragma once

#include "forms/layer2/featureframe.h"

class TAggregatorPortTableForm : public TFeatureFormBase {
public:
    explicit TAggregatorPortTableForm(TComponent* Owner);
    ~TAggregatorPortTableForm() override;

    TListView* ListView1;
    TPageControl* PageControl1;
    TTabSheet* TabSheet1;
    TTabSheet* TabSheet2;
    TTabSheet* TabSheet3;
    TTabSheet* TabSheet4;
    TCheckBox* CheckBoxes[32];  // CheckBox1 to CheckBox32
    TEdit* edtActorKey;
    TEdit* edtPartnerID;
    TEdit* edtPartnerKey;
    TMemo* Memo1;
    TStaticText* StaticText1;
    TButton* GetBtn;
    TButton* btnEdit;
    TButton* btnClose;

    QzSNMPRequest2Edits* LacpRequest = nullptr;
    // Set when a read has ended; cleared while a Refresh read runs.
    bool Ready = false;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void GetBtnClick(TObject* Sender);
    void btnEditClick(TObject* Sender);
    void btnCloseClick(TObject* Sender);
    void ListView1Click(TObject* Sender);
    void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
    void GetDone(QzSNMPRequest2Controls* Sender, QzSNMPError* Result);

private:
    void ClearControls();
    void Refresh();
    void Failed(const AnsiString& text);
};

extern TAggregatorPortTableForm* AggregatorPortTableForm;
