// The control file: a test appends data-file lines to it while the agent runs; the agent
// applies each new complete line and acknowledges it in its log ("CONTROL <line> ok" or
// "CONTROL <line> error <reason>").
#pragma once

#include <functional>
#include <string>

#include "tools/agent/datafile.h"

namespace vrxagent {

class ControlFile {
public:
    using Ack = std::function<void(const std::string&)>;
    ControlFile(std::string path, AgentState& state, Ack ack)
        : path_(std::move(path)), state_(state), ack_(std::move(ack)) {}

    // Applies the lines appended since the last call; a missing file is no error.
    void Poll();

private:
    std::string path_;
    AgentState& state_;
    Ack ack_;
    long long offset_ = 0;
    int line_ = 0;
    std::string partial_;
};

}  // namespace vrxagent
