#include "tests/tools/agent/snmptools.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

extern char** environ;

std::vector<std::string> V1(const std::string& community) { return {"-v1", "-c", community}; }

std::vector<std::string> V2c(const std::string& community) { return {"-v2c", "-c", community}; }

std::vector<std::string> V3(const std::string& user, const std::string& level,
                            const std::string& auth, const std::string& authPass,
                            const std::string& priv, const std::string& privPass)
{
    std::vector<std::string> a = {"-v3", "-u", user, "-l", level};
    if (!auth.empty()) a.insert(a.end(), {"-a", auth, "-A", authPass});
    if (!priv.empty()) a.insert(a.end(), {"-x", priv, "-X", privPass});
    return a;
}

ToolResult RunProgram(const std::vector<std::string>& argvIn, const std::string& scratch)
{
    std::vector<std::string> args = argvIn;
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        if (!std::strncmp(*e, "MIBS=", 5) || !std::strncmp(*e, "SNMPCONFPATH=", 13) ||
            !std::strncmp(*e, "SNMP_PERSISTENT_DIR=", 20))
            continue;
        env.push_back(*e);
    }
    env.push_back("MIBS=");
    env.push_back("SNMPCONFPATH=" + scratch + "/snmpconf");
    env.push_back("SNMP_PERSISTENT_DIR=" + scratch + "/snmppersist");

    int out[2], err[2];
    ToolResult r;
    if (pipe(out) || pipe(err)) return r;
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_adddup2(&fa, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&fa, err[1], STDERR_FILENO);
    for (int fd : {out[0], out[1], err[0], err[1]}) posix_spawn_file_actions_addclose(&fa, fd);
    std::vector<char*> argv, envp;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    pid_t pid;
    int rc = posix_spawnp(&pid, argv[0], &fa, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&fa);
    close(out[1]);
    close(err[1]);
    if (rc != 0) {
        close(out[0]);
        close(err[0]);
        r.err = std::string("cannot start ") + argv[0];
        return r;
    }
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    int open = 2;
    while (open > 0) {
        if (poll(fds, 2, -1) < 0) break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
            char buf[4096];
            ssize_t n = read(fds[i].fd, buf, sizeof buf);
            if (n <= 0) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            } else {
                (i == 0 ? r.out : r.err).append(buf, static_cast<size_t>(n));
            }
        }
    }
    int status = 0;
    waitpid(pid, &status, 0);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

ToolResult Snmp(const SimAgent& agent, const std::string& tool,
                const std::vector<std::string>& security, const std::vector<std::string>& args,
                const std::string& timeout)
{
    std::vector<std::string> argv = {tool};
    argv.insert(argv.end(), security.begin(), security.end());
    argv.insert(argv.end(), {"-On", "-r", "0", "-t", timeout, agent.Target()});
    argv.insert(argv.end(), args.begin(), args.end());
    return RunProgram(argv, agent.Dir());
}

std::vector<ToolVarbind> Parse(const std::string& out)
{
    std::vector<ToolVarbind> vbs;
    size_t start = 0;
    while (start < out.size()) {
        size_t nl = out.find('\n', start);
        std::string line = out.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
        start = nl == std::string::npos ? out.size() : nl + 1;
        size_t eq = line.find(" = ");
        if (line.empty() || line[0] != '.' || eq == std::string::npos) {
            if (!vbs.empty() && !line.empty()) {  // a hex string goes on over several lines
                std::string& v = vbs.back().value;
                while (!line.empty() && line.back() == ' ') line.pop_back();
                v += (v.empty() ? "" : " ") + line;
            }
            continue;
        }
        ToolVarbind vb;
        vb.oid = line.substr(1, eq - 1);
        std::string rest = line.substr(eq + 3);
        if (rest.rfind("No Such Object", 0) == 0) {
            vb.type = "noSuchObject";
        } else if (rest.rfind("No Such Instance", 0) == 0) {
            vb.type = "noSuchInstance";
        } else if (rest.rfind("No more variables", 0) == 0) {
            vb.type = "endOfMibView";
        } else {
            size_t colon = rest.find(": ");
            if (colon == std::string::npos) {
                vb.type = rest;  // an empty string prints as `""` without a type
                if (rest == "\"\"") vb.type = "STRING";
            } else {
                vb.type = rest.substr(0, colon);
                vb.value = rest.substr(colon + 2);
            }
            while (!vb.value.empty() && vb.value.back() == ' ') vb.value.pop_back();
            if (vb.value.size() >= 2 && vb.value.front() == '"' && vb.value.back() == '"')
                vb.value = vb.value.substr(1, vb.value.size() - 2);
            if (vb.type == "Timeticks" && !vb.value.empty() && vb.value[0] == '(')
                vb.value = vb.value.substr(1, vb.value.find(')') - 1);
        }
        vbs.push_back(std::move(vb));
    }
    return vbs;
}
