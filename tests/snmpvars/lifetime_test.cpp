// A request destroyed with exchanges on their way: its destructor waits for them, withdraws
// what is left, and no late reply reaches it.
#include <chrono>

#include "agentfixture.h"
#include "platform/snmp/snmp.h"
#include "snmpvars/qzsnmpsession.h"

namespace {

const UISnmpVar kName[] = {{"1.3.6.1.2.1.1.5", "Name", sxDisplayStr, acReadOnly}, {nullptr}};

struct Counter {
    int calls = 0;
    QzSNMPRequest* deleteOnDone = nullptr;
    void Done(QzSNMPError&, QzSNMPVarList&)
    {
        ++calls;
        if (QzSNMPRequest* r = deleteOnDone) {
            deleteOnDone = nullptr;
            delete r;
        }
    }
};

long long MsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

class LifetimeTest : public AgentTest {
protected:
    QzSNMPRequest* NewRequest()
    {
        auto* r = new QzSNMPRequest;
        r->varList = QzSNMPVarList(kName, SVT_SV, 0);
        return r;
    }
    Counter counter_;
};

}  // namespace

TEST_F(LifetimeTest, TheDestructorWaitsForARepliesOnTheirWay)
{
    Start({}, 1, false);
    agent_->Control("fault delay 300");
    QzSNMPRequest* r = NewRequest();
    r->GetAsync(QzSNMPDoneEvent(&counter_, &Counter::Done), true);
    r->GetAsync(QzSNMPDoneEvent(&counter_, &Counter::Done), true);
    EXPECT_EQ(r->outstanding, 2);
    auto start = std::chrono::steady_clock::now();
    delete r;
    EXPECT_LT(MsSince(start), 5000);
    EXPECT_GE(MsSince(start), 250);
    // The replies were taken in, but its owner (being destroyed) hears of none.
    EXPECT_EQ(counter_.calls, 0);
    EXPECT_EQ(QzSNMPSession->pending_count(), 0);
    EXPECT_EQ(Log(2).size(), 2u);
}

TEST_F(LifetimeTest, ExchangesStillOpenAfterTheWaitAreWithdrawn)
{
    Start({}, 1, false);
    agent_->Control("fault drop all");
    QzSNMPRequest* r = NewRequest();
    r->timeout = 1000;  // 10 s: longer than the destructor waits
    r->retries = 0;
    r->GetAsync(QzSNMPDoneEvent(&counter_, &Counter::Done), true);
    auto start = std::chrono::steady_clock::now();
    delete r;
    EXPECT_GE(MsSince(start), 5900);
    EXPECT_EQ(QzSNMPSession->pending_count(), 0);
    // The agent wakes up: nothing reaches the freed request.
    agent_->Control("fault drop off");
    WaitFor([] { return false; }, 200);
    EXPECT_EQ(counter_.calls, 0);
}

TEST_F(LifetimeTest, ACompletionMayDeleteItsOwnRequest)
{
    Start({}, 1, false);
    QzSNMPRequest* r = NewRequest();
    counter_.deleteOnDone = r;
    r->GetAsync(QzSNMPDoneEvent(&counter_, &Counter::Done), true);
    auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(WaitFor([&] { return counter_.calls == 1; }));
    EXPECT_LT(MsSince(start), 3000);
    EXPECT_EQ(counter_.deleteOnDone, nullptr);
    EXPECT_EQ(QzSNMPSession->pending_count(), 0);
}

TEST_F(LifetimeTest, ASessionClosedWithExchangesOpenEndsThemWithoutACompletion)
{
    Start({}, 1, false);
    agent_->Control("fault drop all");
    QzSNMPRequest r;
    r.varList = QzSNMPVarList(kName, SVT_SV, 0);
    r.GetAsync(QzSNMPDoneEvent(&counter_, &Counter::Done), true);
    EXPECT_EQ(r.outstanding, 1);
    QzSNMPInitialize(dir_.Path());  // a new session: the old one closes
    EXPECT_EQ(r.outstanding, 0);
    EXPECT_EQ(counter_.calls, 0);
}

TEST_F(LifetimeTest, ARequestDeletedInAnotherOnesCompletionWithdrawsAtOnce)
{
    Start({}, 1, false);
    agent_->Control("fault delay 300");
    QzSNMPRequest* first = NewRequest();
    QzSNMPRequest* second = NewRequest();
    first->timeout = 10;  // times out while the second one's reply is still on its way
    first->retries = 0;
    Counter late;
    second->GetAsync(QzSNMPDoneEvent(&late, &Counter::Done), true);
    long long deleteMs = -1;
    struct Deleter {
        QzSNMPRequest* victim;
        long long* ms;
        int calls = 0;
        void Done(QzSNMPError&, QzSNMPVarList&)
        {
            ++calls;
            auto start = std::chrono::steady_clock::now();
            delete victim;
            *ms = MsSince(start);
        }
    } deleter{second, &deleteMs};
    first->GetAsync(QzSNMPDoneEvent(&deleter, &Deleter::Done), true);
    ASSERT_TRUE(WaitFor([&] { return deleter.calls == 1; }));
    // The pump cannot deliver while it runs a completion: waiting would only freeze the window.
    EXPECT_LT(deleteMs, 1000);
    EXPECT_EQ(QzSNMPSession->pending_count(), 0);
    WaitFor([] { return false; }, 500);
    EXPECT_EQ(late.calls, 0);
    delete first;
}
