// Value texts: hex text, decimal readers, doubles, dates and the wire type of every syntax.
#include "snmpvars/qzsnmpvaluetext.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "common/qzdatetime.h"
#include "platform/snmp/snmp.h"
#include "platform/ui/datetime.h"
#include "platform/ui/sysutils.h"
#include "snmpvars/qzsnmperror.h"
#include "snmpvars/uisnmpvar.h"

namespace qzsnmp {

const char* const kNullText = "(NULL)";
const char* const kNotDoneText = "(NOTDONE)";

bool IsNoValue(const AnsiString& text) { return text == kNullText || text == kNotDoneText; }

int WireSyntax(int syntax)
{
    switch (syntax) {
    case sxBoolean:
    case sxInteger: return sNMP_SYNTAX_INT;
    case sxNull: return sNMP_SYNTAX_NULL;
    case sxObjectId: return sNMP_SYNTAX_OID;
    case sxIpAddress:
    case sxNsapAddr: return sNMP_SYNTAX_IPADDR;
    case sxCounter: return sNMP_SYNTAX_CNTR32;
    case sxGauge:
    case sxUInteger: return sNMP_SYNTAX_GAUGE32;
    case sxTimeTicks: return sNMP_SYNTAX_TIMETICKS;
    case sxOpaque: return sNMP_SYNTAX_OPAQUE;
    case sxCounter64: return sNMP_SYNTAX_CNTR64;
    case sxBitStr:
    case sxOctetStr:
    case sxDouble:
    case sxMacAddress:
    case sxDateTime:
    case sxBcdDateTime:
    case sxDisplayStr:
    case sxIpv6Address: return sNMP_SYNTAX_OCTETS;
    default: return -1;
    }
}

bool IsValueSyntax(int syntax) { return WireSyntax(syntax) >= 0; }

bool IsHexSyntax(int syntax)
{
    return syntax == sxBitStr || syntax == sxOctetStr || syntax == sxOpaque || syntax == sxMacAddress ||
           syntax == sxIpv6Address;
}

void ThrowBadSyntax() { QzSNMPThrowOwn(qzsBadSyntax); }
void ThrowShortIndex() { QzSNMPThrowOwn(qzsBadKeyCount); }
void ThrowBadValue() { QzSNMPThrowOwn(qzsBadPartValue); }

namespace {

// Leading white space, an optional sign, the digits up to the first non-digit: the magnitude
// modulo 2^64, and whether it reached 2^40 (far beyond any 32-bit value).
struct LeadingNumber {
    uint64_t magnitude = 0;
    bool negative = false;
    bool huge = false;
};

LeadingNumber ScanNumber(const AnsiString& text)
{
    LeadingNumber n;
    const char* p = text.c_str();
    while (std::isspace(static_cast<unsigned char>(*p))) ++p;
    if (*p == '+' || *p == '-') n.negative = *p++ == '-';
    while (*p >= '0' && *p <= '9') {
        n.magnitude = n.magnitude * 10u + static_cast<uint64_t>(*p++ - '0');
        n.huge = n.huge || n.magnitude >= (uint64_t(1) << 40);
    }
    return n;
}

// The number as a 64-bit value, or false when it is huge.
bool WideNumber(const AnsiString& text, int64_t& v)
{
    const LeadingNumber n = ScanNumber(text);
    if (n.huge) return false;
    v = n.negative ? -static_cast<int64_t>(n.magnitude) : static_cast<int64_t>(n.magnitude);
    return true;
}

}  // namespace

uint32_t ReadInt32(const AnsiString& text)
{
    const LeadingNumber n = ScanNumber(text);
    const auto v = static_cast<uint32_t>(n.magnitude);
    return n.negative ? 0u - v : v;
}

int32_t ReadSigned32Checked(const AnsiString& text)
{
    int64_t v = 0;
    if (!WideNumber(text, v) || v < INT32_MIN || v > INT32_MAX) ThrowBadValue();
    return static_cast<int32_t>(v);
}

uint32_t ReadUnsigned32Checked(const AnsiString& text)
{
    int64_t v = 0;
    if (!WideNumber(text, v) || v < 0 || v > static_cast<int64_t>(UINT32_MAX)) ThrowBadValue();
    return static_cast<uint32_t>(v);
}

uint64_t ReadCounter64Checked(const AnsiString& text)
{
    bool fits = true;
    const uint64_t v = ReadCounter64(text, &fits);
    if (!fits) ThrowBadValue();
    return v;
}

uint64_t ReadCounter64(const AnsiString& text, bool* fits)
{
    if (fits) *fits = true;
    const std::string& s = text.std();
    size_t i = 0, n = s.size();
    while (i < n && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
    bool neg = false;
    if (i < n && (s[i] == '+' || s[i] == '-')) neg = s[i++] == '-';
    std::string digits;
    while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) digits += s[i++];
    long intDigits = static_cast<long>(digits.size());
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) digits += s[i++];
    }
    if (digits.empty()) return 0;
    long exponent = 0;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        bool eneg = false;
        if (j < n && (s[j] == '+' || s[j] == '-')) eneg = s[j++] == '-';
        if (j < n && std::isdigit(static_cast<unsigned char>(s[j]))) {
            while (j < n && std::isdigit(static_cast<unsigned char>(s[j]))) {
                if (exponent < 100000) exponent = exponent * 10 + (s[j] - '0');
                ++j;
            }
            if (eneg) exponent = -exponent;
        }
    }
    // The integer part is the digits before the shifted decimal point; 10^64 is 0 modulo 2^64,
    // so more than 64 trailing zeros change nothing.
    long point = intDigits + exponent;
    uint64_t v = 0;
    bool over = false;
    auto times10 = [&](unsigned digit) {
        if (v > (UINT64_MAX - digit) / 10u) over = true;
        v = v * 10u + digit;
    };
    for (long k = 0; k < point && k < static_cast<long>(digits.size()); ++k)
        times10(static_cast<unsigned>(digits[static_cast<size_t>(k)] - '0'));
    for (long k = static_cast<long>(digits.size()); k < point && k < static_cast<long>(digits.size()) + 64; ++k)
        times10(0);
    if (fits && (over || (neg && v != 0) || (v != 0 && point > static_cast<long>(digits.size()) + 64)))
        *fits = false;
    return neg ? 0u - v : v;
}

