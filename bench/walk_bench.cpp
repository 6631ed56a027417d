// Walks a table of 10 columns through the request core, synchronously and asynchronously,
// and with net-snmp's snmpwalk (one GETNEXT exchange per cell), against the simulated agent,
// and prints rows per second and the ratios.
//
//   walk_bench [rows] [rounds]      (default 2000 rows, 3 rounds; figures are medians)
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/sysutils.h"
#include "snmpvars/qzsnmprequest.h"
#include "snmpvars/qzsnmpsession.h"
#include "tests/support/simagent.h"
#include "walktable.h"

namespace {

// Cells snmpwalk printed, one GETNEXT exchange each.
int SnmpWalk(const SimAgent& agent)
{
    // Neither configuration nor persistent files of net-snmp's: its directories are the agent's scratch.
    std::string cmd = "MIBS= SNMPCONFPATH=" + agent.Dir() + " SNMP_PERSISTENT_DIR=" + agent.Dir() +
                      " snmpwalk -v2c -c public -On -Oq -t 5 -r 1 " + agent.Target() + " " + kEntry +
                      " 2>/dev/null | wc -l";
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return 0;
    int lines = 0;
    if (std::fscanf(p, "%d", &lines) != 1) lines = 0;
    pclose(p);
    return lines;
}

// Rows per second of `walk`, the median of `rounds` runs; the rows must all be there.
double Rate(const char* what, int rounds, int expected, const std::function<int()>& walk)
{
    std::vector<double> rates;
    for (int i = 0; i < rounds; ++i) {
        rates.push_back(expected / TimeWalk(what, expected, walk));
    }
    double m = Median(rates);
    std::printf("%-26s %10.0f rows/s\n", what, m);
    std::fflush(stdout);
    return m;
}

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    int rows = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;

    WalkAgent served(rows);
    const SimAgent& agent = served.agent;

    std::printf("Walk of a table of %d columns and %d rows on the simulated agent, median of %d rounds\n",
                kColumnCount, rows, rounds);
    SyncWalk();  // warm up: session open, agent's pages in
    double sync = Rate("request core, synchronous", rounds, rows, SyncWalk);
    double async = Rate("request core, asynchronous", rounds, rows, AsyncWalk);
    double walk = Rate("snmpwalk (GETNEXT per cell)", rounds, rows,
                       [&] { return SnmpWalk(agent) / kColumnCount; });
    std::printf("asynchronous / synchronous     %6.2f   (goal >= 0.8)\n", async / sync);
    std::printf("synchronous / snmpwalk         %6.2f   (goal >= 5)\n", sync / walk);
    std::printf("asynchronous / snmpwalk        %6.2f   (goal >= 5)\n", async / walk);
    return 0;
}
