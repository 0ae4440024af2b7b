#pragma once
// The speech engine of the real program: our own layer over the installed
// synthesisers. Japanese goes to Open JTalk and English (US) to Festival's
// HTS voice, both run as child processes; libespeak-ng gives British English
// and stands in for English when Festival is missing or fails. One voice per
// engine and language found; voice 0 picks by the text's language. Speak
// returns at once: rendering runs off the GUI thread into a bounded cache,
// and each instance plays its announcements in order on its own player, so
// the four instances mix.

#include "hosts/real/SpeechCache.h"
#include "core/MediaDevice.h"
#include "hosts/real/Readings.h"
#include "core/SpeechEngine.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>

class EspeakThread;

// Where the engines and their files are; the defaults are Debian's paths.
struct SpeechSetup {
    QString openJtalkProgram = QStringLiteral("open_jtalk");
    QString openJtalkDictionary = QStringLiteral("/var/lib/mecab/dic/open-jtalk/naist-jdic");
    // The first of these that exists is the Japanese voice.
    QStringList openJtalkVoices = {
        QStringLiteral("/usr/share/hts-voice/nitech-jp-atr503-m001/nitech_jp_atr503_m001.htsvoice")};
    QString text2waveProgram = QStringLiteral("text2wave");
    QString festivalVoiceFolder = QStringLiteral("/usr/share/festival/voices/us/cmu_us_slt_arctic_hts");
    bool useEspeak = true;
    QString cacheFolder;  // empty: the user's cache folder + "/speech"
    qint64 cacheLimitBytes = 64 * 1024 * 1024;
    QString readingsFile;  // station readings (readings.tsv); empty: corrections only
    int renderTimeoutMsecs = 20000;

    // The program's own files: the voice and readings in its Voice folder.
    static SpeechSetup forProgramFolder(const QString& programFolder);
};

class RealSpeechEngine : public QObject, public SpeechEngine {
    Q_OBJECT
public:
    enum class Synth { OpenJtalk, Festival, Espeak };
    // Gender as the voice list shows it: 1 male, 2 female.
    struct Voice {
        QString productName;
        int gender = 0;
        int languageId = 0;
        Synth synth = Synth::Espeak;
        QString espeakName;
    };
    using PlayerFactory = std::function<std::unique_ptr<MediaDevice>()>;

    // players: makes each instance's player; empty: real media devices.
    explicit RealSpeechEngine(SpeechSetup setup, PlayerFactory players = {});
    ~RealSpeechEngine() override;

    // Raises Failure when no engine could be used.
    std::unique_ptr<SpeechInstance> createInstance(const QString& name) override;

    const QVector<Voice>& voices() const { return m_voices; }
    // The voice (1-based) that speaks the text when `selected` is chosen; 0
    // when no installed voice speaks its language.
    int voiceFor(const QString& text, int selected) const;
    static bool isJapanese(const QString& text);

    // Renders a text without playing it (the probe's speech output): done
    // gets the cached wave file, later on this thread, or an empty path when
    // no voice speaks it or the rendering failed.
    void renderText(const QString& text, int selectedVoice, std::function<void(const QString& wavPath)> done);

    // Renderings made so far (cache hits do not count).
    int renderCount() const { return m_renderCount; }
    // Told when an announcement starts to play: which instance, the text as
    // given, and the wave file being played.
    std::function<void(const QString& instance, const QString& text, const QString& wavPath)> onPlay;

private:
    friend class RealSpeechInstance;
    struct Pending;
    // Asks for the rendering of a text; done(path) runs on the GUI thread,
    // with an empty path when it failed. Equal requests share one rendering.
    void request(int voice, const QString& text, std::function<void(const QString& wavPath)> done);
    void render(int voice, const QString& spoken, const QString& tag, const QString& text);
    void renderWithEspeak(const QString& espeakName, const QString& tag, const QString& text);
    void finish(const QString& tag, const QString& text, const QString& renderedFile);
    QString voiceTag(int voice) const;
    QString spokenText(int voice, const QString& text) const;

    SpeechSetup m_setup;
    PlayerFactory m_players;
    QVector<Voice> m_voices;
    QString m_openJtalkProgram, m_openJtalkVoice, m_text2wave;
    EspeakThread* m_espeak = nullptr;
    QString m_espeakUs;  // the espeak voice that stands in for Festival
    SpeechCache m_cache;
    Readings m_readings;
    QHash<QString, QVector<std::function<void(const QString&)>>> m_waiting;
    int m_renderCount = 0;
};
