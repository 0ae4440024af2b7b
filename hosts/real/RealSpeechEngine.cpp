#include "hosts/real/RealSpeechEngine.h"

#include "core/Failure.h"
#include "hosts/real/ChildProcessThread.h"
#include "hosts/real/EspeakThread.h"
#include "hosts/real/RealMediaDevice.h"
#include "hosts/real/WaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

#include <deque>

namespace {

constexpr int kJapanese = 1041;
constexpr int kEnglishUs = 1033;
constexpr int kEnglishUk = 2057;

QString findProgram(const QString& program)
{
    if (program.contains(u'/')) {
        const QFileInfo info(program);
        return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
    }
    return QStandardPaths::findExecutable(program);
}

bool writeText(const QString& path, const QString& text)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(text.toUtf8() + '\n') > 0;
}

}  // namespace

SpeechSetup SpeechSetup::forProgramFolder(const QString& programFolder)
{
    SpeechSetup setup;
    setup.openJtalkVoices.prepend(programFolder + QStringLiteral("/Voice/nitech_jp_atr503_m001.htsvoice"));
    setup.readingsFile = programFolder + QStringLiteral("/Voice/readings.tsv");
    return setup;
}

// One of the four speech instances: its announcements play one after the
// other on its own player, in the order they were spoken.
class RealSpeechInstance : public SpeechInstance {
public:
    RealSpeechInstance(RealSpeechEngine& engine, QString name, std::unique_ptr<MediaDevice> player)
        : m_engine(engine), m_name(std::move(name)), m_player(std::move(player))
    {
        m_player->onEnded = [this] {
            m_playing = false;
            if (!m_queue.empty())
                m_queue.pop_front();
            pump();
        };
    }
    ~RealSpeechInstance() override { *m_alive = false; }

    int voiceCount() override { return int(m_engine.voices().size()); }
    QString productName(int voice) override { return valid(voice) ? at(voice).productName : QString(); }
    int gender(int voice) override { return valid(voice) ? at(voice).gender : 0; }
    int languageId(int voice) override { return valid(voice) ? at(voice).languageId : 0; }
    void select(int voice) override { m_selected = voice; }

    void speak(const QString& text) override
    {
        if (text.trimmed().isEmpty())
            return;
        const int voice = m_engine.voiceFor(text, m_selected);
        if (voice == 0)
            return;
        auto item = std::make_shared<Item>(Item{text, {}, false});
        m_queue.push_back(item);
        std::shared_ptr<bool> alive = m_alive;
        m_engine.request(voice, text, [this, alive, item](const QString& path) {
            if (!*alive)
                return;
            item->path = path;
            item->done = true;
            pump();
        });
    }

private:
    struct Item {
        QString text;
        QString path;
        bool done;
    };
    bool valid(int voice) const { return voice >= 1 && voice <= m_engine.voices().size(); }
    const RealSpeechEngine::Voice& at(int voice) const { return m_engine.voices()[voice - 1]; }

    void pump()
    {
        while (!m_playing && !m_queue.empty() && m_queue.front()->done) {
            const auto item = m_queue.front();
            try {
                if (item->path.isEmpty())
                    throw Failure(QStringLiteral("rendering failed"));
                m_player->open(item->path);
                m_player->play();
                m_playing = true;
                if (m_engine.onPlay)
                    m_engine.onPlay(m_name, item->text, item->path);
            } catch (const Failure&) {
                // A text that could not be rendered or played is left out.
                m_queue.pop_front();
            }
        }
    }

    RealSpeechEngine& m_engine;
    QString m_name;
    std::unique_ptr<MediaDevice> m_player;
    std::deque<std::shared_ptr<Item>> m_queue;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
    int m_selected = 0;
    bool m_playing = false;
};

RealSpeechEngine::RealSpeechEngine(SpeechSetup setup, PlayerFactory players)
    : m_setup(std::move(setup)),
      m_players(std::move(players)),
      m_cache(m_setup.cacheFolder.isEmpty()
                  ? QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/speech")
                  : m_setup.cacheFolder,
              m_setup.cacheLimitBytes)
{
    if (!m_players)
        m_players = [] { return std::make_unique<RealMediaDevice>(); };
    if (!m_setup.readingsFile.isEmpty())
        m_readings.load(m_setup.readingsFile);

    m_openJtalkProgram = findProgram(m_setup.openJtalkProgram);
    for (const QString& v : m_setup.openJtalkVoices) {
        if (QFileInfo(v).isFile()) {
            m_openJtalkVoice = v;
            break;
        }
    }
    if (!m_openJtalkProgram.isEmpty() && !m_openJtalkVoice.isEmpty() &&
        QFileInfo(m_setup.openJtalkDictionary).isDir())
        m_voices.push_back({QStringLiteral("Open JTalk Japanese (nitech m001)"), 1, kJapanese, Synth::OpenJtalk, {}});

    m_text2wave = findProgram(m_setup.text2waveProgram);
    const bool festival = !m_text2wave.isEmpty() && QFileInfo(m_setup.festivalVoiceFolder).isDir();
    if (festival)
        m_voices.push_back({QStringLiteral("Festival English US (slt HTS)"), 2, kEnglishUs, Synth::Festival, {}});

    if (m_setup.useEspeak) {
        m_espeak = &EspeakThread::instance();
        const QStringList found = m_espeak->start()
                                      ? m_espeak->availableVoices({QStringLiteral("en-us"), QStringLiteral("en")})
                                      : QStringList();
        if (found.contains(QStringLiteral("en-us")))
            m_espeakUs = QStringLiteral("en-us");
        if (!festival && !m_espeakUs.isEmpty())
            m_voices.push_back({QStringLiteral("eSpeak NG English (America)"), 1, kEnglishUs, Synth::Espeak, m_espeakUs});
        if (found.contains(QStringLiteral("en")))
            m_voices.push_back(
                {QStringLiteral("eSpeak NG English (Great Britain)"), 1, kEnglishUk, Synth::Espeak, QStringLiteral("en")});
    }
}

