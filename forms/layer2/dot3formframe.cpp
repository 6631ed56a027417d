#include "forms/layer2/dot3formframe.h"

namespace {
const unsigned kIntervals[] = {0, 2000, 5000, 10000, 30000, 60000};
constexpr int kSelectedInterval = 2;  // "5s"
}  // namespace

TDot3FormBase::TDot3FormBase(TComponent* Owner, const TResForm& layout, const UISnmpVar* counterTable)
    : TFeatureFormBase(Owner, layout), counterTable_(counterTable)
{
    ListView1 = C<TListView>("ListView1");
    ListView2 = C<TListView>("ListView2");
    lvChart = C<TListView>("lvChart");
    Memo1 = C<TMemo>("Memo1");
    btnGet = C<TButton>("btnGet");
    btnClose = C<TButton>("btnClose");
    Label2 = C<TLabel>("Label2");
    cbxInterval = C<TComboBox>("cbxInterval");
    Timer1 = dynamic_cast<TTimer*>(FindComponent("Timer1"));

    btnGet->OnClick = TNotifyEvent(this, &TDot3FormBase::btnGetClick);
    btnClose->OnClick = TNotifyEvent(this, &TDot3FormBase::btnCloseClick);
    cbxInterval->OnChange = TNotifyEvent(this, &TDot3FormBase::cbxIntervalChange);
    ListView1->OnClick = TNotifyEvent(this, &TDot3FormBase::ListView1Click);
    Timer1->OnTimer = TNotifyEvent(this, &TDot3FormBase::Timer1Timer);
    OnCreate = TNotifyEvent(this, &TDot3FormBase::FormCreate);
    OnClose = TCloseEvent(this, &TDot3FormBase::FormClose);
}

TDot3FormBase::~TDot3FormBase()
{
    if (Timer1) Timer1->SetEnabled(false);
    ReleaseRequest(TableRequest);
    ReleaseRequest(CounterRequest);
}

void TDot3FormBase::AddValueRow(const char* name)
{
    TListItem* row = ListView2->Items()->Add();
    row->SetCaption(name);
    row->SubItems()->Add("");
}

void TDot3FormBase::SetValue(int row, const AnsiString& value)
{
    if (row < ListView2->Items()->Count()) ListView2->Items()->Item(row)->SubItems()->Put(0, value);
}

void TDot3FormBase::FormCreate(TObject*)
{
    Timer1->SetEnabled(false);
    cbxInterval->SetItemIndex(0);
    try {
        BuildTableRequest();
        TableRequest->SetMessageControl(Memo1);
        TableRequest->OnGetDone = QzSNMPControlsDoneEvent(this, &TDot3FormBase::TableGetDone);

        CounterRequest = NewRequest(counterTable_, MVT_SV, 0);
        CounterRequest->BindListView(lvChart, true);
        CounterRequest->SetMessageControl(Memo1);

        TableRequest->Get();
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
    AfterCreate();
}

void TDot3FormBase::TableGetDone(QzSNMPRequest2Controls*, QzSNMPError*)
{
    ReadDone = true;
    AfterTableRead();
}

void TDot3FormBase::ReadTable()
{
    ReadDone = false;
    try {
        TableRequest->Get();
    } catch (...) {
        // No walk runs, so no completion would set the flag again.
        ReadDone = true;
        throw;
    }
}

void TDot3FormBase::btnGetClick(TObject*)
{
    if (!TableRequest || !ReadDone || TableRequest->Busy) return;
    try {
        ReadTable();
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
}

void TDot3FormBase::cbxIntervalChange(TObject*)
{
    const int item = cbxInterval->ItemIndex();
    if (item <= 0 || item > 5) {
        Timer1->SetEnabled(false);
        return;
    }
    Timer1->SetInterval(kIntervals[item]);
    Timer1->SetEnabled(true);
}

void TDot3FormBase::ListView1Click(TObject*)
{
    TListItem* row = ListView1->Selected();
    if (!row) {
        ClearView();
        return;
    }
    try {
        {
            QzSNMPVarList list(counterTable_, MVT_SV, 0);
            list.AppendOidSuffix(row->Caption());
            CounterRequest->Request.varList = list;
        }
        CounterRequest->Mode = 0;
        lvChart->Items()->Clear();
        CounterRequest->Get();
        ShowCounters();
        cbxInterval->SetItemIndex(kSelectedInterval);
        Timer1->SetInterval(kIntervals[kSelectedInterval]);
        Timer1->SetEnabled(true);
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
    AfterSelect();
}

void TDot3FormBase::Timer1Timer(TObject*)
{
    if (!CounterRequest || CounterRequest->Busy) return;
    try {
        lvChart->Items()->Clear();
        CounterRequest->Get();
        ShowCounters();
    } catch (...) {
        ShowInMemo(Memo1, CurrentExceptionText());
    }
}

void TDot3FormBase::ShowCounters()
{
    if (lvChart->Items()->Count() == 0) {
        ShowInMemo(Memo1, "Get data not completed!");
        ClearView();
        return;
    }
    ShowValues(lvChart->Items()->Item(0));
}

void TDot3FormBase::ClearView()
{
    Timer1->SetEnabled(false);
    cbxInterval->SetItemIndex(0);
    for (int i = 0; i < ListView2->Items()->Count(); ++i) SetValue(i, "");
    ClearOwnView();
    lvChart->Items()->Clear();
}

void TDot3FormBase::btnCloseClick(TObject*) { Close(); }

void TDot3FormBase::FormClose(TObject*, TCloseAction& Action)
{
    Timer1->SetEnabled(false);
    ReleaseRequest(TableRequest);
    ReleaseRequest(CounterRequest);
    Action = caFree;
}