uint64_t WrapToUInt64(long double v)
{
    if (!std::isfinite(v)) return 0;
    const long double two64 = 18446744073709551616.0L;
    long double t = std::truncl(v);
    if (std::fabs(t) >= two64) t = std::fmod(t, two64);
    if (t < 0) return 0u - static_cast<uint64_t>(-t);
    return static_cast<uint64_t>(t);
}

double ReadDouble(const AnsiString& text) { return LeadingDouble(text); }

AnsiString FormatDouble(double v)
{
    std::string s = AnsiString(v).std();
    for (char& c : s)
        if (c == ',') c = '.';
    return AnsiString(s);
}

AnsiString OctetsToHex(const std::string& octets)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(octets.size() * 2);
    for (unsigned char c : octets) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return AnsiString(out);
}

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
}

}  // namespace

std::string HexToOctets(const AnsiString& text)
{
    std::string t;
    for (char c : text.std())
        if (c != ' ') t += c;
    std::string out;
    size_t i = 0;
    if (t.size() % 2) out += static_cast<char>(HexDigit(t[i++]));
    for (; i + 1 < t.size(); i += 2) out += static_cast<char>(HexDigit(t[i]) * 16 + HexDigit(t[i + 1]));
    return out;
}

std::vector<uint32_t> DottedNumbers(const AnsiString& text)
{
    std::vector<uint32_t> ids;
    if (text.IsEmpty()) return ids;
    const char* p = text.c_str();
    for (;;) {
        uint32_t v = 0;
        while (*p >= '0' && *p <= '9') v = v * 10u + static_cast<uint32_t>(*p++ - '0');
        ids.push_back(v);
        while (*p && *p != '.') ++p;
        if (!*p) break;
        ++p;
    }
    return ids;
}

