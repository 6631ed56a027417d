// The simulated VRX-6120 agent for a test: runs tools/agent's vrxagent on 127.0.0.1 and a
// free port, reads its request log, changes its data and faults while it runs, and stops it
// when destroyed. Every instance has its own scratch directory, so tests may run in parallel.
//
//   SimAgent agent;                                 // the VRX-6120 data folder
//   ... point the module at agent.Address(), agent.Port(): read "public", write "private"
//   agent.WaitForRequests(1);
//   EXPECT_EQ(agent.Requests()[0].kind, "SET");
//   agent.Control("fault drop all");                // stop answering
//
// Data-file lines, faults and the log format are described in tools/agent/README.md.
#pragma once

#include <initializer_list>
#include <string>
#include <sys/types.h>
#include <vector>

#include "tests/support/testsupport.h"
#include "tools/agent/textformat.h"

struct SimAgentOptions {
    std::string dataFile;            // a file or a folder; empty: tools/agent/data/vrx6120/
    std::vector<std::string> lines;  // further data-file lines (objects, tables, users, faults)
    std::vector<std::string> args;   // further vrxagent arguments
    bool movingCounters = false;     // counters with a rate advance; off: values stay as given
};

// One request PDU as the agent logged it: kind ("GET", "GETNEXT", "GETBULK", "SET"),
// version ("v1", "v2c", "v3"), name (community or user), level, status (error-status name of
// the reply, "dropped" or "unanswered"), errorIndex, and varbinds {oid, type, value}.
using SimRequest = vrxagent::LogRecord;
using SimVarbind = vrxagent::LogVarbind;

class SimAgent {
public:
    // Starts the agent and waits until it listens; throws std::runtime_error with the agent's
    // own message when it refuses its data or cannot start.
    explicit SimAgent(const SimAgentOptions& options = {});
    ~SimAgent();
    SimAgent(const SimAgent&) = delete;
    SimAgent& operator=(const SimAgent&) = delete;

    std::string Address() const { return "127.0.0.1"; }
    int Port() const { return port_; }
    std::string Target() const { return Address() + ":" + std::to_string(port_); }

    // Every request logged so far, oldest first.
    std::vector<SimRequest> Requests() const;
    // Waits (processing Qt events) until at least `count` requests are logged.
    bool WaitForRequests(size_t count, int ms = 20000) const;

    // Applies data-file lines while the agent runs ("<oid> <type> <value>", "unset <oid>",
    // "fault ..."), in order, and returns once the agent has applied them; throws
    // std::runtime_error with the reason when the agent refuses one.
    void Control(const std::vector<std::string>& lines);
    void Control(std::initializer_list<std::string> lines) { Control(std::vector<std::string>(lines)); }
    void Control(const std::string& line) { Control(std::vector<std::string>{line}); }
    // Returns once every request answered so far is in the log: the agent logs a request after
    // its reply has left, so a client that saw the reply may read the log a moment too early.
    void Sync() { Control(std::string()); }

    const std::string& Dir() const { return dir_.Path(); }

private:
    std::vector<std::string> LogLines() const;
    void Stop();

    TempDir dir_;
    pid_t pid_ = -1;
    int port_ = 0;
    int controlLines_ = 0;
};
