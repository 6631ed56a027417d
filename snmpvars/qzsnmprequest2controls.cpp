#include "snmpvars/qzsnmprequest2controls.h"

#include <QApplication>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <exception>

#include "common/qzmessages.h"
#include "platform/ui/comctrls.h"
#include "platform/ui/datetime.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/forms.h"
#include "platform/ui/stdctrls.h"
#include "snmpvars/qzsnmperror.h"
#include "snmpvars/qzsnmpsession.h"
#include "snmpvars/qzsnmpoctets.h"

// Marks the stretch in which the binding runs code that may process window messages.
class QzSNMPRequest2Controls::Inside {
public:
    explicit Inside(QzSNMPRequest2Controls* r) : r_(r), alive_(r->alive_) { r_->EnterHooks(); }
    ~Inside()
    {
        if (*alive_) r_->LeaveHooks();
    }
    Inside(const Inside&) = delete;
    Inside& operator=(const Inside&) = delete;

private:
    QzSNMPRequest2Controls* r_;
    std::shared_ptr<bool> alive_;
};

// While a synchronous read or write runs, the window messages it processes (a long walk keeps
// its window painted) start nothing on its form: presses of the mouse and of keys that reach
// the form are dropped, so no button starts a second write in the middle of the first.
class QzSNMPRequest2Controls::InputHeld : public QObject {
public:
    explicit InputHeld(TForm* owner) : form_(owner)
    {
        if (form_) qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::Shortcut:
        case QEvent::Wheel:
            break;
        default:
            return false;
        }
        auto* widget = qobject_cast<QWidget*>(watched);
        return widget && form_ && (widget == form_ || form_->isAncestorOf(widget));
    }

private:
    QPointer<QWidget> form_;
};

// Leaves the variables without a value out of one write: they carry the invalid flag while
// the request builds its PDU, and lose it again afterwards.
class QzSNMPRequest2Controls::Withheld {
public:
    explicit Withheld(QzSNMPRequest2Controls* r) : alive_(r->alive_), leftOut_(r->Request.varList)
    {
        QzSNMPVarList& list = r->Request.varList;
        const bool table = r->IsTableList();
        for (int i = 0; i < list.GetCount(); ++i) {
            if (table && i < list.keyCount) continue;  // keys travel in the row index
            if (list.IsWritable(i) && r->ValueMissing(i)) leftOut_.LeaveOut(i);
        }
    }
    ~Withheld()
    {
        if (!*alive_) leftOut_.Forget();  // the list went with the binding
    }
    Withheld(const Withheld&) = delete;
    Withheld& operator=(const Withheld&) = delete;

private:
    std::shared_ptr<bool> alive_;
    QzSNMPItemsLeftOut leftOut_;
};

QzSNMPRequest2Controls::QzSNMPRequest2Controls(TForm* owner)
    : Owner(owner), alive_(std::make_shared<bool>(true))
{
    if (owner) ownerAlive_ = static_cast<QObject*>(owner);
}

QzSNMPRequest2Controls::~QzSNMPRequest2Controls()
{
    *alive_ = false;
    Busy = false;
    if (hookDepth_ > 0) ReleaseOwnerClose();  // deleted from inside one of its own reads
}

void QzSNMPRequest2Controls::SetMessageControl(TMemo* memo)
{
    messageControl_ = memo;
    messageAlive_ = memo ? static_cast<QObject*>(memo) : nullptr;
}

void QzSNMPRequest2Controls::SetMessageControl(TStatusBar* bar)
{
    messageControl_ = bar;
    messageAlive_ = bar ? static_cast<QObject*>(bar) : nullptr;
}

void QzSNMPRequest2Controls::SetMessageControl(TStatusPanel* panel)
{
    messageControl_ = panel;
    messageAlive_ = panel ? static_cast<QObject*>(panel->Label()) : nullptr;
}

TObject* QzSNMPRequest2Controls::MessageControl() const { return messageAlive_ ? messageControl_ : nullptr; }

