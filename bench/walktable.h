// The table that the walk benchmarks read: ten columns of the kinds a switch table holds,
// written as a data file for the simulated agent, and its variable list.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <fstream>
#include <string>
#include <vector>

#include <QCoreApplication>

#include "snmpvars/qzsnmprequest.h"
#include "snmpvars/qzsnmpsession.h"
#include "tests/support/simagent.h"
#include "snmpvars/qzsnmpvarlist.h"

namespace {

const char kEntry[] = "1.3.6.1.4.1.99999.5.1";

// Ten columns of the kinds a switch table holds, one value of each per row.
struct Column {
    const char* type;  // agent data type
    int syntax;
    std::string (*value)(int row);
};

const Column kColumns[] = {
    {"integer", sxInteger, [](int r) { return std::to_string(r % 3 + 1); }},
    {"string", sxDisplayStr, [](int r) { return "\"port " + std::to_string(r) + "\""; }},
    {"counter", sxCounter, [](int r) { return std::to_string(r * 1000u); }},
    {"gauge", sxGauge, [](int r) { return std::to_string(r % 1000 * 1000000u); }},
    {"timeticks", sxTimeTicks, [](int r) { return std::to_string(r * 100u); }},
    {"ipaddress", sxIpAddress, [](int r) { return "10.1." + std::to_string(r / 256) + "." + std::to_string(r % 256); }},
    {"hex", sxMacAddress, [](int r) { char b[32]; std::snprintf(b, sizeof b, "02:00:00:00:%02X:%02X", r / 256, r % 256); return std::string(b); }},
    {"counter64", sxCounter64, [](int r) { return std::to_string(9007199254740993ull + static_cast<unsigned>(r)); }},
    {"oid", sxObjectId, [](int r) { return "1.3.6.1.4.1.171." + std::to_string(r); }},
    {"integer", sxInteger, [](int r) { return std::to_string(-r); }},
};
const int kColumnCount = 10;

inline std::string WriteData(const std::string& dir, int rows)
{
    std::string path = dir + "/walk.txt";
    std::ofstream out(path);
    for (int c = 0; c < kColumnCount; ++c)
        for (int r = 1; r <= rows; ++r)
            out << kEntry << "." << c + 2 << "." << r << " " << kColumns[c].type << " " << kColumns[c].value(r) << "\n";
    return path;
}

inline QzSNMPVarList TableList()
{
    std::vector<std::string> oids;  // the list copies its texts
    std::vector<UISnmpVar> table;
    oids.push_back(std::string(kEntry) + ".1");
    for (int c = 0; c < kColumnCount; ++c) oids.push_back(std::string(kEntry) + "." + std::to_string(c + 2));
    table.push_back({oids[0].c_str(), "Index", sxInteger, acNotAccess});
    for (int c = 0; c < kColumnCount; ++c)
        table.push_back({oids[static_cast<size_t>(c) + 1].c_str(), "Column", kColumns[c].syntax, acReadOnly});
    table.push_back({nullptr});
    return QzSNMPVarList(table.data(), MVT_FMV, 1);
}

// The bare walks of the request core: rows read.
inline int SyncWalk()
{
    QzSNMPRequest r;
    r.varList = TableList();
    int rows = 0;
    if (r.Get(true))
        do ++rows;
        while (r.Get(false));
    return rows;
}

struct AsyncWalker {
    QzSNMPRequest request;
    int rows = 0;
    bool finished = false;
    int code = 0;
    void Done(QzSNMPError& e, QzSNMPVarList&)
    {
        if (e.code || e.done) {
            code = e.code;
            finished = true;
            return;
        }
        ++rows;
        request.GetAsync(QzSNMPDoneEvent(this, &AsyncWalker::Done), false);
    }
};

inline int AsyncWalk()
{
    AsyncWalker w;
    w.request.varList = TableList();
    w.request.GetAsync(QzSNMPDoneEvent(&w, &AsyncWalker::Done), true);
    while (!w.finished) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (w.code) std::fprintf(stderr, "asynchronous walk failed: %d\n", w.code);
    return w.rows;
}

// The simulated agent serving the table of `rows` rows, with the session pointed at it (SNMPv2c).
struct WalkAgent {
    TempDir dir;
    SimAgent agent;
    explicit WalkAgent(int rows) : agent(Options(dir, rows))
    {
        QzSNMPInitialize(dir.Path());
        QzSNMPDevice.address = agent.Address().c_str();
        QzSNMPDevice.port = static_cast<uint16_t>(agent.Port());
        QzSNMPSecurity.version = 1;  // SNMPv2c
        QzSNMPSecurity.readCommunity = "public";
    }
    static SimAgentOptions Options(const TempDir& dir, int rows)
    {
        SimAgentOptions options;
        options.dataFile = WriteData(dir.Path(), rows);
        return options;
    }
};

using Clock = std::chrono::steady_clock;

inline double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Seconds of one walk; every row must be there.
inline double TimeWalk(const char* what, int expected, const std::function<int()>& walk)
{
    auto start = Clock::now();
    int rows = walk();
    double s = std::chrono::duration<double>(Clock::now() - start).count();
    if (rows != expected) {
        std::fprintf(stderr, "%s: %d rows instead of %d\n", what, rows, expected);
        std::exit(1);
    }
    return s;
}

}  // namespace
