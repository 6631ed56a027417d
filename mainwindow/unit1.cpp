#include "mainwindow/unit1.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* Owner) : TForm(Owner)
{
    SetName("Form1");
    SetCaption("Form1");
    Form1 = this;
    DoCreate();
}

TForm1::~TForm1()
{
    if (Form1 == this) Form1 = nullptr;
}

void TForm1::RequestDone(QzSNMPRequest2Controls*, QzSNMPError*)
{
    GetIdle = true;
    SetIdle = true;
}
