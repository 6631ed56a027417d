// The dialog in which an IPv4 static route is typed and checked before it is written through
// the list form's request.
#pragma once

#include "forms/layer2/featureframe.h"

class TIpStaticRouteForm;

class TIpStaticRouteEditForm : public TFeatureFormBase {
public:
    // Owner: the list form, whose request and memo the dialog uses.
    explicit TIpStaticRouteEditForm(TComponent* Owner);

    enum { modeEdit = 1, modeAdd = 2, modeDefaultRoute = 3 };

    TEdit* DesEdit;
    TEdit* MaskEdit;
    TComboBox* BakeupComboBox;
    TEdit* NextHopEdit;
    TEdit* MetricEdit;
    TComboBox* StatusComboBox;
    TButton* SetButton;
    TButton* CloseButton;
    int Mode = modeAdd;

    void FormActivate(TObject* Sender);
    void SetButtonClick(TObject* Sender);
    void CloseButtonClick(TObject* Sender);

private:
    bool AddCheck();
    bool DefaultRouteCheck();
    bool MetricCheck();
    bool NewRouteCheck();
    bool Fail(const AnsiString& message, TWinControl* focus);
    TIpStaticRouteForm* ListForm() const;
    AnsiString desText_, nextHopText_, maskText_;
};

extern TIpStaticRouteEditForm* IpStaticRouteEditForm;

// A dotted IPv4 mask: one of 255.0.0.0, 255.255.0.0, 255.255.255.0 and 255.255.255.255.
bool ValidateIpv4Mask(const AnsiString& text);
// A metric text: empty, or a whole number from 1 to 65535.
bool MetricTextFits(const AnsiString& text);
