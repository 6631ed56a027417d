#include "forms/routing_security/loginmethodlistform.h"

#include "mib/securityforms.h"

TLoginMethodListForm* LoginMethodListForm = nullptr;

namespace {

const TMethodListKind kLogin = {
    "LoginMethodListForm",
    "Login Method List",
    swAACLoginMethodListEntry,
    "ListnameEdit",
    {"ComboBoxType1", "ComboBoxType2", "ComboBoxType3", "ComboBoxType4"},
    {"Server1Edit", "Server2Edit", "Server3Edit", "Server4Edit"},
    "AAC Login Method List Name must be set.",
    "Has already a record with the same Login Method List Name. Please Change Login Method List Name.",
    true,
    true,
    false,
};

}  // namespace

TLoginMethodListForm::TLoginMethodListForm(TComponent* Owner) : TAAAMethodListForm(Owner, kLogin)
{
    ListnameEdit = NameEditControl;
    ComboBoxType1 = TypeCombo[0];
    ComboBoxType2 = TypeCombo[1];
    ComboBoxType3 = TypeCombo[2];
    ComboBoxType4 = TypeCombo[3];
    Server1Edit = ServerEdit[0];
    Server2Edit = ServerEdit[1];
    Server3Edit = ServerEdit[2];
    Server4Edit = ServerEdit[3];
    ComboBoxType1->OnChange = TNotifyEvent(this, &TLoginMethodListForm::ComboBoxType1Change);
    ComboBoxType2->OnChange = TNotifyEvent(this, &TLoginMethodListForm::ComboBoxType2Change);
    ComboBoxType3->OnChange = TNotifyEvent(this, &TLoginMethodListForm::ComboBoxType3Change);
    ComboBoxType4->OnChange = TNotifyEvent(this, &TLoginMethodListForm::ComboBoxType4Change);
    DoCreate();
}