std::string Ipv4Octets(const AnsiString& text)
{
    const std::string& t = text.std();
    std::string out;
    size_t i = 0;
    for (int k = 0; k < 4; ++k) {
        if (k > 0 && (i >= t.size() || t[i++] != '.')) ThrowBadValue();
        unsigned v = 0;
        size_t digits = 0;
        for (; i < t.size() && t[i] >= '0' && t[i] <= '9' && digits < 4; ++i, ++digits)
            v = v * 10u + static_cast<unsigned>(t[i] - '0');
        if (digits == 0 || v > 255) ThrowBadValue();
        out += static_cast<char>(v);
    }
    if (i != t.size()) ThrowBadValue();
    return out;
}

AnsiString DottedText(const std::vector<uint32_t>& ids, size_t from, size_t count)
{
    std::string out;
    for (size_t k = from; k < ids.size() && k - from < count; ++k) {
        if (k > from) out += '.';
        out += std::to_string(ids[k]);
    }
    return AnsiString(out);
}

std::string DoubleToOctets(double v)
{
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    std::string out(8, '\0');
    for (int k = 0; k < 8; ++k) out[static_cast<size_t>(k)] = static_cast<char>(bits >> (8 * k));
    return out;
}

double OctetsToDouble(const unsigned char* octets)
{
    uint64_t bits = 0;
    for (int k = 0; k < 8; ++k) bits |= static_cast<uint64_t>(octets[k]) << (8 * k);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

AnsiString FormatBcdDateTime(double oleDate)
{
    if (!IsValidDateTime(oleDate)) ThrowBadValue();
    return FormatDateTime("yyyy/mm/dd hh:nn:ss am/pm", oleDate);
}

double ParseBcdDateTime(const AnsiString& text) { return StrToDateTime(text); }

namespace {

// The numbers of a DateAndTime text in order fit their octets: the year 16 bits, the others 8.
// A '-' before a number is its sign unless it follows a digit (the date's separator) or a ','
// (the zone's direction).
bool DateTimeFieldsFit(const std::string& t)
{
    int field = 0;
    for (size_t i = 0; i < t.size() && field < 9;) {
        if (t[i] < '0' || t[i] > '9') {
            ++i;
            continue;
        }
        size_t sign = i;
        while (sign > 0 && std::isspace(static_cast<unsigned char>(t[sign - 1]))) --sign;
        if (sign > 0 && t[sign - 1] == '-') {
            const bool literal = sign > 1 && ((t[sign - 2] >= '0' && t[sign - 2] <= '9') || t[sign - 2] == ',');
            if (!literal) return false;
        }
        uint64_t v = 0;
        for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i)
            if (v <= 0xFFFFFF) v = v * 10u + static_cast<uint64_t>(t[i] - '0');
        if (v > (field == 0 ? 0xFFFFu : 0xFFu)) return false;
        ++field;
    }
    return true;
}

}  // namespace

std::string DateTimeToOctets(const AnsiString& text)
{
    if (!DateTimeFieldsFit(text.std())) ThrowBadValue();
    QzDateTime dt(text);
    dt.SwapYearBytes();
    return std::string(reinterpret_cast<const char*>(dt.Octets()), sizeof(QzDateTime));
}

AnsiString OctetsToDateTime(const unsigned char* octets, size_t length)
{
    if (length < 8) ThrowBadValue();
    unsigned char b[sizeof(QzDateTime)] = {0, 0, 0, 0, 0, 0, 0, 0, '+', 0, 0};
    std::memcpy(b, octets, length < sizeof b ? length : sizeof b);
    QzDateTime dt(b);
    dt.SwapYearBytes();
    return dt.ToString();
}

bool IsDecimalText(const AnsiString& text)
{
    const char* p = text.c_str();
    while (*p == ' ') ++p;
    if (*p == '+' || *p == '-') ++p;
    if (*p < '0' || *p > '9') return false;
    while (*p >= '0' && *p <= '9') ++p;
    while (*p == ' ') ++p;
    return *p == 0;
}

}  // namespace qzsnmp
