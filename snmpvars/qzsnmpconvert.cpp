// Value texts and the request's four conversions between value text, variable binding and
// row index.
#include "snmpvars/qzsnmpconvert.h"

#include <cctype>
#include <cmath>
#include <cstring>

#include "common/qzdatetime.h"
#include "common/qzoptionlist.h"
#include "platform/snmp/snmp.h"
#include "platform/ui/datetime.h"
#include "platform/ui/sysutils.h"
#include "snmpvars/qzsnmperror.h"
#include "snmpvars/qzsnmprequest.h"

namespace qzsnmp {

const char* const kNullText = "(NULL)";
const char* const kNotDoneText = "(NOTDONE)";

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

uint32_t ReadInt32(const AnsiString& text)
{
    const char* p = text.c_str();
    while (std::isspace(static_cast<unsigned char>(*p))) ++p;
    bool neg = false;
    if (*p == '+' || *p == '-') neg = *p++ == '-';
    uint32_t v = 0;
    while (*p >= '0' && *p <= '9') v = v * 10u + static_cast<uint32_t>(*p++ - '0');
    return neg ? 0u - v : v;
}

uint64_t ReadCounter64(const AnsiString& text)
{
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
    for (long k = 0; k < point && k < static_cast<long>(digits.size()); ++k)
        v = v * 10u + static_cast<uint64_t>(digits[static_cast<size_t>(k)] - '0');
    for (long k = static_cast<long>(digits.size()); k < point && k < static_cast<long>(digits.size()) + 64; ++k)
        v *= 10u;
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

std::string DateTimeToOctets(const AnsiString& text)
{
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

}  // namespace qzsnmp

using namespace qzsnmp;

namespace {

std::string Bytes(const Vb& vb)
{
    OctetStr o;
    if (vb.get_value(o) != SNMP_CLASS_SUCCESS) ThrowBadValue();
    return o.bytes();
}

std::vector<uint32_t> BitsOf(double v)
{
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return {static_cast<uint32_t>(bits), static_cast<uint32_t>(bits >> 32)};
}

double DoubleOf(uint32_t low, uint32_t high)
{
    uint64_t bits = (static_cast<uint64_t>(high) << 32) | low;
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

std::string LowOctets(const std::vector<uint32_t>& s, size_t from, size_t count)
{
    std::string out;
    for (size_t k = from; k < from + count; ++k) out += static_cast<char>(s[k] & 0xFF);
    return out;
}

AnsiString UpToZero(const std::string& bytes) { return AnsiString(std::string(bytes.c_str())); }

}  // namespace

void QzSNMPRequest::VbToValue(int i, Vb* vb)
{
    QzSNMPVarItem& item = varList.Items(i);
    const int s = item.syntax;
    if (!IsValueSyntax(s)) ThrowBadSyntax();
    AnsiString text;
    if (s == sxNull || vb->get_exception_status() != 0) {
        text = kNullText;
    } else if (!vb->has_value()) {
        text = (IsHexSyntax(s) || s == sxDisplayStr) ? "" : kNullText;
    } else {
        switch (s) {
        case sxBoolean:
        case sxInteger: {
            int v = 0;
            if (vb->get_value(v) != SNMP_CLASS_SUCCESS) ThrowBadValue();
            text = s == sxBoolean ? AnsiString(v ? "true" : "false") : AnsiString(v);
            break;
        }
        case sxCounter:
        case sxGauge:
        case sxUInteger: {
            unsigned int v = 0;
            if (vb->get_value(v) != SNMP_CLASS_SUCCESS) ThrowBadValue();
            text = AnsiString(v);
            break;
        }
        case sxCounter64: {
            Counter64 v;
            if (vb->get_value(v) != SNMP_CLASS_SUCCESS) ThrowBadValue();
            text = AnsiString(v.get_printable());
            break;
        }
        case sxTimeTicks: {
            TimeTicks v;
            if (vb->get_value(v) != SNMP_CLASS_SUCCESS) ThrowBadValue();
            text = AnsiString(v.get_printable());
            break;
        }
        case sxObjectId: {
            Oid v;
            if (vb->get_value(v) != SNMP_CLASS_SUCCESS) ThrowBadValue();
            text = AnsiString(v.get_printable());
            break;
        }
        case sxIpAddress:
        case sxNsapAddr: {
            std::string b = Bytes(*vb);
            if (b.size() < 4) ThrowBadValue();
            std::vector<uint32_t> ids;
            for (int k = 0; k < 4; ++k) ids.push_back(static_cast<unsigned char>(b[static_cast<size_t>(k)]));
            text = DottedText(ids);
            break;
        }
        case sxDouble:
        case sxBcdDateTime: {
            std::string b = Bytes(*vb);
            if (b.empty()) {
                text = kNullText;
                break;
            }
            if (b.size() < 8) ThrowBadValue();
            double v = OctetsToDouble(reinterpret_cast<const unsigned char*>(b.data()));
            text = s == sxDouble ? FormatDouble(v) : FormatBcdDateTime(v);
            break;
        }
        case sxDateTime: {
            std::string b = Bytes(*vb);
            text = b.empty() ? AnsiString(kNullText)
                             : OctetsToDateTime(reinterpret_cast<const unsigned char*>(b.data()), b.size());
            break;
        }
        case sxDisplayStr:
            text = UpToZero(Bytes(*vb));
            break;
        default:  // the hexadecimal syntaxes
            text = OctetsToHex(Bytes(*vb));
            break;
        }
    }
    if (item.options) text = item.options->ValueToLabel(text);
    *item.value = text;
}

void QzSNMPRequest::ValueToVb(int i, Vb* vb)
{
    const QzSNMPVarItem& item = varList.Items(i);
    const int s = item.syntax;
    if (!IsValueSyntax(s)) ThrowBadSyntax();
    AnsiString v = *item.value;
    if (item.options) v = item.options->LabelToValue(v);
    Vb out = *vb;
    if (s == sxNull || v == kNullText) {
        out.set_null();
        *vb = out;
        return;
    }
    out.set_syntax(WireSyntax(s));
    switch (s) {
    case sxBoolean:
        out.set_value(v == "true" ? 1 : 0);
        break;
    case sxInteger:
        out.set_value(static_cast<int>(ReadInt32(v)));
        break;
    case sxCounter:
    case sxGauge:
    case sxUInteger:
        out.set_value(static_cast<unsigned int>(ReadInt32(v)));
        break;
    case sxCounter64:
        out.set_value(Counter64(ReadCounter64(v)));
        break;
    case sxTimeTicks:
        out.set_value(TimeTicks(v.c_str()));
        break;
    case sxObjectId: {
        Oid o(v.std());
        if (!o.valid()) ThrowBadValue();
        out.set_value(o);
        break;
    }
    case sxIpAddress:
    case sxNsapAddr: {
        IpAddress a(v.std());
        if (!a.valid()) ThrowBadValue();
        out.set_value(a);
        break;
    }
    case sxDouble:
        out.set_value(OctetStr(DoubleToOctets(ReadDouble(v))));
        break;
    case sxBcdDateTime:
        out.set_value(OctetStr(DoubleToOctets(ParseBcdDateTime(v))));
        break;
    case sxDateTime:
        out.set_value(OctetStr(DateTimeToOctets(v)));
        break;
    case sxDisplayStr:
        out.set_value(OctetStr(v.std()));
        break;
    default:  // the hexadecimal syntaxes
        out.set_value(OctetStr(HexToOctets(v)));
        break;
    }
    *vb = out;
}

AnsiString QzSNMPRequest::IndexToValue(int i, AnsiString indexText)
{
    QzSNMPVarItem& item = varList.Items(i);
    const int s = item.syntax;
    if (!IsValueSyntax(s)) ThrowBadSyntax();
    const std::vector<uint32_t> sub = DottedNumbers(indexText);
    const size_t n = sub.size();
    auto need = [n](size_t k) {
        if (n < k) ThrowShortIndex();
    };
    const bool implied = IsImpliedKey(i);
    size_t used = 0;
    AnsiString text;
    switch (s) {
    case sxNull:
        text = kNullText;
        break;
    case sxBoolean:
        need(used = 1);
        text = sub[0] ? "true" : "false";
        break;
    case sxInteger:
        need(used = 1);
        text = AnsiString(static_cast<int>(sub[0]));
        break;
    case sxCounter:
    case sxGauge:
    case sxUInteger:
        need(used = 1);
        text = AnsiString(sub[0]);
        break;
    case sxTimeTicks:
        need(used = 1);
        text = AnsiString(TimeTicks(sub[0]).get_printable());
        break;
    case sxCounter64:
        need(used = 2);
        text = AnsiString(std::to_string((static_cast<uint64_t>(sub[0]) << 32) | sub[1]));
        break;
    case sxDouble:
        need(used = 2);
        text = FormatDouble(DoubleOf(sub[0], sub[1]));
        break;
    case sxBcdDateTime:
        need(used = 2);
        text = FormatBcdDateTime(DoubleOf(sub[0], sub[1]));
        break;
    case sxIpAddress:
    case sxNsapAddr: {
        need(used = 4);
        std::vector<uint32_t> a;
        for (size_t k = 0; k < 4; ++k) a.push_back(sub[k] & 0xFF);
        text = DottedText(a);
        break;
    }
    case sxMacAddress:
        need(used = 6);
        text = OctetsToHex(LowOctets(sub, 0, 6));
        break;
    case sxDateTime: {
        need(used = 11);
        std::string b = LowOctets(sub, 0, 11);
        text = OctetsToDateTime(reinterpret_cast<const unsigned char*>(b.data()), b.size());
        break;
    }
    case sxIpv6Address:
        used = implied ? n : 16;
        need(used);
        text = OctetsToHex(LowOctets(sub, 0, used));
        break;
    case sxObjectId:
        if (implied) {
            used = n;
            text = indexText;
        } else {
            need(1);
            if (n - 1 < sub[0]) ThrowShortIndex();
            used = sub[0] + size_t{1};
            text = DottedText(sub, 1, sub[0]);
        }
        break;
    default: {  // bitstr, octetstr, opaque, displaystr
        std::string b;
        if (implied) {
            used = n;
            b = LowOctets(sub, 0, n);
        } else {
            need(1);
            if (n - 1 < sub[0]) ThrowShortIndex();
            used = sub[0] + size_t{1};
            b = LowOctets(sub, 1, sub[0]);
        }
        text = s == sxDisplayStr ? UpToZero(b) : OctetsToHex(b);
        break;
    }
    }
    if (item.options) text = item.options->ValueToLabel(text);
    *item.value = text;
    return DottedText(sub, used);
}

void QzSNMPRequest::ValueToIndex(int i, AnsiString* out)
{
    const QzSNMPVarItem& item = varList.Items(i);
    const int s = item.syntax;
    if (!IsValueSyntax(s)) ThrowBadSyntax();
    AnsiString v = *item.value;
    if (item.options) v = item.options->LabelToValue(v);
    const bool implied = IsImpliedKey(i);
    std::vector<uint32_t> r;
    auto octets = [&r](const std::string& b, bool withLength) {
        if (withLength) r.push_back(static_cast<uint32_t>(b.size()));
        for (unsigned char c : b) r.push_back(c);
    };
    switch (s) {
    case sxNull:
        break;
    case sxBoolean:
        r.push_back(v == "true" ? 1 : 0);
        break;
    case sxInteger:
    case sxCounter:
    case sxGauge:
    case sxUInteger:
        r.push_back(ReadInt32(v));
        break;
    case sxTimeTicks:
        r.push_back(TimeTicks(v.c_str()).value());
        break;
    case sxCounter64: {
        uint64_t c = ReadCounter64(v);
        r = {static_cast<uint32_t>(c >> 32), static_cast<uint32_t>(c)};
        break;
    }
    case sxDouble:
        r = BitsOf(ReadDouble(v));
        break;
    case sxBcdDateTime:
        r = BitsOf(ParseBcdDateTime(v));
        break;
    case sxIpAddress:
    case sxNsapAddr:
        r = DottedNumbers(v);
        break;
    case sxObjectId: {
        std::vector<uint32_t> ids;
        if (!v.IsEmpty()) {
            Oid o(v.std());
            if (!o.valid()) ThrowBadValue();
            ids = o.ids();
        }
        if (!implied) r.push_back(static_cast<uint32_t>(ids.size()));
        r.insert(r.end(), ids.begin(), ids.end());
        break;
    }
    case sxMacAddress:
    case sxIpv6Address: {
        size_t width = s == sxMacAddress ? 6 : 16;
        std::string b = HexToOctets(v);
        if (b.size() >= width) octets(b.substr(0, width), false);
        break;
    }
    case sxDateTime:
        octets(DateTimeToOctets(v), false);
        break;
    case sxDisplayStr:
        octets(v.std(), !implied);
        break;
    default:  // bitstr, octetstr, opaque
        octets(HexToOctets(v), !implied);
        break;
    }
    *out = DottedText(r);
}
