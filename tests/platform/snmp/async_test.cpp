// Asynchronous requests: delivery only inside the pump, cancellation, time-outs.
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

#include "tests/platform/snmp/agentfixture.h"

namespace {

struct Delivery {
    int reason;
    Pdu pdu;
    std::string from;
    void* data;
};

std::vector<Delivery> g_deliveries;

void Record(int reason, Snmp*, Pdu& pdu, SnmpTarget& target, void* data)
{
    g_deliveries.push_back({reason, pdu, target.get_address().get_printable(), data});
}

// Waits long enough for a loopback reply to have arrived, without pumping.
void LetRepliesArrive() { std::this_thread::sleep_for(std::chrono::milliseconds(150)); }

class AsyncTest : public AgentTest {
protected:
    void SetUp() override
    {
        g_deliveries.clear();
        AgentTest::SetUp();
    }
    void PumpUntil(size_t n, int ms = 20000)
    {
        WaitFor([&] {
            snmp_->process_pending_events();
            return g_deliveries.size() >= n;
        }, ms);
    }
};

}  // namespace

TEST_F(AsyncTest, RepliesAreDeliveredOnlyByThePump)
{
    Pdu pdu = Get(kSysName);
    ASSERT_EQ(snmp_->get(pdu, Community(version2c), Record, &pdu), SNMP_CLASS_SUCCESS);
    EXPECT_NE(pdu.get_request_id(), 0u);
    EXPECT_EQ(snmp_->pending_count(), 1);
    LetRepliesArrive();
    EXPECT_TRUE(g_deliveries.empty());
    PumpUntil(1);
    ASSERT_EQ(g_deliveries.size(), 1u);
    EXPECT_EQ(g_deliveries[0].reason, SNMP_CLASS_ASYNC_RESPONSE);
    EXPECT_EQ(g_deliveries[0].pdu.get_error_status(), 0);
    EXPECT_EQ(g_deliveries[0].pdu[0].get_printable_oid(), kSysName);
    EXPECT_FALSE(g_deliveries[0].pdu[0].get_printable_value().empty());
    EXPECT_EQ(g_deliveries[0].from, agent_.Address());
    EXPECT_EQ(g_deliveries[0].data, &pdu);
    EXPECT_EQ(snmp_->pending_count(), 0);
    EXPECT_EQ(snmp_->process_pending_events(), 0);  // never twice
}

