#include "platform/snmp/vb.h"

#include "platform/snmp/snmperrs.h"

namespace {

bool IsUnsignedTag(int s)
{
    return s == sNMP_SYNTAX_CNTR32 || s == sNMP_SYNTAX_GAUGE32 || s == sNMP_SYNTAX_TIMETICKS || s == sNMP_SYNTAX_UINT32;
}

}  // namespace

void Vb::Clear()
{
    kind_ = Kind::None;
    num_ = 0;
    bytes_.clear();
    oidValue_ = Oid();
}

void Vb::set_syntax(int syntax)
{
    Clear();
    syntax_ = syntax;
}

void Vb::set_null()
{
    Clear();
    syntax_ = sNMP_SYNTAX_NULL;
}

void Vb::set_value(int v)
{
    Clear();
    syntax_ = sNMP_SYNTAX_INT;
    kind_ = Kind::Signed;
    num_ = v;
}

void Vb::set_value(unsigned int v)
{
    int preset = syntax_;
    Clear();
    syntax_ = IsUnsignedTag(preset) ? preset : sNMP_SYNTAX_GAUGE32;
    kind_ = Kind::Unsigned;
    num_ = v;
}

void Vb::set_value(const Counter64& v)
{
    Clear();
    syntax_ = sNMP_SYNTAX_CNTR64;
    kind_ = Kind::U64;
    num_ = static_cast<int64_t>(v.value());
}

void Vb::set_value(const TimeTicks& v)
{
    Clear();
    syntax_ = sNMP_SYNTAX_TIMETICKS;
    kind_ = Kind::Unsigned;
    num_ = v.value();
}

void Vb::set_value(const OctetStr& v)
{
    int preset = syntax_;
    Clear();
    syntax_ = (preset == sNMP_SYNTAX_OPAQUE || preset == sNMP_SYNTAX_NSAP) ? preset : sNMP_SYNTAX_OCTETS;
    kind_ = Kind::Octets;
    bytes_ = v.bytes();
}

void Vb::set_value(const Oid& v)
{
    Clear();
    syntax_ = sNMP_SYNTAX_OID;
    kind_ = Kind::ObjectId;
    oidValue_ = v;
}

void Vb::set_value(const IpAddress& v)
{
    Clear();
    syntax_ = sNMP_SYNTAX_IPADDR;
    kind_ = Kind::Octets;
    bytes_.assign(reinterpret_cast<const char*>(v.octets()), 4);
}

void Vb::set_wire_number(int syntax, int64_t v)
{
    Clear();
    syntax_ = syntax;
    if (syntax == sNMP_SYNTAX_CNTR64) kind_ = Kind::U64;
    else if (syntax == sNMP_SYNTAX_INT) kind_ = Kind::Signed;
    else kind_ = Kind::Unsigned;
    num_ = v;
}

void Vb::set_wire_octets(int syntax, const std::string& bytes)
{
    Clear();
    syntax_ = syntax;
    kind_ = Kind::Octets;
    bytes_ = bytes;
}

void Vb::set_exception(int syntax)
{
    Clear();
    syntax_ = syntax;
}

int Vb::get_exception_status() const
{
    if (syntax_ == sNMP_SYNTAX_NOSUCHOBJECT || syntax_ == sNMP_SYNTAX_NOSUCHINSTANCE ||
        syntax_ == sNMP_SYNTAX_ENDOFMIBVIEW)
        return syntax_;
    return 0;
}

int Vb::get_value(int& out) const
{
    if (kind_ != Kind::Signed && kind_ != Kind::Unsigned) return SNMP_CLASS_INVALID;
    out = static_cast<int>(static_cast<uint32_t>(num_));
    return SNMP_CLASS_SUCCESS;
}

int Vb::get_value(long& out) const
{
    int v = 0;
    int st = get_value(v);
    if (st == SNMP_CLASS_SUCCESS) out = v;
    return st;
}

int Vb::get_value(unsigned int& out) const
{
    if (kind_ != Kind::Signed && kind_ != Kind::Unsigned) return SNMP_CLASS_INVALID;
    out = static_cast<uint32_t>(num_);
    return SNMP_CLASS_SUCCESS;
}

int Vb::get_value(unsigned long& out) const
{
    unsigned int v = 0;
    int st = get_value(v);
    if (st == SNMP_CLASS_SUCCESS) out = v;
    return st;
}

int Vb::get_value(Counter64& out) const
{
    if (kind_ == Kind::U64) out = Counter64(static_cast<uint64_t>(num_));
    else if (kind_ == Kind::Unsigned) out = Counter64(static_cast<uint64_t>(static_cast<uint32_t>(num_)));
    else return SNMP_CLASS_INVALID;
    return SNMP_CLASS_SUCCESS;
}

int Vb::get_value(TimeTicks& out) const
{
    if (kind_ != Kind::Unsigned) return SNMP_CLASS_INVALID;
    out = TimeTicks(static_cast<uint32_t>(num_));
    return SNMP_CLASS_SUCCESS;
}

int Vb::get_value(OctetStr& out) const
{
    if (kind_ != Kind::Octets) return SNMP_CLASS_INVALID;
    out = OctetStr(bytes_);
    return SNMP_CLASS_SUCCESS;
}

int Vb::get_value(Oid& out) const
{
    if (kind_ != Kind::ObjectId) return SNMP_CLASS_INVALID;
    out = oidValue_;
    return SNMP_CLASS_SUCCESS;
}

int Vb::get_value(IpAddress& out) const
{
    if (syntax_ != sNMP_SYNTAX_IPADDR || kind_ != Kind::Octets || bytes_.size() != 4) return SNMP_CLASS_INVALID;
    out = IpAddress(reinterpret_cast<const unsigned char*>(bytes_.data()));
    return SNMP_CLASS_SUCCESS;
}

std::string Vb::get_printable_value() const
{
    switch (kind_) {
    case Kind::None:
        return std::string();
    case Kind::Signed:
        return std::to_string(static_cast<int32_t>(num_));
    case Kind::Unsigned:
        if (syntax_ == sNMP_SYNTAX_TIMETICKS) return TimeTicks(static_cast<uint32_t>(num_)).get_printable();
        return std::to_string(static_cast<uint32_t>(num_));
    case Kind::U64:
        return std::to_string(static_cast<uint64_t>(num_));
    case Kind::Octets:
        if (syntax_ == sNMP_SYNTAX_IPADDR && bytes_.size() == 4)
            return IpAddress(reinterpret_cast<const unsigned char*>(bytes_.data())).get_printable();
        return OctetStr(bytes_).get_printable();
    case Kind::ObjectId:
        return oidValue_.get_printable();
    }
    return std::string();
}
