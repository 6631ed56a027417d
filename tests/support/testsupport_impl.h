#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

template <class F>
bool WaitFor(F done, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}
