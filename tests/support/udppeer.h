// A small SNMP responder on 127.0.0.1 for the cases no well-behaved agent produces: replies
// from another port, replies naming other objects, replies carrying another request's id, and
// floods of datagrams at the module's socket. It speaks SNMPv1 and v2c (BER of our own), on a
// thread of its own, and is a real peer on the wire.
//
//   UdpPeer peer(UdpPeer::Answer::OtherOids);
//   CTarget t(peer.Address());    // any community
//   ... a get fails; peer.Requests() counts what it was asked.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class UdpPeer {
public:
    enum class Answer {
        Right,           // the objects asked (get, set) or each one's successor ".1" (get-next)
        FromOtherPort,   // the right answer, sent from another port of the same address
        OtherOids,       // the objects asked with ".99" appended
        MissingVarbind,  // the right answer without its last binding
        SwappedIds,      // two requests held, then each answered with the other's request id
        Silent,          // no answer
    };

    explicit UdpPeer(Answer answer = Answer::Right);
    ~UdpPeer();
    UdpPeer(const UdpPeer&) = delete;
    UdpPeer& operator=(const UdpPeer&) = delete;

    uint16_t Port() const { return port_; }
    // "127.0.0.1/<port>", as UdpAddress reads it.
    std::string Address() const;
    void SetAnswer(Answer answer) { answer_ = answer; }
    // Requests received so far.
    int Requests() const { return requests_; }

    // For the next ms milliseconds the peer floods the sender of the last request (once one
    // came) with datagrams from its own address and port.
    void Flood(int ms);
    // Datagrams of the flood sent so far.
    long Flooded() const { return flooded_; }
    // True once the flood's time is over.
    bool FloodOver() const;

private:
    struct Request;
    void Serve();
    void Flooding();
    void Send(int fd, const Request& to, const std::vector<uint8_t>& datagram);

    int fd_ = -1;
    int otherFd_ = -1;
    uint16_t port_ = 0;
    std::atomic<Answer> answer_;
    std::atomic<int> requests_{0};
    std::atomic<bool> stop_{false};
    std::atomic<int64_t> floodUntil_{0};  // steady clock, nanoseconds
    std::atomic<long> flooded_{0};
    std::mutex mutex_;
    std::vector<uint8_t> floodTo_;  // the sockaddr_in of the last sender
    std::thread server_;
    std::thread flooder_;
};
