// The life cycle every hand-made feature form shares: its layout from a resource table, the
// size scaled by the main window's scale flag, requests created and owned by the form, objects
// left out of one write with their access flags restored on every path, failures shown where
// the form shows them, and the closing protocol (withdraw each request, so that no reply
// reaches the closing form, then delete it; then the form's other objects).
//
//   class TPortTrunkForm : public TFeatureFormBase {
//   public:
//       explicit TPortTrunkForm(TComponent* Owner) : TFeatureFormBase(Owner, kLayout)
//       {
//           Memo1 = C<TMemo>("Memo1");
//           OnCreate = TNotifyEvent(this, &TPortTrunkForm::FormCreate);
//           DoCreate();
//       }
//       void FormCreate(TObject*)
//       {
//           Request = NewRequest(kTrunkTable, MVT_UMV, 1);
//           Request->BindListView(LV_PortTrunk, true);
//           ...
//       }
//       void FormClose(TObject*, TCloseAction&) { ReleaseRequest(Request); }
//   };
#pragma once

#include <vector>

#include "platform/ui/buttons.h"
#include "platform/ui/comctrls.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/formresource.h"
#include "platform/ui/stdctrls.h"
#include "snmpvars/qzsnmprequest2edits.h"
#include "snmpvars/uisnmpvar.h"

class Exception;
class TStackingPortUitForm;

enum TFeatureScale {
    fscSize,             // Width and Height × 1.25 with the main window's scale flag
    fscSizeAndPosition,  // Left and Top too
    fscNone,             // never scaled
};

// Width or height as a feature form scales it: × 1.25 when scaled, cut towards zero.
int ScaledFormSize(int designed, bool scaleUp);

class TFeatureFormBase : public TForm {
public:
    TFeatureFormBase(TComponent* Owner, const TResForm& layout, TFeatureScale scale = fscSize);
    // Whatever the close handler left: requests first (so that no reply reaches a freed
    // dialog), then the owned objects.
    ~TFeatureFormBase() override;

    // A request owned by the form, over a temporary list built from the table.
    QzSNMPRequest2Edits* NewRequest(const UISnmpVar* table, unsigned char listType, int keyCount);
    // The closing protocol for one request: withdraw it (its running read or write ends
    // without completing: no handler of the form runs and nothing waits), delete it, clear
    // the pointer. Safe on a null pointer and from inside a reply handler.
    void ReleaseRequest(QzSNMPRequest2Edits*& request);
    // Every request the form still holds, all withdrawn first, then deleted in creation order.
    void ReleaseRequests();

    // A port page in container with `units` unit pages (unit 1 shown), owned by the form.
    TStackingPortUitForm* NewPortPage(TWinControl* container, int units = 1);

protected:
    template <class T>
    T* C(const char* name) const
    {
        return FindChild<T>(this, name);
    }

private:
    std::vector<QzSNMPRequest2Edits*> requests_;
};

// Saves the access flags of every object of a list and writes them back when it goes, on every
// path out of a write (success, refusal, an exception from a check or the Set).
class TSavedAccessFlags {
public:
    explicit TSavedAccessFlags(QzSNMPVarList& list);
    ~TSavedAccessFlags();
    TSavedAccessFlags(const TSavedAccessFlags&) = delete;
    TSavedAccessFlags& operator=(const TSavedAccessFlags&) = delete;
    // Leaves object i out of the reads and writes made while the saver lives.
    void LeaveOut(int i);
    // Writes the saved flags back now.
    void Restore();

private:
    QzSNMPVarList& list_;
    std::vector<int> saved_;
};

// Deletes an edit dialog kept in a global variable when `owner` made it, and clears the
// variable; a dialog another form made is left alone.
template <class D>
void ReleaseOwnedDialog(D*& dialog, const TComponent* owner)
{
    if (dialog && dialog->Owner() == owner) {
        delete dialog;
        dialog = nullptr;
    }
}

// The failure places of the forms.
void ShowInMemo(TMemo* memo, const AnsiString& text);              // a new line of the memo
void ShowInPanel(TStatusBar* bar, const AnsiString& text, int panel = 0);  // a status panel's text
// The text of the exception being handled (inside a catch block); the class library's texts
// for exceptions that are not Exception.
AnsiString CurrentExceptionText();
