// The device forms' tests: the feature-form fixture with its screenshots, the boxes of a port
// page, and a body run once a modal window of a class opens inside the one being driven.
#pragma once

#include <QPointer>

#include "forms/layer2/stackingportunit.h"
#include "tests/forms/security/securityfixture.h"

class DeviceFormTest : public SecurityFormTest {
protected:
    // The ports (1-based) whose boxes are checked, hidden boxes included.
    static std::vector<int> Checked(const TStackingPortUitForm* page)
    {
        std::vector<int> out;
        for (int k = 0; page->PortCheck(k); ++k)
            if (page->PortCheck(k)->Checked()) out.push_back(k + 1);
        return out;
    }
    static void Tick(const TStackingPortUitForm* page, std::initializer_list<int> ports, bool on = true)
    {
        for (int p : ports) page->PortCheck(p - 1)->SetChecked(on);
    }
    // Runs body(window) once find() gives a visible window, from a timer, so that the caller
    // may then start the modal loop that shows it. Gives up after ms.
    template <class F>
    static void WhenShown(std::function<F*()> find, std::function<void(F*)> body, int ms = 10000)
    {
        auto* poll = new QTimer(qApp);
        poll->setInterval(5);
        auto started = std::make_shared<QElapsedTimer>();
        started->start();
        QObject::connect(poll, &QTimer::timeout, poll, [poll, find, body, started, ms] {
            F* f = find();
            if (!(f && f->isVisible()) && started->elapsed() < ms) return;
            poll->stop();
            poll->deleteLater();
            if (f && f->isVisible()) body(f);
        });
        poll->start();
    }
    // The SET PDUs' varbinds since Mark(), "oid type value" each, once `count` SETs are there.
    std::vector<std::vector<std::string>> SetVarbinds(size_t count = 1) const
    {
        std::vector<std::vector<std::string>> out;
        for (const SimRequest& r : Sets(count)) out.push_back(Varbinds(r));
        return out;
    }
};
