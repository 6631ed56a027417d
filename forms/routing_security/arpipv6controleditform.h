// The dialog in which a static IPv6 neighbour (interface 5121) is typed and checked before it
// is written through the list form's request.
#pragma once

#include "forms/layer2/featureframe.h"

class TARPIPV6ControlForm;

class TARPIPv6ControlEditForm : public TFeatureFormBase {
public:
    // Owner: the list form, whose request and memo the dialog uses.
    explicit TARPIPv6ControlEditForm(TComponent* Owner);

    TEdit* edtIndex;
    TEdit* edtAddress;
    TEdit* edtMac;
    TComboBox* cbxType;
    TButton* btnSet;
    TButton* btnClose;

    void FormActivate(TObject* Sender);
    void btnSetClick(TObject* Sender);
    void btnCloseClick(TObject* Sender);

private:
    bool Check();
    bool Fail(const AnsiString& message, TWinControl* focus);
    TARPIPV6ControlForm* ListForm() const;
};

extern TARPIPv6ControlEditForm* ARPIPv6ControlEditForm;

// A MAC address of 12 hexadecimal digits; says "Invalid Macaddrss" for an empty text or a
// character that is no hexadecimal digit, "Invalid Macaddress" for another length.
bool ValidateMacText(const AnsiString& text);