namespace {

// The read failure that the first panel of a bar shows, kept on the panel's label.
const char kReadFailure[] = "vrxReadFailure";

TStatusPanel* FirstShownPanel(TStatusBar* bar)
{
    return !bar->SimplePanel() && bar->Panels()->Count() > 0 ? bar->Panels()->Items(0) : nullptr;
}

// A read's success after a write keeps the write's outcome in view (forms read again after a
// refused write); it replaces only a read failure that the binding showed there itself.
bool ShowsReadFailure(TStatusBar* bar)
{
    TStatusPanel* first = FirstShownPanel(bar);
    if (!first) return false;
    const QVariant shown = first->Label()->property(kReadFailure);
    return shown.isValid() && shown.toString().toStdString() == first->Text().std();
}

void NoteReadFailure(TStatusBar* bar, const AnsiString& line)
{
    if (TStatusPanel* first = FirstShownPanel(bar))
        first->Label()->setProperty(kReadFailure, line.IsEmpty() ? QVariant() : QVariant(QString::fromStdString(line.std())));
}

}  // namespace

void QzSNMPRequest2Controls::ShowResult(const AnsiString& text)
{
    TObject* control = MessageControl();
    if (!control) return;
    AnsiString line = QzSNMPFormatTable.Text(LastOperation);
    const int e = line.Pos("[ERROR]");
    const int v = line.Pos("[VARLIST]");
    const AnsiString& description = Request.varList.description;
    if (description.IsEmpty()) {
        if (0 < e && e <= v) line.Delete(e + 7, v - e + 2);  // " Request:[VARLIST]"
    } else {
        line = ReplaceAll(line, "[VARLIST]", description);
    }
    line = ReplaceAll(line, "[ERROR]", text);
    line = ReplaceAll(line, "[TIME]", FormatDateTime("hh:nn:ss ampm", Now()));
    if (auto* memo = dynamic_cast<TMemo*>(control)) memo->Lines()->Add(line);
    else if (auto* bar = dynamic_cast<TStatusBar*>(control)) {
        const bool ok = text == QzSNMPOwnText(qzsOk);
        const bool read = LastOperation == 0;
        if (ok && read && !ShowsReadFailure(bar)) bar->SetSimpleText(line);
        else ShowOnBar(bar, line);
        NoteReadFailure(bar, !ok && read ? line : AnsiString());
    }
    else if (auto* panel = dynamic_cast<TStatusPanel*>(control)) panel->SetText(line);
}

// A bar that shows its panels hides its simple text; its first panel is where the form's
// own failures go, so the outcome goes there too and a success replaces an earlier failure.
void QzSNMPRequest2Controls::ShowOnBar(TStatusBar* bar, const AnsiString& line)
{
    bar->SetSimpleText(line);
    if (!bar->SimplePanel() && bar->Panels()->Count() > 0) bar->Panels()->Items(0)->SetText(line);
}

bool QzSNMPRequest2Controls::IsTableList() const { return Request.IsTable(); }

void QzSNMPRequest2Controls::ReportError(const AnsiString& message)
{
    if (MessageControl()) {
        ShowResult(message);
        return;
    }
    ProgramMessageBox(message, MB_OK);
}

void QzSNMPRequest2Controls::OnGetError(QzSNMPError* result)
{
    LastOperation = 0;
    ReportError(result->message);
}

void QzSNMPRequest2Controls::OnSetError(QzSNMPError* result)
{
    LastOperation = 1;
    ReportError(result->message);
}

// ---- reading ----

// Two walks into one list would each empty it and fill it with parts of both.
void QzSNMPRequest2Controls::EndRunningWalk()
{
    ++walk_;
    Request.WithdrawReads();
}

void QzSNMPRequest2Controls::Get()
{
    if (withdrawn_) return;
    LastOperation = 0;
    if (IsTableList()) EndRunningWalk();
    const unsigned walk = walk_;
    BeforeGet();
    if (Mode == 0) {
        std::shared_ptr<bool> alive = alive_;
        Inside inside(this);
        InputHeld held(ownerAlive_ ? Owner : nullptr);
        Busy = true;
        try {
            if (!IsTableList()) {
                try {
                    Request.Get(true);
                } catch (const Exception&) {
                    if (Request.MissedObjects()) ShowWhatCameBack();
                    throw;
                }
                if (Request.EvaluateOwnCondition()) OnRowReceived();
                if (!*alive || withdrawn_) return;
            } else {
                bool row = Request.Get(true);
                while (row) {
                    if (Request.EvaluateOwnCondition()) {
                        OnRowReceived();
                        if (!*alive || withdrawn_ || walk != walk_) return;  // withdrawn, or a newer walk owns the list
                    }
                    row = Request.Get(false);
                }
            }
            AfterGet();
            Busy = false;
            if (MessageControl()) ShowResult(QzSNMPOwnText(qzsOk));
        } catch (...) {
            if (*alive) Busy = false;
            throw;
        }
    } else if (Mode == 1) {
        Busy = true;
        if (!Request.enabled) {
            Busy = false;
            return;
        }
        try {
            Request.GetAsync(QzSNMPDoneEvent(this, &QzSNMPRequest2Controls::GetCompleted), true);
        } catch (...) {
            Busy = false;
            throw;
        }
    }
}

