#include "platform/snmp/address.h"

#include <arpa/inet.h>
#include <array>
#include <map>
#include <cstdlib>
#include <cstring>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace {

bool ParseDotted(const char* text, unsigned char out[4])
{
    in_addr a{};
    if (inet_pton(AF_INET, text, &a) != 1) return false;
    std::memcpy(out, &a.s_addr, 4);
    return true;
}

bool LookUp(const std::string& name, unsigned char out[4])
{
    if (name.empty()) return false;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* res = nullptr;
    if (getaddrinfo(name.c_str(), nullptr, &hints, &res) != 0 || !res) return false;
    bool ok = false;
    for (addrinfo* r = res; r; r = r->ai_next) {
        if (r->ai_family == AF_INET && r->ai_addrlen >= sizeof(sockaddr_in)) {
            const sockaddr_in* sin = reinterpret_cast<const sockaddr_in*>(r->ai_addr);
            std::memcpy(out, &sin->sin_addr.s_addr, 4);
            ok = true;
            break;
        }
    }
    freeaddrinfo(res);
    return ok;
}

HostLookup g_lookup = LookUp;

// Addresses of the names looked up so far. The window thread alone makes addresses.
std::map<std::string, std::array<unsigned char, 4>>& KeptNames()
{
    static std::map<std::string, std::array<unsigned char, 4>> kept;
    return kept;
}

bool LookUpOnce(const std::string& name, unsigned char out[4])
{
    auto it = KeptNames().find(name);
    if (it != KeptNames().end()) {
        std::memcpy(out, it->second.data(), 4);
        return true;
    }
    if (!g_lookup(name, out)) return false;
    std::array<unsigned char, 4> a;
    std::memcpy(a.data(), out, 4);
    KeptNames()[name] = a;
    return true;
}

// Splits a trailing "/port" or ":port" (digits only) off host; false when it is malformed.
bool SplitPort(std::string& host, uint16_t& port)
{
    size_t sep = host.find_last_of("/:");
    if (sep == std::string::npos) return true;
    std::string digits = host.substr(sep + 1);
    if (digits.empty() || digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string::npos)
        return false;
    unsigned long p = std::strtoul(digits.c_str(), nullptr, 10);
    if (p > 65535) return false;
    port = static_cast<uint16_t>(p);
    host.resize(sep);
    return true;
}

}  // namespace

void ForgetHostName(const std::string& text)
{
    std::string host = text;
    uint16_t port = 0;
    if (SplitPort(host, port)) KeptNames().erase(host);
}

HostLookup SetHostLookup(HostLookup lookup)
{
    HostLookup old = g_lookup;
    g_lookup = lookup ? lookup : LookUp;
    return old;
}

IpAddress::IpAddress(const char* dotted)
{
    if (dotted) valid_ = ParseDotted(dotted, octets_);
}

IpAddress::IpAddress(const unsigned char octets[4]) : valid_(true)
{
    std::memcpy(octets_, octets, 4);
}

std::string IpAddress::get_printable() const
{
    if (!valid_) return std::string();
    return std::to_string(octets_[0]) + "." + std::to_string(octets_[1]) + "." + std::to_string(octets_[2]) +
           "." + std::to_string(octets_[3]);
}

bool operator==(const IpAddress& a, const IpAddress& b)
{
    return a.valid_ == b.valid_ && std::memcmp(a.octets_, b.octets_, 4) == 0;
}

UdpAddress::UdpAddress(const char* text)
{
    if (!text) return;
    std::string host(text);
    if (!SplitPort(host, port_)) return;
    if (ParseDotted(host.c_str(), octets_)) {
        valid_ = true;
        return;
    }
    // Digits and dots alone are a malformed address, not a name ("10.1.2" is refused rather
    // than read the resolver's way); a name holds letters, digits, '-', '_' and '.'.
    if (host.find_first_not_of("0123456789.") == std::string::npos) return;
    if (host.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-_.") !=
        std::string::npos)
        return;
    valid_ = LookUpOnce(host, octets_);
}

std::string UdpAddress::get_printable() const
{
    if (!valid_) return std::string();
    return IpAddress::get_printable() + "/" + std::to_string(port_);
}
