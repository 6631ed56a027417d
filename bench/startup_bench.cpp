// Start-up of the module against the simulated switch on loopback: the time from starting the
// process to its main window shown with the first status replies, and the resident memory of
// the running module. The module is started unchanged; the agent's request log tells when the
// first activation's last status read (the 802.1X state) was answered.
//
//   startup_bench [rounds] [platform]   (default 10 rounds, platform "offscreen"; under
//                                        xvfb-run give "xcb")
//
// Prints every round and the medians. Memory is VmRSS of the module 1 s after its first status
// replies (front panel built, LED poll running), and its peak (VmHWM) then.
#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "tests/support/simagent.h"
#include "tests/support/testsupport.h"

namespace {

using Clock = std::chrono::steady_clock;

const char kDot1xStateOid[] = "1.0.8802.1.1.1.1.1.1.0";

// The number of logged GETs of the 802.1X state.
size_t Dot1xReads(const SimAgent& agent)
{
    size_t n = 0;
    for (const SimRequest& r : agent.Requests())
        if (r.kind == "GET" && !r.varbinds.empty() && r.varbinds[0].oid == kDot1xStateOid) ++n;
    return n;
}

// A value in kB from /proc/<pid>/status ("VmRSS", "VmHWM"); -1 when not there.
long StatusKb(pid_t pid, const std::string& key)
{
    std::ifstream f("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(f, line))
        if (line.compare(0, key.size() + 1, key + ":") == 0) return std::strtol(line.c_str() + key.size() + 1, nullptr, 10);
    return -1;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    size_t n = v.size();
    return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Round {
    double seconds = -1;  // -1: no status replies
    long rssKb = -1, peakKb = -1;
};

Round RunOnce(const std::string& module, const SimAgent& agent, const std::string& platform)
{
    TempDir dir;
    dir.Write("127.0.0.1.cfg", "[Program Information]\nAgentPort=" + std::to_string(agent.Port()) +
                                   "\nVersion=1\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n");
    dir.Write("registry.reg", "Windows Registry Editor Version 5.00\r\n\r\n"
                              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quenzo\\Zentra5.1\\MibFile]\r\n\"Path\"=\"" +
                                  dir.Path() + "/\"\r\n");
    const size_t before = Dot1xReads(agent);

    Round round;
    const Clock::time_point start = Clock::now();
    pid_t pid = fork();
    if (pid == 0) {
        if (chdir(dir.Path().c_str()) != 0) _exit(127);
        setenv("VRX6120_REGISTRY", dir.File("registry.reg").c_str(), 1);
        setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
        // Qt's platform notes would hide the figures.
        if (FILE* null = std::fopen("/dev/null", "w")) dup2(fileno(null), STDERR_FILENO);
        execl(module.c_str(), module.c_str(), "/I127.0.0.1", "/Rpublic", "/Wprivate", static_cast<char*>(nullptr));
        _exit(127);
    }
    if (pid < 0) return round;
    const Clock::time_point deadline = start + std::chrono::seconds(20);
    while (Clock::now() < deadline) {
        if (Dot1xReads(agent) > before) {
            round.seconds = std::chrono::duration<double>(Clock::now() - start).count();
            break;
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) return round;  // ended early
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    if (round.seconds >= 0) {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        round.rssKb = StatusKb(pid, "VmRSS");
        round.peakKb = StatusKb(pid, "VmHWM");
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return round;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const std::string platform = argc > 2 ? argv[2] : "offscreen";
    const char* buildDir = std::getenv("VRX_BUILD_DIR");
    const std::string module = std::string(buildDir && *buildDir ? buildDir : VRX_BUILD_DIR) + "/mainwindow/vrx6120";
    if (access(module.c_str(), X_OK) != 0) {
        std::fprintf(stderr, "no module at %s\n", module.c_str());
        return 1;
    }

    SimAgent agent;
    std::vector<double> times, rss, peak;
    std::printf("start-up of %s (%s), against the simulated switch on 127.0.0.1:%d\n", module.c_str(),
                platform.c_str(), agent.Port());
    for (int i = 0; i < rounds; ++i) {
        Round r = RunOnce(module, agent, platform);
        if (r.seconds < 0) {
            std::printf("round %2d: no status replies\n", i + 1);
            continue;
        }
        std::printf("round %2d: %6.3f s to the first status replies, RSS %6.1f MB, peak %6.1f MB\n", i + 1,
                    r.seconds, r.rssKb / 1024.0, r.peakKb / 1024.0);
        times.push_back(r.seconds);
        if (r.rssKb >= 0) rss.push_back(r.rssKb / 1024.0);
        if (r.peakKb >= 0) peak.push_back(r.peakKb / 1024.0);
    }
    if (times.empty()) return 1;
    std::printf("median: %.3f s (goal < 0.5 s), RSS %.1f MB, peak %.1f MB (goal < 80 MB); %zu of %d rounds\n",
                Median(times), Median(rss), Median(peak), times.size(), rounds);
    return 0;
}
