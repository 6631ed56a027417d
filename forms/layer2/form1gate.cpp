#include "forms/layer2/form1gate.h"

#include "mainwindow/unit1.h"
#include "snmpvars/qzsnmperror.h"
#include "snmpvars/qzsnmprequest2controls.h"

void TForm1Gate::Attach(QzSNMPRequest2Controls* request)
{
    request_ = request;
    if (!request_) return;
    request_->OnGetDone = QzSNMPControlsDoneEvent(this, &TForm1Gate::GetDone);
    request_->OnSetDone = QzSNMPControlsDoneEvent(this, &TForm1Gate::SetDone);
}

void TForm1Gate::Detach()
{
    request_ = nullptr;
    Open();
}

bool TForm1Gate::GetIdle()
{
    OpenIfEnded();
    return !Form1 || Form1->GetIdle;
}

bool TForm1Gate::BothIdle()
{
    OpenIfEnded();
    return !Form1 || (Form1->GetIdle && Form1->SetIdle);
}

void TForm1Gate::HoldGet()
{
    if (!Form1) return;
    Form1->GetIdle = false;
    held_ = true;
}

void TForm1Gate::HoldBoth()
{
    if (!Form1) return;
    Form1->GetIdle = false;
    Form1->SetIdle = false;
    held_ = true;
}

void TForm1Gate::Open()
{
    if (!held_) return;
    held_ = false;
    if (Form1) Form1->RequestDone(request_, nullptr);
}

void TForm1Gate::GetDone(QzSNMPRequest2Controls* Sender, QzSNMPError* Result)
{
    held_ = false;
    if (Form1) Form1->RequestDone(Sender, Result);
}

// A refused write reads nothing back, so no get completes after it.
void TForm1Gate::SetDone(QzSNMPRequest2Controls*, QzSNMPError* Result)
{
    if (Result && Result->code != 0) Open();
}

// A read that stopped on a row it could not take ends without its completion event.
void TForm1Gate::OpenIfEnded()
{
    if (held_ && (!request_ || !request_->Busy)) Open();
}
