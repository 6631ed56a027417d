// QzSNMPRequest2Controls: the request through which a window reads and writes MIB values for
// its controls. It drives one QzSNMPRequest, synchronously (Mode 0) or asynchronously
// (Mode 1), hands every received row to its descendant (OnRowReceived), lets the descendant
// fill the values before a write (PrepareSet), keeps a Busy flag, and reports each outcome as
// one result line in a memo, a status bar or a status panel, or in a message box.
//
//   auto* r = new QzSNMPRequest2Edits(form);     // a descendant
//   r->Request.varList = QzSNMPVarList(table, MVT_FMV, 1);
//   r->SetMessageControl(memo);
//   r->Get();                                     // "Get: (QzSNMP++) Ok!. Receive at 03:04:05 PM."
//
// While a synchronous read or write runs, mouse and key presses on its owner form are dropped.
// Closing a window: Withdraw (no reply reaches the binding any more), then delete. While the
// binding runs code that processes window messages (a synchronous read or
// write, a completion of an asynchronous one), a close of its owner form is held back and made
// again once that code has returned, so that such a close never waits on the read it
// interrupted.
#pragma once

#include <QPointer>
#include <memory>
#include <vector>

#include "platform/snmp/smival.h"
#include "platform/ui/ansistring.h"
#include "platform/ui/classes.h"
#include "snmpvars/qzsnmprequest.h"

class TForm;
class TMemo;
class TStatusBar;
class TStatusPanel;
class QzSNMPRequest2Controls;

// OnGetDone / OnSetDone(sender, result): an asynchronous read or write has ended.
using QzSNMPControlsDoneEvent = TClosure<QzSNMPRequest2Controls*, QzSNMPError*>;

class QzSNMPRequest2Controls {
public:
    explicit QzSNMPRequest2Controls(TForm* owner);
    // Busy false; the request then clears its enabled flag and waits for its outstanding
    // answers, none of which reaches this object any more.
    virtual ~QzSNMPRequest2Controls();
    QzSNMPRequest2Controls(const QzSNMPRequest2Controls&) = delete;
    QzSNMPRequest2Controls& operator=(const QzSNMPRequest2Controls&) = delete;

    // Where result lines go; not owned. Null: message boxes for errors, nothing for success.
    void SetMessageControl(TMemo* memo);
    void SetMessageControl(TStatusBar* bar);
    void SetMessageControl(TStatusPanel* panel);
    TObject* MessageControl() const;

    // One result line: "Get: <text> Request:<description>. Receive at <time>." (or "Set: "),
    // without " Request:..." when the list has no description. A status bar that shows its
    // panels gets a failure or a write's outcome in its first panel too; a read's success goes
    // there only to replace a read failure shown there.
    void ShowResult(const AnsiString& text);

    // Reads the list once (scalars) or walks the table. Synchronous: failures leave as the
    // layer's exceptions. Asynchronous: only a failure to send leaves; the rest reaches
    // OnGetError and OnGetDone. A table holds one walk: a walk of it still running is ended
    // (no further row, no done event of its own) before the new one empties the list.
    void Get();
    // Writes the writable variables (after PrepareSet when prepare); a table list is read
    // again after a successful write when refreshAfterSet.
    void Set(bool refreshAfterSet, bool prepare, const AnsiString& itemList = AnsiString(),
             TStrings* values = nullptr);
    // The closing protocol of a window: clears the request's enabled flag, so that a running
    // walk ends at its next answer, and processes window messages until Busy is false.
    // Called from inside the SNMP pump (a reply handler that processes messages) or from inside
    // this binding's own read or write, no answer can arrive until that code returns: it does
    // not wait and returns false.
    bool StopAndWait();
    // The closing protocol of a window that goes (its close handler, its destructor): the
    // request's exchanges are withdrawn at once, Busy becomes false, and from then on no
    // completion, done handler or result line of this binding runs and Get and Set do nothing.
    // Nothing waits and no message is processed, so no handler of the closing form runs either.
    void Withdraw();
    bool Withdrawn() const { return withdrawn_; }

    // Completions of the request's asynchronous exchanges.
    void GetCompleted(QzSNMPError& result, QzSNMPVarList& list);
    void SetCompleted(QzSNMPError& result, QzSNMPVarList& list);

    // Fills the items' value texts from the controls; the base does nothing.
    virtual void PrepareSet() {}

    // Value octets of a value text, the value text of octets, and a part of octets.
    static OctetStr TextToOctets(const AnsiString& valueText, int syntax);
    static AnsiString OctetsToText(const OctetStr& octets, int syntax);
    static OctetStr ExtractPart(const OctetStr& octets, int offset, int syntax);

    QzSNMPRequest Request;
    QzSNMPControlsDoneEvent OnGetDone;
    QzSNMPControlsDoneEvent OnSetDone;
    unsigned char Mode = 1;  // 0 synchronous, 1 asynchronous, other: no exchange at all
    bool Busy = false;
    TForm* Owner;
    int LastOperation = 0;  // 0 Get, 1 Set: the result format
    bool RefreshAfterSet = true;

protected:
    virtual void BeforeGet() {}
    virtual void BeforeSet() {}
    // One received row: the variable list's items hold its value texts.
    virtual void OnRowReceived() = 0;
    virtual void OnGetError(QzSNMPError* result);
    virtual void OnSetError(QzSNMPError* result);
    virtual void AfterGet() {}
    virtual void AfterSet() {}
    // True when variable i has no value to write: a write leaves it out (unless the caller
    // names it in an item list).
    virtual bool ValueMissing(int) const { return false; }

    bool IsTableList() const;
    // Reports an error of an operation: ShowResult with a message control, else a message box.
    void ReportError(const AnsiString& message);
    // Cleared when the object is destroyed: code that processed window messages tests it
    // before it touches the object again.
    std::shared_ptr<bool> Alive() const { return alive_; }

private:
    class Inside;
    class InputHeld;
    class Withheld;
    void EnterHooks();
    void LeaveHooks();
    void OwnerCloseQuery(TObject* Sender, bool& CanClose);
    void ReleaseOwnerClose();
    void FinishGet(QzSNMPError& result);
    void ShowWhatCameBack();
    void Fire(QzSNMPControlsDoneEvent event, QzSNMPError& result);
    void ReadFailed(const AnsiString& message, int code);
    bool OthersOutstanding() const;
    void EndRunningWalk();
    static void ShowOnBar(TStatusBar* bar, const AnsiString& line);

    TObject* messageControl_ = nullptr;
    QPointer<QObject> messageAlive_;  // the widget that shows the message control
    std::shared_ptr<bool> alive_;
    // Deferred closing of the owner form.
    QPointer<QObject> ownerAlive_;
    int hookDepth_ = 0;
    TClosure<TObject*, bool&> savedCloseQuery_;
    bool closeDeferred_ = false;
    int deferredResult_ = 0;
    unsigned char enabledBeforeClose_ = 1;
    unsigned walk_ = 0;  // counts the walks started: an older one sees it moved on and stops
    bool withdrawn_ = false;
};
