#include "forms/layer2/equipmentbasicinfoformunit.h"

#include "mib/bridgeforms.h"

TEquipmentBasicInfoForm* EquipmentBasicInfoForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class         name            parent    left top   w    h  align
    {"TPanel",       "Panel1",       nullptr,    0,   0,  95,   0, alRight, "", nullptr, rfBevelNone},
    {"TBitBtn",      "BitBtn1",      "Panel1",  10,  12,  75,  25, alNone, "Refresh"},
    {"TPanel",       "Panel2",       nullptr,    0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TMemo",        "Memo1",        "Panel2",   0,   0,   0,  39, alBottom, nullptr, nullptr, rfReadOnly},
    {"TPanel",       "Panel4",       "Panel2",   0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TLabel",       "Label1",       "Panel4",   8,  12, 124,  16, alNone, "Equipment Capacity"},
    {"TEdit",        "Edit1",        "Panel4", 134,  10, 234,  21, alNone, "Fan, Redundant Power and Stacking"},
    {"TLabel",       "Label5",       "Panel4",   8,  40, 110,  16, alNone, "Stack Mode"},
    {"TComboBox",    "cbxStackMode", "Panel4", 124,  38, 120,  21, alNone, nullptr, nullptr, rfDropDownList},
    {"TLabel",       "Label2",       "Panel4",   8,  68, 110,  16, alNone, "Max Supported Units", nullptr, rfHidden},
    {"TEdit",        "Edit2",        "Panel4", 124,  66, 120,  21, alNone, nullptr, nullptr, rfHidden | rfReadOnly},
    {"TLabel",       "Label3",       "Panel4",   8,  96, 110,  16, alNone, "Number Of Unit", nullptr, rfHidden},
    {"TEdit",        "Edit3",        "Panel4", 124,  94, 120,  21, alNone, nullptr, nullptr, rfHidden | rfReadOnly},
    {"TLabel",       "Label4",       "Panel4",   8, 124, 110,  16, alNone, "Stacking Version", nullptr, rfHidden},
    {"TEdit",        "Edit4",        "Panel4", 124, 122, 120,  21, alNone, nullptr, nullptr, rfHidden | rfReadOnly},
    {nullptr},
};
const TResForm kLayout = {"EquipmentBasicInfoForm", "Equiment Basic Information", 471, 134, poMainFormCenter,
                          bsSizeable, kComponents};

}  // namespace

TEquipmentBasicInfoForm::TEquipmentBasicInfoForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    BitBtn1 = C<TBitBtn>("BitBtn1");
    Edit1 = C<TEdit>("Edit1");
    cbxStackMode = C<TComboBox>("cbxStackMode");
    Memo1 = C<TMemo>("Memo1");
    BitBtn1->OnClick = TNotifyEvent(this, &TEquipmentBasicInfoForm::BitBtn1Click);
    OnCreate = TNotifyEvent(this, &TEquipmentBasicInfoForm::FormCreate);
    DoCreate();
}

TEquipmentBasicInfoForm::~TEquipmentBasicInfoForm() { ReleaseRequest(EquipmentRequest); }

// The capacity object is read but shown nowhere: the edit keeps its own text.
void TEquipmentBasicInfoForm::FormCreate(TObject*)
{
    EquipmentRequest = NewRequest(swEquipmentInfo, SVT_SV, 0);
    EquipmentRequest->Mode = 0;
    EquipmentRequest->Associate(1, cbxStackMode);
    EquipmentRequest->SetMessageControl(Memo1);
    EquipmentRequest->Get();
}

void TEquipmentBasicInfoForm::BitBtn1Click(TObject*)
{
    try {
        EquipmentRequest->Get();
    } catch (...) {
        EquipmentRequest->ShowResult(CurrentExceptionText());
    }
}
