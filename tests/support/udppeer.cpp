#include "tests/support/udppeer.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using Bytes = std::vector<uint8_t>;

// ---- BER, as much as SNMPv1 and v2c need ----

struct Tlv {
    uint8_t tag = 0;
    Bytes value;
};

// Reads one TLV at pos; false when the data is short or malformed.
bool ReadTlv(const Bytes& in, size_t& pos, Tlv& out)
{
    if (pos + 2 > in.size()) return false;
    out.tag = in[pos++];
    size_t len = in[pos++];
    if (len & 0x80) {
        size_t n = len & 0x7f;
        if (n == 0 || n > 4 || pos + n > in.size()) return false;
        len = 0;
        while (n--) len = (len << 8) | in[pos++];
    }
    if (pos + len > in.size()) return false;
    out.value.assign(in.begin() + static_cast<long>(pos), in.begin() + static_cast<long>(pos + len));
    pos += len;
    return true;
}

Bytes Encode(uint8_t tag, const Bytes& value)
{
    Bytes out{tag};
    size_t len = value.size();
    if (len < 0x80) {
        out.push_back(static_cast<uint8_t>(len));
    } else {
        Bytes l;
        for (; len; len >>= 8) l.insert(l.begin(), static_cast<uint8_t>(len));
        out.push_back(static_cast<uint8_t>(0x80 | l.size()));
        out.insert(out.end(), l.begin(), l.end());
    }
    out.insert(out.end(), value.begin(), value.end());
    return out;
}

Bytes Integer(int64_t v)
{
    Bytes b;
    for (int k = 7; k >= 0; --k) b.push_back(static_cast<uint8_t>(v >> (8 * k)));
    // Shortest two's complement form.
    while (b.size() > 1 && ((b[0] == 0 && !(b[1] & 0x80)) || (b[0] == 0xff && (b[1] & 0x80)))) b.erase(b.begin());
    return Encode(0x02, b);
}

int64_t IntegerValue(const Bytes& v)
{
    int64_t n = (!v.empty() && (v[0] & 0x80)) ? -1 : 0;
    for (uint8_t c : v) n = (n << 8) | c;
    return n;
}

Bytes Join(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

}  // namespace

struct UdpPeer::Request {
    int64_t version = 0;
    Bytes community;
    uint8_t pduType = 0;
    uint32_t requestId = 0;
    std::vector<Bytes> oids;    // the encoded sub-identifiers of each binding's name
    std::vector<Bytes> values;  // each binding's value TLV
    sockaddr_in from{};

    bool Parse(const Bytes& datagram)
    {
        size_t pos = 0;
        Tlv message, field, pdu;
        if (!ReadTlv(datagram, pos, message) || message.tag != 0x30) return false;
        pos = 0;
        const Bytes& m = message.value;
        if (!ReadTlv(m, pos, field) || field.tag != 0x02) return false;
        version = IntegerValue(field.value);
        if (!ReadTlv(m, pos, field) || field.tag != 0x04) return false;
        community = field.value;
        if (!ReadTlv(m, pos, pdu)) return false;
        pduType = pdu.tag;
        pos = 0;
        const Bytes& p = pdu.value;
        Tlv id, status, index, list;
        if (!ReadTlv(p, pos, id) || !ReadTlv(p, pos, status) || !ReadTlv(p, pos, index) || !ReadTlv(p, pos, list))
            return false;
        requestId = static_cast<uint32_t>(IntegerValue(id.value));
        pos = 0;
        Tlv vb;
        while (pos < list.value.size()) {
            if (!ReadTlv(list.value, pos, vb)) return false;
            size_t at = 0;
            Tlv name, value;
            if (!ReadTlv(vb.value, at, name) || name.tag != 0x06 || !ReadTlv(vb.value, at, value)) return false;
            oids.push_back(name.value);
            values.push_back(Encode(value.tag, value.value));
        }
        return true;
    }
};

namespace {

// A response to r with these names and values.
Bytes Response(int64_t version, const Bytes& community, uint32_t requestId, const std::vector<Bytes>& oids,
               const std::vector<Bytes>& values)
{
    Bytes list;
    for (size_t k = 0; k < oids.size(); ++k) {
        Bytes vb = Encode(0x30, Join({Encode(0x06, oids[k]), values[k]}));
        list.insert(list.end(), vb.begin(), vb.end());
    }
    Bytes pdu = Encode(0xA2, Join({Integer(requestId), Integer(0), Integer(0), Encode(0x30, list)}));
    return Encode(0x30, Join({Integer(version), Encode(0x04, community), pdu}));
}

int BoundSocket(uint16_t* port)
{
    int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) throw std::runtime_error("socket");
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    if (bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) != 0) {
        close(fd);
        throw std::runtime_error("bind");
    }
    if (port) *port = ntohs(a.sin_port);
    return fd;
}

}  // namespace

