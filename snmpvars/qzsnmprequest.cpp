#include "snmpvars/qzsnmprequest.h"

#include <algorithm>
#include <chrono>

#include "common/qznumlist.h"
#include "platform/snmp/snmp.h"
#include "platform/ui/forms.h"
#include "snmpvars/qzsnmpvaluetext.h"
#include "snmpvars/qzsnmperror.h"

using namespace qzsnmp;

// One asynchronous exchange: created before the send, owned by the session's callback from
// then on (or by the request's destructor when it withdraws the exchange).
struct QzSNMPRequest::AsyncContext {
    QzSNMPRequest* request = nullptr;  // null once the request is gone
    QzSNMPDoneEvent onDone;
    unsigned char readBack = 1;
    Command command = Command::Get;
    std::vector<int> items;  // the item of each binding sent
    bool delivering = false;  // its callback is running
};

namespace {

const int kDestroyWaitMs = 6000;

Snmp& Session()
{
    if (!QzSNMPSession) QzSNMPThrowOwn(qzsCreateSession);
    return *QzSNMPSession;
}

// A context engine ID is given in hex ("800007E5..."); other text is taken as it stands.
OctetStr EngineId(const AnsiString& text)
{
    bool ok = false;
    OctetStr id = OctetStr::from_hex_string(text.std(), &ok);
    return ok ? id : OctetStr(text.std());
}

// Puts the variable list back as it was when it goes: the temporary flags and values of a
// set are dropped, whatever happens.
class KeptList {
public:
    explicit KeptList(QzSNMPVarList& list) : list_(list), kept_(list) {}
    ~KeptList() { list_ = kept_; }
    KeptList(const KeptList&) = delete;
    KeptList& operator=(const KeptList&) = delete;

private:
    QzSNMPVarList& list_;
    QzSNMPVarList kept_;
};

// The first binding (1-based) of a get's reply that names an object the agent lacks; 0 when
// none does. SNMPv2 answers such an object with an exception where SNMPv1 fails the reply.
int MissingObject(Pdu& reply)
{
    for (int k = 0; k < reply.get_vb_count(); ++k) {
        const int e = reply[k].get_exception_status();
        if (e == sNMP_SYNTAX_NOSUCHOBJECT || e == sNMP_SYNTAX_NOSUCHINSTANCE) return k + 1;
    }
    return 0;
}

}  // namespace

QzSNMPRequest::QzSNMPRequest() { LoadSettings(); }

QzSNMPRequest::~QzSNMPRequest()
{
    enabled = 0;
    destroying_ = true;
    // Replies are delivered by the pump, which cannot run inside one of this request's own
    // callbacks: only the exchanges not being delivered can still arrive.
    auto waiting = [this] {
        return std::count_if(pending_.begin(), pending_.end(), [](const AsyncContext* c) { return !c->delivering; });
    };
    // Destroyed inside the pump (another request's completion), nothing can arrive before
    // it returns: waiting would only freeze the window, so the exchanges are withdrawn now.
    const bool pumping = QzSNMPInsidePump();
    auto start = std::chrono::steady_clock::now();
    while (!pumping && waiting() > 0 &&
           std::chrono::steady_clock::now() - start < std::chrono::milliseconds(kDestroyWaitMs)) {
        Application->ProcessMessages();
        if (waiting() > 0) Sleep(1);
    }
    for (AsyncContext* c : pending_) {
        c->request = nullptr;
        if (c->delivering) continue;  // its callback deletes it
        if (QzSNMPSession) QzSNMPSession->cancel_all(c);
        delete c;
    }
}

namespace {

// Cancels the exchanges waiting for their answer that `keep` does not keep; one whose callback
// is running is always left to end.
template <class Pending, class Keep>
void DropPending(Pending& pending, int& outstanding, Keep keep)
{
    for (auto it = pending.begin(); it != pending.end();) {
        auto* c = *it;
        if (c->delivering || keep(c)) {
            ++it;
            continue;
        }
        if (QzSNMPSession) QzSNMPSession->cancel_all(c);
        delete c;
        it = pending.erase(it);
        --outstanding;
    }
}

}  // namespace

void QzSNMPRequest::Withdraw()
{
    enabled = 0;
    DropPending(pending_, outstanding, [](auto*) { return false; });
}

