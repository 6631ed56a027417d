// Progress dialogs that feature forms show while the switch applies a slow setting. They do
// not follow the device: the bar moves one step a second and the dialog closes itself after
// 30 steps. Both are shown as child windows of the form that opens them.
#pragma once

#include "platform/ui/comctrls.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"

class QzSNMPRequest2Edits;

// What the spanning-tree form (TSpanningTreeAlgorithmForm) offers TProgressForm while it is
// open. The form derives from it and passes itself as the dialog's parent form.
class TSpanningTreeSetSource {
public:
    virtual ~TSpanningTreeSetSource() = default;
    // The form's one request, loaded with its spanning-tree table and bound to its controls.
    virtual QzSNMPRequest2Edits* SpanningTreeRequest() const = 0;
    // StatusBar1, whose panel 0 receives the message of a Set that raises.
    virtual TStatusBar* SpanningTreeStatusBar() const = 0;
};

class TProgressBaseForm : public TForm {
public:
    TLabel* LB_Prompt = nullptr;
    TProgressBar* ProgressBar = nullptr;
    TTimer* ProgressTimer = nullptr;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void ProgressTimerTimer(TObject* Sender);
    // The bar spans the client area, also where a narrow parent narrows the dialog.
    void Resized() override;

protected:
    TProgressBaseForm(TComponent* Owner, TForm* ParentForm);
    // Steps before the dialog closes itself.
    virtual int Limit() const { return 30; }
};

// Shown by the spanning-tree form while its settings are sent: the constructor starts the Set
// of that form's request (refresh after set, prepare, no item list). A parent that is not a
// TSpanningTreeSetSource sends nothing.
class TProgressForm : public TProgressBaseForm {
public:
    TProgressForm(TComponent* Owner, TForm* ParentForm);

private:
    void StartSet(TForm* ParentForm);
};

class TProgressForm2 : public TProgressBaseForm {
public:
    TProgressForm2(TComponent* Owner, TForm* ParentForm);
    int TickLimit = 30;

protected:
    int Limit() const override { return TickLimit; }
};

// The dialogs while they are shown: the forms that open them keep them here and clear the
// variable once the dialog is gone.
extern TProgressForm* ProgressForm;
extern TProgressForm2* ProgressForm2;
