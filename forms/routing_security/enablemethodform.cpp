#include "forms/routing_security/enablemethodform.h"

#include "mib/securityforms.h"

TEnableMethodForm* EnableMethodForm = nullptr;

namespace {

const TMethodListKind kEnable = {
    "EnableMethodForm",
    "Enable Method List",
    swAACEnableMethodListEntry,
    "NameEdit",
    {"Type1ComboBox", "Type2ComboBox", "Type3ComboBox", "Type4ComboBox"},
    {"ServerGroupEdit1", "ServerGroupEdit2", "ServerGroupEdit3", "ServerGroupEdit4"},
    "Enable MethodList Name must be set.",
    "Has already a record with the same Enable MethodList Name. Please Change Enable MethodList Name.",
    false,
    false,
    true,
};

}  // namespace

TEnableMethodForm::TEnableMethodForm(TComponent* Owner) : TAAAMethodListForm(Owner, kEnable)
{
    NameEdit = NameEditControl;
    Type1ComboBox = TypeCombo[0];
    Type2ComboBox = TypeCombo[1];
    Type3ComboBox = TypeCombo[2];
    Type4ComboBox = TypeCombo[3];
    ServerGroupEdit1 = ServerEdit[0];
    ServerGroupEdit2 = ServerEdit[1];
    ServerGroupEdit3 = ServerEdit[2];
    ServerGroupEdit4 = ServerEdit[3];
    Type1ComboBox->OnChange = TNotifyEvent(this, &TEnableMethodForm::Type1ComboBoxChange);
    Type2ComboBox->OnChange = TNotifyEvent(this, &TEnableMethodForm::Type2ComboBoxChange);
    Type3ComboBox->OnChange = TNotifyEvent(this, &TEnableMethodForm::Type3ComboBoxChange);
    Type4ComboBox->OnChange = TNotifyEvent(this, &TEnableMethodForm::Type4ComboBoxChange);
    DoCreate();
}
