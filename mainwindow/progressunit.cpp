#include "mainwindow/progressunit.h"

#include <algorithm>

TProgressForm* ProgressForm = nullptr;
TProgressForm2* ProgressForm2 = nullptr;

#include "platform/ui/sysutils.h"
#include "snmpvars/qzsnmprequest2edits.h"

TProgressBaseForm::TProgressBaseForm(TComponent* Owner, TForm* ParentForm) : TForm(Owner)
{
    SetCaption("Progress");
    SetBorderStyle(bsDialog);
    SetPosition(poMainFormCenter);
    SetClientWidth(358);
    SetClientHeight(66);

    LB_Prompt = new TLabel(this);
    LB_Prompt->SetName("LB_Prompt");
    LB_Prompt->SetParent(this);
    LB_Prompt->SetBounds(16, 12, 326, 16);
    LB_Prompt->Font()->SetStyle(TFontStyles() << fsBold);

    ProgressBar = new TProgressBar(this);
    ProgressBar->SetName("ProgressBar");
    ProgressBar->SetParent(this);
    ProgressBar->SetBounds(16, 36, 326, 17);
    ProgressBar->SetMin(0);
    ProgressBar->SetMax(76);

    ProgressTimer = new TTimer(this);
    ProgressTimer->SetName("ProgressTimer");
    ProgressTimer->SetEnabled(false);
    ProgressTimer->SetInterval(1000);
    ProgressTimer->OnTimer = TNotifyEvent(this, &TProgressBaseForm::ProgressTimerTimer);

    OnCreate = TNotifyEvent(this, &TProgressBaseForm::FormCreate);
    OnClose = TCloseEvent(this, &TProgressBaseForm::FormClose);
    SetParent(ParentForm);
}

void TProgressBaseForm::FormCreate(TObject*) { ProgressTimer->SetEnabled(true); }

void TProgressBaseForm::Resized()
{
    TForm::Resized();
    if (ProgressBar) ProgressBar->SetWidth(std::max(0, ClientWidth() - 2 * ProgressBar->Left()));
}

void TProgressBaseForm::ProgressTimerTimer(TObject*)
{
    if (ProgressBar->Position() < Limit()) {
        ProgressBar->SetPosition(ProgressBar->Position() + 1);
        if (ProgressBar->Position() == ProgressBar->Max()) ProgressBar->SetPosition(ProgressBar->Min());
    } else {
        Close();
    }
}

void TProgressBaseForm::FormClose(TObject*, TCloseAction&)
{
    ProgressTimer->SetEnabled(false);
    SetParent(nullptr);
}

TProgressForm::TProgressForm(TComponent* Owner, TForm* ParentForm) : TProgressBaseForm(Owner, ParentForm)
{
    SetName("ProgressForm");
    DoCreate();
    StartSet(ParentForm);
}

void TProgressForm::StartSet(TForm* ParentForm)
{
    auto* source = dynamic_cast<TSpanningTreeSetSource*>(ParentForm);
    QzSNMPRequest2Edits* request = source ? source->SpanningTreeRequest() : nullptr;
    if (!request) return;
    try {
        request->Set(true, true, "", nullptr);
    } catch (const Exception& e) {
        TStatusBar* bar = source->SpanningTreeStatusBar();
        if (!bar) return;
        if (bar->Panels()->Count() > 0) bar->Panels()->Items(0)->SetText(e.Message);
        else bar->SetSimpleText(e.Message);
    }
}

TProgressForm2::TProgressForm2(TComponent* Owner, TForm* ParentForm) : TProgressBaseForm(Owner, ParentForm)
{
    SetName("ProgressForm2");
    DoCreate();
}
