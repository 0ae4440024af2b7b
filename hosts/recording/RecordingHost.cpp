#include "hosts/recording/RecordingHost.h"

#include "core/Failure.h"
#include "core/MediaDevice.h"

#include <QDir>
#include <QFileInfo>

namespace {

class RecordingSpeechInstance : public SpeechInstance {
public:
    RecordingSpeechInstance(EventLog& log, QString name, const RecordingSpeechEngine& engine)
        : m_log(log), m_name(std::move(name)), m_voices(engine.voices), m_engine(engine)
    {
    }
    int voiceCount() override { return int(m_voices.size()); }
    QString productName(int voice) override { return at(voice).productName; }
    int gender(int voice) override { return at(voice).gender; }
    int languageId(int voice) override { return at(voice).languageId; }
    void select(int voice) override
    {
        m_log.add(QStringLiteral("select"), {{QStringLiteral("instance"), m_name}, {QStringLiteral("voice"), voice}});
        m_selected = voice;
    }
    void speak(const QString& text) override
    {
        m_log.add(QStringLiteral("speak"), {{QStringLiteral("instance"), m_name}, {QStringLiteral("text"), text}});
        if (m_engine.onSpeak)
            m_engine.onSpeak(text, m_selected);
    }

private:
    const RecordingSpeechEngine::Voice& at(int voice)
    {
        if (voice < 1 || voice > m_voices.size())
            throw Failure(QStringLiteral("%1: no voice %2").arg(m_name).arg(voice));
        return m_voices[voice - 1];
    }
    EventLog& m_log;
    QString m_name;
    QVector<RecordingSpeechEngine::Voice> m_voices;
    const RecordingSpeechEngine& m_engine;
    int m_selected = 0;
};

// Plays nothing: records each play, stop and close with the file relative to
// the program folder.
class RecordingMediaDevice : public MediaDevice {
public:
    RecordingMediaDevice(EventLog& log, QString player, const QString& programFolder)
        : m_log(log), m_player(std::move(player)), m_folder(programFolder)
    {
    }
    void open(const QString& filePath) override
    {
        m_open = false;
        m_file = filePath;
        if (!QFileInfo(filePath).isFile()) {
            record(false);
            throw Failure(QStringLiteral("%1: cannot open %2").arg(m_player, filePath));
        }
        m_open = true;
    }
    void play() override { record(true); }
    void stop() override { m_log.add(QStringLiteral("stop"), {{QStringLiteral("player"), m_player}}); }
    void close() override
    {
        if (!m_open)
            return;
        m_open = false;
        m_log.add(QStringLiteral("close"), {{QStringLiteral("player"), m_player}});
    }
    bool isOpen() const override { return m_open; }

private:
    void record(bool ok)
    {
        const QString relative = m_folder.isEmpty() ? m_file : QDir(m_folder).relativeFilePath(m_file);
        m_log.add(QStringLiteral("sound"), {{QStringLiteral("player"), m_player},
                                            {QStringLiteral("file"), QDir::fromNativeSeparators(relative)},
                                            {QStringLiteral("ok"), ok}});
    }
    EventLog& m_log;
    QString m_player;
    const QString& m_folder;
    QString m_file;
    bool m_open = false;
};

}  // namespace

std::unique_ptr<SpeechInstance> RecordingSpeechEngine::createInstance(const QString& name)
{
    if (!installed)
        throw Failure(QStringLiteral("The speech engine is not installed."));
    return std::make_unique<RecordingSpeechInstance>(m_log, name, *this);
}

RecordingHost::RecordingHost(qint64 startMsecsSinceMidnight, quint32 seed)
    : m_scheduler(startMsecsSinceMidnight)
    , m_log([this] { return m_scheduler.msecsSinceMidnight(); })
    , m_random(seed)
{
}

void RecordingHost::reportError(const QString& message)
{
    m_log.add(QStringLiteral("error"), {{QStringLiteral("message"), message}, {QStringLiteral("count"), 1}});
}

void RecordingHost::errorRepeated(const QString& message, int count)
{
    // The box already reported stands for the repeats: its count grows.
    if (QJsonObject* box = m_log.latest(QStringLiteral("error"), QStringLiteral("message"), message))
        (*box)[QStringLiteral("count")] = count;
}

void RecordingHost::showMessage(const QString& text)
{
    m_log.add(QStringLiteral("message"), {{QStringLiteral("text"), text}});
}

bool RecordingHost::askYesNo(const QString& text)
{
    m_log.add(QStringLiteral("question"), {{QStringLiteral("text"), text}, {QStringLiteral("answer"), answerYes}});
    return answerYes;
}

void RecordingHost::beep()
{
    m_log.add(QStringLiteral("beep"));
}

void RecordingHost::popUpMenu(const QString& menu)
{
    m_log.add(QStringLiteral("popup"), {{QStringLiteral("menu"), menu}});
}

QStringList RecordingHost::askOpenFiles(const QString& title, const QStringList& filters)
{
    m_log.add(QStringLiteral("openFiles"), {{QStringLiteral("title"), title},
                                            {QStringLiteral("filters"), filters.join(u'|')},
                                            {QStringLiteral("answer"), openFilesAnswer.join(u'|')}});
    return openFilesAnswer;
}

void RecordingHost::showModal(const QString& form)
{
    m_log.add(QStringLiteral("modal"), {{QStringLiteral("form"), form}});
}

bool RecordingHost::open(const QString& target)
{
    m_log.add(QStringLiteral("open"), {{QStringLiteral("target"), target}});
    return true;
}

std::unique_ptr<MediaDevice> RecordingHost::createMediaDevice(const QString& playerName)
{
    return std::make_unique<RecordingMediaDevice>(m_log, playerName, programFolder);
}

int RecordingHost::next()
{
    return int(m_random() >> 1);
}
