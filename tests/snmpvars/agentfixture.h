// Requests against the simulated agent: start it, point the session's settings at it, walk
// synchronously or asynchronously, and read what went over the wire.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "snmpvars/qzsnmprequest.h"
#include "tests/support/simagent.h"
#include "tests/support/testsupport.h"

using Row = std::vector<std::string>;

// Every item's value text.
inline Row RowOf(const QzSNMPVarList& list)
{
    Row row;
    for (int i = 0; i < list.GetCount(); ++i) row.push_back(list.Items(i).value->std());
    return row;
}

// The OIDs of a logged request.
inline std::vector<std::string> OidsOf(const SimRequest& r)
{
    std::vector<std::string> oids;
    for (const SimVarbind& vb : r.varbinds) oids.push_back(vb.oid);
    return oids;
}

// Community rows (next to the data file's "private" and "public") whose names a list cannot
// show whole: "pub", "pub" NUL "x", and "p" 300 "b" (sub-identifier 300 shows as its low byte),
// named "odd-1" to "odd-3".
inline const char* CommunityEntry() { return "1.3.6.1.6.3.18.1.1.1"; }
inline std::vector<std::string> OddCommunityIndexes() { return {"112.117.98", "112.117.98.0.120", "112.300.98"}; }
inline std::vector<std::string> OddCommunityRows()
{
    std::vector<std::string> lines;
    int n = 0;
    for (const std::string& index : OddCommunityIndexes()) {
        auto at = [&](int column) { return std::string(CommunityEntry()) + "." + std::to_string(column) + "." + index; };
        lines.push_back(at(2) + " string odd-" + std::to_string(++n));
        lines.push_back(at(3) + " string guest");
        lines.push_back(at(4) + " hex 80:00:00:AB:03:02:00:00:61:20:00");
        lines.push_back(at(5) + " string \"\"");
        lines.push_back(at(6) + " string \"\"");
        lines.push_back(at(7) + " integer 3");
        lines.push_back(at(8) + " integer 1");
    }
    return lines;
}

// A walk driven by the request's completions, as a control binding drives it.
struct AsyncWalk {
    QzSNMPRequest& request;
    std::vector<Row> rows;
    QzSNMPError last;
    int completions = 0;
    bool finished = false;

    void Start() { request.GetAsync(QzSNMPDoneEvent(this, &AsyncWalk::Done), true); }
    void Done(QzSNMPError& result, QzSNMPVarList& list)
    {
        ++completions;
        last = result;
        if (result.code != 0 || result.done) {
            finished = true;
            return;
        }
        rows.push_back(RowOf(list));
        if (rows.size() > 1000) {  // a walk that never ends
            finished = true;
            return;
        }
        request.GetAsync(QzSNMPDoneEvent(this, &AsyncWalk::Done), false);
    }
    bool Run(int ms = 5000)
    {
        Start();
        return WaitFor([this] { return finished; }, ms);
    }
};

// A synchronous walk; stops after 1000 rows so that a walk that never ends fails the test.
inline std::vector<Row> WalkSync(QzSNMPRequest& request)
{
    std::vector<Row> rows;
    if (request.Get(true)) {
        do {
            rows.push_back(RowOf(request.varList));
        } while (rows.size() <= 1000 && request.Get(false));
    }
    return rows;
}

class AgentTest : public ::testing::Test {
protected:
    // Starts the agent with the VRX-6120 data file, or with `lines` alone when ownData.
    void Start(const std::vector<std::string>& lines = {}, int version = 1, bool ownData = true)
    {
        SimAgentOptions options;
        if (ownData) {
            dir_.Write("data.txt", "");
            options.dataFile = dir_.File("data.txt");
        }
        options.lines = lines;
        agent_ = std::make_unique<SimAgent>(options);
        QzSNMPInitialize(dir_.Path());
        QzSNMPDevice.address = "127.0.0.1";
        QzSNMPDevice.port = static_cast<uint16_t>(agent_->Port());
        QzSNMPSecurity.version = static_cast<uint8_t>(version);
        QzSNMPSecurity.readCommunity = "public";
        QzSNMPSecurity.writeCommunity = "private";
        QzSNMPTimeout = kPatientTimeout;  // a test about time-outs sets its own
    }
    // The log once it holds at least `count` requests and every request answered so far (the
    // agent writes each line after its reply).
    std::vector<SimRequest> Log(size_t count) const
    {
        agent_->WaitForRequests(count);
        agent_->Sync();
        return agent_->Requests();
    }
    // True when, after a moment, the agent has seen no request at all.
    bool NoRequests() const
    {
        WaitFor([] { return false; }, 100);
        return agent_->Requests().empty();
    }

    TempDir dir_;
    std::unique_ptr<SimAgent> agent_;
};
