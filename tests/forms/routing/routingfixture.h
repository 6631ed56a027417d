// The routing forms' tests: the security forms' fixture (screenshots, rows by caption, message
// texts) and a driver for the edit dialogs that a list form shows modally.
#pragma once

#include <QElapsedTimer>

#include "tests/forms/security/securityfixture.h"

class RoutingFormTest : public SecurityFormTest {
protected:
    // Once the modal dialog D shows (opened by what the caller does next), runs body(dialog)
    // and closes the dialog if body left it open.
    template <class D>
    static void WhenShown(std::function<void(D*)> body)
    {
        auto* poll = new QTimer(qApp);
        poll->setInterval(5);
        auto started = std::make_shared<QElapsedTimer>();
        started->start();
        QObject::connect(poll, &QTimer::timeout, poll, [poll, body, started] {
            D* d = dynamic_cast<D*>(QApplication::activeModalWidget());
            if (!d) {
                if (started->elapsed() > 5000) poll->deleteLater();
                return;
            }
            poll->stop();
            poll->deleteLater();
            QPointer<QWidget> alive(d);
            body(d);
            if (alive && d->isVisible()) d->Close();
        });
        poll->start();
    }
    static std::vector<std::string> Lines(TMemo* memo)
    {
        std::vector<std::string> out;
        for (int i = 0; i < memo->Lines()->Count(); ++i) out.push_back(memo->Lines()->Strings(i).std());
        return out;
    }
};
