// Runs net-snmp's snmpd on a free loopback UDP port with a configuration of its own, in a
// directory that the caller provides (empty, private to the caller). Used by tests and
// benchmarks; depends on nothing but POSIX.
#pragma once

#include <cstdint>
#include <string>
#include <sys/types.h>

class SnmpdProcess {
public:
    // Credentials of the standard configuration.
    static constexpr const char* kReadCommunity = "public";
    static constexpr const char* kWriteCommunity = "private";
    // SNMPv3 users: md5user/shauser (authentication only), md5des/shades (authentication and
    // DES privacy), noauthuser (neither). Every user may read and write everything.
    static constexpr const char* kMd5Password = "md5password";
    static constexpr const char* kShaPassword = "shapassword";
    static constexpr const char* kDesPassword = "despassword";

    explicit SnmpdProcess(std::string dir);
    ~SnmpdProcess();
    SnmpdProcess(const SnmpdProcess&) = delete;
    SnmpdProcess& operator=(const SnmpdProcess&) = delete;

    // Writes the configuration (the standard one plus extraConfig lines), starts the agent and
    // waits until it answers; false (with the reason in Error()) when it does not.
    bool Start(const std::string& extraConfig = std::string());
    // Stops the agent and starts it again on the same port with a new configuration (the
    // standard one plus extraConfig); false when it does not answer.
    bool Restart(const std::string& extraConfig = std::string());
    // Stops the agent (SIGTERM, then SIGKILL); called by the destructor.
    void Stop();

    bool Running() const { return pid_ > 0; }
    uint16_t Port() const { return port_; }
    std::string Host() const { return "127.0.0.1"; }
    // "127.0.0.1/<port>"
    std::string Address() const { return Host() + "/" + std::to_string(Port()); }
    const std::string& Error() const { return error_; }
    // The agent's own log.
    std::string Log() const;

private:
    bool WriteConfig(const std::string& extraConfig);
    bool Launch();
    bool WaitReady(int ms);

    std::string dir_;
    pid_t pid_ = -1;
    uint16_t port_ = 0;
    std::string error_;
};

// A free UDP port on 127.0.0.1 at the time of the call.
uint16_t FreeUdpPort();
