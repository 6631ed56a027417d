// Vb: one variable binding, an object identifier with a typed value.
#pragma once

#include <cstdint>
#include <string>

#include "platform/snmp/address.h"
#include "platform/snmp/oid.h"
#include "platform/snmp/smival.h"

class Vb {
public:
    Vb() = default;
    explicit Vb(const Oid& oid) : oid_(oid) {}

    void set_oid(const Oid& oid) { oid_ = oid; }
    const Oid& get_oid() const { return oid_; }
    void get_oid(Oid& out) const { out = oid_; }
    std::string get_printable_oid() const { return oid_.get_printable(); }
    bool valid() const { return oid_.valid(); }

    // The syntax tag (sNMP_SYNTAX_*). set_syntax names the tag for the next set_value and
    // drops any value held; set_value keeps a preset tag only where the value fits it (an
    // unsigned number as counter, gauge, time ticks or unsigned integer; octets as opaque or
    // NSAP), else uses the value's own tag.
    int get_syntax() const { return syntax_; }
    void set_syntax(int syntax);

    void set_null();
    void set_value(int v);              // INTEGER
    void set_value(long v) { set_value(static_cast<int>(v)); }
    void set_value(unsigned int v);     // Gauge32 unless preset
    void set_value(unsigned long v) { set_value(static_cast<unsigned int>(v)); }
    void set_value(const Counter64& v);
    void set_value(const TimeTicks& v);
    void set_value(const OctetStr& v);  // OCTET STRING unless preset
    void set_value(const char* text) { set_value(OctetStr(text)); }
    void set_value(const Oid& v);
    void set_value(const IpAddress& v);

    // Each returns SNMP_CLASS_SUCCESS, or SNMP_CLASS_INVALID (out unchanged) when the value
    // is of another kind. Numbers convert among the 32-bit kinds by their bits; a Counter64
    // also accepts a 32-bit unsigned value; octets also come from an IP address.
    int get_value(int& out) const;
    int get_value(long& out) const;
    int get_value(unsigned int& out) const;
    int get_value(unsigned long& out) const;
    int get_value(Counter64& out) const;
    int get_value(TimeTicks& out) const;
    int get_value(OctetStr& out) const;
    int get_value(Oid& out) const;
    int get_value(IpAddress& out) const;

    // False for null, for an exception (noSuchObject, noSuchInstance, endOfMibView) and after
    // set_syntax without a value.
    bool has_value() const { return kind_ != Kind::None; }
    // The exception syntax, or 0 when the binding is no exception.
    int get_exception_status() const;
    // The value as text: numbers in decimal, time ticks as h:mm:ss.hh, octets as text or hex,
    // addresses and identifiers dotted; the empty text when there is no value.
    std::string get_printable_value() const;

    // Internal forms, for the session's encoder.
    enum class Kind { None, Signed, Unsigned, U64, Octets, ObjectId };
    Kind kind() const { return kind_; }
    int64_t number() const { return num_; }
    uint64_t number64() const { return static_cast<uint64_t>(num_); }
    const std::string& octets() const { return bytes_; }
    const Oid& oid_value() const { return oidValue_; }
    // Sets a value read off the wire: tag and the matching internal form.
    void set_wire_number(int syntax, int64_t v);
    void set_wire_octets(int syntax, const std::string& bytes);
    void set_exception(int syntax);

private:
    void Clear();

    Oid oid_;
    int syntax_ = sNMP_SYNTAX_NULL;
    Kind kind_ = Kind::None;
    int64_t num_ = 0;
    std::string bytes_;
    Oid oidValue_;
};
