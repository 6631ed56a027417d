// The EtherLike MIB's pause table: per port the pause admin and oper modes, the selected
// port's received and sent pause frames polled at a chosen interval, and Set of the admin mode.
#pragma once

#include "forms/layer2/dot3formframe.h"

class Tdot3PauseForm : public TDot3FormBase {
public:
    explicit Tdot3PauseForm(TComponent* Owner);

    TLabel* Label1;
    TComboBox* cbxAdminMode;
    TEdit* edtIndex;
    TButton* btnSet;

    void btnSetClick(TObject* Sender);

protected:
    void BuildTableRequest() override;
    void AfterCreate() override;
    void AfterSelect() override;
    void ShowValues(TListItem* row) override;
    void ClearOwnView() override;
};

extern Tdot3PauseForm* dot3PauseForm;
