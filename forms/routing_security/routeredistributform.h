// The switch's route redistribution rules, one per source and destination protocol, with the
// route type and metric those two protocols allow, edited on the form itself.
#pragma once

#include "forms/layer2/featureframe.h"

class TRouteRedistributForm : public TFeatureFormBase {
public:
    explicit TRouteRedistributForm(TComponent* Owner);

    TBitBtn* RefreshBtn;
    TBitBtn* EditBtn;
    TBitBtn* AddBtn;
    TBitBtn* DeleteBtn;
    TBitBtn* CloseBtn;
    TMemo* Memo1;
    TListView* ListView1;
    TComboBox* ComboBox1;
    TComboBox* ComboBox2;
    TEdit* Edit1;
    TLabel* Label5;
    TComboBox* StComboBox;
    TComboBox* ComboBox3;
    TRadioButton* RadioButtons[10];
    QzSNMPRequest2Edits* Request = nullptr;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void RefreshBtnClick(TObject* Sender);
    void ListView1Click(TObject* Sender);
    void ComboBox1Change(TObject* Sender);
    void RadioButton1Click(TObject* Sender);
    void EditBtnClick(TObject* Sender);
    void AddBtnClick(TObject* Sender);
    void DeleteBtnClick(TObject* Sender);
    void CloseBtnClick(TObject* Sender);

private:
    void Write(bool add);
    void EnableRowButtons(bool enabled);
    // Enables the type buttons whose numbers (1 to 10) are listed, disables the others.
    void OfferTypes(std::initializer_list<int> enabled);
};

extern TRouteRedistributForm* RouteRedistributForm;
