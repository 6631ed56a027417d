#include "mib/mibcatalog.h"

#include <cstring>
#include <vector>

#include "mib/mibareas.h"

namespace {

const MibCommand* const kAreas[] = {
    kBasicConfigCommands, kRmonCommands,      kBridgeCommands,    kVlanCommands,
    kSnmpV3Commands,      kDot1xCommands,     kSecurityCommands,  kLayer2Commands,
    kSnoopingCommands,    kCpuFilterCommands, kLayer3Commands,    kL3ProtocolCommands,
    kSingleIpCommands,
};

const std::vector<const MibCommand*>& Commands()
{
    static const std::vector<const MibCommand*> all = [] {
        std::vector<const MibCommand*> v;
        for (const MibCommand* area : kAreas)
            for (const MibCommand* c = area; c->component; ++c) v.push_back(c);
        return v;
    }();
    return all;
}

}  // namespace

int MibCommandCount() { return static_cast<int>(Commands().size()); }

const MibCommand& MibCommandAt(int index) { return *Commands().at(static_cast<size_t>(index)); }

const MibCommand* FindMibCommand(const char* component)
{
    if (!component) return nullptr;
    for (const MibCommand* c : Commands())
        if (std::strcmp(c->component, component) == 0) return c;
    return nullptr;
}

int CountMibFormats(const MibVarFormat* formats)
{
    int n = 0;
    if (formats)
        while (formats[n].format) ++n;
    return n;
}
