#include "common/qzexpression.h"

#include "common/qzmessages.h"
#include "platform/ui/datetime.h"
#include "platform/ui/sysutils.h"

namespace {

bool IsNow(const AnsiString& s) { return s.UpperCase() == "NOW"; }

// The position of the ")" that closes the "(" at `open` (1-based); 0 when it is never closed.
int ClosingBracket(const AnsiString& e, int open)
{
    int depth = 0;
    for (int i = open; i <= e.Length(); ++i) {
        char c = e[i];
        if (c == '(') ++depth;
        else if (c == ')' && --depth == 0) return i;
    }
    return 0;
}

long double Atom(const AnsiString& s)
{
    if (IsNow(s)) return Now();
    return LeadingDouble(s);
}

AnsiString Before(const AnsiString& e, int pos) { return e.SubString(1, pos - 1); }
AnsiString After(const AnsiString& e, int pos, int len = 1) { return e.SubString(pos + len, e.Length()); }

}  // namespace

long double EvalArithmetic(const AnsiString& e)
{
    if (int open = e.Pos("(")) {
        if (int close = ClosingBracket(e, open)) {
            long double inner = EvalArithmetic(e.SubString(open + 1, close - open - 1));
            return EvalArithmetic(Before(e, open) + AnsiString(static_cast<double>(inner)) + After(e, close));
        }
    }
    if (int p = e.Pos("+")) return EvalArithmetic(Before(e, p)) + EvalArithmetic(After(e, p));
    if (int p = e.Pos("-")) return EvalArithmetic(Before(e, p)) - EvalArithmetic(After(e, p));
    if (int p = e.Pos("*")) return Atom(Before(e, p)) * EvalArithmetic(After(e, p));
    if (int p = e.Pos("/")) return Atom(Before(e, p)) / EvalArithmetic(After(e, p));
    return Atom(e);
}

bool EvalLogical(const AnsiString& e)
{
    int q1 = e.Pos("\"");
    int q2 = 0;
    if (q1) {
        int next = After(e, q1).Pos("\"");
        if (next) q2 = q1 + next;
        else q1 = 0;
    }
    auto shielded = [q1, q2](int pos) { return q1 && q2 && pos > q1 && pos < q2; };

    int open = e.Pos("(");
    int close = open ? ClosingBracket(e, open) : 0;
    if (open && close && !shielded(open) && !shielded(close)) {
        bool inner = EvalLogical(e.SubString(open + 1, close - open - 1));
        return EvalLogical(Before(e, open) + (inner ? "true" : "false") + After(e, close));
    }
    int p = e.Pos("|");
    if (p && !shielded(p)) return EvalLogical(Before(e, p)) || EvalLogical(After(e, p));
    p = e.Pos("&");
    if (p && !shielded(p)) return EvalLogical(Before(e, p)) && EvalLogical(After(e, p));
    p = e.Pos("!");
    if (p && !shielded(p)) return !EvalLogical(e.SubString(2, e.Length()));
    return EvalComparison(e);
}

bool EvalComparison(const AnsiString& e)
{
    static const char* const kOperators[] = {"<>", ">=", "<=", ">", "<", "=", nullptr};
    AnsiString left, right;
    int op = FindFirstOperator(kOperators, e, left, right);
    if (op < 0) {
        AnsiString word = e.LowerCase();
        if (word == "true") return true;
        if (word == "false") return false;
        QzThrowCommon(qcBadLogicOperand);
    }
    auto side = [](const AnsiString& s) {
        AnsiString t = StripQuotes(s.Trim());
        return IsNow(t) ? AnsiString(Now()) : t;
    };
    int c = side(left).std().compare(side(right).std());  // bytes, as unsigned characters
    switch (op) {
    case 0: return c != 0;
    case 1: return c >= 0;
    case 2: return c <= 0;
    case 3: return c > 0;
    case 4: return c < 0;
    default: return c == 0;
    }
}

int FindFirstOperator(const char* const* operators, const AnsiString& e, AnsiString& left, AnsiString& right)
{
    for (int i = 0; operators && operators[i]; ++i) {
        AnsiString op(operators[i]);
        if (int p = e.Pos(op)) {
            left = Before(e, p);
            right = After(e, p, op.Length());
            return i;
        }
    }
    return -1;
}

AnsiString StripQuotes(const AnsiString& text)
{
    int n = text.Length();
    if (n > 0 && text[1] == '"' && text[n] == '"') return text.SubString(2, n - 2);
    return text;
}
