// IPv4 addresses, UDP addresses (address and port) and general addresses given as text.
#pragma once

#include <cstdint>
#include <string>

// Four octets. Built from dotted decimal text only (no name look-up).
class IpAddress {
public:
    IpAddress() = default;
    explicit IpAddress(const char* dotted);
    explicit IpAddress(const std::string& dotted) : IpAddress(dotted.c_str()) {}
    IpAddress(const unsigned char octets[4]);

    bool valid() const { return valid_; }
    const unsigned char* octets() const { return octets_; }
    unsigned char operator[](int i) const { return octets_[i]; }
    // "192.0.2.1"; the empty text when not valid.
    std::string get_printable() const;

    friend bool operator==(const IpAddress& a, const IpAddress& b);
    friend bool operator!=(const IpAddress& a, const IpAddress& b) { return !(a == b); }

protected:
    unsigned char octets_[4] = {0, 0, 0, 0};
    bool valid_ = false;
};

// An IPv4 address and a UDP port. The text is an IPv4 address or a host name (looked up,
// first IPv4 address), optionally followed by "/port" or ":port". A name is looked up once and
// its address kept for the process, until ForgetHostName; a failed look-up is not kept.
class UdpAddress : public IpAddress {
public:
    UdpAddress() = default;
    explicit UdpAddress(const char* text);
    explicit UdpAddress(const std::string& text) : UdpAddress(text.c_str()) {}
    UdpAddress(const IpAddress& ip, uint16_t port) : IpAddress(ip), port_(port) {}

    uint16_t get_port() const { return port_; }
    void set_port(uint16_t port) { port_ = port; }
    const IpAddress& get_ip() const { return *this; }
    // "192.0.2.1/161"; the empty text when not valid.
    std::string get_printable() const;

    friend bool operator==(const UdpAddress& a, const UdpAddress& b)
    {
        return static_cast<const IpAddress&>(a) == static_cast<const IpAddress&>(b) && a.port_ == b.port_;
    }
    friend bool operator!=(const UdpAddress& a, const UdpAddress& b) { return !(a == b); }

private:
    uint16_t port_ = 0;
};

// An address of any accepted form, given as text: here an IPv4 address or host name with an
// optional port, as UdpAddress reads it.
class GenAddress {
public:
    GenAddress() = default;
    explicit GenAddress(const char* text) : udp_(text) {}
    explicit GenAddress(const std::string& text) : udp_(text) {}
    GenAddress(const UdpAddress& udp) : udp_(udp) {}

    bool valid() const { return udp_.valid(); }
    std::string get_printable() const { return udp_.get_printable(); }
    operator const UdpAddress&() const { return udp_; }
    const UdpAddress& udp() const { return udp_; }

private:
    UdpAddress udp_;
};

// Drops the kept address of the host name in text (as UdpAddress reads it), so that the next
// address made from it looks the name up again: after a request to it failed, the host may
// have moved.
void ForgetHostName(const std::string& text);

// The name look-up (the system resolver unless replaced); returns the one it replaces. For tests.
using HostLookup = bool (*)(const std::string& name, unsigned char out[4]);
HostLookup SetHostLookup(HostLookup lookup);
