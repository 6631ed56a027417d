// The agent proper on net-snmp's agent library: one handler over the subtrees in use that
// answers from the MIB of an AgentState, community and user checks in the access-control
// callbacks, and the request log, the delay and the dropped requests around net-snmp's own
// processing of each received PDU.
#pragma once

#include <csignal>
#include <cstdio>
#include <functional>
#include <set>
#include <string>

#include "tools/agent/datafile.h"

namespace vrxagent {

class Agent {
public:
    // `log` may be null; lines are flushed as written. `workDir` holds net-snmp's
    // configuration and persistent directories, which the agent keeps empty.
    Agent(AgentState& state, std::FILE* log, const std::string& workDir);
    ~Agent();
    Agent(const Agent&) = delete;
    Agent& operator=(const Agent&) = delete;

    // Initialises net-snmp, binds address:port (0 picks a free port) and creates the users.
    bool Start(const std::string& address, int port, std::string* why);
    int Port() const { return port_; }

    // Serves requests until `stop` is set; calls `idle` at least every 50 ms.
    void Run(const volatile std::sig_atomic_t& stop, const std::function<void()>& idle);

    void WriteLog(const std::string& line);

    // Serves the subtrees that objects or tables added since the start need.
    bool Register(std::string* why);

private:
    AgentState& state_;
    std::FILE* log_;
    std::string workDir_;
    int port_ = 0;
    bool started_ = false;
    std::set<Oid> registered_;
};

}  // namespace vrxagent
