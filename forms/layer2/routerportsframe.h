// What the IGMP and MLD router-port forms share: a VLAN list, the VLAN's static, dynamic and
// forbidden router ports on three port pages, Refresh guarded by a read-done flag, and Set of
// the static and forbidden lists of the selected VLAN. Each form gives its layout, its table
// and its message place (a memo or a status bar).
#pragma once

#include "forms/layer2/featureframe.h"
#include "forms/layer2/stackingportunit.h"

class TRouterPortsFormBase : public TFeatureFormBase {
public:
    TRouterPortsFormBase(TComponent* Owner, const TResForm& layout, const UISnmpVar* table, unsigned char listType);
    ~TRouterPortsFormBase() override;

    TListView* ListView1;
    TLabel* Label1;
    TStaticText* stVlanID;
    TPageControl* PageControl1;
    TTabSheet* tbsStatic;
    TTabSheet* tbsDynamic;
    TTabSheet* tbsForbidden;
    TScrollBox* ScrollBox1;
    TScrollBox* ScrollBox2;
    TScrollBox* ScrollBox3;
    TButton* btnGet;
    TButton* btnSet;
    TMemo* Memo1 = nullptr;            // the IGMP form's message place
    TStatusBar* StatusBar1 = nullptr;  // the MLD form's

    TStackingPortUitForm* StaticPage = nullptr;
    TStackingPortUitForm* DynamicPage = nullptr;
    TStackingPortUitForm* ForbiddenPage = nullptr;
    QzSNMPRequest2Edits* Request = nullptr;
    bool ReadDone = false;

    void FormCreate(TObject* Sender);
    void RequestGetDone(QzSNMPRequest2Controls* Sender, QzSNMPError* Result);
    void btnGetClick(TObject* Sender);
    void btnSetClick(TObject* Sender);
    void ListView1Click(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);

private:
    // No VLAN on screen: boxes unchecked, VLAN ID empty, and Set off until a row is chosen
    // again, so that the cleared lists are never written over the VLAN still selected.
    void ResetPages();
    void ShowError(const AnsiString& text);
    void DeletePages();

    const UISnmpVar* table_;
    unsigned char listType_;
};
