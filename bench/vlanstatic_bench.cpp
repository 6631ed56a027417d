// The static VLAN form against a switch holding every VLAN (1 to 4094): the time from opening
// the form to its last row shown, beside the bare asynchronous walk of the same table, and the
// longest stretch the window thread did not get back to its event loop while the rows arrived.
//
//   vlanstatic_bench [rounds]      (default 5 rounds; figures are medians, the block the worst)
//
// The form is made and shown as its menu item does (without the modal loop, which the
// benchmark runs itself); the main window is made on the agent but not shown, so no LED poll
// competes with the walk.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#include "forms/layer2/layer2forms.h"
#include "forms/layer2/vlanstaticformunit.h"
#include "mainwindow/mainunit.h"
#include "mib/vlantrunkforms.h"
#include "platform/os/program.h"
#include "snmpvars/qzsnmprequest.h"
#include "tests/support/simagent.h"
#include "tests/support/testsupport.h"

namespace {

using Clock = std::chrono::steady_clock;
const int kVlans = 4094;

// Every VLAN the data folder does not hold already: a name, a few ports, active.
std::vector<std::string> EveryVlan()
{
    const std::string entry = "1.3.6.1.2.1.17.7.1.4.3.1.";
    std::vector<std::string> lines;
    for (int v = 2; v <= kVlans; ++v) {
        if (v == 10 || v == 20 || v == 30) continue;
        std::string i = std::to_string(v);
        lines.push_back(entry + "1." + i + " string \"vlan" + i + "\"");
        lines.push_back(entry + "2." + i + " hex 00000000C0000000");
        lines.push_back(entry + "3." + i + " hex 0000000000000000");
        lines.push_back(entry + "4." + i + " hex 0000000000000000");
        lines.push_back(entry + "5." + i + " integer 1");
    }
    return lines;
}

struct Walker {
    QzSNMPRequest request;
    int rows = 0;
    bool finished = false;
    void Done(QzSNMPError& e, QzSNMPVarList&)
    {
        if (e.code || e.done) {
            if (e.code) std::fprintf(stderr, "asynchronous walk failed: %d\n", e.code);
            finished = true;
            return;
        }
        ++rows;
        request.GetAsync(QzSNMPDoneEvent(this, &Walker::Done), false);
    }
};

// The bare asynchronous walk of the form's table through the request core: seconds.
double BareWalk()
{
    Walker w;
    w.request.varList = QzSNMPVarList(dot1qVlanStaticEntry, MVT_UMV, 1);
    auto start = Clock::now();
    w.request.GetAsync(QzSNMPDoneEvent(&w, &Walker::Done), true);
    while (!w.finished) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    double s = std::chrono::duration<double>(Clock::now() - start).count();
    if (w.rows != kVlans) {
        std::fprintf(stderr, "bare walk: %d rows instead of %d\n", w.rows, kVlans);
        std::exit(1);
    }
    return s;
}

struct FormRound {
    double seconds = 0;
    double longestBlockMs = 0;
};

// Opens the form, waits for its last row shown, closes it. A timer that fires on every pass
// of the event loop measures how long the window thread stayed away from it.
FormRound OpenForm()
{
    FormRound round;
    QElapsedTimer sinceTick;
    QTimer tick;
    tick.setInterval(0);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        round.longestBlockMs = std::max(round.longestBlockMs, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.restart();
    });
    auto start = Clock::now();
    sinceTick.start();
    tick.start();
    auto* f = new TVlanStaticForm(Application);
    f->Show();
    while (f->StaticRequest->Busy || f->NextFreeRequest->Busy)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Application->ProcessMessages();  // the last paint
    round.longestBlockMs = std::max(round.longestBlockMs, sinceTick.nsecsElapsed() / 1e6);
    round.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    tick.stop();
    int rows = f->LV_dot1qVlanStaticEntry->Items()->Count();
    f->Close();
    delete f;
    if (rows != kVlans) {
        std::fprintf(stderr, "form: %d rows instead of %d\n", rows, kVlans);
        std::exit(1);
    }
    return round;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    TempDir dir;
    if (chdir(dir.Path().c_str()) != 0) return 1;
    setenv("VRX6120_REGISTRY", dir.File("registry.reg").c_str(), 1);
    SimAgentOptions options;
    options.lines = EveryVlan();
    SimAgent agent(options);
    dir.Write("127.0.0.1.cfg", "[Program Information]\nAgentPort=" + std::to_string(agent.Port()) +
                                   "\nVersion=1\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n");
    SetProgramArguments({"vrx6120", "/I127.0.0.1", "/Rpublic", "/Wprivate"});
    auto* main = new TMainForm(nullptr);
    RegisterLayer2Forms();

    std::printf("The static VLAN form on a switch with %d VLANs, offscreen, %d rounds\n", kVlans, rounds);
    BareWalk();  // warm up: session open, agent's pages in
    OpenForm();
    std::vector<double> bare, form;
    double longest = 0;
    for (int i = 0; i < rounds; ++i) {
        // Interleaved, so that a slow moment of the machine weighs on both.
        bare.push_back(BareWalk());
        FormRound r = OpenForm();
        form.push_back(r.seconds);
        longest = std::max(longest, r.longestBlockMs);
    }
    std::printf("bare asynchronous walk             %8.3f s\n", Median(bare));
    std::printf("form opened to its last row shown  %8.3f s\n", Median(form));
    std::printf("form / bare walk                   %8.2f     (goal <= 1.3)\n", Median(form) / Median(bare));
    std::printf("longest window-thread block        %8.1f ms  (goal < 50 ms)\n", longest);
    delete main;
    return 0;
}
