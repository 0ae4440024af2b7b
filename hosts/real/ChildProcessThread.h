#pragma once
// Runs the synthesiser programs from a thread of their own: starting a child
// (fork and exec) can hold the caller for tens of milliseconds, too long for
// the GUI thread. The result comes back to the caller's thread by a queued
// call.

#include <QObject>
#include <QStringList>
#include <QThread>

#include <functional>

class ChildProcessThread {
public:
    static ChildProcessThread& instance();

    // Runs the program; done(ok) is called on the thread of `context` with
    // ok when it exited normally with status 0 within the time and then
    // `afterwards` (run on this thread, may be empty) returned true.
    void run(const QString& program, const QStringList& args, int timeoutMsecs, QObject* context,
             std::function<void(bool ok)> done, std::function<bool()> afterwards = {});

private:
    ChildProcessThread();
    QThread m_thread;
    QObject* m_worker;  // lives on m_thread
};
