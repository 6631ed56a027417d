// Value octets: the byte form of every syntax, and the part of a value that starts at a byte
// offset and has the width of a part syntax. Numbers of 32 and 64 bits are little-endian,
// the 16-bit part syntaxes in network order; "(NULL)" has no octets.
//
// The control bindings show parts of one variable this way: whole = TextToOctets(value,
// syntax), part = ExtractPart(whole, offset, partSyntax), text = OctetsToText(part,
// partSyntax).
#pragma once

#include "platform/snmp/smival.h"
#include "platform/ui/ansistring.h"

// A value text to its octets; -511 for a syntax code without a byte form, -518 for an
// address or identifier text that is not exactly one (the empty text gives no octets).
OctetStr QzSNMPTextToOctets(const AnsiString& valueText, int syntax);
// Octets to the value text; -511 for an unknown syntax, -518 for fewer octets than the syntax
// needs. No octets give "(NULL)" (the empty text for displaystr).
AnsiString QzSNMPOctetsToText(const OctetStr& octets, int syntax);
// The part at offset with the width of syntax (the rest of the value for the variable-length
// syntaxes); -511 for an unknown syntax, -519 for a part that does not lie inside the value.
// An empty value gives an empty part at any offset.
OctetStr QzSNMPExtractPart(const OctetStr& octets, int offset, int syntax);
