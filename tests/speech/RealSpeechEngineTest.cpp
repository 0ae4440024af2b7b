#include "hosts/real/RealSpeechEngine.h"
#include "hosts/real/WaveFile.h"

#include "SpeechWait.h"
#include "core/Failure.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// A player that plays nothing and ends soon: records what it was given.
struct PlayLog {
    QStringList files;
    int ended = 0;
};

class LoggingPlayer : public MediaDevice {
public:
    explicit LoggingPlayer(PlayLog& log) : m_log(log) {}
    void open(const QString& filePath) override
    {
        if (!QFileInfo(filePath).isFile())
            throw Failure(filePath);
        m_file = filePath;
    }
    void play() override
    {
        m_log.files << m_file;
        QTimer::singleShot(20, [this] {
            ++m_log.ended;
            if (onEnded)
                onEnded();
        });
    }
    void stop() override {}
    void close() override { m_file.clear(); }
    bool isOpen() const override { return !m_file.isEmpty(); }

private:
    PlayLog& m_log;
    QString m_file;
};

class RealSpeechEngineTest : public ::testing::Test {
protected:
    SpeechSetup setup()
    {
        SpeechSetup s = SpeechSetup::forProgramFolder(QStringLiteral(QUOREL_TEST_PROGRAM_DIR));
        s.cacheFolder = m_cache.path();
        return s;
    }
    std::unique_ptr<RealSpeechEngine> engine(const SpeechSetup& s)
    {
        return std::make_unique<RealSpeechEngine>(s, [this] { return std::make_unique<LoggingPlayer>(m_plays); });
    }
    static QVector<int> languages(const RealSpeechEngine& e)
    {
        QVector<int> ids;
        for (const auto& v : e.voices())
            ids << v.languageId;
        return ids;
    }
    QTemporaryDir m_cache;
    PlayLog m_plays;
};

TEST_F(RealSpeechEngineTest, OneVoicePerEngineAndLanguage)
{
    auto e = engine(setup());
    ASSERT_EQ(languages(*e), (QVector<int>{1041, 1033, 2057}));
    auto instance = e->createInstance(QStringLiteral("DirectSS1"));
    ASSERT_EQ(instance->voiceCount(), 3);
    EXPECT_EQ(instance->languageId(1), 1041);
    EXPECT_EQ(instance->gender(2), 2);
    EXPECT_FALSE(instance->productName(3).isEmpty());
    EXPECT_TRUE(instance->productName(4).isEmpty());
    EXPECT_EQ(instance->languageId(0), 0);
}

// A missing program, voice file or dictionary drops that engine's voice; US
// English falls back to espeak-ng; with nothing left creation fails.
TEST_F(RealSpeechEngineTest, MissingEnginesAndVoiceFiles)
{
    const struct {
        const char* what;
        std::function<void(SpeechSetup&)> change;
        QVector<int> ids;
    } cases[] = {
        {"no open_jtalk", [](SpeechSetup& s) { s.openJtalkProgram = QStringLiteral("/nonexistent/open_jtalk"); },
         {1033, 2057}},
        {"no voice file", [](SpeechSetup& s) { s.openJtalkVoices = {QStringLiteral("/nonexistent/v.htsvoice")}; },
         {1033, 2057}},
        {"no dictionary", [](SpeechSetup& s) { s.openJtalkDictionary = QStringLiteral("/nonexistent/dic"); },
         {1033, 2057}},
        {"no festival voice", [](SpeechSetup& s) { s.festivalVoiceFolder = QStringLiteral("/nonexistent/slt"); },
         {1041, 1033, 2057}},
        {"no espeak", [](SpeechSetup& s) { s.useEspeak = false; }, {1041, 1033}},
    };
    for (const auto& c : cases) {
        SpeechSetup s = setup();
        c.change(s);
        auto e = engine(s);
        EXPECT_EQ(languages(*e), c.ids) << c.what;
    }
    SpeechSetup s = setup();
    s.festivalVoiceFolder = QStringLiteral("/nonexistent/slt");
    EXPECT_TRUE(engine(s)->voices()[1].productName.contains(QStringLiteral("eSpeak"))) << "US English by espeak-ng";

    s.openJtalkProgram = QStringLiteral("/nonexistent/open_jtalk");
    s.useEspeak = false;
    auto none = engine(s);
    EXPECT_TRUE(none->voices().isEmpty());
    EXPECT_THROW(none->createInstance(QStringLiteral("DirectSS1")), Failure);
}

