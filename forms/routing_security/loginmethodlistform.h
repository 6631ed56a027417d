// The switch's login method lists: list, add, change and delete them.
#pragma once

#include "forms/routing_security/aaamethodlist.h"

class TLoginMethodListForm : public TAAAMethodListForm {
public:
    explicit TLoginMethodListForm(TComponent* Owner);

    TEdit* ListnameEdit;
    TComboBox* ComboBoxType1;
    TComboBox* ComboBoxType2;
    TComboBox* ComboBoxType3;
    TComboBox* ComboBoxType4;
    TEdit* Server1Edit;
    TEdit* Server2Edit;
    TEdit* Server3Edit;
    TEdit* Server4Edit;

    void ComboBoxType1Change(TObject*) { TypeRule(0); }
    void ComboBoxType2Change(TObject*) { TypeRule(1); }
    void ComboBoxType3Change(TObject*) { TypeRule(2); }
    void ComboBoxType4Change(TObject*) { TypeRule(3); }
};

extern TLoginMethodListForm* LoginMethodListForm;
