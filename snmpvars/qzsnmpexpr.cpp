// The request's expressions over its own values: substitution of item references, read and
// write expressions, conditions, and the end of a column's walk.
#include <cmath>
#include <cstdint>

#include "common/qzexpression.h"
#include "common/qzoptionlist.h"
#include "platform/snmp/smival.h"
#include "platform/ui/datetime.h"
#include "snmpvars/qzsnmpvaluetext.h"
#include "snmpvars/qzsnmperror.h"
#include "snmpvars/qzsnmprequest.h"

using namespace qzsnmp;

AnsiString QzSNMPRequest::SubstituteValues(AnsiString expression, bool quoteTexts, AnsiString marker)
{
    AnsiString t = expression;
    if (marker.IsEmpty()) return t;
    int from = 1;  // the search goes on behind each inserted value, so a value never is read again
    for (;;) {
        int found = t.SubString(from, t.Length()).Pos(marker);
        if (!found) return t;
        int p = from + found - 1;
        int end = p + marker.Length();
        long long n = 0;
        bool tooBig = false;
        while (end <= t.Length() && t[end] >= '0' && t[end] <= '9') {
            n = n * 10 + (t[end] - '0');
            if (n > varList.GetCount()) tooBig = true, n = varList.GetCount();
            ++end;
        }
        t.Delete(p, end - p);
        // A reference beyond the list names no value.
        if (tooBig || n >= varList.GetCount()) QzSNMPThrowOwn(qzsNullInExpression);
        const QzSNMPVarItem& item = varList.Items(static_cast<int>(n));
        AnsiString v = *item.value;
        if (item.options) v = item.options->LabelToValue(v);
        if (v == kNullText) QzSNMPThrowOwn(qzsNullInExpression);
        AnsiString r;
        switch (item.syntax) {
        case sxBoolean:
        case sxBool8:
        case sxBool16:
            r = v == "true" ? "1" : "0";
            break;
        case sxInteger:
        case sxCounter:
        case sxGauge:
        case sxUInteger:
        case sxCounter64:
        case sxDouble:
        case sxInt8:
        case sxUInt8:
        case sxInt16:
        case sxUInt16:
            r = v;
            break;
        case sxTimeTicks:
            r = AnsiString(TimeTicks(v.c_str()).value());
            break;
        case sxBcdDateTime:
            r = FormatDouble(ParseBcdDateTime(v));
            break;
        default:
            if (!quoteTexts) QzSNMPThrowOwn(qzsBadSyntaxInExpression);
            r = AnsiString("\"") + v + "\"";
            break;
        }
        t.Insert(r, p);
        from = p + r.Length();
    }
}

void QzSNMPRequest::ConvertByExpression(int i, bool reading)
{
    QzSNMPVarItem& item = varList.Items(i);
    const char* x = reading ? item.readExpression : item.writeExpression;
    if (!x) return;
    long double d = EvalArithmetic(SubstituteValues(x, false, "$"));
    AnsiString text;
    switch (item.syntax) {
    case sxBoolean:
        text = d == 0.0L ? "false" : "true";
        break;
    case sxInteger:
        text = AnsiString(static_cast<int>(static_cast<uint32_t>(WrapToUInt64(d))));
        break;
    case sxCounter:
    case sxGauge:
    case sxUInteger:
        text = AnsiString(static_cast<uint32_t>(WrapToUInt64(d)));
        break;
    case sxCounter64:
        text = AnsiString(std::to_string(WrapToUInt64(d)));
        break;
    case sxDouble:
        text = FormatDouble(static_cast<double>(d));
        break;
    case sxTimeTicks:
        text = AnsiString(TimeTicks(static_cast<uint32_t>(WrapToUInt64(d))).get_printable());
        break;
    case sxBcdDateTime:
        text = FormatBcdDateTime(static_cast<double>(d));
        break;
    default:
        QzSNMPThrowOwn(qzsBadSyntaxInExpression);
    }
    if (item.options) text = item.options->ValueToLabel(text);
    *item.value = text;
}

bool QzSNMPRequest::EvaluateCondition(AnsiString condition)
{
    if (condition.IsEmpty()) return true;
    return EvalLogical(SubstituteValues(condition, true, "$"));
}

namespace {

// The order of a get-next walk over two dotted OIDs, sub-identifier by sub-identifier.
int CompareDotted(const char* a, const char* b)
{
    for (;;) {
        if (!*a || !*b) return (*a ? 1 : 0) - (*b ? 1 : 0);
        uint64_t x = 0, y = 0;
        while (*a >= '0' && *a <= '9') x = x * 10 + static_cast<uint64_t>(*a++ - '0');
        while (*b >= '0' && *b <= '9') y = y * 10 + static_cast<uint64_t>(*b++ - '0');
        if (x != y) return x < y ? -1 : 1;
        if (*a) ++a;  // the dot
        if (*b) ++b;
    }
}

}  // namespace

bool QzSNMPRequest::IsEndOfWalk(AnsiString columnOid, AnsiString previousOid, AnsiString newOid)
{
    if (varList.listType == SVT_SV || varList.listType == MVT_SV) return false;
    // The instance must lie under the column ("1.2" never continues into "1.20") ...
    const std::string& c = columnOid.std();
    const std::string& o = newOid.std();
    if (o.size() <= c.size() + 1 || o.compare(0, c.size(), c) != 0 || o[c.size()] != '.') return true;
    // ... and come after the previous one, so that an agent that repeats or goes back can
    // never make the walk loop.
    const char* previous = previousOid.IsEmpty() ? c.c_str() : previousOid.c_str();
    return CompareDotted(previous, o.c_str()) >= 0;
}