TEST_F(RealSpeechEngineTest, VoiceZeroPicksByTheTextsLanguage)
{
    auto e = engine(setup());
    const struct {
        const char* text;
        int selected;
        int voice;
    } cases[] = {
        {"まもなく、3番線に。渋谷行き、電車が、到着します。", 0, 1},
        {"渋谷", 0, 1},
        {"Attention all passengers.", 0, 2},
        {"Shibuya 渋谷", 0, 1},
        {"Attention all passengers.", 3, 3},
        {"まもなく", 2, 2},
        {"まもなく", 9, 1},  // no such voice: as if none were chosen
    };
    for (const auto& c : cases)
        EXPECT_EQ(e->voiceFor(QString::fromUtf8(c.text), c.selected), c.voice) << c.text << " " << c.selected;

    SpeechSetup s = setup();
    s.openJtalkProgram = QStringLiteral("/nonexistent/open_jtalk");
    s.festivalVoiceFolder = QStringLiteral("/nonexistent/slt");
    auto english = engine(s);
    EXPECT_EQ(english->voiceFor(QStringLiteral("まもなく"), 0), 0) << "no Japanese voice: nothing speaks it";
    EXPECT_EQ(english->voices()[english->voiceFor(QStringLiteral("Soon"), 0) - 1].languageId, 1033);
}

// Each engine renders a wave file that plays; a second speak of the same
// text plays the cached file without rendering again.
TEST_F(RealSpeechEngineTest, RendersOnceThenPlaysFromTheCache)
{
    auto e = engine(setup());
    auto instance = e->createInstance(QStringLiteral("DirectSS1"));
    const QString texts[] = {QStringLiteral("まもなく、3番線に。渋谷行き、電車が、到着します。"),
                             QStringLiteral("Soon, the train going to Shibuya will be arriving on track number 3."),
                             QStringLiteral("Stand clear of the closing doors.")};
    const int voices[] = {1, 2, 3};
    for (int i = 0; i < 3; ++i) {
        instance->select(voices[i]);
        instance->speak(texts[i]);
    }
    ASSERT_TRUE(waitFor([&] { return m_plays.ended == 3; }, 30000)) << m_plays.ended;
    EXPECT_EQ(e->renderCount(), 3);
    for (const QString& f : m_plays.files)
        EXPECT_GT(WaveFile::lengthMsecs(f), 1000) << f.toStdString();

    instance->select(1);
    instance->speak(texts[0]);
    EXPECT_EQ(m_plays.files.size(), 3) << "Speak returns before the play starts";
    ASSERT_TRUE(waitFor([&] { return m_plays.ended == 4; }, 2000));
    EXPECT_EQ(e->renderCount(), 3);
    EXPECT_EQ(m_plays.files[3], m_plays.files[0]);

    // The cache outlives the engine: a new one finds the file.
    auto again = engine(setup());
    auto second = again->createInstance(QStringLiteral("DirectSS2"));
    second->speak(texts[0]);
    ASSERT_TRUE(waitFor([&] { return m_plays.ended == 5; }, 2000));
    EXPECT_EQ(again->renderCount(), 0);
}

