// Value types carried in variable bindings: octet strings, 64-bit counters and time ticks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Syntax tags of a variable binding (the ASN.1/SMI tags on the wire).
enum : int {
    sNMP_SYNTAX_INT = 0x02,
    sNMP_SYNTAX_BITS = 0x03,
    sNMP_SYNTAX_OCTETS = 0x04,
    sNMP_SYNTAX_NULL = 0x05,
    sNMP_SYNTAX_OID = 0x06,
    sNMP_SYNTAX_IPADDR = 0x40,
    sNMP_SYNTAX_CNTR32 = 0x41,
    sNMP_SYNTAX_GAUGE32 = 0x42,
    sNMP_SYNTAX_TIMETICKS = 0x43,
    sNMP_SYNTAX_OPAQUE = 0x44,
    sNMP_SYNTAX_NSAP = 0x45,
    sNMP_SYNTAX_CNTR64 = 0x46,
    sNMP_SYNTAX_UINT32 = 0x47,
    // SNMPv2 exception values: a binding that carries no value.
    sNMP_SYNTAX_NOSUCHOBJECT = 0x80,
    sNMP_SYNTAX_NOSUCHINSTANCE = 0x81,
    sNMP_SYNTAX_ENDOFMIBVIEW = 0x82,
};

// A string of octets (any bytes, zero included).
class OctetStr {
public:
    OctetStr() = default;
    OctetStr(const char* text) : bytes_(text ? text : "") {}  // up to the first zero octet
    OctetStr(const std::string& bytes) : bytes_(bytes) {}
    OctetStr(const unsigned char* data, size_t len) : bytes_(reinterpret_cast<const char*>(data), len) {}

    // Two hexadecimal digits per octet; blanks and ':' between them are skipped. An odd digit
    // or any other character makes the result invalid (empty, ok false).
    static OctetStr from_hex_string(const std::string& hex, bool* ok = nullptr);

    size_t len() const { return bytes_.size(); }
    const unsigned char* data() const { return reinterpret_cast<const unsigned char*>(bytes_.data()); }
    unsigned char operator[](size_t i) const { return static_cast<unsigned char>(bytes_[i]); }
    const std::string& bytes() const { return bytes_; }
    bool empty() const { return bytes_.empty(); }

    // The octets as text when every one is printable (or a trailing zero), else the hex form.
    std::string get_printable() const;
    // "00 0A 1B": two upper-case digits per octet, separated by blanks.
    std::string get_printable_hex() const;

    friend bool operator==(const OctetStr& a, const OctetStr& b) { return a.bytes_ == b.bytes_; }
    friend bool operator!=(const OctetStr& a, const OctetStr& b) { return a.bytes_ != b.bytes_; }

private:
    std::string bytes_;
};

// An unsigned 64-bit counter, also reached as its high and low 32 bits.
class Counter64 {
public:
    Counter64() = default;
    Counter64(uint64_t v) : v_(v) {}
    Counter64(uint32_t high, uint32_t low) : v_((static_cast<uint64_t>(high) << 32) | low) {}
    uint32_t high() const { return static_cast<uint32_t>(v_ >> 32); }
    uint32_t low() const { return static_cast<uint32_t>(v_); }
    void set_high(uint32_t h) { v_ = (static_cast<uint64_t>(h) << 32) | low(); }
    void set_low(uint32_t l) { v_ = (v_ & 0xFFFFFFFF00000000ull) | l; }
    uint64_t value() const { return v_; }
    operator uint64_t() const { return v_; }
    std::string get_printable() const { return std::to_string(v_); }

private:
    uint64_t v_ = 0;
};

// Time in hundredths of a second.
class TimeTicks {
public:
    TimeTicks() = default;
    TimeTicks(uint32_t ticks) : v_(ticks) {}
    // Reads the printable form back: "[N day[s][,]] h:mm:ss.hh"; every part that is not found
    // counts 0, so a bare number gives 0 ticks.
    explicit TimeTicks(const char* text);
    uint32_t value() const { return v_; }
    operator uint32_t() const { return v_; }
    // "h:mm:ss.hh", "1 day h:mm:ss.hh" or "N days, h:mm:ss.hh".
    std::string get_printable() const;

private:
    uint32_t v_ = 0;
};