void QzSNMPRequest2Controls::GetCompleted(QzSNMPError& result, QzSNMPVarList&)
{
    if (withdrawn_) return;
    std::shared_ptr<bool> alive = alive_;
    const unsigned walk = walk_;
    Inside inside(this);
    if (result.code != 0) {
        if (result.missed) ShowWhatCameBack();
        if (!*alive) return;
        Busy = OthersOutstanding();
        OnGetError(&result);
        if (*alive) Fire(OnGetDone, result);
        return;
    }
    try {
        if (!IsTableList()) {
            if (Request.EvaluateOwnCondition()) OnRowReceived();
            if (!*alive || withdrawn_) return;
        } else if (!result.done) {
            if (Request.EvaluateOwnCondition()) OnRowReceived();
            if (!*alive || withdrawn_ || walk != walk_) return;  // withdrawn, or a newer walk owns the list
            if (Request.enabled) {
                Request.GetAsync(QzSNMPDoneEvent(this, &QzSNMPRequest2Controls::GetCompleted), false);
                return;  // the walk goes on
            }
        }
    } catch (const Exception& e) {
        if (*alive && walk == walk_) ReadFailed(e.Message, e.HelpContext);
        return;
    } catch (const std::exception& e) {
        if (*alive && walk == walk_) ReadFailed(e.what(), QzSNMPOwnCode(qzsBadPartValue));
        return;
    }
    FinishGet(result);
}

// A get that lacked some objects fails, yet the objects that came back are shown.
void QzSNMPRequest2Controls::ShowWhatCameBack()
{
    try {
        if (Request.EvaluateOwnCondition()) OnRowReceived();
    } catch (const Exception&) {
        // The read's own failure is the one reported.
    }
}

void QzSNMPRequest2Controls::FinishGet(QzSNMPError& result)
{
    std::shared_ptr<bool> alive = alive_;
    AfterGet();
    if (!*alive || withdrawn_) return;
    Busy = OthersOutstanding();
    LastOperation = 0;
    if (MessageControl()) ShowResult(QzSNMPOwnText(qzsOk));
    Fire(OnGetDone, result);
}

// Called from a completion, whose own exchange still counts as outstanding: a form may send a
// write and a read at once, and the binding stays busy until the last of them is answered.
bool QzSNMPRequest2Controls::OthersOutstanding() const { return Mode == 1 && Request.outstanding > 1; }

// Runs a copy: a handler may delete this object, and its own closure with it.
void QzSNMPRequest2Controls::Fire(QzSNMPControlsDoneEvent event, QzSNMPError& result)
{
    if (withdrawn_) return;
    FireEvent(event, this, &result);
}

// A row that could not be taken ends the read with its error; no done event follows.
void QzSNMPRequest2Controls::ReadFailed(const AnsiString& message, int code)
{
    Busy = OthersOutstanding();
    LastOperation = 0;
    QzSNMPError error;
    error.code = code;
    error.message = message;
    error.done = true;
    OnGetError(&error);
}

// ---- writing ----

void QzSNMPRequest2Controls::Set(bool refreshAfterSet, bool prepare, const AnsiString& itemList, TStrings* values)
{
    if (withdrawn_) return;
    LastOperation = 1;
    RefreshAfterSet = refreshAfterSet;
    BeforeSet();
    if (prepare) PrepareSet();
    if (Mode == 0) {
        std::shared_ptr<bool> alive = alive_;
        Inside inside(this);
        InputHeld held(ownerAlive_ ? Owner : nullptr);
        Busy = true;
        try {
            {
                Withheld withheld(this);
                Request.Set(false, itemList, values);
            }
            AfterSet();
            Busy = false;
            if (MessageControl()) ShowResult(QzSNMPOwnText(qzsOk));
        } catch (...) {
            if (*alive) Busy = false;
            throw;
        }
        if (IsTableList() && RefreshAfterSet) Get();
    } else if (Mode == 1) {
        Busy = true;
        if (!Request.enabled) {
            Busy = false;
            return;
        }
        try {
            Withheld withheld(this);
            Request.SetAsync(QzSNMPDoneEvent(this, &QzSNMPRequest2Controls::SetCompleted), false, itemList, values);
        } catch (...) {
            Busy = false;
            throw;
        }
    }
}

