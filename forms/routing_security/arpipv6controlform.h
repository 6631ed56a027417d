// The switch's IPv6 neighbour entries: list them, add a static entry through the edit dialog,
// delete one.
#pragma once

#include "forms/layer2/featureframe.h"

class TARPIPV6ControlForm : public TFeatureFormBase {
public:
    explicit TARPIPV6ControlForm(TComponent* Owner);
    ~TARPIPV6ControlForm() override;

    TListView* ListView1;
    TMemo* Memo1;
    TStaticText* StaticText1;
    TButton* btnGet;
    TButton* btnAdd;
    TButton* btnDelete;
    TButton* btnClose;
    QzSNMPRequest2Edits* Request = nullptr;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void btnGetClick(TObject* Sender);
    void btnAddClick(TObject* Sender);
    void btnDeleteClick(TObject* Sender);
    void btnCloseClick(TObject* Sender);
    void ListView1Click(TObject* Sender);
    void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);

private:
    void ReleaseDialog();
};

extern TARPIPV6ControlForm* ARPIPV6ControlForm;
