#include "tests/support/snmpd.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <netinet/in.h>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

const char* const kStandardConfig =
    "rocommunity public 127.0.0.1\n"
    "rwcommunity private 127.0.0.1\n"
    "createUser md5user MD5 md5password\n"
    "createUser shauser SHA shapassword\n"
    "createUser md5des MD5 md5password DES despassword\n"
    "createUser shades SHA shapassword DES despassword\n"
    "createUser noauthuser\n"
    "rwuser noauthuser noauth\n"
    "rwuser md5user auth\n"
    "rwuser shauser auth\n"
    "rwuser md5des priv\n"
    "rwuser shades priv\n";

// An SNMPv2c get of sysUpTime.0 with the community "public".
const unsigned char kProbe[] = {
    0x30, 0x29, 0x02, 0x01, 0x01, 0x04, 0x06, 'p',  'u',  'b',  'l',  'i',  'c',  0xA0, 0x1C,
    0x02, 0x04, 0x00, 0x00, 0x00, 0x01, 0x02, 0x01, 0x00, 0x02, 0x01, 0x00, 0x30, 0x0E, 0x30,
    0x0C, 0x06, 0x08, 0x2B, 0x06, 0x01, 0x02, 0x01, 0x01, 0x03, 0x00, 0x05, 0x00,
};

}  // namespace

uint16_t FreeUdpPort()
{
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0) return 0;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    uint16_t port = 0;
    if (bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) == 0)
        port = ntohs(a.sin_port);
    close(fd);
    return port;
}

SnmpdProcess::SnmpdProcess(std::string dir) : dir_(std::move(dir)) {}

SnmpdProcess::~SnmpdProcess() { Stop(); }

std::string SnmpdProcess::Log() const
{
    std::ifstream f(dir_ + "/snmpd.log");
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

bool SnmpdProcess::WriteConfig(const std::string& extraConfig)
{
    mkdir((dir_ + "/persist").c_str(), 0700);
    mkdir((dir_ + "/nomibs").c_str(), 0700);
    std::ofstream conf(dir_ + "/snmpd.conf");
    conf << kStandardConfig << extraConfig << "\n";
    if (!conf) {
        error_ = "cannot write " + dir_ + "/snmpd.conf";
        return false;
    }
    return true;
}

bool SnmpdProcess::Restart(const std::string& extraConfig)
{
    Stop();
    if (!WriteConfig(extraConfig) || !Launch()) return false;
    if (WaitReady(10000)) return true;
    Stop();
    error_ = "snmpd did not answer after the restart; log:\n" + Log();
    return false;
}

bool SnmpdProcess::Start(const std::string& extraConfig)
{
    Stop();
    if (!WriteConfig(extraConfig)) return false;
    // The port was free a moment ago; another process may take it first, so try a few.
    for (int attempt = 0; attempt < 5; ++attempt) {
        port_ = FreeUdpPort();
        if (port_ == 0) continue;
        if (!Launch()) return false;
        if (WaitReady(10000)) return true;
        Stop();
    }
    if (error_.empty()) error_ = "snmpd did not answer; log:\n" + Log();
    return false;
}

bool SnmpdProcess::Launch()
{
    std::string endpoint = "udp:127.0.0.1:" + std::to_string(port_);
    std::vector<std::string> args = {"/usr/sbin/snmpd", "-f", "-Lf", dir_ + "/snmpd.log", "-C", "-c",
                                     dir_ + "/snmpd.conf", "-p", dir_ + "/snmpd.pid", endpoint};
    std::vector<std::string> env = {"SNMP_PERSISTENT_DIR=" + dir_ + "/persist", "SNMPCONFPATH=" + dir_,
                                    "MIBS=", "MIBDIRS=" + dir_ + "/nomibs", "HOME=" + dir_,
                                    "PATH=/usr/sbin:/usr/bin:/sbin:/bin"};
    std::vector<char*> argv, envp;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    int rc = posix_spawn(&pid, argv[0], &fa, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&fa);
    if (rc != 0) {
        error_ = std::string("cannot start /usr/sbin/snmpd: ") + std::strerror(rc);
        return false;
    }
    pid_ = pid;
    return true;
}

bool SnmpdProcess::WaitReady(int ms)
{
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0) return false;
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port_);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    bool ready = false;
    while (!ready && std::chrono::steady_clock::now() < end) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {  // it ended: the port was taken, or worse
            pid_ = -1;
            break;
        }
        sendto(fd, kProbe, sizeof kProbe, 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 20) > 0) {
            unsigned char buf[1500];
            if (recv(fd, buf, sizeof buf, 0) > 0) ready = true;
        }
    }
    close(fd);
    return ready;
}

void SnmpdProcess::Stop()
{
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    for (int i = 0; i < 300; ++i) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid_, SIGKILL);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
}
