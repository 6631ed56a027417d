// Peers that misbehave on the wire: answers naming other objects or another request's id,
// answers from another port, and floods at the session's socket.
#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/snmp/snmp.h"
#include "tests/support/testsupport.h"
#include "tests/support/udppeer.h"

namespace {

const char* const kName = "1.3.6.1.2.1.1.5.0";
const char* const kContact = "1.3.6.1.2.1.1.4.0";

struct Delivery {
    int reason;
    std::vector<std::string> oids;
};

void Record(int reason, Snmp*, Pdu& pdu, SnmpTarget&, void* data)
{
    Delivery d{reason, {}};
    for (int i = 0; i < pdu.get_vb_count(); ++i) d.oids.push_back(pdu[i].get_printable_oid());
    static_cast<std::vector<Delivery>*>(data)->push_back(d);
}

Pdu Ask(std::initializer_list<const char*> oids)
{
    Pdu pdu;
    for (const char* o : oids) pdu += Vb(Oid(o));
    return pdu;
}

class PeerTest : public ::testing::Test {
protected:
    CTarget Target(const UdpPeer& peer, unsigned long timeout = kPatientTimeout) const
    {
        CTarget t{UdpAddress(peer.Address())};
        t.set_version(version2c);
        t.set_timeout(timeout);
        t.set_retry(0);
        return t;
    }
    void PumpUntil(size_t n, int ms = 20000)
    {
        WaitFor([&] {
            snmp_.process_pending_events();
            return deliveries_.size() >= n;
        }, ms);
    }

    int status_ = 0;
    Snmp snmp_{status_};
    std::vector<Delivery> deliveries_;
};

}  // namespace

TEST_F(PeerTest, TheAnswerToWhatWasAskedIsTaken)
{
    UdpPeer peer;
    Pdu get = Ask({kName, kContact});
    ASSERT_EQ(snmp_.get(get, Target(peer)), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(get[1].get_printable_oid(), kContact);
    Pdu next = Ask({kName, kContact});
    ASSERT_EQ(snmp_.get_next(next, Target(peer)), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(next[0].get_printable_oid(), std::string(kName) + ".1");
}

TEST_F(PeerTest, AnswersThatDoNotNameWhatWasAskedFailTheRequest)
{
    struct Case {
        UdpPeer::Answer answer;
        bool getNext;
    } cases[] = {
        {UdpPeer::Answer::OtherOids, false},
        {UdpPeer::Answer::MissingVarbind, false},
        {UdpPeer::Answer::MissingVarbind, true},
    };
    for (const Case& c : cases) {
        UdpPeer peer(c.answer);
        Pdu pdu = Ask({kName, kContact});
        int status = c.getNext ? snmp_.get_next(pdu, Target(peer)) : snmp_.get(pdu, Target(peer));
        EXPECT_EQ(status, SNMP_CLASS_INVALID_PDU) << static_cast<int>(c.answer) << c.getNext;

        deliveries_.clear();
        pdu = Ask({kName, kContact});
        ASSERT_EQ(c.getNext ? snmp_.get_next(pdu, Target(peer), Record, &deliveries_)
                            : snmp_.get(pdu, Target(peer), Record, &deliveries_),
                  SNMP_CLASS_SUCCESS);
        PumpUntil(1);
        ASSERT_EQ(deliveries_.size(), 1u);
        EXPECT_EQ(deliveries_[0].reason, SNMP_CLASS_INVALID_PDU);
        EXPECT_EQ(deliveries_[0].oids, (std::vector<std::string>{kName, kContact}));  // what was sent
    }
}

TEST_F(PeerTest, AnswersUnderAnotherRequestsIdFailBothRequests)
{
    UdpPeer peer(UdpPeer::Answer::SwappedIds);
    Pdu name = Ask({kName}), contact = Ask({kContact});
    ASSERT_EQ(snmp_.get(name, Target(peer), Record, &deliveries_), SNMP_CLASS_SUCCESS);
    ASSERT_EQ(snmp_.get(contact, Target(peer), Record, &deliveries_), SNMP_CLASS_SUCCESS);
    PumpUntil(2);
    ASSERT_EQ(deliveries_.size(), 2u);
    EXPECT_EQ(deliveries_[0].reason, SNMP_CLASS_INVALID_PDU);
    EXPECT_EQ(deliveries_[1].reason, SNMP_CLASS_INVALID_PDU);
    EXPECT_EQ(peer.Requests(), 2);
}

TEST_F(PeerTest, RepliesFromAnotherPortAreDropped)
{
    UdpPeer peer(UdpPeer::Answer::FromOtherPort);
    Pdu pdu = Ask({kName});
    EXPECT_EQ(snmp_.get(pdu, Target(peer, 30)), SNMP_CLASS_TIMEOUT);
    EXPECT_EQ(peer.Requests(), 1);
    // The same peer answering from its own port is heard on the same session.
    peer.SetAnswer(UdpPeer::Answer::Right);
    pdu = Ask({kName});
    EXPECT_EQ(snmp_.get(pdu, Target(peer)), SNMP_CLASS_SUCCESS);
}

TEST_F(PeerTest, AFloodAtTheSocketDoesNotHoldThePump)
{
    UdpPeer peer;
    Pdu pdu = Ask({kName});
    ASSERT_EQ(snmp_.get(pdu, Target(peer)), SNMP_CLASS_SUCCESS);  // the session and its socket exist
    peer.Flood(3000);
    pdu = Ask({kName});
    ASSERT_EQ(snmp_.get(pdu, Target(peer, 50), Record, &deliveries_), SNMP_CLASS_SUCCESS);
    ASSERT_TRUE(WaitFor([&] { return peer.Flooded() > 1000; }, 10000));  // the flooding thread may start late on a loaded machine
    // Each pass reads a bounded share of the flood and returns: the window keeps running
    // while the flood lasts. A pump that read while data waits would return once, after it.
    int passes = 0;
    while (!peer.FloodOver()) {
        snmp_.process_pending_events();
        ++passes;
    }
    EXPECT_GT(passes, 1);
    // The request ends (answered or timed out) and the session still works after the flood.
    PumpUntil(1);
    EXPECT_EQ(deliveries_.size(), 1u);
    // Drain what the flood left in the socket before asking again.
    WaitFor([&] {
        snmp_.process_pending_events();
        return false;
    }, 800);
    pdu = Ask({kName});
    EXPECT_EQ(snmp_.get(pdu, Target(peer)), SNMP_CLASS_SUCCESS);
}
