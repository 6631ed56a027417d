// Start-up of the simulated switch with its whole data folder: the time from starting the
// agent to its "PORT" line (data loaded, joined tables checked, socket open).
//
//   agent_bench [rounds]   (default 20)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tests/support/simagent.h"

int main(int argc, char** argv)
{
    int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    std::vector<double> seconds;
    for (int i = 0; i < rounds; ++i) {
        auto start = std::chrono::steady_clock::now();
        SimAgent agent;
        seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(seconds.begin(), seconds.end());
    std::printf("agent start with the whole data: median %.3f s, worst %.3f s (%d rounds); goal < 0.2 s\n",
                seconds[seconds.size() / 2], seconds.back(), rounds);
    return 0;
}