RealSpeechEngine::~RealSpeechEngine() = default;

std::unique_ptr<SpeechInstance> RealSpeechEngine::createInstance(const QString& name)
{
    if (m_voices.isEmpty())
        throw Failure(QStringLiteral("No speech engine: install open-jtalk, open-jtalk-mecab-naist-jdic, festival, "
                                     "festvox-us-slt-hts or espeak-ng-data"));
    return std::make_unique<RealSpeechInstance>(*this, name, m_players());
}

bool RealSpeechEngine::isJapanese(const QString& text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3040 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF) ||
            (u >= 0x3000 && u <= 0x303F))
            return true;
    }
    return false;
}

int RealSpeechEngine::voiceFor(const QString& text, int selected) const
{
    if (selected >= 1 && selected <= m_voices.size())
        return selected;
    const bool japanese = isJapanese(text);
    // The US voice comes first for English, then any English one.
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < m_voices.size(); ++i) {
            const int id = m_voices[i].languageId;
            const bool fits = japanese ? id == kJapanese : pass == 0 ? id == kEnglishUs : (id & 0x3ff) == 0x09;
            if (fits)
                return i + 1;
        }
    }
    return 0;
}

void RealSpeechEngine::renderText(const QString& text, int selectedVoice,
                                  std::function<void(const QString&)> done)
{
    const int voice = text.trimmed().isEmpty() ? 0 : voiceFor(text, selectedVoice);
    if (voice == 0) {
        QTimer::singleShot(0, this, [done] { done({}); });
        return;
    }
    request(voice, text, std::move(done));
}

QString RealSpeechEngine::voiceTag(int voice) const
{
    const Voice& v = m_voices[voice - 1];
    return QStringLiteral("%1/%2/%3").arg(int(v.synth)).arg(v.languageId).arg(v.espeakName);
}

QString RealSpeechEngine::spokenText(int voice, const QString& text) const
{
    return m_voices[voice - 1].synth == Synth::OpenJtalk ? m_readings.apply(text) : text;
}

void RealSpeechEngine::request(int voice, const QString& text, std::function<void(const QString&)> done)
{
    const QString tag = voiceTag(voice);
    const QString spoken = spokenText(voice, text);
    const QString cached = m_cache.lookup(tag, spoken);
    if (!cached.isEmpty()) {
        // Posted, so that Speak has returned before the play starts.
        QTimer::singleShot(0, this, [done, cached] { done(cached); });
        return;
    }
    const QString key = tag + u'\x1f' + spoken;
    auto& waiting = m_waiting[key];
    waiting.push_back(std::move(done));
    if (waiting.size() == 1)
        render(voice, spoken, tag, spoken);
}

void RealSpeechEngine::render(int voice, const QString& spoken, const QString& tag, const QString& text)
{
    ++m_renderCount;
    const Voice& v = m_voices[voice - 1];
    if (v.synth == Synth::Espeak) {
        renderWithEspeak(v.espeakName, tag, text);
        return;
    }
    const QString input = m_cache.scratchPath(QStringLiteral(".txt"));
    const QString output = m_cache.scratchPath(QStringLiteral(".wav"));
    const bool jtalk = v.synth == Synth::OpenJtalk;
    // Festival failing is not the end of English: espeak-ng stands in.
    auto fail = [this, jtalk, tag, text] {
        if (!jtalk && m_espeak && !m_espeakUs.isEmpty())
            renderWithEspeak(m_espeakUs, tag, text);
        else
            finish(tag, text, {});
    };
    if (!writeText(input, spoken)) {
        fail();
        return;
    }
    QStringList args;
    if (jtalk)
        args << QStringLiteral("-x") << m_setup.openJtalkDictionary << QStringLiteral("-m") << m_openJtalkVoice
             << QStringLiteral("-ow") << output << input;
    else
        args << QStringLiteral("-eval") << QStringLiteral("(voice_cmu_us_slt_arctic_hts)") << input
             << QStringLiteral("-o") << output;

    ChildProcessThread::instance().run(
        jtalk ? m_openJtalkProgram : m_text2wave, args, m_setup.renderTimeoutMsecs, this,
        [this, input, output, fail, tag, text](bool ok) {
            QFile::remove(input);
            if (ok && QFileInfo(output).size() > 44) {
                finish(tag, text, output);
            } else {
                QFile::remove(output);
                fail();
            }
        },
        [output] { return WaveFile::normaliseFile(output, WaveFile::kSpeechPeak); });
}

void RealSpeechEngine::renderWithEspeak(const QString& espeakName, const QString& tag, const QString& text)
{
    const QString output = m_cache.scratchPath(QStringLiteral(".wav"));
    m_espeak->render(espeakName, text, output, this, [this, tag, text, output](bool ok) {
        if (!ok)
            QFile::remove(output);
        finish(tag, text, ok ? output : QString());
    });
}

void RealSpeechEngine::finish(const QString& tag, const QString& text, const QString& renderedFile)
{
    const QString path = renderedFile.isEmpty() ? QString() : m_cache.store(renderedFile, tag, text);
    const auto waiting = m_waiting.take(tag + u'\x1f' + text);
    for (const auto& done : waiting)
        done(path);
}