TEST_F(AsyncTest, ASynchronousCallNeverRunsAnotherRequestsCallback)
{
    Pdu async = Get(kSysName);
    ASSERT_EQ(snmp_->get(async, Community(version2c), Record, nullptr), SNMP_CLASS_SUCCESS);
    LetRepliesArrive();
    // Same target, same session and socket: the sync call reads the async reply too.
    Pdu sync = Get(kSysDescr);
    ASSERT_EQ(snmp_->get(sync, Community(version2c)), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(sync[0].get_printable_oid(), kSysDescr);
    EXPECT_TRUE(g_deliveries.empty());
    EXPECT_EQ(snmp_->process_pending_events(), 1);
    ASSERT_EQ(g_deliveries.size(), 1u);
    EXPECT_EQ(g_deliveries[0].pdu[0].get_printable_oid(), kSysName);
}

TEST_F(AsyncTest, PumpRunsWhenASocketBecomesReadable)
{
    snmp_->set_readable_handler([this] { snmp_->process_pending_events(); });
    Pdu pdu = Get(kSysName);
    ASSERT_EQ(snmp_->get(pdu, Community(version2c), Record, nullptr), SNMP_CLASS_SUCCESS);
    // Only the Qt event loop runs here; nobody calls the pump.
    EXPECT_TRUE(WaitFor([] { return !g_deliveries.empty(); }));
    EXPECT_EQ(g_deliveries.size(), 1u);
    snmp_->set_readable_handler(nullptr);
    ASSERT_EQ(snmp_->get(pdu, Community(version2c), Record, nullptr), SNMP_CLASS_SUCCESS);
    WaitFor([] { return false; }, 200);
    EXPECT_EQ(g_deliveries.size(), 1u);
}

TEST_F(AsyncTest, SetAndGetNextTravelAsynchronously)
{
    Pdu set;
    Vb vb{Oid(kSysContact)};
    vb.set_value(OctetStr("async contact"));
    set += vb;
    ASSERT_EQ(snmp_->set(set, Community(version2c), Record, nullptr), SNMP_CLASS_SUCCESS);
    Pdu next = Get("1.3.6.1.2.1.1.4");
    ASSERT_EQ(snmp_->get_next(next, Community(version1), Record, nullptr), SNMP_CLASS_SUCCESS);
    PumpUntil(2);
    ASSERT_EQ(g_deliveries.size(), 2u);
    for (const Delivery& d : g_deliveries) {
        EXPECT_EQ(d.reason, SNMP_CLASS_ASYNC_RESPONSE);
        EXPECT_EQ(d.pdu[0].get_printable_oid(), kSysContact);
    }
}

TEST_F(AsyncTest, AgentErrorsArriveInTheReply)
{
    Pdu pdu = Get("1.3.6.1.2.1.1.99.0");
    ASSERT_EQ(snmp_->get(pdu, Community(version1), Record, nullptr), SNMP_CLASS_SUCCESS);
    PumpUntil(1);
    ASSERT_EQ(g_deliveries.size(), 1u);
    EXPECT_EQ(g_deliveries[0].reason, SNMP_CLASS_ASYNC_RESPONSE);
    EXPECT_EQ(g_deliveries[0].pdu.get_error_status(), SNMP_ERROR_NO_SUCH_NAME);
    EXPECT_EQ(g_deliveries[0].pdu.get_error_index(), 1);
}

TEST_F(AsyncTest, TimeOutIsReportedOnceAfterOneRetry)
{
    SilentPort port;
    CTarget t(port.Address());
    t.set_version(version2c);
    t.set_timeout(10);
    t.set_retry(1);
    Pdu pdu = Get(kSysName);
    ASSERT_EQ(snmp_->get(pdu, t, Record, nullptr), SNMP_CLASS_SUCCESS);
    PumpUntil(1);
    WaitFor([&] {
        snmp_->process_pending_events();
        return false;
    }, 300);
    ASSERT_EQ(g_deliveries.size(), 1u);
    EXPECT_EQ(g_deliveries[0].reason, SNMP_CLASS_TIMEOUT);
    EXPECT_EQ(g_deliveries[0].pdu.get_error_status(), SNMP_CLASS_TIMEOUT);
    EXPECT_EQ(g_deliveries[0].pdu[0].get_printable_oid(), kSysName);
    EXPECT_EQ(port.Count(), 2);
}

TEST_F(AsyncTest, CancelledRequestsNeverReachTheirCallback)
{
    int a = 0, b = 0;
    Pdu p1 = Get(kSysName), p2 = Get(kSysDescr), p3 = Get(kSysUpTime), p4 = Get(kSysContact);
    ASSERT_EQ(snmp_->get(p1, Community(version2c), Record, &a), SNMP_CLASS_SUCCESS);
    ASSERT_EQ(snmp_->get(p2, Community(version2c), Record, &a), SNMP_CLASS_SUCCESS);
    ASSERT_EQ(snmp_->get(p3, Community(version2c), Record, &b), SNMP_CLASS_SUCCESS);
    ASSERT_EQ(snmp_->get(p4, Community(version2c), Record, &b), SNMP_CLASS_SUCCESS);
    LetRepliesArrive();
    EXPECT_EQ(snmp_->cancel_all(&a), 2);
    EXPECT_EQ(snmp_->cancel(p4.get_request_id()), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(snmp_->cancel(p4.get_request_id()), SNMP_CLASS_INVALID_REQID);
    EXPECT_EQ(snmp_->pending_count(), 1);
    PumpUntil(1);
    WaitFor([&] {
        snmp_->process_pending_events();
        return false;
    }, 200);
    ASSERT_EQ(g_deliveries.size(), 1u);
    EXPECT_EQ(g_deliveries[0].data, &b);
    EXPECT_EQ(g_deliveries[0].pdu[0].get_printable_oid(), kSysUpTime);
}

TEST_F(AsyncTest, CancelledBeforeTheReplyStillDropsTheLateReply)
{
    int a = 0;
    Pdu pdu = Get(kSysName);
    ASSERT_EQ(snmp_->get(pdu, Community(version2c), Record, &a), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(snmp_->cancel(pdu.get_request_id()), SNMP_CLASS_SUCCESS);  // reply not read yet
    LetRepliesArrive();
    WaitFor([&] {
        snmp_->process_pending_events();
        return false;
    }, 200);
    EXPECT_TRUE(g_deliveries.empty());
    // The session carries on normally.
    Pdu next = Get(kSysName);
    EXPECT_EQ(snmp_->get(next, Community(version2c)), SNMP_CLASS_SUCCESS);
}

TEST_F(AsyncTest, FailuresAtTheSendAreReturnedNotCalledBack)
{
    Pdu bad = Get("1.3.6.1.");
    EXPECT_EQ(snmp_->get(bad, Community(version2c), Record, nullptr), SNMP_CLASS_INVALID_OID);
    Pdu pdu = Get(kSysName);
    EXPECT_EQ(snmp_->get(pdu, Community(version2c), nullptr, nullptr), SNMP_CLASS_INVALID_CALLBACK);
    UTarget nobody = User("never-registered", SNMP_AUTHPROTOCOL_NONE, "");
    usmDeleteUserName("never-registered");
    Pdu auth = Get(kSysName, SNMP_SECURITY_LEVEL_AUTH_NOPRIV);
    EXPECT_EQ(snmp_->get(auth, nobody, Record, nullptr), SNMPv3_USM_UNKNOWN_SECURITY_NAME);
    WaitFor([&] {
        snmp_->process_pending_events();
        return false;
    }, 100);
    EXPECT_TRUE(g_deliveries.empty());
    EXPECT_EQ(snmp_->pending_count(), 0);
}

TEST_F(AsyncTest, ClosingTheSessionEndsOpenRequests)
{
    int a = 0;
    Pdu pdu = Get(kSysName);
    ASSERT_EQ(snmp_->get(pdu, Community(version2c), Record, &a), SNMP_CLASS_SUCCESS);
    snmp_.reset();
    ASSERT_EQ(g_deliveries.size(), 1u);
    EXPECT_EQ(g_deliveries[0].reason, SNMP_CLASS_SESSION_DESTROYED);
    EXPECT_EQ(g_deliveries[0].data, &a);
}

namespace {

// A walk driven from the callback, as a table read is.
struct Walk {
    Snmp* snmp;
    CTarget target;
    std::vector<std::string> oids;
    int reason = 0;
    bool done = false;
};

void WalkStep(int reason, Snmp* snmp, Pdu& pdu, SnmpTarget&, void* data)
{
    Walk* w = static_cast<Walk*>(data);
    w->reason = reason;
    Oid o = pdu[0].get_oid();
    if (reason != SNMP_CLASS_ASYNC_RESPONSE || !o.starts_with(Oid("1.3.6.1.2.1.1"))) {
        w->done = true;
        return;
    }
    w->oids.push_back(o.get_printable());
    Pdu next;
    next += Vb(o);
    if (snmp->get_next(next, w->target, WalkStep, w) != SNMP_CLASS_SUCCESS) w->done = true;
}

}  // namespace

TEST_F(AsyncTest, CallbacksCanSendTheNextRequest)
{
    snmp_->set_readable_handler([this] { snmp_->process_pending_events(); });
    Walk w{snmp_.get(), Community(version2c), {}, 0, false};
    Pdu first = Get("1.3.6.1.2.1.1");
    ASSERT_EQ(snmp_->get_next(first, w.target, WalkStep, &w), SNMP_CLASS_SUCCESS);
    ASSERT_TRUE(WaitFor([&] { return w.done; }));
    EXPECT_EQ(w.reason, SNMP_CLASS_ASYNC_RESPONSE);
    ASSERT_GE(w.oids.size(), 7u);
    EXPECT_EQ(w.oids[0], kSysDescr);
    for (size_t i = 1; i < w.oids.size(); ++i) EXPECT_TRUE(Oid(w.oids[i - 1]) < Oid(w.oids[i]));
}

namespace {

void ThrowOnce(int reason, Snmp* s, Pdu& pdu, SnmpTarget& t, void* data)
{
    Record(reason, s, pdu, t, data);
    if (g_deliveries.size() == 1) throw std::runtime_error("handler failed");
}

}  // namespace

TEST_F(AsyncTest, ACallbackThatThrowsLeavesThePumpUsable)
{
    Pdu p1 = Get(kSysName), p2 = Get(kSysDescr);
    ASSERT_EQ(snmp_->get(p1, Community(version2c), ThrowOnce, nullptr), SNMP_CLASS_SUCCESS);
    ASSERT_EQ(snmp_->get(p2, Community(version2c), ThrowOnce, nullptr), SNMP_CLASS_SUCCESS);
    LetRepliesArrive();
    EXPECT_THROW(snmp_->process_pending_events(), std::runtime_error);
    EXPECT_EQ(g_deliveries.size(), 1u);
    PumpUntil(2);
    EXPECT_EQ(g_deliveries.size(), 2u);  // the second reply was kept, not lost
    EXPECT_EQ(snmp_->pending_count(), 0);
}
