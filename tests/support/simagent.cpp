#include "tests/support/simagent.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace {

std::string FromEnv(const char* name, const char* fallback)
{
    const char* v = std::getenv(name);
    return v && *v ? v : fallback;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Reads the agent's first line ("PORT <n>") within `ms`; empty when it ends or says nothing.
std::string ReadFirstLine(int fd, int ms)
{
    std::string line;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (line.find('\n') == std::string::npos) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                        deadline - std::chrono::steady_clock::now())
                        .count();
        if (left <= 0) return "";
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left)) <= 0) continue;
        char buf[256];
        ssize_t n = read(fd, buf, sizeof buf);
        if (n <= 0) return "";
        line.append(buf, static_cast<size_t>(n));
    }
    return line.substr(0, line.find('\n'));
}

}  // namespace

SimAgent::SimAgent(const SimAgentOptions& options)
{
    std::string build = FromEnv("VRX_BUILD_DIR", VRX_BUILD_DIR);
    std::string source = FromEnv("VRX_SOURCE_DIR", VRX_SOURCE_DIR);
    std::vector<std::string> args = {
        build + "/tools/agent/vrxagent",
        "--data",
        options.dataFile.empty() ? source + "/tools/agent/data/vrx6120" : options.dataFile};
    if (!options.lines.empty()) {
        std::string extra;
        for (const std::string& l : options.lines) extra += l + "\n";
        dir_.Write("extra.txt", extra);
        args.insert(args.end(), {"--data", dir_.File("extra.txt")});
    }
    if (!options.movingCounters) args.insert(args.end(), {"--line", "counters still"});
    dir_.Write("control.txt", "");
    args.insert(args.end(), {"--address", Address(), "--port", "0", "--log", dir_.File("agent.log"),
                             "--control", dir_.File("control.txt")});
    args.insert(args.end(), options.args.begin(), options.args.end());

    // The agent keeps net-snmp's scratch files in our directory.
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "TMPDIR=", 7) != 0) env.push_back(*e);
    env.push_back("TMPDIR=" + dir_.Path());

    int out[2];
    if (pipe(out) != 0) throw std::runtime_error("SimAgent: pipe failed");
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_adddup2(&fa, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&fa, out[0]);
    posix_spawn_file_actions_addclose(&fa, out[1]);
    std::string errPath = dir_.File("agent.err");
    posix_spawn_file_actions_addopen(&fa, STDERR_FILENO, errPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> argv, envp;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    int rc = posix_spawn(&pid_, argv[0], &fa, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&fa);
    close(out[1]);
    if (rc != 0) {
        close(out[0]);
        pid_ = -1;
        throw std::runtime_error("SimAgent: cannot start " + args[0] + ": " + std::strerror(rc));
    }
    // A bound only: a sanitizer build of the agent on a loaded machine takes many seconds.
    std::string first = ReadFirstLine(out[0], 120000);
    close(out[0]);
    if (first.rfind("PORT ", 0) == 0) port_ = std::atoi(first.c_str() + 5);
    if (port_ <= 0) {
        Stop();
        throw std::runtime_error("SimAgent: the agent did not start: " + ReadFile(errPath));
    }
}

SimAgent::~SimAgent()
{
    Stop();
}

void SimAgent::Stop()
{
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    for (int i = 0; i < 500; ++i) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

std::vector<std::string> SimAgent::LogLines() const
{
    std::string text = ReadFile(dir_.File("agent.log"));
    std::vector<std::string> lines;
    size_t start = 0, nl;
    while ((nl = text.find('\n', start)) != std::string::npos) {  // whole lines only
        lines.push_back(text.substr(start, nl - start));
        start = nl + 1;
    }
    return lines;
}

std::vector<SimRequest> SimAgent::Requests() const
{
    std::vector<SimRequest> out;
    for (const std::string& line : LogLines()) {
        SimRequest r;
        if (vrxagent::ParseLogRecord(line, &r)) out.push_back(std::move(r));
    }
    return out;
}

bool SimAgent::WaitForRequests(size_t count, int ms) const
{
    return WaitFor([&] { return Requests().size() >= count; }, ms);
}

void SimAgent::Control(const std::vector<std::string>& lines)
{
    int first = controlLines_ + 1;
    {
        std::ofstream f(dir_.File("control.txt"), std::ios::app | std::ios::binary);
        for (const std::string& l : lines) f << l << "\n";
    }
    controlLines_ += static_cast<int>(lines.size());
    std::string refused;
    bool done = WaitFor(
        [&] {
            int last = 0;
            refused.clear();
            for (const std::string& line : LogLines()) {
                vrxagent::ControlAck ack;
                if (!vrxagent::ParseControlAck(line, &ack) || ack.line < first) continue;
                last = std::max(last, ack.line);
                if (!ack.ok && refused.empty())
                    refused = "\"" + lines[static_cast<size_t>(ack.line - first)] + "\": " + ack.reason;
            }
            return last >= controlLines_;
        },
        120000);
    if (!done) throw std::runtime_error("SimAgent: the agent did not apply its control lines");
    if (!refused.empty()) throw std::runtime_error("SimAgent: refused " + refused);
}
