// The IP access-list mask profiles: which parts of an IPv4 packet the rules of a profile match.
// Every write leaves out what the chosen protocol, options and empty fields make meaningless.
#pragma once

#include "forms/layer2/featureframe.h"

class TIPMaskInformationForm : public TFeatureFormBase {
public:
    explicit TIPMaskInformationForm(TComponent* Owner);

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void BT_GetClick(TObject* Sender);
    void ListView1Click(TObject* Sender);
    void SetBtnClick(TObject* Sender);
    void BT_AddClick(TObject* Sender);
    void BT_DeleteClick(TObject* Sender);

    TButton* BT_Get;
    TButton* SetBtn;
    TButton* BT_Add;
    TButton* BT_Delete;
    TListView* ListView1;
    TEdit* IPIDEdit;
    TComboBox* IpAddMaskStateComboBox;
    TEdit* IpAddMaskSrcEdit;
    TEdit* IpAddMaskDstEdit;
    TComboBox* UseDSCPComBo;
    TComboBox* UseProTypeComBo;
    TComboBox* TCPOptionComBo;
    TComboBox* UDPOptionComBo;
    TEdit* TCPUDPSrcMaskEdit;
    TEdit* TCPUDPDstPortMaskEdit;
    TComboBox* TCPFlagBitOptionComBo;
    TEdit* TCPFlagBitMaskEdit;
    TComboBox* ProOptionComBo;
    TEdit* ProtoIDEdit;
    TEdit* ProIDMaskEdit;
    TComboBox* RowStatusComBo;
    TStatusBar* StatusBar1;
    QzSNMPRequest2Edits* Request = nullptr;

private:
    void IdleState();
    void ClearIpMaskEdits();
    bool ValidateIpMaskEntry();
    void WriteIpMaskEntry();
    // After a refused write: the table read again, then the refusal's text in panel 0.
    void ShowWriteFailure(const AnsiString& text);
};
