#include "hosts/real/RealMediaDevice.h"

#include "core/Failure.h"
#include "hosts/real/WaveFile.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>

bool RealMediaDevice::audioOutputAvailable()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

RealMediaDevice::RealMediaDevice(Output output)
    : m_audible(output == Output::Automatic && audioOutputAvailable())
{
    m_silentEnd.setSingleShot(true);
    m_silentEnd.setTimerType(Qt::PreciseTimer);
    connect(&m_silentEnd, &QTimer::timeout, this, [this] { ended(m_play); });
}

RealMediaDevice::~RealMediaDevice()
{
    dropPlayer();
}

void RealMediaDevice::open(const QString& filePath)
{
    close();
    const QFileInfo info(filePath);
    if (!info.isFile() || !info.isReadable())
        throw Failure(QStringLiteral("Cannot open %1").arg(filePath));
    m_url = QUrl::fromLocalFile(info.absoluteFilePath());
    m_lengthMsecs = std::max<qint64>(0, WaveFile::lengthMsecs(filePath));
    m_open = true;
}

void RealMediaDevice::play()
{
    if (!m_open)
        throw Failure(QStringLiteral("Nothing is open to play"));
    dropPlayer();
    const quint64 play = ++m_play;
    if (!m_audible) {
        m_silentEnd.start(int(m_lengthMsecs));
        return;
    }
    m_output = new QAudioOutput(this);
    m_player = new QMediaPlayer(this);
    m_player->setAudioOutput(m_output);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this, play](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia)
            ended(play);
    });
    connect(m_player, &QMediaPlayer::errorOccurred, this, [this, play] { ended(play); });
    m_player->setSource(m_url);
    m_player->play();
}

void RealMediaDevice::stop()
{
    if (!m_open)
        throw Failure(QStringLiteral("Nothing is open to stop"));
    ++m_play;
    dropPlayer();
}

void RealMediaDevice::close()
{
    if (!m_open)
        return;
    ++m_play;
    dropPlayer();
    m_open = false;
    m_url.clear();
}

void RealMediaDevice::dropPlayer()
{
    m_silentEnd.stop();
    // The player may be the sender of the signal being handled: delete later.
    if (m_player) {
        m_player->disconnect(this);
        m_player->stop();
        m_player->deleteLater();
    }
    if (m_output)
        m_output->deleteLater();
    m_player = nullptr;
    m_output = nullptr;
}

void RealMediaDevice::ended(quint64 play)
{
    // Posted, so the notice never runs inside the handler that started the
    // play, and one notice per play.
    QMetaObject::invokeMethod(
        this,
        [this, play] {
            if (play != m_play)
                return;
            ++m_play;
            if (onEnded)
                onEnded();
        },
        Qt::QueuedConnection);
}
