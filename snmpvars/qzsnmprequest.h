// QzSNMPRequest: carries one variable list to the agent and back over the shared session:
// get, one get-next step of a table walk, or set, synchronously or asynchronously. Replies
// are stored into the list's items as value texts; every failure becomes the layer's code and
// message.
//
// Synchronous walk:   if (r.Get(true)) do { ...row... } while (r.Get(false));
// Asynchronous walk:  r.GetAsync(done, true); in done(result, list): handle the row unless
//                     result.done, then r.GetAsync(done, false) while !result.done.
// A scalar list (SVT_SV, MVT_SV) is read with one Get(true) / GetAsync(done, true).
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/ansistring.h"
#include "platform/ui/classes.h"
#include "snmpvars/qzsnmpsession.h"
#include "snmpvars/qzsnmpvarlist.h"

class Pdu;
class Vb;
class Snmp;
class SnmpTarget;
class TStrings;

// The completion record of an asynchronous exchange.
struct QzSNMPError {
    int code = 0;             // the layer code; 0 success
    int errorIndex = 0;       // the reply PDU's error index
    AnsiString message;       // the code's text ("(QzSNMP++) Ok!" for success)
    QzSNMPDeviceRec device;   // the answering agent's address and port
    bool done = false;        // no further get-next step is due
    bool missed = false;      // a get that lacked objects (-102): the others' values are stored
};

// OnDone(result, the request's variable list): runs inside the session's event pump.
using QzSNMPDoneEvent = TClosure<QzSNMPError&, QzSNMPVarList&>;

class QzSNMPRequest {
public:
    // Copies the connection settings (LoadSettings).
    QzSNMPRequest();
    // Clears `enabled`, waits up to 6000 ms (processing window messages) for the outstanding
    // asynchronous exchanges, then withdraws those still open: no late reply reaches it.
    // Replies taken in during the wait call no completion: their owner is going. Destroyed
    // inside the session's pump (in a completion), it withdraws them at once.
    virtual ~QzSNMPRequest();
    QzSNMPRequest(const QzSNMPRequest&) = delete;
    QzSNMPRequest& operator=(const QzSNMPRequest&) = delete;

    // Copies QzSNMPDevice, QzSNMPScope, QzSNMPSecurity and QzSNMPTimeout.
    void LoadSettings();

    // One exchange: a get (first) or the next get-next step of a table walk. True when a
    // table row was read and Get(false) continues the walk. Raises the layer's exception;
    // does nothing and returns false while `enabled` is 0.
    bool Get(bool first);
    // The same, sent asynchronously; the outcome goes to onDone. Raises only for failures
    // before or at the send.
    void GetAsync(const QzSNMPDoneEvent& onDone, bool first);
    // A set of the writable items. itemList ("0,2"): only these items take part, values (when
    // given) holds their value texts in list order; the list is as before when the call
    // returns. With readBack the reply's values are stored into the sent items.
    bool Set(bool readBack, const AnsiString& itemList = AnsiString(), TStrings* values = nullptr);
    void SetAsync(const QzSNMPDoneEvent& onDone, bool readBack, const AnsiString& itemList = AnsiString(),
                  TStrings* values = nullptr);
    // Withdraws the asynchronous reads still waiting for their answer: their completions never
    // come, and a late reply is dropped. A read whose completion is running is left to end.
    void WithdrawReads();

    // The last synchronous get was answered with objects missing (SNMPv2 noSuchObject or
    // noSuchInstance): it raised -102, as SNMPv1's noSuchName does, yet stored the values of
    // the objects that came back.
    bool MissedObjects() const { return missed_; }

    bool EvaluateOwnCondition() { return EvaluateCondition(condition); }
    bool EvaluateConditionText(const AnsiString& text) { return EvaluateCondition(text); }

