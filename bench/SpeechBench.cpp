// Measures the real speech engine and media devices on this machine: how
// long Speak and a sound's open+play hold the GUI thread, and the time from
// Speak to the start of the play for a new and for a cached text, per voice
// and with four instances at once, while a 10 ms timer measures its lateness.
//
//   quorel-bench-speech [PROGRAM_FOLDER] [KEEP_DIR]
//
// The cache is a fresh temporary folder; KEEP_DIR receives the wave files
// played (NNN.wav), to listen to.

#include "hosts/real/RealMediaDevice.h"
#include "hosts/real/RealSpeechEngine.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

QElapsedTimer g_clock;
double g_worstLateMs = 0;

void pumpUntil(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

double ms(qint64 ns) { return ns / 1e6; }

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("build/bin");
    const QString keep = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (!keep.isEmpty())
        QDir().mkpath(keep);
    g_clock.start();

    // The GUI thread's lateness while everything runs.
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    qint64 due = 0;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = g_clock.nsecsElapsed();
        if (due)
            g_worstLateMs = std::max(g_worstLateMs, ms(now - due));
        due = now + 10'000'000;
    });

    QTemporaryDir cache;
    SpeechSetup setup = SpeechSetup::forProgramFolder(folder);
    setup.cacheFolder = cache.path();
    RealSpeechEngine engine(setup);
    std::printf("audio output: %s\n", RealMediaDevice::audioOutputAvailable() ? "yes" : "none (silent plays)");
    for (int v = 0; v < engine.voices().size(); ++v)
        std::printf("voice %d: %d %s\n", v + 1, engine.voices()[v].languageId,
                    qPrintable(engine.voices()[v].productName));

    qint64 speakStart = 0;
    double startMs = -1;
    int played = 0;
    engine.onPlay = [&](const QString&, const QString& text, const QString& wav) {
        startMs = ms(g_clock.nsecsElapsed() - speakStart);
        ++played;
        if (!keep.isEmpty()) {
            const QString out = QStringLiteral("%1/%2.wav").arg(keep).arg(played, 3, 10, QLatin1Char('0'));
            QFile::remove(out);
            QFile::copy(wav, out);
            std::printf("  %s: %s\n", qPrintable(QDir(keep).relativeFilePath(out)), qPrintable(text.left(60)));
        }
    };
    std::vector<std::unique_ptr<SpeechInstance>> instances;
    for (int i = 1; i <= 4; ++i)
        instances.push_back(engine.createInstance(QStringLiteral("DirectSS%1").arg(i)));
    tick.start(10);

    const QStringList texts = {
        QStringLiteral("まもなく、2番線に。渋谷行き、電車が、到着します。白線の内側で、お待ちください。"),
        QStringLiteral("Attention all passengers. Soon, the train going to Shibuya will be arriving on track number 2. "
                       "Please, stand behind the white line. Thank you for using the Ginza Line."),
        QStringLiteral("まもなく、1番線に。和光市行き、電車が、到着します。白線の内側で、お待ちください。"),
        QStringLiteral("Attention all passengers. Soon, the train going to Wakoshi will be arriving on track number 1. "
                       "Please, stand behind the white line. Thank you for using the Yurakucho Line."),
    };
    double worstSpeakMs = 0, worstCreateMs = 0;
    // A fresh instance each time: an instance plays its texts one after the
    // other, and the previous one is still playing.
    std::vector<std::unique_ptr<SpeechInstance>> used;
    auto speakOnce = [&](int voice, const QString& text) {
        startMs = -1;
        const qint64 c0 = g_clock.nsecsElapsed();
        used.push_back(engine.createInstance(QStringLiteral("bench")));
        worstCreateMs = std::max(worstCreateMs, ms(g_clock.nsecsElapsed() - c0));
        due = 0;  // creation is set-up, not a sound call: leave it out of the lateness
        SpeechInstance& instance = *used.back();
        instance.select(voice);
        speakStart = g_clock.nsecsElapsed();
        instance.speak(text);
        worstSpeakMs = std::max(worstSpeakMs, ms(g_clock.nsecsElapsed() - speakStart));
        pumpUntil([&] { return startMs >= 0; }, 30000);
        return startMs;
    };

    std::printf("\nSpeak to play start (ms), new text / cached text:\n");
    for (int voice = 1; voice <= engine.voices().size(); ++voice) {
        const bool japanese = engine.voices()[voice - 1].languageId == 1041;
        for (int k = 0; k < 2; ++k) {
            const QString& text = texts[(japanese ? 0 : 1) + 2 * k];
            const QString tagged = voice == 3 ? text + QStringLiteral(" ") : text;
            const double fresh = speakOnce(voice, tagged);
            const double cached = speakOnce(voice, tagged);
            std::printf("  voice %d %-5s %7.1f / %6.1f\n", voice, k ? "st.2" : "st.1", fresh, cached);
            pumpUntil([] { return false; }, 50);
        }
    }

    // Four instances at once, new texts.
    std::printf("\nfour instances at once, new texts:\n");
    int before = played;
    speakStart = g_clock.nsecsElapsed();
    for (int i = 0; i < 4; ++i) {
        instances[i]->select(0);
        const qint64 t0 = g_clock.nsecsElapsed();
        instances[i]->speak(i % 2 ? QStringLiteral("Track %1, stand clear of the closing doors.").arg(i + 1)
                                  : QStringLiteral("%1番線の電車は、渋谷ゆきです。").arg(i + 1));
        worstSpeakMs = std::max(worstSpeakMs, ms(g_clock.nsecsElapsed() - t0));
    }
    pumpUntil([&] { return played == before + 4; }, 30000);
    std::printf("  all four started after %.1f ms\n", startMs);

    // Sounds: open+play of the run-in on eight players at once.
    double worstPlayMs = 0;
    std::vector<std::unique_ptr<RealMediaDevice>> players;
    for (int i = 0; i < 8; ++i) {
        players.push_back(std::make_unique<RealMediaDevice>());
        const qint64 t0 = g_clock.nsecsElapsed();
        players.back()->open(folder + QStringLiteral("/Sound/gto_s.wav"));
        players.back()->play();
        worstPlayMs = std::max(worstPlayMs, ms(g_clock.nsecsElapsed() - t0));
    }
    pumpUntil([] { return false; }, 1000);
    for (auto& p : players)
        p->close();
    pumpUntil([] { return false; }, 200);

    std::printf("\nrenderings: %d\n", engine.renderCount());
    std::printf("worst Speak call: %.2f ms\n", worstSpeakMs);
    std::printf("worst sound open+play call: %.2f ms\n", worstPlayMs);
    std::printf("worst instance creation (set-up): %.2f ms\n", worstCreateMs);
    std::printf("worst 10 ms timer lateness: %.2f ms\n", g_worstLateMs);
    return 0;
}
