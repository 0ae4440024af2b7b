#include "hosts/real/EspeakThread.h"

#include "hosts/real/WaveFile.h"

#include <espeak-ng/speak_lib.h>

#include <QPointer>
#include <QVector>

namespace {

int collect(short* wav, int count, espeak_EVENT* events)
{
    auto* out = static_cast<QVector<qint16>*>(events->user_data);
    if (wav && out)
        out->append(QVector<qint16>(wav, wav + count));
    return 0;
}

}  // namespace

EspeakThread& EspeakThread::instance()
{
    static EspeakThread* thread = new EspeakThread;
    return *thread;
}

EspeakThread::EspeakThread() : m_worker(new QObject)
{
    m_thread.setObjectName(QStringLiteral("espeak"));
    m_worker->moveToThread(&m_thread);
    m_thread.start();
}

bool EspeakThread::start()
{
    if (m_sampleRate != -2)
        return m_sampleRate > 0;
    int rate = 0;
    QMetaObject::invokeMethod(
        m_worker,
        [&rate] {
            rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
            if (rate > 0)
                espeak_SetSynthCallback(collect);
        },
        Qt::BlockingQueuedConnection);
    m_sampleRate = rate;
    return rate > 0;
}

QStringList EspeakThread::availableVoices(const QStringList& names)
{
    QStringList found;
    if (m_sampleRate <= 0)
        return found;
    QMetaObject::invokeMethod(
        m_worker,
        [&] {
            for (const QString& name : names)
                if (espeak_SetVoiceByName(name.toUtf8().constData()) == EE_OK)
                    found << name;
        },
        Qt::BlockingQueuedConnection);
    return found;
}

void EspeakThread::render(const QString& voiceName, const QString& text, const QString& wavPath, QObject* context,
                          std::function<void(bool)> done)
{
    const int rate = m_sampleRate;
    QPointer<QObject> back(context);
    QMetaObject::invokeMethod(m_worker, [=] {
        bool ok = false;
        if (rate > 0 && espeak_SetVoiceByName(voiceName.toUtf8().constData()) == EE_OK) {
            QVector<qint16> pcm;
            const QByteArray utf8 = text.toUtf8();
            ok = espeak_Synth(utf8.constData(), size_t(utf8.size() + 1), 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
                              nullptr, &pcm) == EE_OK &&
                 espeak_Synchronize() == EE_OK && !pcm.isEmpty();
            if (ok) {
                WaveFile::normalise(pcm, WaveFile::kSpeechPeak);
                ok = WaveFile::writeMono16(wavPath, pcm, rate);
            }
        }
        if (back)
            QMetaObject::invokeMethod(back, [done, ok] { done(ok); }, Qt::QueuedConnection);
    });
}
