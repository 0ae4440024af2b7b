#include "hosts/real/ChildProcessThread.h"

#include <QPointer>
#include <QProcess>
#include <QTimer>

#include <memory>

ChildProcessThread& ChildProcessThread::instance()
{
    // Lives until exit, like the children it may still be waiting for.
    static ChildProcessThread* thread = new ChildProcessThread;
    return *thread;
}

ChildProcessThread::ChildProcessThread() : m_worker(new QObject)
{
    m_thread.setObjectName(QStringLiteral("synthesis"));
    m_worker->moveToThread(&m_thread);
    m_thread.start();
}

void ChildProcessThread::run(const QString& program, const QStringList& args, int timeoutMsecs, QObject* context,
                             std::function<void(bool)> done, std::function<bool()> afterwards)
{
    QPointer<QObject> back(context);
    QObject* worker = m_worker;
    QMetaObject::invokeMethod(worker, [=] {
        auto* process = new QProcess(worker);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->setStandardOutputFile(QProcess::nullDevice());
        auto reported = std::make_shared<bool>(false);
        auto report = [=](bool ok) {
            if (*reported)
                return;
            *reported = true;
            process->deleteLater();
            if (ok && afterwards)
                ok = afterwards();
            if (back)
                QMetaObject::invokeMethod(back, [done, ok] { done(ok); }, Qt::QueuedConnection);
        };
        QObject::connect(process, &QProcess::finished, worker, [report](int code, QProcess::ExitStatus status) {
            report(status == QProcess::NormalExit && code == 0);
        });
        QObject::connect(process, &QProcess::errorOccurred, worker, [report](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                report(false);
        });
        QTimer::singleShot(timeoutMsecs, process, [process] { process->kill(); });
        process->start(program, args);
    });
}
