// The spanning-tree and device-control forms' tests: the device forms' fixture (screenshots,
// rows by caption, message texts, windows shown inside the driven one, SET varbinds) and a
// progress dialog driven from the test, so that its thirty one-second ticks pass at once.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <memory>

#include "mainwindow/progressunit.h"
#include "tests/forms/device/devicefixture.h"

// What a progress dialog showed while the test drove it.
struct ProgressSeen {
    bool shown = false;
    std::string caption, prompt;
    TWinControl* parent = nullptr;
    int ticks = 0;     // timer ticks until it closed
    int position = 0;  // the bar's position when it closed
    size_t setsWhenShown = 0;
};

class StpFormTest : public DeviceFormTest {
protected:
    // Once a progress dialog shows (held in its global variable), its timer ticks every millisecond and each
    // tick is counted; the watch ends with the dialog.
    void WatchProgress(std::shared_ptr<ProgressSeen> seen)
    {
        auto* poll = new QTimer(qApp);
        poll->setInterval(2);
        QObject::connect(poll, &QTimer::timeout, poll, [this, poll, seen] {
            TProgressBaseForm* p = ProgressForm;
            if (!p) p = ProgressForm2;
            if (!p || !p->isVisible()) return;
            poll->stop();
            poll->deleteLater();
            seen->shown = true;
            seen->caption = p->Caption().std();
            seen->prompt = p->LB_Prompt->Caption().std();
            seen->parent = p->Parent();
            if (auto* over = dynamic_cast<TForm*>(p->Parent()))
                Screenshot(over, (p->Name() + "-over-" + over->Name()).c_str());
            seen->setsWhenShown = Since("SET").size();
            TNotifyEvent original = p->ProgressTimer->OnTimer;
            QPointer<QWidget> alive(p);
            p->ProgressTimer->OnTimer = TNotifyEvent(std::function<void(TObject*)>([seen, original, p](TObject* s) {
                ++seen->ticks;
                original(s);
                seen->position = p->ProgressBar->Position();
            }));
            p->ProgressTimer->SetInterval(1);
        });
        poll->start();
    }
};