void QzSNMPRequest::LoadSettings()
{
    device = QzSNMPDevice;
    scope = QzSNMPScope;
    security = QzSNMPSecurity;
    timeout = QzSNMPTimeout;
}

AnsiString QzSNMPRequest::ColumnOid(int i) const
{
    AnsiString oid = varList.Items(i).oid;
    if (!varList.instance.IsEmpty()) oid += AnsiString(".") + varList.instance;
    return oid;
}

bool QzSNMPRequest::IsTable() const { return varList.listType == MVT_FMV || varList.listType == MVT_UMV; }

bool QzSNMPRequest::IsImpliedKey(int i) const
{
    return IsTable() && i == varList.keyCount - 1 && varList.IsImpliedIndex(i);
}

AnsiString QzSNMPRequest::RowIndexText()
{
    if (varList.keyCount > varList.GetCount()) ThrowShortIndex();
    AnsiString text;
    for (int k = 0; k < varList.keyCount; ++k) {
        AnsiString part;
        ValueToIndex(k, &part);
        if (k > 0) text += ".";
        text += part;
    }
    return text;
}

AnsiString QzSNMPRequest::SetKeysFromIndex(const AnsiString& rowIndex)
{
    if (varList.keyCount > varList.GetCount()) ThrowShortIndex();
    // No keys: the read index is all that names the row.
    if (varList.keyCount == 0) return rowIndex;
    AnsiString rest = rowIndex;
    for (int k = 0; k < varList.keyCount; ++k) {
        if (rest.IsEmpty()) ThrowShortIndex();
        if (!varList.IsReadable(k)) *varList.Items(k).lastOid = ColumnOid(k) + "." + rowIndex;
        rest = IndexToValue(k, rest);
    }
    if (rest.IsEmpty()) return rowIndex;
    // A column of another table may carry more index parts than the keys name (port.instance
    // read beside a table of ports): only the parts the keys took name the row.
    auto parts = [](const AnsiString& text) {
        int n = 1;
        for (int c = 1; c <= text.Length(); ++c)
            if (text[c] == '.') ++n;
        return n;
    };
    int keep = parts(rowIndex) - parts(rest);
    int end = 0;
    while (keep > 0 && end < rowIndex.Length())
        if (rowIndex[++end] == '.') --keep;
    return rowIndex.SubString(1, end - 1);
}

void QzSNMPRequest::HoldRowIndex(const AnsiString& rowIndex)
{
    heldIndex_ = rowIndex;
    heldKeys_.clear();
    if (rowIndex.IsEmpty()) return;
    for (int k = 0; k < varList.keyCount && k < varList.GetCount(); ++k)
        heldKeys_.push_back(*varList.Items(k).value);
}

QzSNMPRequest::Command QzSNMPRequest::ReadCommand() const
{
    switch (varList.listType) {
    case SVT_SV: return Command::Get;
    case MVT_SV: return getNext ? Command::GetNext : Command::Get;
    case MVT_FMV:
    case MVT_UMV: return Command::GetNext;
    default: QzSNMPThrowOwn(qzsBadListType);
    }
}

std::unique_ptr<SnmpTarget> QzSNMPRequest::BuildTarget() const
{
    UdpAddress address(device.address.std());
    address.set_port(device.port);
    if (!address.valid()) QzSNMPThrowOwn(qzsBadAddress);
    std::unique_ptr<SnmpTarget> target;
    if (security.version == version3) {
        auto u = std::make_unique<UTarget>(address);
        u->set_security_model(security.securityModel);
        u->set_security_name(OctetStr(security.securityName.std()));
        usmAddUserName(OctetStr(security.securityName.std()), security.authProtocol, security.privProtocol,
                       OctetStr(security.authPassword.std()), OctetStr(security.privPassword.std()));
        target = std::move(u);
    } else {
        target = std::make_unique<CTarget>(address, OctetStr(security.readCommunity.std()),
                                           OctetStr(security.writeCommunity.std()));
        target->set_version(static_cast<snmp_version>(security.version));
    }
    target->set_retry(retries);
    target->set_timeout(static_cast<unsigned long>(timeout));
    return target;
}

