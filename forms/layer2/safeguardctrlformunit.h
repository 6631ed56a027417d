// The safeguard engine, which keeps the switch's processor answering under load: rising and
// falling CPU thresholds, mode and alarm state, and the current status. Set writes the
// checked fields, one object per SET.
#pragma once

#include "forms/layer2/featureframe.h"

class TSafeguardCtrlForm : public TFeatureFormBase {
public:
    explicit TSafeguardCtrlForm(TComponent* Owner);

    TEdit* edtRising;
    TEdit* edtFalling;
    TComboBox* cbxMode;
    TComboBox* cbxAlarm;
    TComboBox* cbxCurrentState;
    TCheckBox* ckRising;
    TCheckBox* ckFalling;
    TCheckBox* ckMode;
    TCheckBox* ckAlarm;
    TButton* btnGet;
    TButton* btnSet;
    TButton* btnClose;
    TButton* btnCheckAll;
    TButton* btnClearCheck;
    TStatusBar* stbStatus;

    QzSNMPRequest2Edits* Request = nullptr;

    void FormCreate(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void btnGetClick(TObject* Sender);
    void btnSetClick(TObject* Sender);
    void btnCloseClick(TObject* Sender);
    void btnCheckAllClick(TObject* Sender);
    void btnClearCheckClick(TObject* Sender);
    void ChangeSetState(TObject* Sender);

private:
    static constexpr int kVars = 5;
    void SaveFlags();
    void RestoreFlags();
    // The writable objects' boxes in the order their objects stand in the list.
    TCheckBox* BoxOf(int i) const;

    int savedFlags_[kVars] = {};
    bool flagsSaved_ = false;
};

extern TSafeguardCtrlForm* SafeguardCtrlForm;