void QzSNMPRequest2Controls::SetCompleted(QzSNMPError& result, QzSNMPVarList&)
{
    if (withdrawn_) return;
    std::shared_ptr<bool> alive = alive_;
    Inside inside(this);
    if (result.code != 0) {
        Busy = OthersOutstanding();
        OnSetError(&result);
        if (*alive) Fire(OnSetDone, result);
        return;
    }
    AfterSet();
    if (!*alive || withdrawn_) return;
    Busy = OthersOutstanding();
    LastOperation = 1;
    if (MessageControl()) ShowResult(QzSNMPOwnText(qzsOk));
    Fire(OnSetDone, result);
    if (!*alive || !IsTableList() || !RefreshAfterSet) return;
    try {
        Get();
    } catch (const Exception& e) {
        if (*alive) ReadFailed(e.Message, e.HelpContext);
    }
}

// ---- closing ----

bool QzSNMPRequest2Controls::StopAndWait()
{
    Request.enabled = 0;
    // Nested in this binding's own read or write, or in any reply handler: nothing can end
    // the read while we are here.
    if (Busy && (hookDepth_ > 0 || QzSNMPInsidePump())) return false;
    std::shared_ptr<bool> alive = alive_;
    while (*alive && Busy) {
        Application->ProcessMessages();
        if (*alive && Busy) Sleep(1);
    }
    return true;
}

void QzSNMPRequest2Controls::Withdraw()
{
    withdrawn_ = true;
    Request.Withdraw();
    Busy = false;
}

// ---- closing the owner form while the binding processes messages ----

void QzSNMPRequest2Controls::EnterHooks()
{
    if (hookDepth_++ > 0 || !ownerAlive_) return;
    savedCloseQuery_ = Owner->OnCloseQuery;
    Owner->OnCloseQuery = TCloseQueryEvent(this, &QzSNMPRequest2Controls::OwnerCloseQuery);
}

void QzSNMPRequest2Controls::LeaveHooks()
{
    if (--hookDepth_ == 0) ReleaseOwnerClose();
}

// The form's own questions come when the close is made again.
void QzSNMPRequest2Controls::OwnerCloseQuery(TObject*, bool& CanClose)
{
    CanClose = false;
    if (!closeDeferred_) {
        closeDeferred_ = true;
        deferredResult_ = Owner->ModalResult();
        enabledBeforeClose_ = Request.enabled;
    }
    Request.enabled = 0;  // the read ends at its next step
}

void QzSNMPRequest2Controls::ReleaseOwnerClose()
{
    hookDepth_ = 0;
    if (!ownerAlive_) return;
    if (Owner->OnCloseQuery == TCloseQueryEvent(this, &QzSNMPRequest2Controls::OwnerCloseQuery))
        Owner->OnCloseQuery = savedCloseQuery_;
    savedCloseQuery_ = nullptr;
    if (!closeDeferred_) return;
    closeDeferred_ = false;
    Request.enabled = enabledBeforeClose_;
    QPointer<TForm> form(Owner);
    const int result = deferredResult_;
    QTimer::singleShot(0, Owner, [form, result] {
        if (!form) return;
        if (result != mrNone) form->SetModalResult(result);
        else form->Close();
    });
}

// ---- value octets ----

OctetStr QzSNMPRequest2Controls::TextToOctets(const AnsiString& valueText, int syntax)
{
    return QzSNMPTextToOctets(valueText, syntax);
}

AnsiString QzSNMPRequest2Controls::OctetsToText(const OctetStr& octets, int syntax)
{
    return QzSNMPOctetsToText(octets, syntax);
}

OctetStr QzSNMPRequest2Controls::ExtractPart(const OctetStr& octets, int offset, int syntax)
{
    return QzSNMPExtractPart(octets, offset, syntax);
}
