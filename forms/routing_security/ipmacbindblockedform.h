// The hosts the switch blocked for violating an IP-MAC binding: list them and delete an entry.
#pragma once

#include "forms/layer2/featureframe.h"

class TIpMacBindBlockedForm : public TFeatureFormBase {
public:
    explicit TIpMacBindBlockedForm(TComponent* Owner);

    TButton* btnGet;
    TButton* btnDelete;
    TButton* btnClose;
    TComboBox* ComboType;
    TListView* ListView1;
    TMemo* Memo1;
    QzSNMPRequest2Edits* Request = nullptr;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void btnGetClick(TObject* Sender);
    void btnDeleteClick(TObject* Sender);
    void btnCloseClick(TObject* Sender);
    void ListView1Click(TObject* Sender);
};

extern TIpMacBindBlockedForm* IpMacBindBlockedForm;
