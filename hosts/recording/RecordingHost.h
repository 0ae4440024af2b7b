#pragma once
// A host that runs the core in simulated time and records every request to
// the outside world instead of carrying it out: the probe's and the tests'.

#include "core/EventDispatch.h"
#include "core/Host.h"
#include "hosts/recording/VirtualScheduler.h"
#include "hosts/recording/EventLog.h"
#include "core/SpeechEngine.h"

#include <functional>

#include <QStringList>
#include <random>

// A speech engine with a chosen voice list, or none at all.
class RecordingSpeechEngine : public SpeechEngine {
public:
    struct Voice {
        QString productName;
        int gender = 0;
        int languageId = 0;
    };
    explicit RecordingSpeechEngine(EventLog& log) : m_log(log) {}
    std::unique_ptr<SpeechInstance> createInstance(const QString& name) override;

    bool installed = true;
    QVector<Voice> voices;
    // Told of every Speak with the voice the instance had selected (the
    // probe's speech output renders each with it).
    std::function<void(const QString& text, int voice)> onSpeak;

private:
    EventLog& m_log;
};

class RecordingHost : public Host, private Dialogs, private Shell, private MediaFactory, private RandomSource {
public:
    RecordingHost(qint64 startMsecsSinceMidnight, quint32 seed);

    Scheduler& scheduler() override { return m_scheduler; }
    EventDispatch& dispatch() override { return m_dispatch; }
    RandomSource& random() override { return *this; }
    Dialogs& dialogs() override { return *this; }
    Shell& shell() override { return *this; }
    SpeechEngine& speech() override { return m_speech; }
    MediaFactory& media() override { return *this; }

    VirtualScheduler& virtualTime() { return m_scheduler; }
    EventLog& log() { return m_log; }
    RecordingSpeechEngine& speechEngine() { return m_speech; }

    // The answer given to yes/no questions.
    bool answerYes = false;
    // The files the add dialog answers with (empty: cancelled).
    QStringList openFilesAnswer;
    // The folder that sound file names are reported relative to.
    QString programFolder;

private:
    void reportError(const QString& message) override;
    void errorRepeated(const QString& message, int count) override;
    void showMessage(const QString& text) override;
    bool askYesNo(const QString& text) override;
    void beep() override;
    void popUpMenu(const QString& menu) override;
    QStringList askOpenFiles(const QString& title, const QStringList& filters) override;
    void showModal(const QString& form) override;
    bool open(const QString& target) override;
    std::unique_ptr<MediaDevice> createMediaDevice(const QString& playerName) override;
    int next() override;

    VirtualScheduler m_scheduler;
    EventLog m_log;
    EventDispatch m_dispatch{*this};
    RecordingSpeechEngine m_speech{m_log};
    std::mt19937 m_random;
};
