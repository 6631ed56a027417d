#include "forms/routing_security/sslmanagementform.h"

#include <cctype>
#include <string>

#include "mib/securityforms.h"
#include "platform/ui/dialogs.h"

TSSLManagementForm* SSLManagementForm = nullptr;

namespace {

const TResComponent kComponents[] = {
    // class         name                parent   left top   w    h  align
    {"TStatusBar",   "StatusBar1",       nullptr,    0,   0,   0,  19, alBottom, nullptr, "50"},
    {"TLabel",       "Label1",           nullptr,   16,  18, 224,  16, alNone, "SSL Status"},
    {"TComboBox",    "cbxSSLVersion",    nullptr,  244,  16, 130,  21, alNone, nullptr, nullptr, rfDropDownList},
    {"TLabel",       "Label3",           nullptr,   16,  48, 224,  16, alNone, "RSA-with-RC4-128-MD5"},
    {"TComboBox",    "cbxciphersuites1", nullptr,  244,  46, 130,  21, alNone, nullptr, "disabled|enabled", rfDropDownList},
    {"TLabel",       "Label4",           nullptr,   16,  78, 224,  16, alNone, "RSA-with-3DES-EDE-CBC-SHA"},
    {"TComboBox",    "cbxciphersuites2", nullptr,  244,  76, 130,  21, alNone, nullptr, "disabled|enabled", rfDropDownList},
    {"TLabel",       "Label5",           nullptr,   16, 108, 224,  16, alNone, "DHE-DSS-with-3DES-EDE-CBC-SHA"},
    {"TComboBox",    "cbxciphersuites3", nullptr,  244, 106, 130,  21, alNone, nullptr, "disabled|enabled", rfDropDownList},
    {"TLabel",       "Label6",           nullptr,   16, 138, 224,  16, alNone, "RSA-EXPORT-with-RC4-40-MD5"},
    {"TComboBox",    "cbxciphersuites4", nullptr,  244, 136, 130,  21, alNone, nullptr, "disabled|enabled", rfDropDownList},
    {"TLabel",       "Label2",           nullptr,   16, 168, 224,  16, alNone, "Cache Time Out"},
    {"TEdit",        "edtCacheTimeOut",  nullptr,  244, 166, 130,  21, alNone},
    {"TEdit",        "edtciphersuites",  nullptr,  380, 166,  30,  21, alNone, nullptr, nullptr, rfHidden},
    {"TButton",      "btnGet",           nullptr,  400,  16,  75,  25, alNone, "Refresh"},
    {"TButton",      "btnSet",           nullptr,  400,  50,  75,  25, alNone, "Set"},
    {nullptr},
};
const TResForm kLayout = {"SSLManagementForm", "SSL Management Table", 500, 240, poMainFormCenter, bsSingle,
                          kComponents};

// The suites' bits in the first digit, suite 1 first.
const int kSuiteBits[4] = {8, 4, 2, 1};
constexpr int kEnabledItem = 1;

}  // namespace

AnsiString CipherSuitesText(const bool enabled[4])
{
    int v = 0;
    for (int k = 0; k < 4; ++k)
        if (enabled[k]) v += kSuiteBits[k];
    const char digit = static_cast<char>(v < 10 ? '0' + v : 'A' + (v - 10));
    return AnsiString(std::string{digit, '0'});
}

bool CipherSuitesOfText(const AnsiString& text, bool enabled[4])
{
    if (text.Length() != 2) return false;
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(text.c_str()[0])));
    int v;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    else return false;
    for (int k = 0; k < 4; ++k) enabled[k] = (v & kSuiteBits[k]) != 0;
    return true;
}

TSSLManagementForm::TSSLManagementForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
{
    StatusBar1 = C<TStatusBar>("StatusBar1");
    cbxSSLVersion = C<TComboBox>("cbxSSLVersion");
    edtCacheTimeOut = C<TEdit>("edtCacheTimeOut");
    edtciphersuites = C<TEdit>("edtciphersuites");
    cbxciphersuites1 = C<TComboBox>("cbxciphersuites1");
    cbxciphersuites2 = C<TComboBox>("cbxciphersuites2");
    cbxciphersuites3 = C<TComboBox>("cbxciphersuites3");
    cbxciphersuites4 = C<TComboBox>("cbxciphersuites4");
    btnGet = C<TButton>("btnGet");
    btnSet = C<TButton>("btnSet");
    Suites[0] = cbxciphersuites1;
    Suites[1] = cbxciphersuites2;
    Suites[2] = cbxciphersuites3;
    Suites[3] = cbxciphersuites4;
    btnGet->OnClick = TNotifyEvent(this, &TSSLManagementForm::btnGetClick);
    btnSet->OnClick = TNotifyEvent(this, &TSSLManagementForm::btnSetClick);
    OnCreate = TNotifyEvent(this, &TSSLManagementForm::FormCreate);
    OnClose = TCloseEvent(this, &TSSLManagementForm::FormClose);
    DoCreate();
}

void TSSLManagementForm::FormCreate(TObject*)
{
    // No suite shows a state before the switch has been read.
    for (TComboBox* suite : Suites) suite->SetItemIndex(-1);
    try {
        Request = NewRequest(swSSLCtrl, SVT_SV, 0);
        Request->Associate(0, cbxSSLVersion);
        Request->AssociateFormat(1, "%s{l2}", edtciphersuites);
        Request->AssociateFormat(2, "%s", edtCacheTimeOut);
        Request->OnGetDone = QzSNMPControlsDoneEvent(this, &TSSLManagementForm::RequestGetDone);
        Request->SetMessageControl(StatusBar1);
        Request->Get();
    } catch (...) {
        ShowInPanel(StatusBar1, CurrentExceptionText());
    }
}

// The frame's close: no reply reaches the closed form.
void TSSLManagementForm::FormClose(TObject*, TCloseAction&) { ReleaseRequest(Request); }

void TSSLManagementForm::RequestGetDone(QzSNMPRequest2Controls*, QzSNMPError* Result)
{
    if (Result && Result->code != 0) return;
    bool enabled[4];
    if (!CipherSuitesOfText(edtciphersuites->Text(), enabled)) return;
    for (int k = 0; k < 4; ++k) Suites[k]->SetItemIndex(enabled[k] ? kEnabledItem : 0);
}

// While a read or write is under way the buttons start nothing.
void TSSLManagementForm::btnGetClick(TObject*)
{
    if (Request && !Request->Busy) Request->Get();
}

void TSSLManagementForm::btnSetClick(TObject*)
{
    if (!Request || Request->Busy) return;
    bool empty = cbxSSLVersion->Text().IsEmpty() || edtCacheTimeOut->Text().IsEmpty();
    for (TComboBox* suite : Suites) empty = empty || suite->Text().IsEmpty();
    if (empty) {
        MessageDlg("Some items are empty.", mtWarning, TMsgDlgButtons() << mbOK, 0);
        if (btnSet->CanFocus()) btnSet->SetFocus();
        return;
    }
    bool enabled[4];
    for (int k = 0; k < 4; ++k) enabled[k] = Suites[k]->ItemIndex() == kEnabledItem;
    edtciphersuites->SetText(CipherSuitesText(enabled));
    // A text the request cannot turn into a value is reported where the replies' errors are.
    try {
        Request->Set(true, true);
    } catch (...) {
        ShowInPanel(StatusBar1, CurrentExceptionText());
    }
}
