// What the 802.3 MAC-control and pause forms share: the port table read by an asynchronous
// walk, a counter request aimed at the selected port by the port's index as instance suffix,
// polled by a timer at the chosen interval, and exception texts as lines of the memo.
#pragma once

#include "forms/layer2/featureframe.h"

class TDot3FormBase : public TFeatureFormBase {
public:
    // The form's own constructor finds its controls and then calls DoCreate().
    TDot3FormBase(TComponent* Owner, const TResForm& layout, const UISnmpVar* counterTable);
    ~TDot3FormBase() override;

    TListView* ListView1;
    TListView* ListView2;
    TListView* lvChart;
    TMemo* Memo1;
    TButton* btnGet;
    TButton* btnClose;
    TLabel* Label2;
    TComboBox* cbxInterval;
    TTimer* Timer1;

    QzSNMPRequest2Edits* TableRequest = nullptr;
    QzSNMPRequest2Edits* CounterRequest = nullptr;
    bool ReadDone = false;

    void FormCreate(TObject* Sender);
    void TableGetDone(QzSNMPRequest2Controls* Sender, QzSNMPError* Result);
    void btnGetClick(TObject* Sender);
    void cbxIntervalChange(TObject* Sender);
    void ListView1Click(TObject* Sender);
    void Timer1Timer(TObject* Sender);
    void btnCloseClick(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);

protected:
    // The table request, built and bound by the form.
    virtual void BuildTableRequest() = 0;
    virtual void AfterCreate() {}
    virtual void AfterTableRead() {}
    virtual void AfterSelect() {}
    // The counters of lvChart's first row into ListView2's values.
    virtual void ShowValues(TListItem* row) = 0;
    virtual void ClearOwnView() {}

    // A name/value row of ListView2 as the layout has it.
    void AddValueRow(const char* name);
    void SetValue(int row, const AnsiString& value);
    void ShowCounters();
    void ClearView();
    // Starts a walk of the table request; the read-done flag comes back when it cannot start.
    void ReadTable();

private:
    const UISnmpVar* counterTable_;
};