std::vector<int> QzSNMPRequest::BuildPdu(Pdu& pdu, PduStep step)
{
    pdu.set_security_level(security.securityLevel);
    pdu.set_context_name(OctetStr(scope.contextName.std()));
    pdu.set_context_engine_id(EngineId(scope.contextEngineID));
    const bool scalar = varList.listType == SVT_SV || varList.listType == MVT_SV;
    if (step == PduStep::NextRead && scalar) QzSNMPThrowOwn(qzsGetNextOfScalars);
    if (step == PduStep::Set && varList.listType > MVT_UMV) QzSNMPThrowOwn(qzsBadListType);
    std::vector<int> items;
    AnsiString rowIndex;
    bool haveRowIndex = false;
    for (int i = 0; i < varList.GetCount(); ++i) {
        QzSNMPVarItem& item = varList.Items(i);
        AnsiString oid = ColumnOid(i);
        Vb vb;
        if (step == PduStep::FirstRead) {
            if (!varList.IsReadable(i)) continue;
            item.lastOid->SetLength(0);
            if (varList.listType == SVT_SV) oid += ".0";
        } else if (step == PduStep::NextRead) {
            if (!varList.IsReadable(i)) continue;
            if (!item.lastOid->IsEmpty()) oid = *item.lastOid;
        } else {
            if (IsTable() && i < varList.keyCount) continue;
            if (!varList.IsWritable(i)) continue;
            if (varList.listType == SVT_SV) {
                oid += ".0";
            } else if (IsTable()) {
                if (!haveRowIndex) {
                    rowIndex = writeIndex_.IsEmpty() ? RowIndexText() : writeIndex_;
                    haveRowIndex = true;
                }
                oid += AnsiString(".") + rowIndex;
            }
        }
        vb.set_oid(Oid(oid.std()));
        if (step == PduStep::Set) ValueToVb(i, &vb);
        pdu += vb;
        items.push_back(i);
    }
    return items;
}

void QzSNMPRequest::PrepareSet(const AnsiString& itemList, TStrings* values)
{
    if (!itemList.IsEmpty()) {
        QzNumList<int> list;
        list.delimiter = ',';
        list.Parse(itemList.c_str());
        for (int i = 0; i < varList.GetCount(); ++i) {
            QzSNMPVarItem& item = varList.Items(i);
            int p = list.IndexOf(i);
            if (p < 0) {
                item.access |= acInvalid;
            } else {
                item.access &= ~acInvalid;
                if (values && p < values->Count()) *item.value = values->Get(p);
            }
        }
    }
    // Keys as they were read address the row read; keys changed address what they now say.
    bool held = IsTable() && !heldIndex_.IsEmpty() && static_cast<int>(heldKeys_.size()) == varList.keyCount;
    for (int k = 0; held && k < varList.keyCount; ++k)
        held = *varList.Items(k).value == heldKeys_[static_cast<size_t>(k)];
    writeIndex_ = held ? heldIndex_ : AnsiString();
    for (int i = 0; i < varList.GetCount(); ++i) ConvertByExpression(i, false);
}

bool QzSNMPRequest::ReadReply(Pdu& reply, int code, const AnsiString& message, const std::vector<int>& items)
{
    int ended = 0;
    AnsiString rowIndex;
    for (size_t k = 0; k < items.size(); ++k) {
        const int i = items[k];
        QzSNMPVarItem& item = varList.Items(i);
        Vb& vb = reply[static_cast<int>(k)];
        AnsiString newOid = vb.get_printable_oid();
        AnsiString column = ColumnOid(i);
        if (code != 0) {
            // noSuchName of an SNMPv1 get-next: the agent returns what it was asked. Asked for
            // what follows the table's last row (or the bare column of an empty table), the
            // table has ended.
            AnsiString asked = item.lastOid->IsEmpty() ? column : *item.lastOid;
            if (newOid == asked) return false;
            throw Exception(message, code);
        }
        // An agent that answers an OID not after the one asked goes backwards: the walk fails
        // there, keeping the rows before (endOfMibView repeats the OID asked, and ends it).
        if (IsTable() && vb.get_exception_status() != sNMP_SYNTAX_ENDOFMIBVIEW) {
            const AnsiString asked = item.lastOid->IsEmpty() ? column : *item.lastOid;
            if (!(Oid(asked.std()) < Oid(newOid.std()))) QzSNMPThrowStatus(SNMP_CLASS_INVALID_OID);
        }
        if (IsEndOfWalk(column, *item.lastOid, newOid)) {
            // The column stays parked on the last instance it gave (or on the bare column).
            ++ended;
            *item.value = kNotDoneText;
            if (item.lastOid->IsEmpty()) *item.lastOid = column;
            continue;
        }
        VbToValue(i, &vb);
        *item.lastOid = newOid;
        // The row's keys come from a column that has not ended.
        if (rowIndex.IsEmpty() && newOid.Length() > column.Length())
            rowIndex = newOid.SubString(column.Length() + 2, newOid.Length());
    }
    if (ended == static_cast<int>(items.size())) return false;
    AnsiString named;
    if (IsTable()) named = SetKeysFromIndex(rowIndex);
    for (int i = 0; i < varList.GetCount(); ++i) ConvertByExpression(i, true);
    if (IsTable()) HoldRowIndex(named);
    return IsTable();
}

