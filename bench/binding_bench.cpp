// Fills a list view bound to a table walk (QzSNMPRequest2Edits) on a shown form, offscreen,
// synchronously and asynchronously, beside the bare walks of the request core on the same
// simulated agent, and prints rows per second and what binding and display add.
//
//   binding_bench [rows] [rounds]      (default 2000 rows, 5 rounds; figures are medians)
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/comctrls.h"
#include "platform/ui/forms.h"
#include "snmpvars/qzsnmprequest2edits.h"
#include "snmpvars/qzsnmpsession.h"
#include "tests/support/simagent.h"
#include "walktable.h"

namespace {

// A read of the whole table into the list view, as a list-view form does it.
int BoundWalk(TForm* form, TListView* lv, unsigned char mode)
{
    QzSNMPRequest2Edits r(form);
    r.Request.varList = TableList();
    r.Mode = mode;
    r.BindListView(lv, true);
    r.Get();
    while (r.Busy) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Application->ProcessMessages();  // the last paint
    return lv->Items()->Count();
}

// The list view alone: rows of the same texts added as a walk adds them, each followed by
// the message pump or not.
int FillOnly(TListView* lv, int rows, bool pump)
{
    lv->Items()->Clear();
    lv->Items()->BeginUpdate();
    for (int r = 1; r <= rows; ++r) {
        TListItem* item = lv->Items()->Add();
        item->SetCaption(AnsiString(r));
        for (int c = 0; c < kColumnCount; ++c) item->SubItems()->Add(kColumns[c].value(r).c_str());
        if (pump) Application->ProcessMessages();
    }
    lv->Items()->EndUpdate();
    Application->ProcessMessages();
    return lv->Items()->Count();
}

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    int rows = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

    WalkAgent served(rows);

    auto* form = new TForm(nullptr);
    form->SetBounds(0, 0, 1000, 600);
    auto* lv = new TListView(form);
    lv->SetParent(form);
    lv->SetAlign(alClient);
    form->Show();

    std::printf("A table of %d columns and %d rows into a shown list view, offscreen, median of %d rounds\n",
                kColumnCount, rows, rounds);
    SyncWalk();  // warm up: session open, agent's pages in
    BoundWalk(form, lv, 0);
    std::vector<double> bareSync, boundSync, bareAsync, boundAsync, fill, fillPump;
    for (int i = 0; i < rounds; ++i) {
        // Interleaved, so that a slow moment of the machine weighs on both.
        bareSync.push_back(TimeWalk("bare synchronous walk", rows, SyncWalk));
        boundSync.push_back(TimeWalk("bound synchronous walk", rows, [&] { return BoundWalk(form, lv, 0); }));
        bareAsync.push_back(TimeWalk("bare asynchronous walk", rows, AsyncWalk));
        boundAsync.push_back(TimeWalk("bound asynchronous walk", rows, [&] { return BoundWalk(form, lv, 1); }));
        fill.push_back(TimeWalk("list view alone", rows, [&] { return FillOnly(lv, rows, false); }));
        fillPump.push_back(TimeWalk("list view and pump", rows, [&] { return FillOnly(lv, rows, true); }));
    }
    auto line = [&](const char* what, const std::vector<double>& t) {
        std::printf("%-34s %10.0f rows/s\n", what, rows / Median(t));
    };
    line("request core, synchronous", bareSync);
    line("list view binding, synchronous", boundSync);
    line("request core, asynchronous", bareAsync);
    line("list view binding, asynchronous", boundAsync);
    line("list view rows alone", fill);
    line("list view rows, pump after each", fillPump);
    std::printf("binding and display, synchronous   %+6.1f %%   (goal <= 25 %%)\n",
                (Median(boundSync) / Median(bareSync) - 1) * 100);
    std::printf("binding and display, asynchronous  %+6.1f %%   (goal <= 25 %%)\n",
                (Median(boundAsync) / Median(bareAsync) - 1) * 100);
    delete form;
    return 0;
}
