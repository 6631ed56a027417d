#include "platform/snmp/address.h"

#include <arpa/inet.h>
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

}  // namespace

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
    // A trailing "/port" or ":port" (digits only) gives the port.
    size_t sep = host.find_last_of("/:");
    if (sep != std::string::npos) {
        std::string port = host.substr(sep + 1);
        if (port.empty() || port.size() > 5 || port.find_first_not_of("0123456789") != std::string::npos)
            return;
        unsigned long p = std::strtoul(port.c_str(), nullptr, 10);
        if (p > 65535) return;
        port_ = static_cast<uint16_t>(p);
        host.resize(sep);
    }
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
    valid_ = LookUp(host, octets_);
}

std::string UdpAddress::get_printable() const
{
    if (!valid_) return std::string();
    return IpAddress::get_printable() + "/" + std::to_string(port_);
}
