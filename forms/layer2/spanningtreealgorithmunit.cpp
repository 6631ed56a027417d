#include "forms/layer2/spanningtreealgorithmunit.h"

#include <memory>

#include "mainwindow/mainunit.h"
#include "mib/stpforms.h"
#include "platform/ui/dialogs.h"
#include "snmpvars/qzsnmperror.h"

TSpanningTreeAlgorithmForm* SpanningTreeAlgorithmForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class        name          parent   left top    w    h  align
    {"TStatusBar",  "StatusBar1", nullptr,    0,   0,   0,  19, alBottom, nullptr, "50"},
    {"TPanel",      "Panel1",     nullptr,    0,   0,  96,   0, alRight, "", nullptr, rfBevelNone},
    {"TButton",     "GetButton",  "Panel1",  10,  14,  75,  25, alNone, "Refresh"},
    {"TButton",     "SetButton",  "Panel1",  10,  48,  75,  25, alNone, "Set"},
    {"TSplitter",   "Splitter1",  nullptr,    0,   0,   3,   0, alRight},
    {"TLabel",      "Label1",     nullptr,   16,  22, 150,  16, alNone, "Spanning Tree Algorithm"},
    {"TComboBox",   "ComboBox1",  nullptr,  170,  18, 110,  21, alNone, nullptr, nullptr, rfDropDownList},
    {nullptr},
};
const TResForm kLayout = {"SpanningTreeAlgorithmForm", "Spanning Tree Algorithm", 400, 130, poMainFormCenter,
                          bsSingle, kComponents};

}  // namespace

TSpanningTreeAlgorithmForm::TSpanningTreeAlgorithmForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    Label1 = C<TLabel>("Label1");
    ComboBox1 = C<TComboBox>("ComboBox1");
    GetButton = C<TButton>("GetButton");
    SetButton = C<TButton>("SetButton");
    StatusBar1 = C<TStatusBar>("StatusBar1");
    GetButton->OnClick = TNotifyEvent(this, &TSpanningTreeAlgorithmForm::GetButtonClick);
    SetButton->OnClick = TNotifyEvent(this, &TSpanningTreeAlgorithmForm::SetButtonClick);
    OnCreate = TNotifyEvent(this, &TSpanningTreeAlgorithmForm::FormCreate);
    OnClose = TCloseEvent(this, &TSpanningTreeAlgorithmForm::FormClose);
    DoCreate();
}

TSpanningTreeAlgorithmForm::~TSpanningTreeAlgorithmForm() { FreeRequest(); }

void TSpanningTreeAlgorithmForm::FormCreate(TObject*)
{
    try {
        Request = new QzSNMPRequest2Edits(MainForm ? static_cast<TForm*>(MainForm) : this);
        {
            QzSNMPVarList list(swL2DevCtrlStpState, SVT_SV, 0);
            Request->Request.varList = list;
        }
        Request->Associate(0, ComboBox1);
        Request->SetMessageControl(StatusBar1);
        // The bar shows its panel, not its own text: a refusal that arrives later goes there.
        Request->OnGetDone = QzSNMPControlsDoneEvent(this, &TSpanningTreeAlgorithmForm::RequestDone);
        Request->OnSetDone = QzSNMPControlsDoneEvent(this, &TSpanningTreeAlgorithmForm::RequestDone);
        Request->Get();
    } catch (...) {
        ShowInPanel(StatusBar1, CurrentExceptionText());
    }
}

void TSpanningTreeAlgorithmForm::RequestDone(QzSNMPRequest2Controls*, QzSNMPError* Result)
{
    if (Result && Result->code != 0) ShowInPanel(StatusBar1, Result->message);
}

void TSpanningTreeAlgorithmForm::Read()
{
    try {
        if (Request) Request->Get();
    } catch (...) {
        ShowInPanel(StatusBar1, CurrentExceptionText());
    }
}

void TSpanningTreeAlgorithmForm::GetButtonClick(TObject*) { Read(); }

void TSpanningTreeAlgorithmForm::SetButtonClick(TObject*)
{
    if (ComboBox1->ItemIndex() < 0 || !Request) return;
    const AnsiString choice = ComboBox1->Text();
    try {
        if (choice == "disabled") {
            Request->Set(true, true);
        } else if (choice == "enabled") {
            if (MessageDlg("To enable STP may take a long time. Do you want to go on?", mtConfirmation, mbOKCancel,
                           0) == mrOk) {
                // The dialog's constructor sends the write; the dialog goes however it ends.
                struct Shown {
                    std::unique_ptr<TProgressForm> form;
                    ~Shown() { ProgressForm = nullptr; }
                } shown{std::unique_ptr<TProgressForm>(new TProgressForm(Application, this))};
                ProgressForm = shown.form.get();
                ProgressForm->SetCaption("Enable STP Progress");
                ProgressForm->LB_Prompt->SetCaption("Enable STP is doing...");
                ProgressForm->ShowModal();
            }
        }
    } catch (...) {
        ShowInPanel(StatusBar1, CurrentExceptionText());
    }
    Read();
}

void TSpanningTreeAlgorithmForm::FreeRequest()
{
    QzSNMPRequest2Edits* r = Request;
    Request = nullptr;
    if (!r) return;
    r->Withdraw();
    delete r;
}

void TSpanningTreeAlgorithmForm::FormClose(TObject*, TCloseAction& Action)
{
    FreeRequest();
    Action = caFree;
}
