#include "forms/layer2/dot1xstatisticsform.h"

namespace {

const TResComponent kComponents[] = {
    // class         name         parent    left top   w    h  align
    {"TPanel",       "Panel1",    nullptr,    0,   0,  95,   0, alRight, "", nullptr, rfBevelNone},
    {"TButton",      "Button1",   "Panel1",  10,  12,  75,  25, alNone, "Refresh"},
    {"TPanel",       "Panel2",    nullptr,    0,   0,   0,   0, alClient, "", nullptr, rfBevelNone},
    {"TMemo",        "Memo1",     "Panel2",   0,   0,   0,  52, alBottom, nullptr, nullptr, rfReadOnly},
    {"TListView",    "ListView1", "Panel2",   0,   0,   0,   0, alClient},
    {nullptr},
};

}  // namespace

const TResComponent* Dot1xStatisticsComponents() { return kComponents; }

TDot1xStatisticsForm::TDot1xStatisticsForm(TComponent* Owner, const TResForm& layout, const UISnmpVar* table)
    : TFeatureFormBase(Owner, layout), table_(table)
{
    Button1 = C<TButton>("Button1");
    ListView1 = C<TListView>("ListView1");
    Memo1 = C<TMemo>("Memo1");
    Button1->OnClick = TNotifyEvent(this, &TDot1xStatisticsForm::Button1Click);
    OnCreate = TNotifyEvent(this, &TDot1xStatisticsForm::FormCreate);
    DoCreate();
}

TDot1xStatisticsForm::~TDot1xStatisticsForm() { ReleaseRequest(StatisticsRequest); }

// The whole table is read before the form shows; a failure leaves through the class library.
void TDot1xStatisticsForm::FormCreate(TObject*)
{
    StatisticsRequest = NewRequest(table_, MVT_FMV, 2);
    StatisticsRequest->Mode = 0;
    StatisticsRequest->BindListView(ListView1, true);
    StatisticsRequest->SetMessageControl(Memo1);
    StatisticsRequest->Get();
}

void TDot1xStatisticsForm::Button1Click(TObject*)
{
    try {
        if (StatisticsRequest) StatisticsRequest->Get();
    } catch (...) {
    }
}
