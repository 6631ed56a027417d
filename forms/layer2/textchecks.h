// Text checks that several forms share. Each form shows its own message for a failure, so these
// only judge the text.
#pragma once

#include "platform/ui/ansistring.h"

// Result of a check for a text of exactly `count` hexadecimal digits, scanned from the first
// character: the first character among the first `count` that is no hexadecimal digit, else a
// length other than `count`.
enum THexTextCheck { htOk, htBadDigit, htBadLength };
THexTextCheck CheckHexDigits(const AnsiString& text, int count);
inline bool IsHexDigits(const AnsiString& text, int count) { return CheckHexDigits(text, count) == htOk; }

// A MAC address typed as 12 hexadecimal digits without separators.
inline THexTextCheck CheckMacText(const AnsiString& text) { return CheckHexDigits(text, 12); }
// An IPv6 address (or mask) typed as 32 hexadecimal digits without separators.
inline bool IsIpv6HexText(const AnsiString& text) { return IsHexDigits(text, 32); }

// A dotted IPv4 address: four groups of digits, each 0 to 255; a zero group is written "0"
// (never "00"), and a group before a dot has at most three characters.
bool ParseIpv4Text(const AnsiString& text);

// The text of a 16-octet payload window: empty, or at most 32 hexadecimal digits (either case).
bool IsPayloadHexText(const AnsiString& text);
