#include "common/qzeditconstraint.h"

#include <cctype>
#include <cstring>
#include <cfloat>
#include <climits>
#include <memory>

#include "common/qzmessages.h"
#include "common/qznumlist.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/stdctrls.h"

namespace {

const char* const kNotDone = "(NOTDONE)";
const char* const kNull = "(NULL)";

// True while a refused edit takes the focus back: the control that was about to receive the
// focus loses it again without ever having been entered, and that is no exit of its own.
bool gRefocusing = false;

[[noreturn]] void BadSpecifier() { QzThrowCommon(qcBadConstraintSpecifier); }

// The run of characters from `allowed` that starts at position i (1-based), stopping before
// position end; i moves past it.
AnsiString Run(const AnsiString& s, int& i, int end, const char* allowed)
{
    int start = i;
    while (i < end && std::strchr(allowed, s[i]) && s[i] != '\0') ++i;
    return s.SubString(start, i - start);
}

int DigitsItem(const AnsiString& s, int& i, int end)
{
    AnsiString digits = Run(s, i, end, "0123456789");
    int v = digits.IsEmpty() ? -1 : digits.ToIntDef(-1);
    if (v < 0) BadSpecifier();
    return v;
}

double NumberItem(const AnsiString& s, int& i, int end)
{
    AnsiString number = Run(s, i, end, "-0123456789.");
    if (number.IsEmpty()) BadSpecifier();
    return number.ToDouble();  // a run such as 1.2.3 raises the conversion error
}

// Fills the record's rule from one specifier; returns the width item (0 when none).
int ParseSpec(const AnsiString& s, _EditConstraint_s& r)
{
    const int L = s.Length();
    if (L < 2 || s[1] != '%') BadSpecifier();
    r.type = s[2];
    int p = 3;
    switch (r.type) {
    case 'i':
        r.min = -2147483648.0;
        r.max = 2147483647.0;
        break;
    case 'u':
        r.min = 0;
        r.max = 4294967295.0;
        break;
    case 'n':
        if (L == 2) BadSpecifier();
        r.delimiter = s[3];
        p = 4;
        [[fallthrough]];
    case 'f':
    case 'h':
    case 's':
        r.min = DBL_MIN;
        r.max = DBL_MAX;
        break;
    default:
        BadSpecifier();
    }
    int width = 0;
    if (L < p) return width;
    if (s[p] != '{' || s[L] != '}') BadSpecifier();
    int i = p + 1;
    while (i < L) {
        char item = s[i++];
        switch (item) {
        case 'w':
            width = DigitsItem(s, i, L);
            break;
        case 'n':
            r.min = NumberItem(s, i, L);
            break;
        case 'x':
            r.max = NumberItem(s, i, L);
            break;
        case 'l':
            r.length = DigitsItem(s, i, L);
            for (int k = 0; k < 3 && i < L; ++k, ++i) {
                char f = s[i];
                if (f == 'a') r.flags += QzEditConstraint::AdvanceWhenFull;
                else if (f == 'f') r.flags += QzEditConstraint::ExactLength;
                else if (f == 'n') r.flags += QzEditConstraint::NotEmpty;
                else break;
            }
            break;
        case 'e':
            if (i >= L) BadSpecifier();
            r.endChar = s[i++];
            break;
        default:
            BadSpecifier();
        }
    }
    return width;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether the type allows c after the characters already kept.
bool Allowed(const _EditConstraint_s& r, const std::string& kept, char c)
{
    switch (r.type) {
    case 'i':
        return IsDigit(c) || (c == '-' && kept.empty());
    case 'u':
        return IsDigit(c);
    case 'f':
        return IsDigit(c) || (c == '-' && kept.empty()) || (c == '.' && kept.find('.') == std::string::npos);
    case 'h':
        return std::isxdigit(static_cast<unsigned char>(c)) != 0;
    case 'n':
        return IsDigit(c) || (c == r.delimiter && !kept.empty() && kept.back() != r.delimiter);
    default:
        return true;
    }
}

// The text without its end characters and without the characters the type refuses, in one
// pass. Removing the first refused character again and again until none is left gives the same
// text: whether a character is allowed depends only on the characters kept before it.
struct Filtered {
    std::string text;
    int endChars = 0;
    int refused = 0;
};

Filtered Filter(const _EditConstraint_s& r, const std::string& text)
{
    Filtered out;
    out.text.reserve(text.size());
    for (char c : text) {
        if (r.endChar && c == r.endChar) ++out.endChars;
        else if (!Allowed(r, out.text, c)) ++out.refused;
        else out.text += c;
    }
    return out;
}

bool HasDigit(const AnsiString& text)
{
    for (char c : text.std())
        if (IsDigit(c)) return true;
    return false;
}

// A bound of a number-list field as an unsigned 32-bit number (truncated, clamped).
unsigned int UnsignedBound(double d)
{
    if (!(d > 0)) return 0;
    if (d >= 4294967295.0) return UINT_MAX;
    return static_cast<unsigned int>(d);
}

AnsiString Message(QzCommonMessage index) { return QzCommonMessageTable.Text(index); }

TCustomEdit* AsEdit(TObject* sender) { return dynamic_cast<TCustomEdit*>(sender); }

}  // namespace

QzEditConstraint::QzEditConstraint(TWinControl* owner, bool keepLastValid)
    : owner_(owner), keepLastValid_(keepLastValid), records_(new TList), alive_(std::make_shared<bool>(true))
{
}

QzEditConstraint::~QzEditConstraint()
{
    *alive_ = false;
    // Newest first, so an edit registered twice ends with the handlers it had before the first.
    for (int i = records_->Count() - 1; i >= 0; --i) {
        auto* r = static_cast<_EditConstraint_s*>(records_->Get(i));
        if (r->alive) {
            r->edit->OnChange = r->savedOnChange;
            r->edit->OnExit = r->savedOnExit;
        }
        delete r;
    }
    delete records_;
}

void QzEditConstraint::Add(const AnsiString& spec, TCustomEdit* edit)
{
    auto r = std::make_unique<_EditConstraint_s>();
    int width = ParseSpec(spec, *r);
    if (!edit) return;
    // Records of edits that no longer exist can never be found again.
    for (int i = records_->Count() - 1; i >= 0; --i) {
        auto* old = static_cast<_EditConstraint_s*>(records_->Get(i));
        if (!old->alive) {
            records_->Delete(i);
            delete old;
        }
    }
    r->edit = edit;
    r->alive = static_cast<QLineEdit*>(edit);
    if (width > 0) edit->SetWidth(width);
    edit->SetMaxLength(r->length);
    r->savedOnChange = edit->OnChange;
    r->savedOnExit = edit->OnExit;
    records_->Add(r.release());
    edit->OnChange = TNotifyEvent(this, &QzEditConstraint::EditChange);
    edit->OnExit = TNotifyEvent(this, &QzEditConstraint::EditExit);
}

void QzEditConstraint::AddMulti(const AnsiString& format, TList* edits)
{
    if (!edits) ListIndexError(0);
    const std::string& f = format.std();
    size_t start = 0;
    for (int k = 0; start < f.size(); ++k) {
        size_t next = f.find('%', start + 1);
        if (next == std::string::npos) next = f.size();
        AnsiString piece(f.substr(start, next - start));
        Add(piece, static_cast<TCustomEdit*>(edits->Get(k)));
        start = next;
    }
}

void QzEditConstraint::Remove(TCustomEdit* edit)
{
    _EditConstraint_s* r = FindRecord(records_, edit);
    if (!r) return;
    edit->OnChange = r->savedOnChange;
    edit->OnExit = r->savedOnExit;
    records_->Remove(r);
    delete r;
}

void QzEditConstraint::SaveValidText(TCustomEdit* edit)
{
    if (_EditConstraint_s* r = FindRecord(records_, edit)) r->lastValid = edit->Text();
}

_EditConstraint_s* QzEditConstraint::FindRecord(TList* records, TCustomEdit* edit)
{
    if (!records || !edit) return nullptr;
    for (int i = 0; i < records->Count(); ++i) {
        auto* r = static_cast<_EditConstraint_s*>(records->Get(i));
        if (r->edit == edit && r->alive) return r;
    }
    return nullptr;
}

void QzEditConstraint::AdvanceFocus(TCustomEdit* edit)
{
    if (owner_) owner_->PostFocusNext();
    else edit->PostFocusNext();
}

void QzEditConstraint::EditChange(TObject* Sender)
{
    TCustomEdit* edit = AsEdit(Sender);
    if (!edit) return;
    AnsiString text = edit->Text();
    // The layer's texts for values not read yet or absent pass untouched.
    if (text == kNotDone || text == kNull) return;
    _EditConstraint_s* r = FindRecord(records_, edit);
    if (!r || text.IsEmpty()) return;
    std::shared_ptr<bool> alive = alive_;

    // A pasted text may hold any number of such characters: they all go in one pass, and the
    // one change that raises is clean, so nothing recurses once per character.
    const Filtered kept = Filter(*r, text.std());
    if (kept.endChars > 0 || kept.refused > 0) {
        QPointer<QObject> editAlive = r->alive;
        edit->SetText(AnsiString(kept.text));
        if (!*alive) return;
        for (int k = 0; k < kept.refused; ++k) Beep(1000, 200);
        if (kept.endChars > 0 && editAlive) AdvanceFocus(edit);
        return;
    }
    const short flags = r->flags;
    const int length = r->length;
    TNotifyEvent previous = r->savedOnChange;
    if (previous) {
        previous(edit);
        if (!*alive || edit->Tag() == -1) return;  // -1: the previous handler vetoes the advance
    }
    if ((flags & AdvanceWhenFull) && length > 0 && text.Length() == length) AdvanceFocus(edit);
}

void QzEditConstraint::EditExit(TObject* Sender)
{
    if (gRefocusing) return;
    TCustomEdit* edit = AsEdit(Sender);
    if (!edit) return;
    AnsiString text = edit->Text();
    if (text == kNotDone || text == kNull) return;
    _EditConstraint_s* r = FindRecord(records_, edit);
    if (!r) return;

    if (text.IsEmpty()) {
        if (r->flags & NotEmpty) Fail(r, Message(qcEmptyValue));
        return;
    }
    switch (r->type) {
    case 'f':
    case 'i':
    case 'u': {
        // A text without a digit ("-", ".") is no number, not 0.
        double v = LeadingDouble(text);
        if (!HasDigit(text) || v < r->min || v > r->max) {
            AnsiString m = ReplaceAll(Message(qcNumberRange), "[MIN]", AnsiString(r->min));
            Fail(r, ReplaceAll(m, "[MAX]", AnsiString(r->max)));
            return;
        }
        break;
    }
    case 's':
    case 'h':
        if (r->length > 0) {
            bool isText = r->type == 's';
            if (r->flags & ExactLength) {
                if (text.Length() != r->length) {
                    Fail(r, ReplaceAll(Message(isText ? qcTextLength : qcHexLength), "[LEN]", AnsiString(r->length)));
                    return;
                }
            } else if (text.Length() > r->length) {
                Fail(r, ReplaceAll(Message(isText ? qcTextTooLong : qcHexTooLong), "[MAXLEN]", AnsiString(r->length)));
                return;
            }
        }
        break;
    case 'n': {
        QzNumList<unsigned int> list;
        list.delimiter = r->delimiter;
        list.Parse(text.c_str());
        AnsiString delimiter(r->delimiter);
        if (r->length > 0) {
            if (r->flags & ExactLength) {
                if (list.count != r->length) {
                    AnsiString m = ReplaceAll(Message(qcNumberCount), "[DELIMITER]", delimiter);
                    Fail(r, ReplaceAll(m, "[COUNT]", AnsiString(r->length)));
                    return;
                }
            } else if (list.count > r->length) {
                AnsiString m = ReplaceAll(Message(qcNumberCountTooHigh), "[DELIMITER]", delimiter);
                Fail(r, ReplaceAll(m, "[MAXCOUNT]", AnsiString(r->length)));
                return;
            }
        }
        unsigned int lo = UnsignedBound(r->min), hi = UnsignedBound(r->max);
        if (!list.InRange(lo, hi)) {
            AnsiString m = ReplaceAll(Message(qcNumberListRange), "[DELIMITER]", delimiter);
            m = ReplaceAll(m, "[MIN]", AnsiString(lo));
            Fail(r, ReplaceAll(m, "[MAX]", AnsiString(hi)));
            return;
        }
        break;
    }
    default:
        break;
    }

    TNotifyEvent previous = r->savedOnExit;
    if (previous) {
        std::shared_ptr<bool> alive = alive_;
        previous(edit);
        if (!*alive) return;
        r = FindRecord(records_, edit);
        if (!r) return;
        if (edit->Tag() == -1) {  // the previous handler refused the value
            edit->SetText(r->lastValid);
            return;
        }
    }
    if (keepLastValid_) SaveValidText(edit);
}

void QzEditConstraint::Fail(_EditConstraint_s* r, const AnsiString& message)
{
    QPointer<QObject> alive = r->alive;
    TCustomEdit* edit = r->edit;
    AnsiString lastValid = r->lastValid;
    ProgramMessageBox(message, MB_OK);
    if (!alive) return;
    edit->SetText(lastValid);
    gRefocusing = true;
    edit->SetFocus();
    gRefocusing = false;
}
