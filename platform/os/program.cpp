#include "platform/os/program.h"

#include <climits>
#include <unistd.h>

namespace {

std::vector<std::string>& Arguments()
{
    static std::vector<std::string> args;
    return args;
}

}  // namespace

void SetProgramArguments(std::vector<std::string> args) { Arguments() = std::move(args); }

void SetProgramArguments(int argc, char** argv)
{
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i) args.emplace_back(argv[i] ? argv[i] : "");
    SetProgramArguments(std::move(args));
}

int ParamCount()
{
    const std::vector<std::string>& a = Arguments();
    return a.empty() ? 0 : static_cast<int>(a.size()) - 1;
}

std::string ParamStr(int index)
{
    const std::vector<std::string>& a = Arguments();
    if (index < 0 || index >= static_cast<int>(a.size())) return std::string();
    return a[static_cast<size_t>(index)];
}

std::string ProgramDirectory()
{
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return std::string();
    std::string path(buf, static_cast<size_t>(n));
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}
