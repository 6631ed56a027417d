// The switch's IPv4 static routes: list them, add a route or the default route through the
// edit dialog, delete a route.
#pragma once

#include "forms/layer2/featureframe.h"

class TIpStaticRouteEditForm;

class TIpStaticRouteForm : public TFeatureFormBase {
public:
    explicit TIpStaticRouteForm(TComponent* Owner);
    ~TIpStaticRouteForm() override;

    TListView* ListView1;
    TMemo* Memo1;
    TStaticText* StaticText1;
    TButton* btnDefaultRoute;
    TButton* DeleteButton;
    TButton* EditButton;
    TButton* GetButton;
    TButton* AddButton;
    TButton* CloseButton;
    QzSNMPRequest2Edits* Request = nullptr;

    void FormCreate(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void GetButtonClick(TObject* Sender);
    void AddButtonClick(TObject* Sender);
    void btnDefaultRouteClick(TObject* Sender);
    void EditButtonClick(TObject* Sender);
    void DeleteButtonClick(TObject* Sender);
    void CloseButtonClick(TObject* Sender);
    void ListView1SelectItem(TObject* Sender, TListItem* Item, bool Selected);
    void ListView1Change(TObject* Sender, TListItem* Item, TItemChange Change);
    void UpdateDefaultRouteButton(QzSNMPRequest2Controls* Sender, QzSNMPError* Result);

private:
    void ShowDialog(int mode, const AnsiString& caption);
    void NoSelection();
};

extern TIpStaticRouteForm* IpStaticRouteForm;
