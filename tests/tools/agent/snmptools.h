// net-snmp's command-line tools (snmpget, snmpgetnext, snmpwalk, snmpset) run against an
// agent, with numeric output and neither MIB files nor configuration of their own.
#pragma once

#include <string>
#include <vector>

#include "tests/support/simagent.h"

struct ToolResult {
    int exitCode = -1;
    std::string out, err;
};

struct ToolVarbind {
    std::string oid;    // without the leading dot
    std::string type;   // as printed ("INTEGER", "STRING", "Hex-STRING", ...), or
                        // "noSuchObject", "noSuchInstance", "endOfMibView"
    std::string value;  // strings unquoted, hex strings as "03 00 ...", timeticks as a number
};

// Security arguments.
std::vector<std::string> V1(const std::string& community = "public");
std::vector<std::string> V2c(const std::string& community = "public");
std::vector<std::string> V3(const std::string& user, const std::string& level,
                            const std::string& auth = "", const std::string& authPass = "",
                            const std::string& priv = "", const std::string& privPass = "");

// Runs `tool` (snmpget, snmpset, ...) against the agent with the given security arguments,
// one try and `timeout` seconds (long by default: a loaded machine answers late), then `args`
// (OIDs and values).
ToolResult Snmp(const SimAgent& agent, const std::string& tool,
                const std::vector<std::string>& security, const std::vector<std::string>& args,
                const std::string& timeout = "20");

std::vector<ToolVarbind> Parse(const std::string& out);

// Runs any program, capturing its output; MIBS, SNMPCONFPATH and SNMP_PERSISTENT_DIR point
// into `scratch`.
ToolResult RunProgram(const std::vector<std::string>& argv, const std::string& scratch);