UdpPeer::UdpPeer(Answer answer) : answer_(answer)
{
    fd_ = BoundSocket(&port_);
    otherFd_ = BoundSocket(nullptr);
    server_ = std::thread([this] { Serve(); });
    flooder_ = std::thread([this] { Flooding(); });
}

UdpPeer::~UdpPeer()
{
    stop_ = true;
    server_.join();
    flooder_.join();
    close(fd_);
    close(otherFd_);
}

std::string UdpPeer::Address() const { return "127.0.0.1/" + std::to_string(port_); }

namespace {

int64_t Now() { return std::chrono::steady_clock::now().time_since_epoch().count(); }

}  // namespace

void UdpPeer::Flood(int ms)
{
    floodUntil_ = Now() + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                              std::chrono::milliseconds(ms)).count();
}

bool UdpPeer::FloodOver() const { return Now() >= floodUntil_; }

void UdpPeer::Send(int fd, const Request& to, const std::vector<uint8_t>& datagram)
{
    sendto(fd, datagram.data(), datagram.size(), 0, reinterpret_cast<const sockaddr*>(&to.from), sizeof to.from);
}

void UdpPeer::Serve()
{
    std::vector<Request> held;
    Bytes buffer(65536);
    while (!stop_) {
        pollfd p{fd_, POLLIN, 0};
        if (poll(&p, 1, 20) <= 0) continue;
        Request r;
        socklen_t len = sizeof r.from;
        ssize_t n = recvfrom(fd_, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&r.from), &len);
        if (n <= 0 || !r.Parse(Bytes(buffer.begin(), buffer.begin() + n))) continue;
        ++requests_;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            const auto* b = reinterpret_cast<const uint8_t*>(&r.from);
            floodTo_.assign(b, b + sizeof r.from);
        }
        const Answer answer = answer_;
        if (answer == Answer::Silent) continue;

        std::vector<Bytes> oids = r.oids, values = r.values;
        for (size_t k = 0; k < oids.size(); ++k) {
            if (r.pduType == 0xA1) oids[k].push_back(1);          // get-next: the successor
            if (r.pduType != 0xA3) values[k] = Integer(7);       // set: the values sent
            if (answer == Answer::OtherOids) oids[k].push_back(99);
        }
        if (answer == Answer::MissingVarbind && !oids.empty()) oids.pop_back(), values.pop_back();
        if (answer == Answer::SwappedIds) {
            held.push_back(r);
            if (held.size() < 2) continue;
            // Each request's objects go out under the other's id.
            for (size_t k = 0; k < 2; ++k) {
                const Request& mine = held[k];
                const Request& other = held[1 - k];
                std::vector<Bytes> v(mine.oids.size(), Integer(7));
                Send(fd_, mine, Response(mine.version, mine.community, other.requestId, mine.oids, v));
            }
            held.clear();
            continue;
        }
        Send(answer == Answer::FromOtherPort ? otherFd_ : fd_, r,
             Response(r.version, r.community, r.requestId, oids, values));
    }
}

void UdpPeer::Flooding()
{
    // A well-formed response that answers nothing, long enough that the receiver spends far
    // longer parsing each one than the peer takes to send it.
    const std::vector<Bytes> names(400, Bytes{0x2b, 6, 1, 2, 1, 1, 5, 0});
    const std::vector<Bytes> values(400, Integer(1));
    const Bytes junk = Response(1, Bytes{'p', 'u', 'b', 'l', 'i', 'c'}, 0x7ffffff0u, names, values);
    while (!stop_) {
        sockaddr_in to{};
        bool have = false;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (floodTo_.size() == sizeof to) {
                std::memcpy(&to, floodTo_.data(), sizeof to);
                have = true;
            }
        }
        if (Now() >= floodUntil_ || !have) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            continue;
        }
        for (int k = 0; k < 64; ++k)
            if (sendto(fd_, junk.data(), junk.size(), MSG_DONTWAIT, reinterpret_cast<const sockaddr*>(&to), sizeof to) > 0)
                ++flooded_;
    }
}
