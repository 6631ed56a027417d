// What the forward-all and forward-unregistered forms share: per VLAN three port lists of
// twelve stack units (forwarding, static, forbidden), a list view of the table, the row count
// that follows the end of each read. The tables and what Set does differ.
#pragma once

#include <vector>

#include "forms/layer2/featureframe.h"
#include "forms/layer2/stackingportunit.h"

class TForwardPortsForm : public TFeatureFormBase {
public:
    TStaticText* ST_Count;
    TButton* RefreshBtn;
    TButton* SetBtn;
    TListView* LV_dot1qForwardUnregisteredEntry;
    TScrollBox* ScrollBox1;
    TScrollBox* ScrollBox2;
    TScrollBox* ScrollBox3;
    TMemo* Memo1;

    TStackingPortUitForm* ForwardPage = nullptr;  // the ports that forward
    TStackingPortUitForm* StaticPage = nullptr;
    TStackingPortUitForm* ForbiddenPage = nullptr;
    QzSNMPRequest2Edits* ForwardRequest = nullptr;

    void FormCreate(TObject* Sender);
    void RefreshBtnClick(TObject* Sender);
    void SetBtnClick(TObject* Sender);
    void LV_dot1qForwardUnregisteredEntrySelectItem(TObject* Sender, TListItem* Item, bool Selected);

    // The layout both forms share, with the captions of their three tabs.
    static std::vector<TResComponent> Components(const char* forwardTab, const char* staticTab,
                                                 const char* forbiddenTab);

protected:
    TForwardPortsForm(TComponent* Owner, const TResForm& layout, const UISnmpVar* table, bool clearOnRefresh);
    // Set's own step: a write of the static and forbidden lists, or another read.
    virtual void SetStep() = 0;
    // Whether Set writes the selected row: then it stays disabled while no row is selected.
    virtual bool SetWritesRow() const { return false; }
    void ShowSetState();
    void ShowCount();

private:
    void ReadDone(QzSNMPRequest2Controls* Sender, QzSNMPError* Result);

    const UISnmpVar* table_;
    bool clearOnRefresh_;
};
