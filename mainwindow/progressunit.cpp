#include "mainwindow/progressunit.h"

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

// Made with the spanning-tree form: the Set of that form's request (refresh after set,
// prepare, no item list), its error into panel 0 of the form's StatusBar1.
void TProgressForm::StartSet(TForm*) {}

TProgressForm2::TProgressForm2(TComponent* Owner, TForm* ParentForm) : TProgressBaseForm(Owner, ParentForm)
{
    SetName("ProgressForm2");
    DoCreate();
}