// Four instances speak at once; each plays its own text, in the order spoken.
TEST_F(RealSpeechEngineTest, FourInstancesSpeakTogether)
{
    auto e = engine(setup());
    std::vector<std::unique_ptr<SpeechInstance>> instances;
    QStringList played;
    e->onPlay = [&](const QString& instance, const QString& text, const QString&) {
        played << instance + u':' + text;
    };
    for (int i = 1; i <= 4; ++i) {
        instances.push_back(e->createInstance(QStringLiteral("DirectSS%1").arg(i)));
        instances.back()->select(3);
        instances.back()->speak(QStringLiteral("Track %1.").arg(i));
        instances.back()->speak(QStringLiteral("Track %1, again.").arg(i));
        instances.back()->speak(QString());  // empty: nothing to say
    }
    ASSERT_TRUE(waitFor([&] { return m_plays.ended == 8; }, 10000)) << m_plays.ended;
    for (int i = 1; i <= 4; ++i)
        EXPECT_LT(played.indexOf(QStringLiteral("DirectSS%1:Track %1.").arg(i)),
                  played.indexOf(QStringLiteral("DirectSS%1:Track %1, again.").arg(i)));
    EXPECT_EQ(e->renderCount(), 8);
}

// A synthesiser that fails: English falls back to espeak-ng, Japanese is
// left out and the next announcement still plays.
TEST_F(RealSpeechEngineTest, AFailingSynthesiserIsPassedOver)
{
    SpeechSetup s = setup();
    s.openJtalkProgram = QStringLiteral("/bin/false");
    s.text2waveProgram = QStringLiteral("/bin/false");
    auto e = engine(s);
    ASSERT_EQ(languages(*e), (QVector<int>{1041, 1033, 2057}));
    auto instance = e->createInstance(QStringLiteral("DirectSS1"));
    instance->speak(QStringLiteral("まもなく"));
    instance->speak(QStringLiteral("Soon."));
    ASSERT_TRUE(waitFor([&] { return m_plays.ended == 1; }, 10000));
    waitFor([] { return false; }, 200);
    EXPECT_EQ(m_plays.files.size(), 1);
}

// Rendering without playing, as the probe writes each announcement's audio.
TEST_F(RealSpeechEngineTest, RendersToAFileWithoutPlaying)
{
    auto e = engine(setup());
    QStringList paths;
    int answers = 0;
    for (const QString& text : {QStringLiteral("Track 1."), QString(), QStringLiteral("Track 1.")}) {
        e->renderText(text, 3, [&](const QString& path) {
            paths << path;
            ++answers;
        });
    }
    ASSERT_TRUE(waitFor([&] { return answers == 3; }, 10000));
    EXPECT_EQ(paths.count(QString()), 1) << "the empty text has nothing to render";
    paths.removeAll(QString());
    ASSERT_EQ(paths.size(), 2);
    EXPECT_EQ(paths[0], paths[1]);
    EXPECT_GT(WaveFile::lengthMsecs(paths[0]), 300);
    EXPECT_EQ(e->renderCount(), 1) << "equal requests share one rendering";
    EXPECT_TRUE(m_plays.files.isEmpty());
}

TEST_F(RealSpeechEngineTest, TheCacheStaysWithinItsLimit)
{
    SpeechSetup s = setup();
    s.cacheLimitBytes = 1;  // every new rendering pushes out the older ones
    auto e = engine(s);
    auto instance = e->createInstance(QStringLiteral("DirectSS1"));
    instance->select(3);
    for (int i = 0; i < 3; ++i)
        instance->speak(QStringLiteral("Number %1.").arg(i));
    ASSERT_TRUE(waitFor([&] { return m_plays.ended == 3; }, 10000)) << "recent files stay until played";
    const QDir dir(m_cache.path());
    EXPECT_EQ(dir.entryList({QStringLiteral("*.wav")}, QDir::Files).size(), 3);
    for (const QFileInfo& f : dir.entryInfoList({QStringLiteral("*.wav")}, QDir::Files)) {
        QFile file(f.absoluteFilePath());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
    }
    instance->speak(QStringLiteral("Number 3."));
    ASSERT_TRUE(waitFor([&] { return m_plays.ended == 4; }, 10000));
    EXPECT_EQ(dir.entryList({QStringLiteral("*.wav")}, QDir::Files).size(), 1);
    EXPECT_TRUE(QDir(m_cache.path()).entryList({QStringLiteral("render-*")}, QDir::Files).isEmpty());
}

}  // namespace
