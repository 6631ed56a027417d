#include "forms/layer2/multiconfigcontroleditformunit.h"

#include <memory>

#include "forms/layer2/multiconfigcontrolformunit.h"
#include "mainwindow/progressunit.h"

TMultiConfigControlEditForm* MultiConfigControlEditForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class        name            parent   left top    w    h  align
    {"TLabel",      "Label1",       nullptr,   16,  18, 100,  16, alNone, "MultiCfgCtrlID"},
    {"TComboBox",   "cbxCtrlID",    nullptr,  120,  16, 130,  21, alNone, nullptr, nullptr, rfDropDownList},
    {"TLabel",      "Label2",       nullptr,   16,  50, 100,  16, alNone, "MultiCfgAction"},
    {"TComboBox",   "cbxCfgAction", nullptr,  120,  48, 130,  21, alNone, nullptr, nullptr, rfDropDownList},
    {"TButton",     "btnSet",       nullptr,   94,  86,  75,  25, alNone, "Set"},
    {"TButton",     "btnClose",     nullptr,  175,  86,  75,  25, alNone, "Close"},
    {nullptr},
};
const TResForm kLayout = {"MultiConfigControlEditForm", "Multiple Config Control Edit", 280, 160, poMainFormCenter,
                          bsDialog, kComponents};

// Steps of the progress dialog while the switch activates a configuration.
constexpr int kActivateTicks = 15;

}  // namespace

TMultiConfigControlEditForm::TMultiConfigControlEditForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    cbxCtrlID = C<TComboBox>("cbxCtrlID");
    cbxCfgAction = C<TComboBox>("cbxCfgAction");
    btnSet = C<TButton>("btnSet");
    btnClose = C<TButton>("btnClose");
    btnSet->OnClick = TNotifyEvent(this, &TMultiConfigControlEditForm::btnSetClick);
    btnClose->OnClick = TNotifyEvent(this, &TMultiConfigControlEditForm::btnCloseClick);
    OnCreate = TNotifyEvent(this, &TMultiConfigControlEditForm::FormCreate);
    DoCreate();
}

void TMultiConfigControlEditForm::FormCreate(TObject*) { cbxCtrlID->SetEnabled(false); }

void TMultiConfigControlEditForm::btnSetClick(TObject*)
{
    TMultipleConfigControlForm* list = MultipleConfigControlForm;
    if (!list || !list->Request || list->Request->Busy) return;  // a write is still on its way
    try {
        list->Request->Set(false, true);
        if (cbxCfgAction->Text() == "active") {
            std::unique_ptr<TProgressForm2> progress(new TProgressForm2(Application, this));
            ProgressForm2 = progress.get();
            progress->TickLimit = kActivateTicks;
            progress->SetCaption("Set Config");
            progress->LB_Prompt->SetCaption("Active Config is doing...");
            try {
                progress->ShowModal();
            } catch (...) {
                ProgressForm2 = nullptr;
                throw;
            }
            ProgressForm2 = nullptr;
        }
        Close();
    } catch (...) {
        ShowInMemo(list->Memo1, CurrentExceptionText());
        Close();
    }
}

void TMultiConfigControlEditForm::btnCloseClick(TObject*) { Close(); }
