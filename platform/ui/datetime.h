// The class library's date-time value, its formatting and its locale-dependent parsing.
//
// A TDateTime counts days since 30 December 1899; the fraction is the time of day. For values
// before that day the fraction still counts forward from midnight (-1.25 is 29 December 1899,
// 06:00).
#pragma once

#include "platform/ui/ansistring.h"

typedef double TDateTime;

// The user's settings, read from the system locale at start-up (a "C" locale gives "/", ":",
// "yyyy/mm/dd", "AM" and "PM"); programs and tests may change them.
extern char DateSeparator;
extern char TimeSeparator;
extern AnsiString ShortDateFormat;  // its order of y, m and d is the order StrToDateTime reads
extern AnsiString TimeAMString;
extern AnsiString TimePMString;

// The current local date and time.
TDateTime Now();

// Raise EConvertError for a date or time that does not exist.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int msec);
bool TryEncodeDate(int year, int month, int day, TDateTime& out);
bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& out);
void DecodeDate(TDateTime dt, int& year, int& month, int& day);
void DecodeTime(TDateTime dt, int& hour, int& minute, int& second, int& msec);
// The values of the years 1 to 9999, the range the functions here handle.
bool IsValidDateTime(TDateTime dt);

// Patterns: yyyy (four-digit year), yy, m and mm (month; minutes right after an hour), d, dd,
// h, hh, n, nn, s, ss, z, zzz, "am/pm" and "a/p" (a 12-hour clock with the marker in the
// pattern's case), "ampm" (TimeAMString or TimePMString), "/" and ":" (the separators),
// quoted text; other characters stand for themselves. An invalid value raises EConvertError.
AnsiString FormatDateTime(const AnsiString& format, TDateTime dt);

// A date in the order of ShortDateFormat with DateSeparator (two numbers: the current year),
// then optionally a time h:n[:s[.z]] with TimeSeparator and an AM or PM marker; or a time
// alone. Anything else raises EConvertError "'<text>' is not a valid date and time".
TDateTime StrToDateTime(const AnsiString& text);
bool TryStrToDateTime(const AnsiString& text, TDateTime& out);
