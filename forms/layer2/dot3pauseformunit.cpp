#include "forms/layer2/dot3pauseformunit.h"

#include "mib/configsnoopingforms.h"

Tdot3PauseForm* dot3PauseForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class         name            parent    left top    w    h  align
    {"TMemo",        "Memo1",        nullptr,     0,   0,   0,  60, alBottom, nullptr, nullptr, rfReadOnly | rfScrollBars},
    {"TPanel",       "Panel1",       nullptr,     0,   0,   0, 120, alBottom, "", nullptr, rfBevelNone},
    {"TLabel",       "Label1",       "Panel1",    8,  10,  80,  16, alNone, "Admin Mode"},
    {"TComboBox",    "cbxAdminMode", "Panel1",   90,   8, 170,  21, alNone, nullptr, nullptr, rfDropDownList},
    {"TEdit",        "edtIndex",     "Panel1",  270,   8,  40,  21, alNone, nullptr, nullptr, rfHidden},
    {"TListView",    "ListView2",    "Panel1",    8,  36, 320,  76, alNone, nullptr, "Name:170|Value:140", rfReadOnly},
    {"TListView",    "lvChart",      "Panel1",    0,   0,  10,  10, alNone, nullptr, nullptr, rfHidden},
    {"TLabel",       "Label2",       "Panel1",  345,  38,  80,  16, alNone, "Interval Time"},
    {"TComboBox",    "cbxInterval",  "Panel1",  345,  58,  80,  21, alNone, nullptr, "none|2s|5s|10s|30s|1m", rfDropDownList},
    {"TButton",      "btnGet",       "Panel1",  450,   6,  75,  25, alNone, "Refresh"},
    {"TButton",      "btnSet",       "Panel1",  450,  38,  75,  25, alNone, "Set"},
    {"TButton",      "btnClose",     "Panel1",  450,  70,  75,  25, alNone, "Close"},
    {"TListView",    "ListView1",    nullptr,     0,   0,   0,   0, alClient},
    {"TTimer",       "Timer1",       nullptr,     0,   0,   0,   0, alNone, nullptr, nullptr, 0, 5000},
    {nullptr},
};
const TResForm kLayout = {"dot3PauseForm", "dot3PauseForm", 545, 460, poMainFormCenter, bsSizeable, kComponents};

}  // namespace

Tdot3PauseForm::Tdot3PauseForm(TComponent* Owner) : TDot3FormBase(Owner, kLayout, dot3PauseCounters)
{
    Label1 = C<TLabel>("Label1");
    cbxAdminMode = C<TComboBox>("cbxAdminMode");
    edtIndex = C<TEdit>("edtIndex");
    btnSet = C<TButton>("btnSet");
    btnSet->OnClick = TNotifyEvent(this, &Tdot3PauseForm::btnSetClick);
    AddValueRow("In Pause Frame");
    AddValueRow("Out Pause Frame");
    DoCreate();
}

void Tdot3PauseForm::BuildTableRequest()
{
    TableRequest = NewRequest(dot3PauseEntry, MVT_FMV, 1);
    TableRequest->BindListView(ListView1, true);
    TableRequest->AssociateFormat(0, "%i", edtIndex);
    TableRequest->Associate(1, cbxAdminMode);
}

void Tdot3PauseForm::AfterCreate() { btnSet->SetEnabled(false); }

void Tdot3PauseForm::AfterSelect() { btnSet->SetEnabled(true); }

void Tdot3PauseForm::ShowValues(TListItem* row)
{
    SetValue(0, row->Caption());
    SetValue(1, row->SubItems()->Count() > 0 ? row->SubItems()->Get(0) : AnsiString());
}

void Tdot3PauseForm::ClearOwnView()
{
    cbxAdminMode->SetItemIndex(-1);
    btnSet->SetEnabled(false);
}

void Tdot3PauseForm::btnSetClick(TObject*)
{
    if (!ListView1->Selected() || !TableRequest || !ReadDone || TableRequest->Busy) return;
    try {
        ReadDone = false;
        try {
            TableRequest->Set(false, true);
        } catch (...) {
            ReadDone = true;
            throw;
        }
        ClearView();
        ReadTable();
    } catch (...) {
        ClearView();
        ShowInMemo(Memo1, CurrentExceptionText());
    }
}
