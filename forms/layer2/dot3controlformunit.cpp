#include "forms/layer2/dot3controlformunit.h"

#include "mib/configsnoopingforms.h"

Tdot3ControlForm* dot3ControlForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class         name           parent    left top    w    h  align
    {"TMemo",        "Memo1",       nullptr,     0,   0,   0,  60, alBottom, nullptr, nullptr, rfReadOnly | rfScrollBars},
    {"TPanel",       "Panel1",      nullptr,     0,   0,   0, 120, alBottom, "", nullptr, rfBevelNone},
    {"TLabel",       "Label1",      "Panel1",    8,  10, 110,  16, alNone, "Function Support"},
    {"TCheckBox",    "CheckBox1",   "Panel1",  125,   8,  60,  17, alNone, "pause"},
    {"TCheckBox",    "CheckBox2",   "Panel1",  180,   8,  60,  17, alNone, "pause", nullptr, rfHidden},
    {"TCheckBox",    "CheckBox3",   "Panel1",  240,   8,  60,  17, alNone, "pause", nullptr, rfHidden},
    {"TCheckBox",    "CheckBox4",   "Panel1",  300,   8,  60,  17, alNone, "pause", nullptr, rfHidden},
    {"TCheckBox",    "CheckBox5",   "Panel1",  120,  28,  60,  17, alNone, "pause", nullptr, rfHidden},
    {"TCheckBox",    "CheckBox6",   "Panel1",  180,  28,  60,  17, alNone, "pause", nullptr, rfHidden},
    {"TCheckBox",    "CheckBox7",   "Panel1",  240,  28,  60,  17, alNone, "pause", nullptr, rfHidden},
    {"TCheckBox",    "CheckBox8",   "Panel1",  300,  28,  60,  17, alNone, "pause", nullptr, rfHidden},
    {"TListView",    "ListView2",   "Panel1",    8,  36, 320,  76, alNone, nullptr, "Name:170|Value:140", rfReadOnly},
    {"TListView",    "lvChart",     "Panel1",    0,   0,  10,  10, alNone, nullptr, nullptr, rfHidden},
    {"TLabel",       "Label2",      "Panel1",  345,  38,  80,  16, alNone, "Interval Time"},
    {"TComboBox",    "cbxInterval", "Panel1",  345,  58,  80,  21, alNone, nullptr, "none|2s|5s|10s|30s|1m", rfDropDownList},
    {"TButton",      "btnGet",      "Panel1",  450,  36,  75,  25, alNone, "Refresh"},
    {"TButton",      "btnClose",    "Panel1",  450,  70,  75,  25, alNone, "Close"},
    {"TListView",    "ListView1",   nullptr,     0,   0,   0,   0, alClient},
    {"TTimer",       "Timer1",      nullptr,     0,   0,   0,   0, alNone, nullptr, nullptr, 0, 5000},
    {nullptr},
};
const TResForm kLayout = {"dot3ControlForm", "dot3 Control Table", 545, 460, poMainFormCenter, bsSizeable, kComponents};

constexpr int kShownBoxes = 7;

}  // namespace

Tdot3ControlForm::Tdot3ControlForm(TComponent* Owner) : TDot3FormBase(Owner, kLayout, dot3ControlCounter)
{
    Label1 = C<TLabel>("Label1");
    for (int k = 0; k < 8; ++k) CheckBox[k] = C<TCheckBox>(("CheckBox" + std::to_string(k + 1)).c_str());
    AddValueRow("Recived Unknown Opcodes");
    DoCreate();
}

void Tdot3ControlForm::BuildTableRequest()
{
    TableRequest = NewRequest(dot3ControlEntry, MVT_FMV, 1);
    TableRequest->BindListView(ListView1, true);
    TableRequest->AssociateIndexList(1, "0,1,2,3,4,5,6,7", CheckBox[0], CheckBox[1], CheckBox[2], CheckBox[3],
                                     CheckBox[4], CheckBox[5], CheckBox[6], CheckBox[7]);
}

void Tdot3ControlForm::AfterTableRead()
{
    for (int k = 0; k < kShownBoxes; ++k)
        if (CheckBox[k]->Visible()) CheckBox[k]->SetEnabled(true);
}

void Tdot3ControlForm::ShowValues(TListItem* row) { SetValue(0, row->Caption()); }

void Tdot3ControlForm::ClearOwnView()
{
    for (int k = 0; k < kShownBoxes; ++k)
        if (CheckBox[k]->Visible()) CheckBox[k]->SetChecked(false);
}
