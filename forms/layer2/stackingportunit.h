// The port-selection page: a borderless form that a feature form places in one of its
// containers, once per port list it edits. Each unit of the stack gets a page of 64 numbered
// check boxes; box k of PortChecks stands for bit k of the port list (port 1 of unit 1 in
// the top bit of the first octet, 8 octets per unit).
#pragma once

#include "platform/ui/classes.h"
#include "platform/ui/comctrls.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"

class TStackingPortUitForm : public TForm {
public:
    explicit TStackingPortUitForm(TComponent* Owner);
    ~TStackingPortUitForm() override;

    TPageControl* UnitPageControl = nullptr;

    // Every port check box of every unit page, in creation order (not owned: each box belongs
    // to its scroll box).
    TList* PortChecks = nullptr;
    // One tab sheet per unit page, in the order added.
    TList* UnitSheets = nullptr;
    TScrollBox* SingleScrollBox = nullptr;

    void FormCreate(TObject* Sender);
    void AddUnitPage(AnsiString caption, int firstPort, int count, int perRow, int singlePage);
    void CreatePortChecks(TScrollBox* box, int count, int firstPort, int perRow);
    int PortsPerRowFromIni(AnsiString caption);
    // Shows the unit's page and its first portCount boxes; unit and perRow are not used.
    void ShowUnitPorts(AnsiString unitText, AnsiString modelName, int unit, int portCount, int perRow);
    // Unchecks every box, hidden ones included.
    void ClearChecks();

    // Box of bit k; null past the end.
    TCheckBox* PortCheck(int k) const;
};

// The index list "0,1,...,count-1" that binds count boxes to the bits of a port list.
AnsiString PortIndexList(int count);

// A port page for each container, with `units` unit pages each of which unit 1 shows the
// VRX-6120's ports; returns the pages in the containers' order.
TStackingPortUitForm* CreatePortPage(TForm* owner, TWinControl* container, int units = 1);
