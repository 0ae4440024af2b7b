#pragma once
// A media device on Qt Multimedia. Every play gets a fresh player (reusing
// one is unreliable on this backend); several devices mix. With no audio
// output the play is silent and its end is reported after the clip's length,
// as a player would.

#include "core/MediaDevice.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

class QAudioOutput;
class QMediaPlayer;

class RealMediaDevice : public QObject, public MediaDevice {
    Q_OBJECT
public:
    enum class Output { Automatic, Silent };
    explicit RealMediaDevice(Output output = Output::Automatic);
    ~RealMediaDevice() override;

    void open(const QString& filePath) override;
    void play() override;
    void stop() override;
    void close() override;
    bool isOpen() const override { return m_open; }

    // Whether plays go to a sound card (false: the silent timer path).
    bool audible() const { return m_audible; }
    static bool audioOutputAvailable();

private:
    void dropPlayer();
    void ended(quint64 play);

    bool m_audible;
    bool m_open = false;
    QUrl m_url;
    qint64 m_lengthMsecs = 0;
    QPointer<QMediaPlayer> m_player;
    QPointer<QAudioOutput> m_output;
    QTimer m_silentEnd;
    // Numbers the plays, so that a late notice of a dropped player is ignored.
    quint64 m_play = 0;
};
