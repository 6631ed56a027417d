// The dialog in which an IPv6 static route is typed (addresses as 32 hexadecimal digits) and
// checked before it is written through the list form's request.
#pragma once

#include "forms/layer2/featureframe.h"

class TIpv6StaticRouteForm;

class TIpv6StaticRouteEditForm : public TFeatureFormBase {
public:
    // Owner: the list form, whose request and memo the dialog uses.
    explicit TIpv6StaticRouteEditForm(TComponent* Owner);

    enum { modeAdd = 1, modeDefaultRoute = 2 };

    TEdit* edtDst;
    TEdit* edtMask;
    TEdit* edtNextHop;
    TEdit* edtMetric;
    TComboBox* cbxStatus;
    TButton* btnSet;
    TButton* btnClose;
    int Mode = modeAdd;

    void FormActivate(TObject* Sender);
    void btnSetClick(TObject* Sender);
    void btnCloseClick(TObject* Sender);

private:
    bool ValidateIpv6StaticRoute();
    bool NewRouteCheck();
    bool Fail(const AnsiString& message, TWinControl* focus);
    TIpv6StaticRouteForm* ListForm() const;
};

extern TIpv6StaticRouteEditForm* Ipv6StaticRouteEditForm;

// An IPv6 address typed as 32 hexadecimal digits; says "Please input a valid IPv6 address"
// when it is not.
bool ParseIpv6Text(const AnsiString& text);
// A contiguous prefix mask of 32 hexadecimal digits; says "Please input a valid Mask" when it
// is not.
bool ValidateIpv6Mask(const AnsiString& text);
