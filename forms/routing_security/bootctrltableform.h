// The BOOTP relay servers of each IP interface: list them, add one through the dialog (at most
// four per interface), delete one.
#pragma once

#include "forms/layer2/featureframe.h"

class TBOOTCtrlTableForm : public TFeatureFormBase {
public:
    explicit TBOOTCtrlTableForm(TComponent* Owner);
    ~TBOOTCtrlTableForm() override;

    TBitBtn* RefreshBtn;
    TBitBtn* DeleteBtn;
    TBitBtn* AddBtn;
    TBitBtn* CloseBtn;
    TComboBox* ComboBox1;
    TMemo* Memo1;
    TListView* ListView1;
    QzSNMPRequest2Edits* Request = nullptr;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void RefreshBtnClick(TObject* Sender);
    void AddBtnClick(TObject* Sender);
    void DeleteBtnClick(TObject* Sender);
    void CloseBtnClick(TObject* Sender);
    void ListView1SelectItem(TObject* Sender, TListItem* Item, bool Selected);

private:
    void NoSelection();
    void ReleaseDialog();
};

extern TBOOTCtrlTableForm* BOOTCtrlTableForm;