bool QzSNMPRequest::ReadSetReply(Pdu& reply, const std::vector<int>& items)
{
    // A set's reply repeats the bindings sent: each belongs to the item it was sent for.
    AnsiString rowIndex;
    for (size_t k = 0; k < items.size(); ++k) {
        const int i = items[k];
        Vb& vb = reply[static_cast<int>(k)];
        AnsiString newOid = vb.get_printable_oid();
        AnsiString column = ColumnOid(i);
        VbToValue(i, &vb);
        *varList.Items(i).lastOid = newOid;
        if (rowIndex.IsEmpty() && newOid.Length() > column.Length() + 1 &&
            newOid.SubString(1, column.Length() + 1) == column + ".")
            rowIndex = newOid.SubString(column.Length() + 2, newOid.Length());
    }
    AnsiString named;
    if (IsTable() && !items.empty()) named = SetKeysFromIndex(rowIndex);
    for (int i = 0; i < varList.GetCount(); ++i) ConvertByExpression(i, true);
    if (IsTable() && !items.empty()) HoldRowIndex(named);
    return IsTable();
}

// A switch given by name is looked up once; when it stops answering it may have moved, so
// the next request looks it up again.
void QzSNMPRequest::ForgetAddressAfter(int status) const
{
    if (status == SNMP_CLASS_TIMEOUT || status == SNMP_CLASS_TL_FAILED) ForgetHostName(device.address.std());
}

int QzSNMPRequest::Send(Command command, Pdu& pdu, const SnmpTarget& target)
{
    Snmp& s = Session();
    int status = SNMP_CLASS_INVALID_OPERATION;
    switch (command) {
    case Command::Get: status = s.get(pdu, target); break;
    case Command::GetNext: status = s.get_next(pdu, target); break;
    case Command::Set: status = s.set(pdu, target); break;
    }
    ForgetAddressAfter(status);
    return status;
}

bool QzSNMPRequest::Get(bool first)
{
    if (!enabled) return false;
    auto target = BuildTarget();
    Pdu pdu;
    std::vector<int> items = BuildPdu(pdu, first ? PduStep::FirstRead : PduStep::NextRead);
    int status = Send(ReadCommand(), pdu, *target);
    AnsiString message;
    int code = QzSNMPGetErrorText(status, message);
    missed_ = false;
    if (code != 0 && !(code == qzsAgentNoSuchName && IsTable())) throw Exception(message, code);
    const bool row = ReadReply(pdu, code, message, items);
    if (ReadCommand() == Command::Get && MissingObject(pdu)) {
        missed_ = true;
        code = QzSNMPGetErrorText(SNMP_ERROR_NO_SUCH_NAME, message);
        throw Exception(message, code);
    }
    return row;
}

bool QzSNMPRequest::Set(bool readBack, const AnsiString& itemList, TStrings* values)
{
    if (!enabled) return false;
    int status;
    std::vector<int> items;
    Pdu pdu;
    {
        KeptList kept(varList);
        PrepareSet(itemList, values);
        auto target = BuildTarget();
        items = BuildPdu(pdu, PduStep::Set);
        status = Send(Command::Set, pdu, *target);
    }
    if (status != SNMP_CLASS_SUCCESS) QzSNMPThrowStatus(status);
    if (!readBack) return false;
    return ReadSetReply(pdu, items);
}

