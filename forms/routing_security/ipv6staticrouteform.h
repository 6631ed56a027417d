// The switch's IPv6 static routes: list them, add a route or the default route through the
// edit dialog, delete a route.
#pragma once

#include "forms/layer2/featureframe.h"

class TIpv6StaticRouteForm : public TFeatureFormBase {
public:
    explicit TIpv6StaticRouteForm(TComponent* Owner);
    ~TIpv6StaticRouteForm() override;

    TListView* ListView1;
    TMemo* Memo1;
    TStaticText* StaticText1;
    TButton* btnGet;
    TButton* btnAdd;
    TButton* btnAddDefault;
    TButton* btnDelete;
    TButton* btnClose;
    QzSNMPRequest2Edits* Request = nullptr;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void btnGetClick(TObject* Sender);
    void btnAddClick(TObject* Sender);
    void btnAddDefaultClick(TObject* Sender);
    void btnDeleteClick(TObject* Sender);
    void btnCloseClick(TObject* Sender);
    void ListView1SelectItem(TObject* Sender, TListItem* Item, bool Selected);
    void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);

private:
    void ShowDialog(int mode);
    void ReleaseDialog();
};

extern TIpv6StaticRouteForm* Ipv6StaticRouteForm;
