// Small evaluators over plain text: arithmetic formulas and logical conditions.
#pragma once

#include "platform/ui/ansistring.h"

// "+" binds weakest, then "-", "*", "/"; every operator groups to the right; brackets group.
// An atom is NOW (the current local time as a day count) or the leading number of its text
// (0 when none).
long double EvalArithmetic(const AnsiString& expression);

// Comparisons joined by "|", "&" and "!" (weakest first), with brackets; the first pair of
// double quotes shields the operators inside it.
bool EvalLogical(const AnsiString& expression);

// One comparison ("<>", ">=", "<=", ">", "<", "=") of two texts, compared byte by byte, or the
// bare word true or false; anything else throws the common library's "Bad logic operand!".
bool EvalComparison(const AnsiString& expression);

// The first operator of the null-ended list (in list order) that occurs in the expression,
// with the texts before and after its first occurrence; -1 (left and right untouched) when
// none occurs.
int FindFirstOperator(const char* const* operators, const AnsiString& expression, AnsiString& left,
                      AnsiString& right);

// The text without a pair of enclosing double quotes.
AnsiString StripQuotes(const AnsiString& text);
