// The switch's enable method lists: list, add, change and delete them.
#pragma once

#include "forms/routing_security/aaamethodlist.h"

class TEnableMethodForm : public TAAAMethodListForm {
public:
    explicit TEnableMethodForm(TComponent* Owner);

    TEdit* NameEdit;
    TComboBox* Type1ComboBox;
    TComboBox* Type2ComboBox;
    TComboBox* Type3ComboBox;
    TComboBox* Type4ComboBox;
    TEdit* ServerGroupEdit1;
    TEdit* ServerGroupEdit2;
    TEdit* ServerGroupEdit3;
    TEdit* ServerGroupEdit4;

    void Type1ComboBoxChange(TObject*) { TypeRule(0); }
    void Type2ComboBoxChange(TObject*) { TypeRule(1); }
    void Type3ComboBoxChange(TObject*) { TypeRule(2); }
    void Type4ComboBoxChange(TObject*) { TypeRule(3); }
};

extern TEnableMethodForm* EnableMethodForm;
