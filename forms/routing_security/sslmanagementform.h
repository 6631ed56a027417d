// The switch's SSL state, cache time-out and four cipher suites; the suites are one bit string
// on the switch, shown as one "disabled"/"enabled" choice each.
#pragma once

#include "forms/layer2/featureframe.h"

// The two hexadecimal digits written for the four suites (suite 1 the highest bit): the
// suites' digit and "0".
AnsiString CipherSuitesText(const bool enabled[4]);
// The suites of a two-digit text read from the switch (only the first digit counts); false,
// leaving enabled as it was, for a text of another length or a first character that is no
// hexadecimal digit.
bool CipherSuitesOfText(const AnsiString& text, bool enabled[4]);

class TSSLManagementForm : public TFeatureFormBase {
public:
    explicit TSSLManagementForm(TComponent* Owner);

    TStatusBar* StatusBar1;
    TComboBox* cbxSSLVersion;
    TEdit* edtCacheTimeOut;
    TEdit* edtciphersuites;
    TComboBox* cbxciphersuites1;
    TComboBox* cbxciphersuites2;
    TComboBox* cbxciphersuites3;
    TComboBox* cbxciphersuites4;
    TButton* btnGet;
    TButton* btnSet;
    QzSNMPRequest2Edits* Request = nullptr;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void btnGetClick(TObject* Sender);
    void btnSetClick(TObject* Sender);
    // The read has ended: the suites from the bit string.
    void RequestGetDone(QzSNMPRequest2Controls* Sender, QzSNMPError* Result);

private:
    TComboBox* Suites[4];
};

extern TSSLManagementForm* SSLManagementForm;
