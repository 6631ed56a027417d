// The EtherLike MIB's MAC-control table: per port the supported MAC-control functions (pause),
// and the selected port's count of received unknown opcodes, polled at a chosen interval.
#pragma once

#include "forms/layer2/dot3formframe.h"

class Tdot3ControlForm : public TDot3FormBase {
public:
    explicit Tdot3ControlForm(TComponent* Owner);

    TLabel* Label1;
    TCheckBox* CheckBox[8];  // CheckBox1 ... CheckBox8

protected:
    void BuildTableRequest() override;
    void AfterTableRead() override;
    void ShowValues(TListItem* row) override;
    void ClearOwnView() override;
};

extern Tdot3ControlForm* dot3ControlForm;
