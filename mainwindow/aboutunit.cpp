#include "mainwindow/aboutunit.h"

#include <algorithm>

TAboutForm* AboutForm = nullptr;

TAboutForm::TAboutForm(TComponent* Owner) : TForm(Owner)
{
    BuildLayout();
    DoCreate();
}

TAboutForm::~TAboutForm()
{
    if (AboutForm == this) AboutForm = nullptr;
}

void TAboutForm::BuildLayout()
{
    SetName("AboutForm");
    SetCaption("About");
    SetBorderStyle(bsDialog);
    SetPosition(poMainFormCenter);
    SetClientWidth(323);
    SetClientHeight(105);

    struct Picture {
        TImage** image;
        const char* name;
        const char* file;
    } pictures[] = {
        {&Image6120, "Image6120", ":/pictures/vrx6120.png"},
        {&Image6110, "Image6110", ":/pictures/vrx6110.png"},
        {&Image6150, "Image6150", ":/pictures/vrx6150.png"},
        {&Image6110P, "Image6110P", ":/pictures/vrx6110p.png"},
    };
    for (const Picture& p : pictures) {
        auto* image = new TImage(this);
        image->SetName(p.name);
        image->SetParent(this);
        image->SetBounds(16, 20, 32, 32);
        image->Picture()->LoadFromFile(p.file);
        *p.image = image;
    }

    AboutLabel = new TLabel(this);
    AboutLabel->SetName("AboutLabel");
    AboutLabel->SetParent(this);
    AboutLabel->SetBounds(56, 20, 260, 16);
    AboutLabel->Font()->SetStyle(TFontStyles() << fsBold);
    AboutLabel->SetCaption("VRX-6120 Management Module");

    VersionLabel = new TLabel(this);
    VersionLabel->SetName("VersionLabel");
    VersionLabel->SetParent(this);
    VersionLabel->SetBounds(56, 40, 260, 16);
    VersionLabel->SetCaption("Release Version 1.20(Build 2006/05/23)");

    CopyrightLabel = new TLabel(this);
    CopyrightLabel->SetName("CopyrightLabel");
    CopyrightLabel->SetParent(this);
    CopyrightLabel->SetBounds(56, 56, 260, 16);
    CopyrightLabel->SetCaption("Copyright (C) 2006 Quenzo");

    BT_Ok = new TButton(this);
    BT_Ok->SetName("BT_Ok");
    BT_Ok->SetParent(this);
    BT_Ok->SetBounds(124, 76, 75, 25);
    BT_Ok->SetCaption("OK");
    BT_Ok->SetDefault(true);
    BT_Ok->OnClick = TNotifyEvent(this, &TAboutForm::BT_OkClick);
    BT_Ok->OnKeyDown = TKeyEvent(this, &TAboutForm::BT_OkKeyDown);

    OnCreate = TNotifyEvent(this, &TAboutForm::FormCreate);
    OnActivate = TNotifyEvent(this, &TAboutForm::FormActivate);
    OnClose = TCloseEvent(this, &TAboutForm::FormClose);
}

void TAboutForm::FormCreate(TObject*) {}

void TAboutForm::FormActivate(TObject*)
{
    Image6120->Show();
    Image6110->Hide();
    Image6150->Hide();
    Image6110P->Hide();
    AboutLabel->SetCaption("Quenzo VRX-6120 Management Module");
    SetCaption("About VRX-6120 Module");
    FitTexts();
}

// The box grows to its longest line (the bold title in most fonts), keeping its right margin
// and the OK button centred.
void TAboutForm::FitTexts()
{
    const int margin = 16;
    int width = ClientWidth();
    for (TLabel* l : {AboutLabel, VersionLabel, CopyrightLabel})
        width = std::max(width, l->Left() + l->Widget()->sizeHint().width() + margin);
    if (width == ClientWidth()) return;
    SetClientWidth(width);
    for (TLabel* l : {AboutLabel, VersionLabel, CopyrightLabel}) l->SetWidth(width - l->Left() - margin);
    BT_Ok->SetLeft((width - BT_Ok->Width()) / 2);
}

void TAboutForm::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

void TAboutForm::BT_OkClick(TObject*) { Close(); }

void TAboutForm::BT_OkKeyDown(TObject*, WORD& Key, TShiftState Shift)
{
    if (Key == VK_F3 && Shift.Contains(ssShift) && Shift.Contains(ssAlt)) {
        VersionLabel->SetCaption("Release Version 1.20R09(Build 2006/05/23)");
        FitTexts();
    }
}