    // The list is a table (MVT_FMV, MVT_UMV), read by a get-next walk.
    bool IsTable() const;
    // The OID item i travels under: its OID, followed by "." and the list's instance when set.
    AnsiString ColumnOid(int i) const;
    // The row index of the key columns' values (slot 2), joined with ".".
    AnsiString RowIndexText();
    // Fills the key columns from a row index; raises -514 when it has too few parts. Returns
    // the leading parts the keys took (the whole index when the list has no keys).
    AnsiString SetKeysFromIndex(const AnsiString& rowIndex);
    // The row index last read or written, as it came over the wire. A table write whose key
    // columns still hold the values that index gave addresses that index, never one rebuilt
    // from the values: a key shown only in part (a string with a NUL, sub-identifiers above
    // 255) still names its own row.
    const AnsiString& HeldRowIndex() const { return heldIndex_; }
    // Holds a row index together with the key columns' present values; empty: none.
    void HoldRowIndex(const AnsiString& rowIndex);

    // ---- conversions, expressions and end of walk (the request's virtual operations) ----
    // Replaces every marker reference ("$3": item 3's value) in the expression.
    virtual AnsiString SubstituteValues(AnsiString expression, bool quoteTexts, AnsiString marker);
    // Stores key column i's value from the front of the index text; returns what remains.
    virtual AnsiString IndexToValue(int i, AnsiString indexText);
    // The index sub-identifiers of item i's value, as dotted text.
    virtual void ValueToIndex(int i, AnsiString* out);
    // Stores a received binding into item i's value text.
    virtual void VbToValue(int i, Vb* vb);
    // Fills a binding to send from item i's value text.
    virtual void ValueToVb(int i, Vb* vb);
    // Applies item i's read expression (reading) or write expression.
    virtual void ConvertByExpression(int i, bool reading);
    // A logical condition over the items' values; the empty text is true.
    virtual bool EvaluateCondition(AnsiString condition);
    // True when a column's walk has ended with newOid.
    virtual bool IsEndOfWalk(AnsiString columnOid, AnsiString previousOid, AnsiString newOid);

    unsigned char getNext = 0;  // an MVT_SV list is read with get-next instead of get
    int timeout = 0;            // hundredths of a second
    int retries = 1;
    QzSNMPDeviceRec device;
    QzSNMPScopeRec scope;
    QzSNMPSecurityRec security;
    QzSNMPVarList varList;
    AnsiString condition;
    unsigned char enabled = 1;  // 0: Get and Set do nothing
    int outstanding = 0;        // asynchronous exchanges sent and not yet answered

    // Clears the enabled flag and drops every exchange still waiting for its answer: none of
    // their callbacks will run. An exchange whose callback is running finishes as it stands.
    void Withdraw();

private:
    enum class Command { Get, GetNext, Set };
    struct AsyncContext;

    bool IsImpliedKey(int i) const;
    Command ReadCommand() const;
    std::unique_ptr<SnmpTarget> BuildTarget() const;
    // What a PDU carries: the first read (a get, or the first get-next step of a table), the
    // next get-next step from the OIDs last read, or a set.
    enum class PduStep { FirstRead, NextRead, Set };
    // Fills pdu for the step; returns the item of each binding, in order.
    std::vector<int> BuildPdu(Pdu& pdu, PduStep step);
    // Marks the items of a partial set and applies the write expressions.
    void PrepareSet(const AnsiString& itemList, TStrings* values);
    // Stores a reply into the items; true when a table row was read.
    bool ReadReply(Pdu& reply, int code, const AnsiString& message, const std::vector<int>& items);
    bool ReadSetReply(Pdu& reply, const std::vector<int>& items);
    int Send(Command command, Pdu& pdu, const SnmpTarget& target);
    void ForgetAddressAfter(int status) const;
    void SendAsync(Command command, Pdu& pdu, const SnmpTarget& target, std::unique_ptr<AsyncContext> context);
    static void Callback(int reason, Snmp* session, Pdu& pdu, SnmpTarget& target, void* data);
    void OnAsyncResponse(int reason, Pdu& pdu, SnmpTarget& target, AsyncContext& context);

    std::vector<AsyncContext*> pending_;  // one per outstanding exchange
    AnsiString heldIndex_;
    std::vector<AnsiString> heldKeys_;
    AnsiString writeIndex_;  // the held index, when the keys of the write being built still hold it
    bool destroying_ = false;
    bool missed_ = false;
};
