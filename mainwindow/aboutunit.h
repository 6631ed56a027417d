// The About box of the Help menu.
#pragma once

#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"

class TAboutForm : public TForm {
public:
    explicit TAboutForm(TComponent* Owner);
    ~TAboutForm() override;

    // One 32 x 32 picture per model, all at the same place; the VRX-6120's is shown.
    TImage* Image6120 = nullptr;
    TImage* Image6110 = nullptr;
    TImage* Image6150 = nullptr;
    TImage* Image6110P = nullptr;
    TLabel* AboutLabel = nullptr;
    TLabel* VersionLabel = nullptr;
    TLabel* CopyrightLabel = nullptr;
    TButton* BT_Ok = nullptr;

    void FormCreate(TObject* Sender);
    void FormActivate(TObject* Sender);
    void FitTexts();
    void FormClose(TObject* Sender, TCloseAction& Action);
    void BT_OkClick(TObject* Sender);
    // Shift+Alt+F3 shows the full release number.
    void BT_OkKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);

private:
    void BuildLayout();
};

// The About box while the Help menu's command shows it; null otherwise.
extern TAboutForm* AboutForm;
