#pragma once
// Runs the event loop until a condition holds or the time is up.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

template <class Condition>
bool waitFor(Condition done, int timeoutMsecs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMsecs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}