void QzSNMPRequest::SendAsync(Command command, Pdu& pdu, const SnmpTarget& target,
                              std::unique_ptr<AsyncContext> context)
{
    Snmp& s = Session();
    context->request = this;
    context->command = command;
    void* data = context.get();
    int status = SNMP_CLASS_INVALID_OPERATION;
    switch (command) {
    case Command::Get: status = s.get(pdu, target, &QzSNMPRequest::Callback, data); break;
    case Command::GetNext: status = s.get_next(pdu, target, &QzSNMPRequest::Callback, data); break;
    case Command::Set: status = s.set(pdu, target, &QzSNMPRequest::Callback, data); break;
    }
    // A failed send never calls back: the context goes with this function.
    ForgetAddressAfter(status);
    if (status != SNMP_CLASS_SUCCESS) QzSNMPThrowStatus(status);
    pending_.push_back(context.release());
    ++outstanding;
}

void QzSNMPRequest::GetAsync(const QzSNMPDoneEvent& onDone, bool first)
{
    if (!enabled) return;
    auto target = BuildTarget();
    Pdu pdu;
    auto context = std::make_unique<AsyncContext>();
    context->items = BuildPdu(pdu, first ? PduStep::FirstRead : PduStep::NextRead);
    context->onDone = onDone;
    context->readBack = 1;
    SendAsync(ReadCommand(), pdu, *target, std::move(context));
}

void QzSNMPRequest::SetAsync(const QzSNMPDoneEvent& onDone, bool readBack, const AnsiString& itemList,
                             TStrings* values)
{
    if (!enabled) return;
    auto context = std::make_unique<AsyncContext>();
    Pdu pdu;
    std::unique_ptr<SnmpTarget> target;
    {
        KeptList kept(varList);
        PrepareSet(itemList, values);
        target = BuildTarget();
        context->items = BuildPdu(pdu, PduStep::Set);
    }
    context->onDone = onDone;
    context->readBack = readBack ? 1 : 0;
    SendAsync(Command::Set, pdu, *target, std::move(context));
}

void QzSNMPRequest::WithdrawReads()
{
    DropPending(pending_, outstanding, [](auto* c) { return c->command == Command::Set; });
}

void QzSNMPRequest::Callback(int reason, Snmp*, Pdu& pdu, SnmpTarget& target, void* data)
{
    std::unique_ptr<AsyncContext> context(static_cast<AsyncContext*>(data));
    if (context->request) context->request->OnAsyncResponse(reason, pdu, target, *context);
}

void QzSNMPRequest::OnAsyncResponse(int reason, Pdu& pdu, SnmpTarget& target, AsyncContext& context)
{
    context.delivering = true;
    // However this ends, the exchange is over; the request may be gone by then (a completion
    // that deletes its own request).
    struct Finish {
        AsyncContext& c;
        ~Finish()
        {
            if (QzSNMPRequest* r = c.request) {
                auto it = std::find(r->pending_.begin(), r->pending_.end(), &c);
                if (it != r->pending_.end()) r->pending_.erase(it);
                --r->outstanding;
            }
        }
    } finish{context};
    if (reason == SNMP_CLASS_SESSION_DESTROYED || destroying_) return;

    QzSNMPError result;
    int status = reason == SNMP_CLASS_ASYNC_RESPONSE ? pdu.get_error_status() : reason;
    ForgetAddressAfter(status);
    result.code = QzSNMPGetErrorText(status, result.message);
    result.errorIndex = pdu.get_error_index();
    const UdpAddress& from = target.get_address();
    result.device.address = from.get_ip().get_printable();
    result.device.port = from.valid() ? from.get_port() : 0;

    const bool read = context.command != Command::Set;
    const bool tableEnd = read && IsTable() && result.code == qzsAgentNoSuchName;
    result.done = true;
    if ((result.code == 0 && context.readBack) || tableEnd) {
        try {
            bool row = read ? ReadReply(pdu, result.code, result.message, context.items)
                            : ReadSetReply(pdu, context.items);
            result.done = !row;
            if (tableEnd) result.code = QzSNMPGetErrorText(0, result.message);
            const int missing = context.command == Command::Get ? MissingObject(pdu) : 0;
            if (missing) {
                result.code = QzSNMPGetErrorText(SNMP_ERROR_NO_SUCH_NAME, result.message);
                result.errorIndex = missing;
                result.missed = true;
                result.done = true;
            }
        } catch (const Exception& e) {
            // A reply that cannot be stored ends the exchange with its error.
            result.code = e.HelpContext ? e.HelpContext : QzSNMPOwnCode(qzsBadPartValue);
            result.message = e.Message;
            result.done = true;
        }
    }
    QzSNMPDoneEvent onDone = context.onDone;
    onDone(result, varList);
}
