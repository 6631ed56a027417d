#include "snmpvars/qzsnmpoctets.h"

#include <cstdint>
#include <string>
#include <vector>

#include "platform/snmp/oid.h"
#include "snmpvars/qzsnmpvaluetext.h"
#include "snmpvars/qzsnmperror.h"
#include "snmpvars/uisnmpvar.h"

using namespace qzsnmp;

namespace {

// Bytes of a part: its fixed width, 0 for the syntaxes that run to the end of the value,
// -1 for null; -2 for a code without a byte form.
int PartWidth(int syntax)
{
    switch (syntax) {
    case sxNull: return -1;
    case sxBitStr:
    case sxOctetStr:
    case sxOpaque:
    case sxObjectId:
    case sxDisplayStr: return 0;
    case sxBoolean:
    case sxInteger:
    case sxIpAddress:
    case sxNsapAddr:
    case sxCounter:
    case sxGauge:
    case sxUInteger:
    case sxTimeTicks: return 4;
    case sxCounter64:
    case sxDouble:
    case sxBcdDateTime: return 8;
    case sxMacAddress: return 6;
    case sxDateTime: return 11;
    case sxIpv6Address: return 16;
    case sxBool8:
    case sxInt8:
    case sxUInt8: return 1;
    case sxBool16:
    case sxInt16:
    case sxUInt16: return 2;
    default: return -2;
    }
}

std::string LittleEndian(uint64_t v, int bytes)
{
    std::string out;
    for (int k = 0; k < bytes; ++k) out += static_cast<char>(v >> (8 * k));
    return out;
}

std::string NetworkOrder16(uint32_t v) { return {static_cast<char>(v >> 8), static_cast<char>(v)}; }

uint64_t ReadLittleEndian(const unsigned char* p, int bytes)
{
    uint64_t v = 0;
    for (int k = 0; k < bytes; ++k) v |= static_cast<uint64_t>(p[k]) << (8 * k);
    return v;
}

}  // namespace

OctetStr QzSNMPTextToOctets(const AnsiString& t, int syntax)
{
    const int width = PartWidth(syntax);
    if (width == -2) ThrowBadSyntax();
    if (syntax == sxNull || t == kNullText) return OctetStr();
    const bool truth = t == "true";
    std::string out;
    switch (syntax) {
    case sxBoolean:
        out = LittleEndian(truth ? 1 : 0, 4);
        break;
    case sxInteger:
    case sxCounter:
    case sxGauge:
    case sxUInteger:
        out = LittleEndian(ReadInt32(t), 4);
        break;
    case sxTimeTicks:
        out = LittleEndian(TimeTicks(t.c_str()).value(), 4);
        break;
    case sxCounter64:
        out = LittleEndian(ReadCounter64(t), 8);
        break;
    case sxDouble:
        out = DoubleToOctets(ReadDouble(t));
        break;
    case sxBcdDateTime:
        out = DoubleToOctets(ParseBcdDateTime(t));
        break;
    case sxDateTime:
        out = DateTimeToOctets(t);
        break;
    // The empty text of a variable not yet read has no octets; any other text is an
    // identifier or an address exactly, never written wrapped or cut.
    case sxObjectId:
        if (!t.IsEmpty()) {
            Oid o(t.std());
            if (!o.valid()) ThrowBadValue();
            for (uint32_t id : o.ids()) out += LittleEndian(id, 4);
        }
        break;
    case sxIpAddress:
    case sxNsapAddr:
        if (!t.IsEmpty()) out = Ipv4Octets(t);
        break;
    case sxDisplayStr:
        out = t.std();
        break;
    case sxBool8:
        out = std::string(1, truth ? '\1' : '\0');
        break;
    case sxInt8:
    case sxUInt8:
        out = std::string(1, static_cast<char>(ReadInt32(t)));
        break;
    case sxBool16:
        out = NetworkOrder16(truth ? 1 : 0);
        break;
    case sxInt16:
    case sxUInt16:
        out = NetworkOrder16(ReadInt32(t));
        break;
    default:  // the hexadecimal syntaxes
        out = HexToOctets(t);
        break;
    }
    return OctetStr(out);
}

AnsiString QzSNMPOctetsToText(const OctetStr& o, int syntax)
{
    const int width = PartWidth(syntax);
    if (syntax == sxNull) return kNullText;
    if (width == -2) ThrowBadSyntax();
    if (o.empty()) return syntax == sxDisplayStr ? "" : kNullText;
    const int shortest = width > 0 ? width : 1;
    if (o.len() < static_cast<size_t>(shortest)) ThrowBadValue();
    const unsigned char* p = o.data();
    switch (syntax) {
    case sxBoolean:
        return ReadLittleEndian(p, 4) ? "true" : "false";
    case sxInteger:
        return AnsiString(static_cast<int>(static_cast<uint32_t>(ReadLittleEndian(p, 4))));
    case sxCounter:
    case sxGauge:
    case sxUInteger:
        return AnsiString(static_cast<uint32_t>(ReadLittleEndian(p, 4)));
    case sxTimeTicks:
        return AnsiString(TimeTicks(static_cast<uint32_t>(ReadLittleEndian(p, 4))).get_printable());
    case sxCounter64:
        return AnsiString(std::to_string(ReadLittleEndian(p, 8)));
    case sxDouble:
        return FormatDouble(OctetsToDouble(p));
    case sxBcdDateTime:
        return FormatBcdDateTime(OctetsToDouble(p));
    case sxDateTime:
        return OctetsToDateTime(p, 11);
    case sxObjectId: {
        // An incomplete last group of octets is no sub-identifier.
        std::vector<uint32_t> ids;
        for (size_t k = 0; k + 4 <= o.len(); k += 4) ids.push_back(static_cast<uint32_t>(ReadLittleEndian(p + k, 4)));
        return DottedText(ids);
    }
    case sxIpAddress:
    case sxNsapAddr:
        return DottedText({p[0], p[1], p[2], p[3]});
    case sxDisplayStr:
        return AnsiString(std::string(o.bytes().c_str()));
    case sxBool8:
        return p[0] ? "true" : "false";
    case sxInt8:
        return AnsiString(static_cast<int>(static_cast<int8_t>(p[0])));
    case sxUInt8:
        return AnsiString(static_cast<int>(p[0]));
    case sxBool16:
        return (p[0] | p[1]) ? "true" : "false";
    case sxInt16:
        return AnsiString(static_cast<int>(static_cast<int16_t>((p[0] << 8) | p[1])));
    case sxUInt16:
        return AnsiString((p[0] << 8) | p[1]);
    default:  // the hexadecimal syntaxes: all the octets
        return OctetsToHex(o.bytes());
    }
}

OctetStr QzSNMPExtractPart(const OctetStr& o, int offset, int syntax)
{
    const int width = PartWidth(syntax);
    if (width == -2) ThrowBadSyntax();
    if (width == -1 || o.empty()) return OctetStr();
    const long long length = static_cast<long long>(o.len());
    if (offset < 0 || offset + static_cast<long long>(width) > length) QzSNMPThrowOwn(qzsPartIndexOutOfRange);
    size_t count = width > 0 ? static_cast<size_t>(width) : o.len() - static_cast<size_t>(offset);
    return OctetStr(o.bytes().substr(static_cast<size_t>(offset), count));
}
