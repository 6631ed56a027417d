// vrxagent: a simulated VRX-6120 switch agent for tests and demonstrations (see README.md).
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/agent/agent.h"
#include "tools/agent/control.h"
#include "tools/agent/datafile.h"
#include "tools/agent/textformat.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;

void OnSignal(int) { g_stop = 1; }

const char kUsage[] =
    "usage: vrxagent --data FILE [--data FILE]... [--address ADDR] [--port N]\n"
    "                [--log FILE] [--control FILE] [--line LINE]...\n"
    "                [--community NAME] [--write-community NAME] [--user SPEC]...\n"
    "                [--fault SPEC]...\n"
    "Serves the data files' objects over SNMPv1, v2c and v3 on ADDR (default 127.0.0.1)\n"
    "and port N (default 0: any free port); prints \"PORT <n>\" once it listens.\n";

int Usage(const std::string& error)
{
    std::fprintf(stderr, "vrxagent: %s\n%s", error.c_str(), kUsage);
    return 2;
}

struct Options {
    std::vector<std::string> dataFiles;
    std::vector<std::string> lines;  // applied after the files, in order
    std::string address = "127.0.0.1";
    int port = 0;
    std::string log, control;
};

bool ParseArgs(int argc, char** argv, Options* o, std::string* error)
{
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            std::fputs(kUsage, stdout);
            std::exit(0);
        }
        if (i + 1 >= argc) return *error = "missing value after " + a, false;
        std::string v = argv[++i];
        if (a == "--data") {
            o->dataFiles.push_back(v);
        } else if (a == "--address") {
            o->address = v;
        } else if (a == "--port") {
            char* end = nullptr;
            long p = std::strtol(v.c_str(), &end, 10);
            if (v.empty() || *end || p < 0 || p > 65535) return *error = "bad port " + v, false;
            o->port = static_cast<int>(p);
        } else if (a == "--log") {
            o->log = v;
        } else if (a == "--control") {
            o->control = v;
        } else if (a == "--line") {
            o->lines.push_back(v);
        } else if (a == "--community") {
            o->lines.push_back("community ro " + vrxagent::Quote(v));
        } else if (a == "--write-community") {
            o->lines.push_back("community rw " + vrxagent::Quote(v));
        } else if (a == "--user") {
            o->lines.push_back("user " + v);
        } else if (a == "--fault") {
            o->lines.push_back("fault " + v);
        } else {
            return *error = "unknown option " + a, false;
        }
    }
    if (o->dataFiles.empty()) return *error = "no --data file", false;
    return true;
}

std::string MakeWorkDir()
{
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/vrxagent.XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    return mkdtemp(buf.data()) ? std::string(buf.data()) : std::string();
}

}  // namespace

int main(int argc, char** argv)
{
    Options opt;
    std::string error;
    if (!ParseArgs(argc, argv, &opt, &error)) return Usage(error);

    vrxagent::AgentState state;
    for (const std::string& file : opt.dataFiles)
        if (!vrxagent::LoadFile(state, file, &error)) {
            std::fprintf(stderr, "vrxagent: %s\n", error.c_str());
            return 1;
        }
    for (const std::string& line : opt.lines)
        if (!vrxagent::ApplyLine(state, line, true, &error)) {
            std::fprintf(stderr, "vrxagent: option \"%s\": %s\n", line.c_str(), error.c_str());
            return 1;
        }
    if (!state.mib.CheckJoins(&error)) {
        std::fprintf(stderr, "vrxagent: %s\n", error.c_str());
        return 1;
    }
    if (state.communities.empty()) state.communities = {{"public", false}, {"private", true}};

    std::FILE* log = nullptr;
    if (!opt.log.empty() && !(log = std::fopen(opt.log.c_str(), "w"))) {
        std::fprintf(stderr, "vrxagent: cannot write the log %s\n", opt.log.c_str());
        return 1;
    }
    std::string workDir = MakeWorkDir();
    if (workDir.empty()) {
        std::fprintf(stderr, "vrxagent: cannot make a work directory\n");
        return 1;
    }

    struct sigaction sa;
    std::memset(&sa, 0, sizeof sa);
    sa.sa_handler = OnSignal;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
    signal(SIGPIPE, SIG_IGN);

    int rc = 0;
    {
        vrxagent::Agent agent(state, log, workDir);
        if (!agent.Start(opt.address, opt.port, &error)) {
            std::fprintf(stderr, "vrxagent: %s\n", error.c_str());
            rc = 1;
        } else {
            std::printf("PORT %d\n", agent.Port());
            std::fflush(stdout);
            vrxagent::ControlFile control(opt.control, state,
                                          [&](const std::string& l) {
                                              agent.Register(nullptr);
                                              agent.WriteLog(l);
                                          });
            auto last = std::chrono::steady_clock::now();
            agent.Run(g_stop, [&] {
                control.Poll();
                // Counters with a rate advance once a second.
                auto now = std::chrono::steady_clock::now();
                auto seconds = std::chrono::duration_cast<std::chrono::seconds>(now - last).count();
                if (seconds > 0) {
                    state.mib.AdvanceCounters(static_cast<std::uint64_t>(seconds));
                    last += std::chrono::seconds(seconds);
                }
            });
        }
    }
    if (log) std::fclose(log);
    std::error_code ec;
    std::filesystem::remove_all(workDir, ec);
    return rc;
}
