// The request's four conversions between value text, variable binding and row index.
#include <cstring>

#include "common/qzoptionlist.h"
#include "platform/snmp/snmp.h"
#include "snmpvars/qzsnmprequest.h"
#include "snmpvars/qzsnmpvaluetext.h"

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
        out.set_value(static_cast<int>(ReadSigned32Checked(v)));
        break;
    case sxCounter:
    case sxGauge:
    case sxUInteger:
        out.set_value(static_cast<unsigned int>(ReadUnsigned32Checked(v)));
        break;
    case sxCounter64:
        out.set_value(Counter64(ReadCounter64Checked(v)));
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
        r.push_back(static_cast<uint32_t>(ReadSigned32Checked(v)));
        break;
    case sxCounter:
    case sxGauge:
    case sxUInteger:
        r.push_back(ReadUnsigned32Checked(v));
        break;
    case sxTimeTicks:
        r.push_back(TimeTicks(v.c_str()).value());
        break;
    case sxCounter64: {
        uint64_t c = ReadCounter64Checked(v);
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
        for (unsigned char c : Ipv4Octets(v)) r.push_back(c);
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
        // Cut to the width, a longer value would address another row.
        if (b.size() > width) ThrowBadValue();
        if (b.size() == width) octets(b, false);
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
