#pragma once
// libespeak-ng keeps global state: every call, its start-up included, is made
// on this one thread of the process. Renderings come back to the caller's
// thread by a queued call. The library is never shut down: its terminate
// call hangs joining its own thread, so the thread lives until exit.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>

#include <functional>

class EspeakThread : public QObject {
    Q_OBJECT
public:
    static EspeakThread& instance();

    // Starts the library on its thread once and waits for it; false when it
    // cannot start (no library data).
    bool start();
    // Which of the names the library knows as voices (asked on its thread).
    QStringList availableVoices(const QStringList& names);
    // Renders the text with the voice into a wave file; done(ok) is called
    // on the thread of `context`.
    void render(const QString& voiceName, const QString& text, const QString& wavPath, QObject* context,
                std::function<void(bool ok)> done);

private:
    EspeakThread();
    QThread m_thread;
    QObject* m_worker;  // lives on m_thread
    int m_sampleRate = -2;  // not started yet
};
