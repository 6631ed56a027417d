// Switches the spanning-tree algorithm on or off. Switching it on is slow on the switch: after
// a confirmation the progress dialog sends the write and shows a timed bar meanwhile.
#pragma once

#include "forms/layer2/featureframe.h"
#include "mainwindow/progressunit.h"

class TSpanningTreeAlgorithmForm : public TFeatureFormBase, public TSpanningTreeSetSource {
public:
    explicit TSpanningTreeAlgorithmForm(TComponent* Owner);
    ~TSpanningTreeAlgorithmForm() override;

    TLabel* Label1;
    TComboBox* ComboBox1;
    TButton* GetButton;
    TButton* SetButton;
    TStatusBar* StatusBar1;
    // Owned by the form, made with the main window as its owner.
    QzSNMPRequest2Edits* Request = nullptr;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void GetButtonClick(TObject* Sender);
    void SetButtonClick(TObject* Sender);
    // An asynchronous read or write the switch refused: its text in status panel 0.
    void RequestDone(QzSNMPRequest2Controls* Sender, QzSNMPError* Result);

    QzSNMPRequest2Edits* SpanningTreeRequest() const override { return Request; }
    TStatusBar* SpanningTreeStatusBar() const override { return StatusBar1; }

private:
    void Read();
    void FreeRequest();
};

extern TSpanningTreeAlgorithmForm* SpanningTreeAlgorithmForm;
