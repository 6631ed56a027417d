// The agent's state and the line language of its data files and control file (see README.md):
//
//   <oid> [ro|rw|na] <type> <value> [size=<ranges>] [range=<ranges>]
//   table <entry-oid> [rowstatus <column> | status <column> [create=<v>,...] [delete=<v>]]
//         [index=<ranges>]
//   column <entry-oid>.<column> [ro|rw|na] <type> [default <value>|default index[.<n>]]
//         [size=<ranges>] [range=<ranges>]
//   community ro|rw <name>
//   user <name> [ro|rw] none | user <name> [ro|rw] MD5|SHA <authpass> [DES <privpass>]
//   fault error <oid> <status> [get|set] | fault short <oid> <length> | fault repeat <oid>
//   fault delay <ms> | fault drop all|off|<count> | fault clear
//   unset <oid>
#pragma once

#include <string>
#include <vector>

#include "tools/agent/mibdata.h"

namespace vrxagent {

struct Community {
    std::string name;
    bool write = false;
};

struct User {
    std::string name;
    bool write = true;
    int level = 1;  // 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv
    std::string auth, authPass, priv, privPass;
};

struct Faults {
    struct Error {
        Oid oid;  // the object or the subtree it heads
        int status = 0;
        bool onRead = true, onWrite = true;
    };
    struct Short {
        Oid oid;
        size_t length = 0;
    };
    std::vector<Error> errors;
    std::vector<Short> shorts;
    std::vector<Oid> repeats;  // GET-NEXT inside answers with the subtree's first object
    int delayMs = 0;
    bool dropAll = false;
    long dropCount = 0;

    const Error* ErrorFor(const Oid& oid, bool write) const;
    bool ShortFor(const Oid& oid, size_t* length) const;
    // The "repeat" subtree that holds oid, or null.
    const Oid* RepeatFor(const Oid& oid) const;
    // True when this request is to be swallowed; counts a "drop <n>".
    bool TakeDrop();
};

struct AgentState {
    MibData mib;
    std::vector<Community> communities;
    std::vector<User> users;
    Faults faults;
};

// Applies one line; blank and comment lines do nothing. `atStart` allows the lines that only
// take effect at start (users). False with the reason when the line is refused; the state is
// then unchanged.
bool ApplyLine(AgentState& state, const std::string& line, bool atStart, std::string* why);

// Applies every line of a file, or of every *.txt file of a folder in name order; on the first
// refused line, false with "<file>:<line>: <reason>". In a folder, an object, table or column
// given in two files is refused, naming the first place.
bool LoadFile(AgentState& state, const std::string& path, std::string* why);

}  // namespace vrxagent
