// Value texts: the pieces shared by the request's conversions (value text, variable binding,
// row index), its expressions and the value octets.
//
// Wire type of every syntax code, decided once here and used for every binding sent:
//
//   code  syntax        sent as             note
//   1     boolean       INTEGER             1 or 0
//   2     integer       INTEGER
//   3     bitstr        OCTET STRING        SMIv2 BITS travel as an OCTET STRING
//   4     octetstr      OCTET STRING
//   5     null          NULL
//   6     objectid      OBJECT IDENTIFIER
//   0x40  ipaddress     IpAddress
//   0x41  counter       Counter32
//   0x42  guage         Gauge32
//   0x43  timeticks     TimeTicks
//   0x44  opaque        Opaque
//   0x45  nsapaddr      IpAddress           four octets, as ipaddress
//   0x46  counter64     Counter64
//   0x47  uinteger      Gauge32             Unsigned32 has Gauge32's tag; agents refuse 0x47
//   0x48  double        OCTET STRING        8 octets, IEEE double little-endian
//   0x49  macaddress    OCTET STRING
//   0x4a  datetime      OCTET STRING        11 octets of DateAndTime
//   0x4b  bcdatetime    OCTET STRING        8 octets, IEEE double of the date
//   0x4c  displaystr    OCTET STRING
//   0x4d  ipv6address   OCTET STRING
//   0xc1-0xc6           none                parts of a value only: not convertible (-511)
//
// A binding that carries a v2 exception (noSuchObject, noSuchInstance, endOfMibView) is no
// value at all: every syntax stores "(NULL)" for it, also displaystr and the hexadecimal
// syntaxes, which store the empty text only for an empty string or a NULL binding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/ui/ansistring.h"

namespace qzsnmp {

extern const char* const kNullText;     // "(NULL)"
extern const char* const kNotDoneText;  // "(NOTDONE)"

// One of the two texts above: no value, which gives no octets.
bool IsNoValue(const AnsiString& text);

// The tag a value of the syntax is sent with; -1 for a code the conversions do not handle.
int WireSyntax(int syntax);
// Codes 1-6 and 0x40-0x4d.
bool IsValueSyntax(int syntax);
// bitstr, octetstr, opaque, macaddress, ipv6address: values written as hex text.
bool IsHexSyntax(int syntax);

// Raise the layer's errors: -511 bad syntax, -514 too short a row index, -518 bad value.
[[noreturn]] void ThrowBadSyntax();
[[noreturn]] void ThrowShortIndex();
[[noreturn]] void ThrowBadValue();

// Leading white space, an optional sign, the digits up to the first non-digit (none: 0),
// modulo 2^32.
uint32_t ReadInt32(const AnsiString& text);
// A decimal number and nothing else: an optional sign, at least one digit, blanks around.
bool IsDecimalText(const AnsiString& text);
// The same number, refused (-518) unless it lies in low..high: a value typed beyond its
// object's type is not sent wrapped.
int32_t ReadSigned32Checked(const AnsiString& text);
uint32_t ReadUnsigned32Checked(const AnsiString& text);
// A decimal floating-point text (sign, digits, fraction, exponent) to the integer part of its
// value, exactly and modulo 2^64 ("12.9" gives 12, "-1" gives 2^64 - 1). fits, when given, is
// false for a negative value or one beyond 2^64 - 1.
uint64_t ReadCounter64(const AnsiString& text, bool* fits = nullptr);
// ReadCounter64, refused (-518) when the value does not fit.
uint64_t ReadCounter64Checked(const AnsiString& text);
// A number computed as a long double to 64 bits: truncated toward zero, modulo 2^64; not a
// number gives 0.
uint64_t WrapToUInt64(long double v);
// The leading decimal number ("." as the decimal point).
double ReadDouble(const AnsiString& text);
// Up to 15 significant digits with "." as the decimal point, whatever the locale.
AnsiString FormatDouble(double v);

// Two upper-case hex digits per octet, no separator.
AnsiString OctetsToHex(const std::string& octets);
// Blanks dropped; an odd first digit alone; other characters count as digit 0.
std::string HexToOctets(const AnsiString& text);

// The numbers of a dotted text ("192.0.2.1"), each from the leading digits of its field;
// the empty text gives none.
std::vector<uint32_t> DottedNumbers(const AnsiString& text);
// The four octets of a dotted IPv4 address: exactly four numbers 0-255 of decimal digits and
// nothing else; any other text is refused (-518) rather than sent wrapped or cut.
std::string Ipv4Octets(const AnsiString& text);
AnsiString DottedText(const std::vector<uint32_t>& ids, size_t from = 0, size_t count = SIZE_MAX);

// IEEE doubles as 8 octets, little-endian.
std::string DoubleToOctets(double v);
double OctetsToDouble(const unsigned char* octets);

// bcdatetime: an OLE Automation date formatted "yyyy/mm/dd hh:nn:ss am/pm" (-518 when it
// is no date of the years 1 to 9999), and a text read by the platform's date-time parser
// (whose own exception leaves for a text it rejects).
AnsiString FormatBcdDateTime(double oleDate);
double ParseBcdDateTime(const AnsiString& text);

// datetime: the 11 wire octets of a DateAndTime text, and the text of 8 or 11 wire octets
// (8 octets carry no zone). A field beyond its octets (a year above 65535, another field above
// 255, a negative one) is refused (-518): it would be written wrapped.
std::string DateTimeToOctets(const AnsiString& text);
AnsiString OctetsToDateTime(const unsigned char* octets, size_t length);

}  // namespace qzsnmp
